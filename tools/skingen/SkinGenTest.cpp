// Checks of the shipped skins in skins/: that the generator reproduces them
// byte for byte, and that the panel INI and the bitmaps fit together under the
// rules the panel applies (button table, move load, content offset, region).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "kvtv/FreqTables.h"
#include "skin/Bmp.h"
#include "tools/skingen/SkinGen.h"

namespace {

namespace fs = std::filesystem;

const fs::path kSkins = fs::path(QOR_SOURCE_DIR) / "skins";

std::string ReadAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<fs::path> FilesBelow(const fs::path& root) {
    std::vector<fs::path> out;
    for (const auto& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file()) out.push_back(fs::relative(e.path(), root));
    std::sort(out.begin(), out.end());
    return out;
}

TEST(ShippedSkins, GeneratorReproducesTheCommittedFiles) {
    const fs::path out = fs::temp_directory_path() / "qor_skingen_check";
    fs::remove_all(out);
    std::string error;
    ASSERT_TRUE(skingen::GenerateSkins(out.string(), &error)) << error;

    const std::vector<fs::path> committed = FilesBelow(kSkins);
    EXPECT_EQ(FilesBelow(out), committed);
    EXPECT_EQ(committed.size(), 1u + 3 * 13);
    for (const fs::path& f : committed)
        EXPECT_TRUE(ReadAll(kSkins / f) == ReadAll(out / f)) << f << " differs; run the regenerate_skins target";
    fs::remove_all(out);
}

// ---- a small reader for the panel INI -------------------------------------

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

class Ini {
public:
    explicit Ini(const std::string& text) {
        std::istringstream in(text);
        std::string line, section;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.empty()) continue;
            if (line.front() == '[' && line.back() == ']') {
                section = Lower(line.substr(1, line.size() - 2));
                order_[section];
                continue;
            }
            const auto eq = line.find('=');
            if (eq == std::string::npos) continue;
            const std::string key = line.substr(0, eq);
            values_[section].emplace(Lower(key), line.substr(eq + 1));
            order_[section].push_back(key);
        }
    }
    std::optional<std::string> Text(const std::string& section, const std::string& key) const {
        const auto s = values_.find(Lower(section));
        if (s == values_.end()) return std::nullopt;
        const auto k = s->second.find(Lower(key));
        if (k == s->second.end()) return std::nullopt;
        return k->second;
    }
    // Integer keys must be present and plain decimal numbers.
    int Int(const std::string& section, const std::string& key) const {
        const auto v = Text(section, key);
        EXPECT_TRUE(v.has_value()) << "[" << section << "] " << key << " missing";
        if (!v) return 0;
        std::size_t used = 0;
        int n = 0;
        try {
            n = std::stoi(*v, &used);
        } catch (...) {
        }
        EXPECT_EQ(used, v->size()) << "[" << section << "] " << key << "=" << *v;
        return n;
    }
    const std::vector<std::string>& Keys(const std::string& section) const {
        static const std::vector<std::string> none;
        const auto s = order_.find(Lower(section));
        return s == order_.end() ? none : s->second;
    }

private:
    std::map<std::string, std::map<std::string, std::string>> values_;
    std::map<std::string, std::vector<std::string>> order_;
};

// ---- how the panel places the buttons in each state -----------------------

struct Box {
    int x, y, w, h;
};

const char* kStems[48] = {"BTN_NUM0", "BTN_NUM1", "BTN_NUM2", "BTN_NUM3", "BTN_NUM4", "BTN_NUM5", "BTN_NUM6",
                          "BTN_NUM7", "BTN_NUM8", "BTN_NUM9", "BTN_VOLDOWN", "BTN_VOLUP", "BTN_CHDOWN", "BTN_CHUP",
                          "BTN_TVAIR", "BTN_CABLE", "BTN_COMPOSITE", "BTN_SVIDEO", "BTN_ADD", "BTN_DEC", "BTN_CLOSE",
                          "BTN_HIDEPANEL", "BTN_HELP", "BTN_REC", "BTN_PLAY", "BTN_FORWARD", "BTN_BACK", "BTN_PAUSE",
                          "BTN_STOP", "BTN_STOPREC", "BTN_MUTE", "BTN_FM", "BTN_CAPTUE", "BTN_TIME", "BTN_CH",
                          "BTN_TOOL", "BTN_SCAN", "BTN_SKIN", "BTN_OPENPANEL", nullptr, nullptr, nullptr, nullptr,
                          "BTN_TELETEXT", "BTN_STEREO", "BTN_LEFTOPEN", "BTN_LOGOKEST", nullptr};

struct Skin {
    int n;
    std::string btn;  // "<n>PANEL_BTN"
    std::array<int, 5> w{}, h{};  // by state 1..4
    int lorr = 0;
    std::array<Box, 48> base{};
};

Skin ReadSkin(const Ini& ini, int n) {
    Skin s;
    s.n = n;
    s.btn = std::to_string(n) + "PANEL_BTN";
    const std::string p = std::to_string(n);
    const char* size[5][2] = {{}, {"PANEL_W", "PANEL_H"}, {"PANEL_OPENLIST_W", "PANEL_OPENLIST_H"},
                              {"PANEL_OPENLEFTLIST_W", "PANEL_OPENLEFTLIST_H"}, {"PANEL_OPENALL_W", "PANEL_OPENALL_H"}};
    for (int st = 1; st <= 4; ++st) {
        s.w[st] = ini.Int("Panel", p + size[st][0]);
        s.h[st] = ini.Int("Panel", p + size[st][1]);
    }
    s.lorr = ini.Int("Panel", p + "PANEL_LORR");
    for (int i = 0; i < 48; ++i) {
        if (!kStems[i]) continue;
        const std::string k = kStems[i];
        s.base[i] = {ini.Int(s.btn, k + "_X"), ini.Int(s.btn, k + "_Y"), ini.Int(s.btn, k + "_W"), ini.Int(s.btn, k + "_H")};
    }
    return s;
}

Box Rect4(const Ini& ini, const Skin& s, const std::string& stem) {
    return {ini.Int(s.btn, stem + "_X"), ini.Int(s.btn, stem + "_Y"), ini.Int(s.btn, stem + "_W"), ini.Int(s.btn, stem + "_H")};
}

int ContentOffset(const Skin& s, int state) {
    return (state == 3 || state == 4) && s.lorr == 0 ? s.w[3] - s.w[1] : 0;
}

// The hit-testable entries of a state, in window coordinates.
std::vector<std::pair<int, Box>> Buttons(const Ini& ini, const Skin& s, int state) {
    std::array<Box, 48> b = s.base;
    if (state == 2 || state == 4) {
        b[46].x = ini.Int(s.btn, "BTN_LOGOMOVE_X");
        b[46].y = ini.Int(s.btn, "BTN_LOGOMOVE_Y");
        if (ini.Int(s.btn, "BTN_OPENPANELMOVE_X") != 0) b[38] = Rect4(ini, s, "BTN_OPENPANELMOVE");
        b[39] = Rect4(ini, s, "BTN_EMAIL");
        b[40] = Rect4(ini, s, "BTN_LISTVIEW");
        b[41] = Rect4(ini, s, "BTN_PAINT");
        b[42] = Rect4(ini, s, "BTN_MOVIEEDIT");
        b[47] = Rect4(ini, s, "BTN_DOWNCLOSE");
    }
    if ((state == 3 || state == 4) && s.lorr == 1) b[45].x += s.w[3] - s.w[1];
    const int off = ContentOffset(s, state);
    std::vector<std::pair<int, Box>> out;
    for (int i = 0; i < 48; ++i) {
        if (b[i].w <= 0 || b[i].h <= 0) continue;
        Box r = b[i];
        if (i != 45) r.x += off;
        out.emplace_back(i, r);
    }
    return out;
}

struct Polygon {
    std::vector<std::pair<double, double>> v;

    // Signed distance of a point: negative inside (even-odd rule).
    double Distance(double x, double y) const {
        bool inside = false;
        double best = 1e18;
        for (std::size_t i = 0, j = v.size() - 1; i < v.size(); j = i++) {
            const auto [xi, yi] = v[i];
            const auto [xj, yj] = v[j];
            if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) inside = !inside;
            const double ex = xj - xi, ey = yj - yi, len2 = ex * ex + ey * ey;
            const double t = len2 > 0 ? std::clamp(((x - xi) * ex + (y - yi) * ey) / len2, 0.0, 1.0) : 0.0;
            best = std::min(best, std::hypot(x - xi - ex * t, y - yi - ey * t));
        }
        return inside ? -best : best;
    }
};

Polygon ReadPolygon(const Ini& ini, int n, int state) {
    static const char* kSuffix[] = {"", "Point", "DownPoint", "LorRPoint", "ALLPoint"};
    const std::string section = "Panel" + std::to_string(n) + kSuffix[state];
    Polygon p;
    const int count = ini.Int(section, "HavePoint");
    EXPECT_GE(count, 3) << section;
    EXPECT_LE(count, 200) << section;
    for (int i = 1; i <= count; ++i)
        p.v.emplace_back(ini.Int(section, std::to_string(2 * i - 1)), ini.Int(section, std::to_string(2 * i)));
    return p;
}

const char* kPictures[5][3] = {{},
                               {"panel.bmp", "panelover.bmp", "panelbdown.bmp"},
                               {"paneldown.bmp", "paneldownover.bmp", "paneldownbdown.bmp"},
                               {"panellorr.bmp", "panellorrover.bmp", "panellorrbdown.bmp"},
                               {"panelall.bmp", "panelallover.bmp", "panelallbdown.bmp"}};

bool Inside(const Box& r, int w, int h) { return r.x >= 0 && r.y >= 0 && r.w > 0 && r.h > 0 && r.x + r.w <= w && r.y + r.h <= h; }

class ShippedSkinFiles : public ::testing::Test {
protected:
    void SetUp() override {
        text_ = ReadAll(kSkins / "QorPFile.ini");
        ASSERT_FALSE(text_.empty());
    }
    std::string text_;
};

TEST_F(ShippedSkinFiles, IniUsesCrlfAndSelectsThreeSkins) {
    for (std::size_t i = 0; i < text_.size(); ++i)
        if (text_[i] == '\n') {
            ASSERT_TRUE(i > 0 && text_[i - 1] == '\r') << "bare LF at byte " << i;
        }
    const Ini ini(text_);
    EXPECT_EQ(ini.Int("Panel", "HavePanel"), 3);
    EXPECT_EQ(ini.Int("Panel", "PanelNow"), 1);
}

TEST_F(ShippedSkinFiles, SkinOneKeepsTheBuiltInLayout) {
    const Ini ini(text_);
    const Skin s = ReadSkin(ini, 1);
    EXPECT_EQ(s.w[1], 547);
    EXPECT_EQ(s.h[1], 176);
    EXPECT_EQ(s.w[2], 547);
    EXPECT_EQ(s.h[2], 356);
    EXPECT_EQ(s.w[3], 643);
    EXPECT_EQ(s.h[4], 356);
    EXPECT_EQ(s.lorr, 0);
    struct Expect {
        int index;
        Box r;
    };
    for (const Expect& e : {Expect{13, {452, 26, 20, 30}}, Expect{0, {522, 104, 13, 13}}, Expect{30, {8, 50, 28, 31}},
                            Expect{45, {0, 0, 18, 18}}, Expect{46, {138, 135, 87, 14}}}) {
        EXPECT_EQ(s.base[e.index].x, e.r.x) << e.index;
        EXPECT_EQ(s.base[e.index].y, e.r.y) << e.index;
        EXPECT_EQ(s.base[e.index].w, e.r.w) << e.index;
        EXPECT_EQ(s.base[e.index].h, e.r.h) << e.index;
    }
    EXPECT_EQ(ini.Text(s.btn, "IDS_CHUP"), "Channel up");
    // The open/close key keeps its place when the file list opens, as without a panel INI.
    EXPECT_EQ(ini.Int(s.btn, "BTN_OPENPANELMOVE_X"), 0);
    EXPECT_EQ(ini.Int(s.btn, "LCD_VOLBAR_W"), 220);
    EXPECT_EQ(ini.Int(s.btn, "OSD_TUNER_FIRSTNUM_X"), 423);
}

TEST_F(ShippedSkinFiles, EverySkinCarriesTheWholeKeySetAndTheCountries) {
    const Ini ini(text_);
    std::vector<std::string> layoutKeys;
    for (const std::string& k : ini.Keys("1PANEL_BTN"))
        if (!std::isdigit(static_cast<unsigned char>(k[0])) && k.rfind("BTN_OPENPANELMOVE", 0) != 0) layoutKeys.push_back(k);
    EXPECT_GT(layoutKeys.size(), 250u);
    const std::vector<std::string> geometry = {"PANEL_LORR_X_OFFSET", "PANEL_LORR_Y_OFFSET", "PANEL_LORR_WIN_W", "PANEL_LORR_WIN_H",
                                               "PANEL_DOWN_X_OFFSET", "PANEL_DOWN_Y_OFFSET", "PANEL_DOWN_WIN_W", "PANEL_DOWN_WIN_H",
                                               "PANEL_LORR", "PANEL_DOWN_REPAINT_Y", "PANEL_HTTP"};
    for (int n = 1; n <= 3; ++n) {
        const std::string section = std::to_string(n) + "PANEL_BTN";
        for (const std::string& k : layoutKeys) EXPECT_TRUE(ini.Text(section, k).has_value()) << section << " lacks " << k;
        for (const std::string& k : geometry)
            EXPECT_TRUE(ini.Text("Panel", std::to_string(n) + k).has_value()) << std::to_string(n) + k;
        EXPECT_FALSE(ini.Text("Panel", std::to_string(n) + "PANEL_HTTP").value_or("").empty());
        if (n > 1) {
            for (const char* k : {"BTN_OPENPANELMOVE_X", "BTN_OPENPANELMOVE_Y", "BTN_OPENPANELMOVE_W", "BTN_OPENPANELMOVE_H"})
                EXPECT_GT(ini.Int(section, k), 0) << section << " " << k;
        }
        ASSERT_EQ(KvCountryCount(), 244);
        for (int p = 0; p < KvCountryCount(); ++p)
            EXPECT_EQ(ini.Text(section, std::to_string(p + 1)), std::string(KvCountryName(p))) << section << " country " << p + 1;
    }
    // Skins 2 and 3 take the other layout paths.
    EXPECT_EQ(ini.Int("2PANEL_BTN", "LCD_VOLBAR_LTOR_DTOU"), 1);
    EXPECT_EQ(ini.Int("Panel", "3PANEL_LORR"), 1);
}

TEST_F(ShippedSkinFiles, ButtonsRegionAndLcdFitTheBitmaps) {
    const Ini ini(text_);
    for (int n = 1; n <= 3; ++n) {
        SCOPED_TRACE("skin " + std::to_string(n));
        const Skin s = ReadSkin(ini, n);
        const fs::path dir = kSkins / ("panelbmp" + std::to_string(n));
        std::string error;
        const auto strip = skin::ReadBmpFile((dir / "otherbmp.bmp").string(), &error);
        ASSERT_TRUE(strip.has_value()) << error;
        const std::string& b = s.btn;
        auto I = [&](const std::string& key) { return ini.Int(b, key); };
        auto at = [&](const std::string& stem, int w, int h) { return Box{I(stem + "_X"), I(stem + "_Y"), w, h}; };

        // Strip images: digit strips (ten cells), labels, indicators, mute faces, knob.
        const Box modeLabel = Rect4(ini, s, "LCD_CHFMAVSV");
        std::vector<std::pair<std::string, Box>> strips = {
            {"channel digits", {I("OSD_NUMFORCH_X"), I("OSD_NUMFORCH_Y"), 10 * I("CH_NUM_W"), I("CH_NUM_H")}},
            {"FM digits", {I("FM_NUM_X"), I("FM_NUM_Y"), 10 * I("FM_NUM_W"), I("FM_NUM_H")}},
            {"clock digits", {I("LCD_CUR_TIME_X"), I("LCD_CUR_TIME_Y"), 9 * I("LCD_CUR_TIME_OFFSET") + I("LCD_CURTIME_W"), I("LCD_CURTIME_H")}},
            {"capture digits", {I("LCD_CAP_TIME_X"), I("LCD_CAP_TIME_Y"), 9 * I("LCD_CAP_TIME_OFFSET") + I("LCD_CAPTIME_W"), I("LCD_CAPTIME_H")}},
            {"size digits",
             {I("LCD_CAP_FILESIZE_X"), I("LCD_CAP_FILESIZE_Y"), 9 * I("LCD_CAP_FILESIZE_OFFSET") + I("LCD_CAPFILESIZE_W"), I("LCD_CAPFILESIZE_H")}},
            {"CH label", at("LCD_CH", modeLabel.w, modeLabel.h)},
            {"FM label", at("LCD_FMFREQ", modeLabel.w, modeLabel.h)},
            {"AV label", at("LCD_AVSV", modeLabel.w, modeLabel.h)},
            {"record on", at("LCD_REC_STATE_ON", I("LCD_REC_STATE_W"), I("LCD_REC_STATE_H"))},
            {"record off", at("LCD_REC_STATE_OFF", I("LCD_REC_STATE_W"), I("LCD_REC_STATE_H"))},
            {"knob", at("SLIPOINT", I("SLIPOINT_W"), I("SLIPOINT_H"))},
        };
        for (const char* src : {"LCD_AIR", "LCD_CABLE", "LCD_AVIN", "LCD_SVIDEO", "LCD_FM"})
            strips.push_back({src, at(src, I("LCD_W"), I("LCD_H"))});
        for (const char* mute : {"CHANGE_BTN_MUTEON", "CHANGE_BTN_MUTEOFF"}) {
            Box r = Rect4(ini, s, mute);
            EXPECT_EQ(r.w, s.base[30].w) << mute;
            EXPECT_EQ(r.h, s.base[30].h) << mute;
            r.w *= 3;  // normal, pressed, hover side by side
            strips.push_back({mute, r});
        }
        for (const auto& [name, r] : strips) EXPECT_TRUE(Inside(r, strip->Width(), strip->Height())) << name;
        // Images may share a place (FM and channel digits often do) but never overlap partly.
        for (std::size_t i = 0; i < strips.size(); ++i)
            for (std::size_t j = i + 1; j < strips.size(); ++j) {
                const Box& a = strips[i].second;
                const Box& o = strips[j].second;
                const bool same = a.x == o.x && a.y == o.y && a.w == o.w && a.h == o.h;
                const bool apart = a.x + a.w <= o.x || o.x + o.w <= a.x || a.y + a.h <= o.y || o.y + o.h <= a.y;
                EXPECT_TRUE(same || apart) << strips[i].first << " overlaps " << strips[j].first;
            }

        // LCD elements on the panel, with the content offset.
        std::vector<std::pair<std::string, Box>> lcd = {
            {"mode label", modeLabel},
            {"source", at("LCD_SOURCE", I("LCD_W"), I("LCD_H"))},
            {"record state", at("PANEL_REC", I("LCD_REC_STATE_W"), I("LCD_REC_STATE_H"))},
            {"volume bar", Rect4(ini, s, "LCD_VOLBAR")},
        };
        for (int k = 0; k < 3; ++k)
            lcd.push_back({"channel digit", {I("OSD_TUNER_FIRSTNUM_X") - k * I("LCD_TV_CH_OFFSET"), I("OSD_TUNER_FIRSTNUM_Y"), I("CH_NUM_W"), I("CH_NUM_H")}});
        for (int k = 1; k <= 4; ++k) lcd.push_back({"FM digit", at("FM_NUM" + std::to_string(k), I("FM_NUM_W"), I("FM_NUM_H"))});
        for (const char* c : {"LCD_SEC", "LCD_10SEC", "LCD_MIN", "LCD_10MIN", "LCD_HOUR", "LCD_10HOUR"})
            lcd.push_back({c, at(c, I("LCD_CURTIME_W"), I("LCD_CURTIME_H"))});
        for (const char* c : {"LCD_CAPSEC", "LCD_CAP10SEC", "LCD_CAPMIN", "LCD_CAP10MIN", "LCD_CAPHOUR", "LCD_CAP10HOUR"})
            lcd.push_back({c, at(c, I("LCD_CAPTIME_W"), I("LCD_CAPTIME_H"))});
        for (int k = 1; k <= 8; ++k)
            lcd.push_back({"size digit", at("LCD_CAPFILESIZE_" + std::to_string(k), I("LCD_CAPFILESIZE_W"), I("LCD_CAPFILESIZE_H"))});
        const Box bar{I("TIMESHIFTPOINTX"), I("TIMESHIFTPOINTY"), I("TIMESHIFTWIDTH"), I("TIMESHIFTHEIGHT")};
        EXPECT_EQ(I("SLIPOINT_H"), bar.h);

        for (int state = 1; state <= 4; ++state) {
            SCOPED_TRACE("state " + std::to_string(state));
            const int w = s.w[state], h = s.h[state];
            for (const char* file : kPictures[state]) {
                const auto img = skin::ReadBmpFile((dir / file).string(), &error);
                ASSERT_TRUE(img.has_value()) << file << ": " << error;
                EXPECT_EQ(img->Width(), w) << file;
                EXPECT_EQ(img->Height(), h) << file;
            }
            const Polygon region = ReadPolygon(ini, n, state);
            for (const auto& [x, y] : region.v) EXPECT_TRUE(x >= 0 && x <= w && y >= 0 && y <= h) << x << "," << y;
            // Every corner of the window is cut away.
            for (auto [cx, cy] : {std::pair{0, 0}, std::pair{w - 1, 0}, std::pair{0, h - 1}, std::pair{w - 1, h - 1}})
                EXPECT_GT(region.Distance(cx + 0.5, cy + 0.5), 0) << "corner " << cx << "," << cy;

            for (const auto& [index, r] : Buttons(ini, s, state)) {
                EXPECT_TRUE(Inside(r, w, h)) << "entry " << index;
                EXPECT_LT(region.Distance(r.x + r.w / 2.0, r.y + r.h / 2.0), -2) << "entry " << index << " outside the region";
            }
            const int off = ContentOffset(s, state);
            for (auto [name, r] : lcd) {
                r.x += off;
                EXPECT_TRUE(Inside(r, w, h)) << name;
                EXPECT_LT(region.Distance(r.x + r.w / 2.0, r.y + r.h / 2.0), 0) << name;
            }
            EXPECT_TRUE(Inside(bar, w, h));
            EXPECT_LT(region.Distance(bar.x + bar.w / 2.0, bar.y + bar.h / 2.0), 0);
            for (const char* key : {"PANEL_LORR", "PANEL_DOWN"}) {
                const bool open = std::string(key) == "PANEL_LORR" ? state >= 3 : state % 2 == 0;
                if (!open) continue;
                const std::string p = std::to_string(n) + key;
                Box list{ini.Int("Panel", p + "_X_OFFSET"), ini.Int("Panel", p + "_Y_OFFSET"), ini.Int("Panel", p + "_WIN_W"),
                         ini.Int("Panel", p + "_WIN_H")};
                if (std::string(key) == "PANEL_DOWN") list.x += off;
                EXPECT_TRUE(Inside(list, w, h)) << key;
                EXPECT_LT(region.Distance(list.x + list.w / 2.0, list.y + list.h / 2.0), 0) << key;
            }
        }
    }
}

TEST_F(ShippedSkinFiles, LooksDifferOnlyWhereThePanelCopies) {
    // The hover and pressed pictures differ from the normal one inside button
    // rectangles and the two bars only, and every button shows a change.
    // The mute images of the strip are the mute key of the base pictures.
    const Ini ini(text_);
    for (int n = 1; n <= 3; ++n) {
        const Skin s = ReadSkin(ini, n);
        const fs::path dir = kSkins / ("panelbmp" + std::to_string(n));
        auto I = [&](const std::string& key) { return ini.Int(s.btn, key); };
        for (int state = 1; state <= 4; ++state) {
            SCOPED_TRACE("skin " + std::to_string(n) + " state " + std::to_string(state));
            std::array<std::optional<skin::Image>, 3> pics;  // normal, hover, pressed
            for (int k = 0; k < 3; ++k) {
                pics[k] = skin::ReadBmpFile((dir / kPictures[state][k]).string());
                ASSERT_TRUE(pics[k].has_value());
            }
            const auto buttons = Buttons(ini, s, state);
            std::vector<Box> allowed;
            for (const auto& [index, r] : buttons) allowed.push_back(r);
            Box vol = Rect4(ini, s, "LCD_VOLBAR");
            vol.x += ContentOffset(s, state);
            allowed.push_back(vol);
            allowed.push_back({I("TIMESHIFTPOINTX"), I("TIMESHIFTPOINTY"), I("TIMESHIFTWIDTH"), I("TIMESHIFTHEIGHT")});
            auto covered = [&](int x, int y) {
                return std::any_of(allowed.begin(), allowed.end(),
                                   [&](const Box& r) { return x >= r.x && y >= r.y && x < r.x + r.w && y < r.y + r.h; });
            };
            int stray = 0;
            for (int y = 0; y < pics[0]->Height(); ++y)
                for (int x = 0; x < pics[0]->Width(); ++x) {
                    const skin::Rgb c = pics[0]->Get(x, y);
                    if ((!(pics[1]->Get(x, y) == c) || !(pics[2]->Get(x, y) == c)) && !covered(x, y)) ++stray;
                }
            EXPECT_EQ(stray, 0);
            for (const auto& [index, r] : buttons)
                for (int k = 1; k < 3; ++k)
                    EXPECT_FALSE(pics[0]->Crop(r.x, r.y, r.w, r.h) == pics[k]->Crop(r.x, r.y, r.w, r.h))
                        << "entry " << index << " has no " << (k == 1 ? "hover" : "pressed") << " look";
        }
        const auto strip = skin::ReadBmpFile((dir / "otherbmp.bmp").string());
        ASSERT_TRUE(strip.has_value());
        const Box mute = s.base[30];
        const Box on = Rect4(ini, s, "CHANGE_BTN_MUTEON");
        const char* looks[3] = {"panel.bmp", "panelbdown.bmp", "panelover.bmp"};  // normal, pressed, hover
        for (int k = 0; k < 3; ++k) {
            const auto pic = skin::ReadBmpFile((dir / looks[k]).string());
            ASSERT_TRUE(pic.has_value());
            EXPECT_TRUE(strip->Crop(on.x + k * on.w, on.y, on.w, on.h) == pic->Crop(mute.x, mute.y, mute.w, mute.h))
                << "skin " << n << " mute image " << k;
        }
    }
}

TEST_F(ShippedSkinFiles, BodyFillsItsRegion) {
    // Away from the edge, pixels outside the region are all the cut-away colour
    // and no pixel inside has it: the drawn body and the window region agree.
    const Ini ini(text_);
    for (int n = 1; n <= 3; ++n) {
        const fs::path dir = kSkins / ("panelbmp" + std::to_string(n));
        for (int state = 1; state <= 4; ++state) {
            const auto img = skin::ReadBmpFile((dir / kPictures[state][0]).string());
            ASSERT_TRUE(img.has_value());
            const Polygon region = ReadPolygon(ini, n, state);
            const skin::Rgb cut = img->Get(0, 0);
            int wrong = 0;
            for (int y = 0; y < img->Height(); ++y)
                for (int x = 0; x < img->Width(); ++x) {
                    const double d = region.Distance(x + 0.5, y + 0.5);
                    if (d > 1.5 && !(img->Get(x, y) == cut)) ++wrong;
                    if (d < -1.5 && img->Get(x, y) == cut) ++wrong;
                }
            EXPECT_EQ(wrong, 0) << "skin " << n << " state " << state;
        }
    }
}

}  // namespace
