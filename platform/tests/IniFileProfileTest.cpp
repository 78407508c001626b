// The store on real files: missing and damaged files, replacement by rename.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "platform/ini/IniFileProfile.h"

namespace fs = std::filesystem;
using platform::ini::IniFileProfile;
using platform::ini::ReadWholeFile;

namespace {

class IniFile : public testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("inifile-" + std::to_string(::getpid()) + "-" +
                                            testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        path_ = (dir_ / "QorSFile.ini").string();
    }
    void TearDown() override { fs::remove_all(dir_); }
    void Put(const std::string& bytes) { std::ofstream(path_, std::ios::binary) << bytes; }

    fs::path dir_;
    std::string path_;
};

TEST_F(IniFile, MissingFileGivesDefaultsAndTheFirstWriteCreatesIt) {
    IniFileProfile p(path_);
    EXPECT_EQ(p.ReadText("ZuntoCrossbar", "InputSource", "3", 260), "3");
    EXPECT_EQ(p.ReadInt("ZuntoCrossbar", "InputSource", 3), 3u);
    EXPECT_TRUE(p.DeleteKey("s", "k"));
    EXPECT_FALSE(fs::exists(path_));
    EXPECT_TRUE(p.WriteText("ZuntoCrossbar", "InputSource", "4"));
    EXPECT_EQ(ReadWholeFile(path_), "[ZuntoCrossbar]\r\nInputSource=4\r\n");
}

TEST_F(IniFile, DamagedFilesGiveDefaultsAndKeepUnrelatedContent) {
    std::mt19937 rng(7);
    std::string garbage;
    for (int i = 0; i < 4096; ++i) garbage += static_cast<char>(rng() & 0xFF);
    const std::string longLine(1 << 20, 'x');
    struct Case {
        const char* name;
        std::string bytes;
        std::string keep;  // a value that must survive the later write
    } cases[] = {
        {"binary garbage", garbage + "\r\n[keep]\r\nk=v\r\n", "v"},
        {"a 1 MB line", "[keep]\r\nk=" + longLine + "\r\n", longLine},
        {"no final newline", "[keep]\r\nk=v", "v"},
        {"empty", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Put(c.bytes);
        IniFileProfile p(path_);
        EXPECT_EQ(p.ReadText("vemla", "AlwaysOnTop", "", 260), "");
        EXPECT_EQ(p.ReadInt("AudioProcAmp", "VolumeValue", 128), 128u);
        ASSERT_TRUE(p.WriteText("AudioProcAmp", "VolumeValue", "130"));
        EXPECT_EQ(p.ReadInt("AudioProcAmp", "VolumeValue", 128), 130u);
        if (!c.keep.empty()) {
            EXPECT_EQ(p.ReadText("keep", "k", "", c.keep.size() + 1), c.keep);
        }
    }
}

TEST_F(IniFile, WritesReplaceTheFileWithoutLeavingTemporaries) {
    Put("[s]\r\na=1\r\n");
    IniFileProfile p(path_);
    for (int i = 0; i < 20; ++i) ASSERT_TRUE(p.WriteText("s", "a", std::to_string(i)));
    EXPECT_EQ(ReadWholeFile(path_), "[s]\r\na=19\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(IniFile, AWriteThatCannotBeStoredReportsFailure) {
    IniFileProfile p((dir_ / "no-such-dir" / "x.ini").string());
    EXPECT_FALSE(p.WriteText("s", "a", "1"));
    EXPECT_EQ(p.ReadText("s", "a", "d", 10), "d");
}

}  // namespace
