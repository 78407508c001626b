// The committed icons and cursors are what the generator draws, byte for
// byte, and each is a well-formed one-image icon or cursor file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string Bytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(Icongen, RegeneratesTheCommittedFiles) {
    const fs::path out = fs::temp_directory_path() / ("icongen-" + std::to_string(::getpid()));
    fs::create_directories(out);
    ASSERT_EQ(std::system((std::string(QOR_ICONGEN) + " " + out.string()).c_str()), 0);
    struct File {
        const char* name;
        int type;  // 1 icon, 2 cursor
    } const files[] = {{"qor.ico", 1}, {"tray.ico", 1}, {"normal.cur", 2}, {"pressed.cur", 2}, {"move.cur", 2}};
    for (const File& f : files) {
        const std::string made = Bytes(out / f.name);
        EXPECT_EQ(made, Bytes(fs::path(QOR_RES_DIR) / f.name)) << f.name;
        ASSERT_GE(made.size(), 22u);
        EXPECT_EQ(made[2], f.type) << f.name;
        EXPECT_EQ(made[4], 1) << f.name;  // one image
    }
    fs::remove_all(out);
}

}  // namespace
