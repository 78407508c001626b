#include "tools/skingen/SkinGen.h"

#include <filesystem>
#include <fstream>

#include "kvtv/FreqTables.h"
#include "tools/skingen/Skins.h"

namespace skingen {

namespace {

class IniWriter {
public:
    void Section(const std::string& name) {
        if (!text_.empty()) text_ += "\r\n";
        text_ += "[" + name + "]\r\n";
    }
    void Key(const std::string& key, const std::string& value) { text_ += key + "=" + value + "\r\n"; }
    void Key(const std::string& key, int value) { Key(key, std::to_string(value)); }
    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

const char* kPointSuffix[] = {"Point", "DownPoint", "LorRPoint", "ALLPoint"};

}  // namespace

std::string PanelIniText() {
    const std::vector<Design> skins = ShippedSkins();
    IniWriter ini;
    ini.Section("Panel");
    ini.Key("HavePanel", static_cast<int>(skins.size()));
    ini.Key("PanelNow", 1);
    for (const Design& d : skins)
        for (const auto& [key, value] : GeometryKeys(d.layout)) ini.Key(key, value);

    for (const Design& d : skins) {
        const std::string n = std::to_string(d.layout.number);
        for (int state = kBase; state <= kAll; ++state) {
            ini.Section("Panel" + n + kPointSuffix[state - 1]);
            const std::vector<Pt> points = d.outline(state);
            ini.Key("HavePoint", static_cast<int>(points.size()));
            for (std::size_t i = 0; i < points.size(); ++i) {
                ini.Key(std::to_string(2 * i + 1), points[i].x);
                ini.Key(std::to_string(2 * i + 2), points[i].y);
            }
        }
        ini.Section(n + "PANEL_BTN");
        for (const auto& [key, value] : ButtonSectionKeys(d.layout)) ini.Key(key, value);
        for (int p = 0; p < KvCountryCount(); ++p)
            if (const char* name = KvCountryName(p)) ini.Key(std::to_string(p + 1), name);
    }
    return ini.Text();
}

bool GenerateSkins(const std::string& dir, std::string* error) {
    namespace fs = std::filesystem;
    auto fail = [&](const std::string& why) {
        if (error) *error = why;
        return false;
    };
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec) return fail("cannot create " + dir + ": " + ec.message());

    {
        const std::string path = (fs::path(dir) / "QorPFile.ini").string();
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        const std::string text = PanelIniText();
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        if (!out.good()) return fail("cannot write " + path);
    }
    for (const Design& d : ShippedSkins()) {
        const fs::path skinDir = fs::path(dir) / ("panelbmp" + std::to_string(d.layout.number));
        fs::create_directories(skinDir, ec);
        if (ec) return fail("cannot create " + skinDir.string() + ": " + ec.message());
        const SkinPictures pictures = PaintSkin(d);
        auto write = [&](const std::string& name, const Image& img) {
            const std::string path = (skinDir / name).string();
            return skin::WriteBmpFile(path, img) || fail("cannot write " + path);
        };
        if (!write("otherbmp.bmp", pictures.strip)) return false;
        for (int state = kBase; state <= kAll; ++state)
            for (int look = kNormal; look <= kHover; ++look)
                if (!write(PanelFileName(state, look), pictures.panel[state - 1][look])) return false;
    }
    return true;
}

}  // namespace skingen
