// The panel on the screen under Wine: each skin's picture at the panel's
// place with the LCD drawn into it, the window's shape cutting the corners,
// and real mouse clicks (xdotool) on the volume and skin buttons.  What the
// screen shows is compared pixel by pixel with a picture put together here
// from the skin's own bitmaps and the places its panel INI names.
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <algorithm>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/ini/IniFileProfile.h"
#include "skin/Bmp.h"
#include "skin/PanelLayout.h"
#include "skin/PanelSkin.h"
#include "tests/wine/InstalledPanel.h"

namespace fs = std::filesystem;
using namespace winetest;
using skin::Image;
using skin::Rgb;

namespace {

constexpr int kChannel = 125;   // cable channel shown on the LCD
constexpr int kVolume = 120;    // volume at start

struct ScreenRect {
    int x = 0, y = 0, w = 0, h = 0;
};

Image ShippedPicture(int skinNumber, const char* file) {
    const std::string path = SourceDir() + "/skins/panelbmp" + std::to_string(skinNumber) + "/" + file;
    std::optional<Image> image = skin::ReadBmpFile(path);
    if (!image) throw std::runtime_error("cannot read " + path);
    return *image;
}

// The base panel of a skin as it should look: the normal picture with the
// LCD showing the cable source and channel, the volume bar filled to
// `volume` and the mute button's not-muted face.
Image ExpectedPanel(const skin::PanelLayout& layout, int volume) {
    const int n = layout.SkinNumber();
    Image panel = ShippedPicture(n, "panel.bmp");
    const Image hover = ShippedPicture(n, "panelover.bmp");
    const Image pressed = ShippedPicture(n, "panelbdown.bmp");
    const Image strip = ShippedPicture(n, "otherbmp.bmp");
    const skin::DisplayKeys& d = layout.Display();

    panel.Blit(d.modeLabel.x, d.modeLabel.y, d.modeLabel.w, d.modeLabel.h, strip, d.chLabelStrip.x, d.chLabelStrip.y);
    panel.Blit(d.sourcePlace.x, d.sourcePlace.y, d.source.w, d.source.h, strip, d.cableStrip.x, d.cableStrip.y);
    for (int k = 0, rest = kChannel; k < 3; ++k, rest /= 10) {
        panel.Blit(d.chUnits.x - k * d.chDigitStep, d.chUnits.y, d.chDigit.w, d.chDigit.h, strip,
                   d.chStrip.x + (rest % 10) * d.chDigit.w, d.chStrip.y);
    }
    const skin::Rect bar = d.volumeBar;
    panel.Blit(bar.x, bar.y, bar.w, bar.h, pressed, bar.x, bar.y);
    if (d.volumeVertical == 1) {
        const int fill = volume * bar.h / 220;
        panel.Blit(bar.x, bar.y + bar.h - fill, bar.w, fill, hover, bar.x, bar.y + bar.h - fill);
    } else {
        panel.Blit(bar.x, bar.y, volume * bar.w / 220, bar.h, hover, bar.x, bar.y);
    }
    const skin::Rect mute = layout.ButtonRect(skin::kBtnMute);
    panel.Blit(mute.x, mute.y, mute.w, mute.h, strip, d.muteOn.x, d.muteOn.y);
    return panel;
}

// Winding number of the polygon around the centre of pixel (x, y).
bool InsidePolygon(const std::vector<platform::Point>& poly, int x, int y) {
    const double px = x + 0.5, py = y + 0.5;
    int winding = 0;
    for (std::size_t i = 0; i < poly.size(); ++i) {
        const platform::Point a = poly[i], b = poly[(i + 1) % poly.size()];
        const double side = (b.x - a.x) * (py - a.y) - (px - a.x) * (b.y - a.y);
        if (a.y <= py && b.y > py && side > 0) ++winding;
        if (a.y > py && b.y <= py && side < 0) --winding;
    }
    return winding != 0;
}

struct Comparison {
    long inside = 0, insideWrong = 0;    // pixels of the shape, and those not as expected
    long outside = 0, outsideWrong = 0;  // pixels cut away, and those not showing the desktop
    long outsideDistinct = 0;            // cut-away pixels whose picture differs from the desktop
    std::string firstWrong;
};

// Every pixel of the panel's rectangle except the excluded cells: inside
// the shape it shows the expected picture, outside it the desktop.  Pixels
// on the shape's edge (a 4-neighbour on the other side) are left out.
Comparison ComparePanel(const Image& screen, const ScreenRect& at, const Image& expected,
                        const std::vector<platform::Point>& shape, const std::vector<skin::Rect>& excluded,
                        Rgb desktop) {
    Comparison c;
    auto excludedAt = [&](int x, int y) {
        for (const skin::Rect& r : excluded) {
            if (x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h) return true;
        }
        return false;
    };
    auto note = [&](const char* what, int x, int y, Rgb got, Rgb want) {
        if (!c.firstWrong.empty()) return;
        char line[160];
        std::snprintf(line, sizeof line, "%s at (%d, %d): got %d,%d,%d want %d,%d,%d", what, x, y, got.r, got.g, got.b,
                      want.r, want.g, want.b);
        c.firstWrong = line;
    };
    for (int y = 0; y < at.h; ++y) {
        for (int x = 0; x < at.w; ++x) {
            // A panel reaching past the screen's edge shows nothing there.
            if (!screen.Contains(at.x + x, at.y + y)) continue;
            const bool in = InsidePolygon(shape, x, y);
            if (in != InsidePolygon(shape, x - 1, y) || in != InsidePolygon(shape, x + 1, y) ||
                in != InsidePolygon(shape, x, y - 1) || in != InsidePolygon(shape, x, y + 1) || excludedAt(x, y)) {
                continue;
            }
            const Rgb got = screen.Get(at.x + x, at.y + y);
            if (in) {
                ++c.inside;
                if (got != expected.Get(x, y)) {
                    ++c.insideWrong;
                    note("panel", x, y, got, expected.Get(x, y));
                }
            } else {
                ++c.outside;
                if (expected.Get(x, y) != desktop) ++c.outsideDistinct;
                if (got != desktop) {
                    ++c.outsideWrong;
                    note("cut-away corner", x, y, got, desktop);
                }
            }
        }
    }
    return c;
}

class PanelSkins : public InstalledPanelTest {
protected:
    void SetUp() override {
        if (!HaveDisplay()) GTEST_SKIP() << "needs an X display (test.sh starts Xvfb)";
        if (winetest::Run({"sh", "-c", "command -v xdotool && command -v import"}).exitCode != 0) {
            GTEST_SKIP() << "needs xdotool and ImageMagick's import";
        }
        InstalledPanelTest::SetUp();
        if (HasFatalFailure() || IsSkipped()) return;
        // Cable channel 125 of a scanned list: no first scan holds the panel up.
        Settings("[ZUNTO]\r\nCountryCode=49\r\nMinair=2\r\nMaxair=4\r\nMin=1\r\nMax=2\r\n"
                 "[CHANNELLIST]\r\nALREADYSCAN=TRUE\r\n[CHANNELLISTAIR]\r\nALREADYSCAN=TRUE\r\n"
                 "[TVTuner]\r\nTVChannelCable=" + std::to_string(kChannel) +
                 "\r\n[ZuntoCrossbar]\r\nInputSource=3\r\n[AudioProcAmp]\r\nVolumeValue=" +
                 std::to_string(kVolume) + "\r\n");
        MovePointerAway();
    }

    void StartQor() {
        InstalledPanelTest::StartQor();
        if (HasFatalFailure()) return;
        ASSERT_EQ(Drive({"wait", kTvClass, kTvTitle, "20000"}).exitCode, 0) << "the TV window was not started";
    }


    // The layout of the skin the installed panel INI names now.
    skin::PanelLayout CurrentLayout() {
        platform::ini::IniFileProfile ini((install_ / "QorPFile.ini").string());
        skin::PanelLayout layout;
        layout.Load(ini);
        return layout;
    }
    std::vector<platform::Point> Shape(int skinNumber) {
        platform::ini::IniFileProfile ini((install_ / "QorPFile.ini").string());
        return skin::ReadRegionPolygon(ini, skinNumber, skin::kStateBase);
    }

    ScreenRect PanelRect() {
        ScreenRect r;
        std::sscanf(Drive({"rect", kPanelClass, kPanelTitle}).output.c_str(), "%d %d %d %d", &r.x, &r.y, &r.w, &r.h);
        return r;
    }

    Image Screenshot() {
        const std::string file = (dir_ / "screen.bmp").string();
        fs::remove(file);
        EXPECT_EQ(winetest::Run({"import", "-window", "root", "BMP3:" + file}).exitCode, 0);
        return skin::ReadBmpFile(file).value_or(Image());
    }
    void SavePng(const ScreenRect& r, const std::string& name) {
        const fs::path out = fs::path(SourceDir()) / "build" / "screenshots";
        fs::create_directories(out);
        const int margin = 12;
        const std::string crop = std::to_string(r.w + 2 * margin) + "x" + std::to_string(r.h + 2 * margin) + "+" +
                                 std::to_string(r.x - margin) + "+" + std::to_string(r.y - margin);
        EXPECT_EQ(winetest::Run({"convert", (dir_ / "screen.bmp").string(), "-crop", crop, "+repage", (out / name).string()})
                      .exitCode,
                  0);
    }

    static void MovePointerAway() { winetest::Run({"xdotool", "mousemove", "1", "1"}); }
    // A real click in the middle of a button of the current skin, then the
    // pointer off the panel again (the panel repaints without hover looks).
    void ClickButton(int index) {
        const ScreenRect at = PanelRect();
        const skin::Rect b = CurrentLayout().ButtonRect(index);
        const std::string x = std::to_string(at.x + b.x + b.w / 2), y = std::to_string(at.y + b.y + b.h / 2);
        winetest::Run({"xdotool", "mousemove", x, y});
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        winetest::Run({"xdotool", "click", "1"});
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        MovePointerAway();
    }

    // Waits until the panel shows the current skin as expected (the LCD is
    // drawn once the TV window has answered); the last comparison.
    Comparison WaitForPanel(int volume, ScreenRect& at) {
        Comparison last;
        Eventually(
            [&] {
                const skin::PanelLayout layout = CurrentLayout();
                at = PanelRect();
                const skin::Size size = layout.StateSize(skin::kStateBase);
                if (at.w != size.w || at.h != size.h) return false;
                const Image screen = Screenshot();
                const skin::DisplayKeys& d = layout.Display();
                // The clock runs; the six cells are checked apart.
                std::vector<skin::Rect> clock;
                for (const skin::At& cell : d.clock) clock.push_back({cell.x, cell.y, d.clockDigit.w, d.clockDigit.h});
                last = ComparePanel(screen, at, ExpectedPanel(layout, volume), Shape(layout.SkinNumber()), clock,
                                    screen.Get(1, 1));
                last.firstWrong += ClockProblem(screen, at, layout);
                return last.insideWrong == 0 && last.outsideWrong == 0 && last.firstWrong.empty();
            },
            15000);
        return last;
    }

    // The clock shows the time of day: each cell one of the strip's ten
    // clock digits, together within a few seconds of now.
    static std::string ClockProblem(const Image& screen, const ScreenRect& at, const skin::PanelLayout& layout) {
        const skin::DisplayKeys& d = layout.Display();
        const Image strip = ShippedPicture(layout.SkinNumber(), "otherbmp.bmp");
        int digits[6] = {};  // seconds units first, as the cells are listed
        for (std::size_t i = 0; i < d.clock.size(); ++i) {
            const skin::At cell = d.clock[i];
            const Image shown = screen.Crop(at.x + cell.x, at.y + cell.y, d.clockDigit.w, d.clockDigit.h);
            int digit = -1;
            for (int n = 0; n < 10 && digit < 0; ++n) {
                if (shown == strip.Crop(d.clockStrip.x + n * d.clockStep, d.clockStrip.y, d.clockDigit.w,
                                        d.clockDigit.h)) {
                    digit = n;
                }
            }
            if (digit < 0) return "no clock digit at (" + std::to_string(cell.x) + ", " + std::to_string(cell.y) + ")";
            digits[i] = digit;
        }
        const int shown = (digits[5] * 10 + digits[4]) * 3600 + (digits[3] * 10 + digits[2]) * 60 + digits[1] * 10 +
                          digits[0];
        const std::time_t t = std::time(nullptr);
        std::tm local{};
        localtime_r(&t, &local);
        const int now = local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
        const int apart = std::abs(now - shown);
        if (std::min(apart, 86400 - apart) > 3) return "the clock shows " + std::to_string(shown) + " s, not the time";
        return "";
    }
};

std::string Describe(const Comparison& c) {
    return std::to_string(c.insideWrong) + " of " + std::to_string(c.inside) + " panel pixels wrong, " +
           std::to_string(c.outsideWrong) + " of " + std::to_string(c.outside) + " cut-away pixels not desktop; " +
           c.firstWrong;
}

TEST_F(PanelSkins, VolumeUpClickRaisesTheVolumeDrawsTheLongerBarAndTellsTheTvWindow) {
    StartQor();
    if (HasFatalFailure()) return;
    ScreenRect at;
    const Comparison before = WaitForPanel(kVolume, at);
    ASSERT_TRUE(before.insideWrong == 0 && before.outsideWrong == 0 && before.firstWrong.empty()) << Describe(before);

    ClickButton(skin::kBtnVolUp);

    EXPECT_TRUE(Eventually([&] { return Setting("QorSFile.ini", "AudioProcAmp", "VolumeValue") == "130"; }, 5000))
        << Setting("QorSFile.ini", "AudioProcAmp", "VolumeValue");
    const fs::path log = install_ / "video.log";
    EXPECT_TRUE(Eventually([&] { return ReadFile(log.string()).find("WM_COMMAND 2010 130 sent") != std::string::npos; }))
        << Joined(Lines(ReadFile(log.string())));
    const Comparison after = WaitForPanel(130, at);
    EXPECT_TRUE(after.insideWrong == 0 && after.outsideWrong == 0 && after.firstWrong.empty()) << Describe(after);
}

TEST_F(PanelSkins, TheSkinButtonGoesThroughTheThreeSkinsEachWithItsPictureShapeAndLcd) {
    // A skin change keeps the panel's top-left corner: starting with the
    // tallest skin keeps every skin on the screen.
    platform::ini::IniFileProfile((install_ / "QorPFile.ini").string()).WriteText("Panel", "PanelNow", "2");
    StartQor();
    if (HasFatalFailure()) return;
    for (int skinNumber : {2, 3, 1}) {
        SCOPED_TRACE("skin " + std::to_string(skinNumber));
        ASSERT_EQ(Setting("QorPFile.ini", "Panel", "PanelNow"), std::to_string(skinNumber));
        ScreenRect at;
        const Comparison shown = WaitForPanel(kVolume, at);
        EXPECT_TRUE(shown.insideWrong == 0 && shown.outsideWrong == 0 && shown.firstWrong.empty()) << Describe(shown);
        // The shape cuts away corners whose picture would not look like the desktop.
        EXPECT_GT(shown.outsideDistinct, 0);
        SavePng(at, "panel-skin" + std::to_string(skinNumber) + ".png");

        ClickButton(skin::kBtnSkin);
        const std::string next = std::to_string(skinNumber % 3 + 1);
        ASSERT_TRUE(Eventually([&] { return Setting("QorPFile.ini", "Panel", "PanelNow") == next; }, 5000))
            << "PanelNow stays " << Setting("QorPFile.ini", "Panel", "PanelNow");
    }
}

}  // namespace

namespace {

TEST_F(PanelSkins, KeysTheWindowDragAndTheTrayIconReachThePanel) {
    StartQor();
    if (HasFatalFailure()) return;
    ScreenRect at;
    ASSERT_TRUE(WaitForPanel(kVolume, at).firstWrong.empty());

    // A click on an empty spot gives the panel the keyboard; Up is a volume step.
    const skin::PanelLayout layout = CurrentLayout();
    const std::vector<platform::Point> shape = Shape(layout.SkinNumber());
    std::optional<platform::Point> empty;
    for (int y = at.h / 2; y < at.h - 4 && !empty; y += 4) {
        for (int x = 8; x < at.w - 8 && !empty; x += 4) {
            if (layout.FindButton(x, y) == skin::kNoButton && InsidePolygon(shape, x, y) &&
                InsidePolygon(shape, x - 6, y - 6) && InsidePolygon(shape, x + 6, y + 6)) {
                empty = platform::Point{x, y};
            }
        }
    }
    ASSERT_TRUE(empty.has_value());
    winetest::Run({"xdotool", "mousemove", std::to_string(at.x + empty->x), std::to_string(at.y + empty->y), "click",
                   "1"});
    winetest::Run({"xdotool", "key", "Up"});
    EXPECT_TRUE(Eventually([&] { return Setting("QorSFile.ini", "AudioProcAmp", "VolumeValue") == "130"; }, 5000))
        << Setting("QorSFile.ini", "AudioProcAmp", "VolumeValue");

    // Dragged from the empty spot, the panel follows the mouse.
    const std::string fromX = std::to_string(at.x + empty->x), fromY = std::to_string(at.y + empty->y);
    winetest::Run({"xdotool", "mousemove", fromX, fromY, "mousedown", "1"});
    for (int step = 1; step <= 5; ++step) {
        std::this_thread::sleep_for(std::chrono::milliseconds(60));
        winetest::Run({"xdotool", "mousemove", std::to_string(at.x + empty->x - 8 * step),
                       std::to_string(at.y + empty->y - 6 * step)});
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    winetest::Run({"xdotool", "mouseup", "1"});
    // The move loop starts at the first move: four or all five steps count.
    EXPECT_TRUE(Eventually([&] {
        const ScreenRect moved = PanelRect();
        const int dx = at.x - moved.x, dy = at.y - moved.y;
        return (dx == 32 && dy == 24) || (dx == 40 && dy == 30);
    })) << "from " << at.x << " " << at.y << " to " << Drive({"rect", kPanelClass, kPanelTitle}).output;
    MovePointerAway();

    // Tray icon, left double-click: hidden, and shown again.
    const std::string tray = "2024", dblclk = std::to_string(0x0203), rdown = std::to_string(0x0204);
    Drive({"post", kPanelClass, kPanelTitle, tray, "108", dblclk});
    EXPECT_TRUE(Eventually([&] { return Drive({"visible", kPanelClass, kPanelTitle}).output == "0\n"; }));
    Drive({"post", kPanelClass, kPanelTitle, tray, "108", dblclk});
    EXPECT_TRUE(Eventually([&] { return Drive({"visible", kPanelClass, kPanelTitle}).output == "1\n"; }));

    // Right button: the tray menu; its last item, "Close", ends the panel.
    Drive({"post", kPanelClass, kPanelTitle, tray, "108", rdown});
    ASSERT_EQ(Drive({"wait", "#32768", "-", "10000"}).exitCode, 0) << "no popup menu";
    winetest::Run({"xdotool", "key", "Up", "Return"});
    EXPECT_TRUE(qor_.WaitForExit(15000)) << "the menu's Close did not end the panel";
    EXPECT_EQ(Drive({"gone", kTvClass, kTvTitle, "10000"}).exitCode, 0);
}

}  // namespace
