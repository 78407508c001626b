// What the LCD elements put on the panel, checked pixel by pixel against
// the images of the shipped skin 1.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "skin/tests/SkinFixture.h"

namespace skin::test {
namespace {

class Lcd : public testing::Test {
protected:
    void SetUp() override {
        world.Create();
        strip = world.Strip();
    }

    const DisplayKeys& Keys() const { return world.skin.Layout().Display(); }

    // The cell at `place` on the screen and in the backing store shows the
    // strip image at `from`.
    void ExpectShows(At place, Size size, At from) {
        const Image expected = Cell(strip, from.x, from.y, size.w, size.h);
        EXPECT_EQ(Cell(world.Screen(), place.x, place.y, size.w, size.h), expected)
            << "screen at " << place.x << "," << place.y;
        EXPECT_EQ(Cell(world.Normal(), place.x, place.y, size.w, size.h), expected)
            << "backing store at " << place.x << "," << place.y;
    }

    SkinWorld world;
    Image strip;
};

// The digit cells of a strip must differ for the checks below to mean anything.
TEST_F(Lcd, DigitGlyphsOfTheShippedStripAreAllDifferent) {
    struct Strip {
        At at;
        int step;
        Size size;
    };
    const DisplayKeys& d = Keys();
    for (const Strip& s : {Strip{d.chStrip, d.chDigit.w, d.chDigit}, Strip{d.clockStrip, d.clockStep, d.clockDigit}}) {
        for (int a = 0; a < 10; ++a) {
            for (int b = a + 1; b < 10; ++b) {
                EXPECT_NE(Cell(strip, s.at.x + a * s.step, s.at.y, s.size.w, s.size.h),
                          Cell(strip, s.at.x + b * s.step, s.at.y, s.size.w, s.size.h))
                    << a << " and " << b;
            }
        }
    }
}

struct ChannelCase {
    int channel;
    std::array<int, 3> digits;  // hundreds, tens, units
};

TEST_F(Lcd, ChannelNumberAlwaysShowsThreeCells) {
    const ChannelCase cases[] = {{8, {0, 0, 8}}, {125, {1, 2, 5}}, {69, {0, 6, 9}}, {1234, {2, 3, 4}}, {-7, {0, 0, 0}}};
    const DisplayKeys& d = Keys();
    for (const ChannelCase& c : cases) {
        SCOPED_TRACE(c.channel);
        world.skin.DrawChannelNumber(c.channel);
        for (int k = 0; k < 3; ++k) {
            const At place{d.chUnits.x - (2 - k) * d.chDigitStep, d.chUnits.y};
            const int digit = c.digits[static_cast<std::size_t>(k)];
            ExpectShows(place, d.chDigit, {d.chStrip.x + digit * d.chDigit.w, d.chStrip.y});
        }
    }
}

struct FmCase {
    int frequency;
    int places;
    std::array<int, 4> digits;  // thousands, hundreds, tens, units; -1: not drawn
};

TEST_F(Lcd, FmFrequencyShowsItsPlacesFromTheThousands) {
    const FmCase cases[] = {
        {875, 4, {0, 8, 7, 5}},
        {1080, 4, {1, 0, 8, 0}},
        {1000, 1, {1, -1, -1, -1}},
        {1000, 2, {1, 0, -1, -1}},
        {1070, 3, {1, 0, 7, -1}},
    };
    const DisplayKeys& d = Keys();
    for (const FmCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.frequency << " places " << c.places);
        world.skin.DrawModeLabel(ModeLabel::Fm);
        world.skin.DrawFmFrequency(9999);  // every place shows 9 before
        world.skin.DrawFmFrequency(c.frequency, c.places);
        for (int k = 0; k < 4; ++k) {
            const int digit = c.digits[static_cast<std::size_t>(3 - k)];
            const At place = d.fm[static_cast<std::size_t>(k)];
            const int glyph = digit < 0 ? 9 : digit;  // an untouched place still shows its 9
            ExpectShows(place, d.fmDigit, {d.fmStripDigits.x + glyph * d.fmDigit.w, d.fmStripDigits.y});
        }
    }
}

struct TimeCase {
    const char* name;
    int seconds;
    bool timeShifting;
    core::TimeOfDay start;
    std::array<int, 6> shown;  // tens of hours ... seconds
};

TEST_F(Lcd, CaptureTimeShowsElapsedTimeOrTheTimeShiftPosition) {
    const TimeCase cases[] = {
        {"start", 0, false, {}, {0, 0, 0, 0, 0, 0}},
        {"one hour two minutes", 3725, false, {}, {0, 1, 0, 2, 0, 5}},
        {"99 hours 59:59", 359999, false, {}, {9, 9, 5, 9, 5, 9}},
        {"100 hours", 360000, false, {}, {9, 9, 0, 0, 0, 0}},
        {"far beyond", 2000000000, false, {}, {9, 9, 3, 3, 2, 0}},
        {"negative", -5, false, {}, {0, 0, 0, 0, 0, 0}},
        {"time-shift across midnight", 45, true, {23, 59, 30}, {0, 0, 0, 0, 1, 5}},
        {"time-shift same minute", 20, true, {10, 5, 30}, {1, 0, 0, 5, 5, 0}},
        {"time-shift a day later", 86400 + 61, true, {12, 0, 0}, {1, 2, 0, 1, 0, 1}},
    };
    const DisplayKeys& d = Keys();
    for (const TimeCase& c : cases) {
        SCOPED_TRACE(c.name);
        world.session.TimeShifting = c.timeShifting;
        world.session.TimeShiftStart = c.start;
        world.skin.DrawCaptureTime(c.seconds);
        for (int i = 0; i < 6; ++i) {  // cell i counts from the seconds' units
            const int digit = c.shown[static_cast<std::size_t>(5 - i)];
            ExpectShows(d.capture[static_cast<std::size_t>(i)], d.capDigit,
                        {d.capStrip.x + digit * d.capStep, d.capStrip.y});
        }
    }
}

TEST_F(Lcd, FileSizeShowsEightDigits) {
    const std::pair<long long, const char*> cases[] = {
        {0, "00000000"}, {12345678, "12345678"}, {907, "00000907"}, {123456789, "99999999"}, {-1, "00000000"}};
    const DisplayKeys& d = Keys();
    for (const auto& [value, text] : cases) {
        SCOPED_TRACE(value);
        world.skin.DrawFileSize(value);
        for (int k = 0; k < 8; ++k) {
            const int digit = text[7 - k] - '0';
            ExpectShows(d.fileSize[static_cast<std::size_t>(k)], d.sizeDigit,
                        {d.sizeStrip.x + digit * d.sizeStep, d.sizeStrip.y});
        }
    }
}

TEST_F(Lcd, LabelsAndIndicatorsComeFromTheirStripPlaces) {
    const DisplayKeys& d = Keys();
    const At labelPlace{d.modeLabel.x, d.modeLabel.y};
    const Size labelSize{d.modeLabel.w, d.modeLabel.h};
    const std::pair<ModeLabel, At> labels[] = {
        {ModeLabel::Channel, d.chLabelStrip}, {ModeLabel::Fm, d.fmLabelStrip}, {ModeLabel::VideoIn, d.avsvLabelStrip}};
    for (const auto& [label, from] : labels) {
        world.skin.DrawModeLabel(label);
        ExpectShows(labelPlace, labelSize, from);
    }
    const std::pair<SourceIndicator, At> indicators[] = {
        {SourceIndicator::Air, d.airStrip},   {SourceIndicator::Cable, d.cableStrip},
        {SourceIndicator::AvIn, d.avinStrip}, {SourceIndicator::SVideo, d.svideoStrip},
        {SourceIndicator::Fm, d.fmStrip},
    };
    for (const auto& [indicator, from] : indicators) {
        world.skin.DrawSourceIndicator(indicator);
        ExpectShows(d.sourcePlace, d.source, from);
    }
    for (const bool on : {true, false, true}) {
        world.skin.DrawRecordState(on);
        ExpectShows(d.recPlace, d.recState, on ? d.recOnStrip : d.recOffStrip);
    }
}

TEST_F(Lcd, InputSourceCodesMapToTheirIndicators) {
    const std::pair<int, SourceIndicator> cases[] = {{1, SourceIndicator::AvIn}, {2, SourceIndicator::SVideo},
                                                     {3, SourceIndicator::Cable}, {4, SourceIndicator::Air},
                                                     {5, SourceIndicator::Fm}};
    for (const auto& [code, indicator] : cases) EXPECT_EQ(IndicatorForInputSource(code), indicator) << code;
}

struct VolumeCase {
    const char* ini;  // extra keys of 1PANEL_BTN
    int volume;
    Rect filled;      // from the hover picture; the rest of the bar from the pressed one
};

TEST(LcdVolumeBar, FillsTheShareOfTheBarInItsDirection) {
    const VolumeCase cases[] = {
        {"", 110, {67, 50, 110, 31}},
        {"", 220, {67, 50, 220, 31}},
        {"", 0, {67, 50, 0, 31}},
        {"", 400, {67, 50, 220, 31}},  // out of range: never past the bar's end
        {"LCD_VOLBAR_LTOR_DTOU=1\n", 110, {67, 50 + 31 - 15, 220, 15}},
        {"LCD_VOLBAR_LTOR_DTOU=1\n", 220, {67, 50, 220, 31}},
        {"LCD_VOLBAR_LTOR_DTOU=1\n", -20, {67, 81, 220, 0}},
    };
    for (const VolumeCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.ini << c.volume);
        std::string ini = ShippedPanelIni();
        ini.insert(ini.find('\n', ini.find("[1PANEL_BTN]")) + 1, c.ini);
        SkinWorld world(ini);
        world.Create();
        const Image before = world.Screen();
        world.session.Volume = c.volume;
        world.skin.DrawVolumeBar();

        const Rect bar{67, 50, 220, 31};
        ASSERT_NE(Cell(world.Hover(), bar.x, bar.y, bar.w, bar.h), Cell(world.Pressed(), bar.x, bar.y, bar.w, bar.h));
        for (const Image* shown : {&world.Screen(), &world.Normal()}) {
            const bool screen = shown == &world.Screen();
            for (int y = bar.y - 1; y <= bar.y + bar.h; ++y) {
                for (int x = bar.x - 1; x <= bar.x + bar.w; ++x) {
                    const bool inBar = x >= bar.x && x < bar.x + bar.w && y >= bar.y && y < bar.y + bar.h;
                    const bool inFill = x >= c.filled.x && x < c.filled.x + c.filled.w && y >= c.filled.y &&
                                        y < c.filled.y + c.filled.h;
                    if (!inBar) {
                        if (screen) {
                            ASSERT_EQ(shown->Get(x, y), before.Get(x, y)) << "outside at " << x << "," << y;
                        }
                        continue;
                    }
                    const Rgb expected = inFill ? world.Hover().Get(x, y) : world.Pressed().Get(x, y);
                    ASSERT_EQ(shown->Get(x, y), expected) << (screen ? "screen" : "backing store") << " at " << x
                                                          << "," << y;
                }
            }
        }
    }
}

TEST_F(Lcd, MuteFaceGoesIntoAllThreeLooksOfTheMuteButton) {
    const DisplayKeys& d = Keys();
    const Rect button = world.skin.Layout().ButtonRect(kBtnMute);
    for (const bool muted : {true, false, true}) {
        SCOPED_TRACE(muted);
        world.skin.DrawMuteButton(muted);
        const Rect face = muted ? d.muteOff : d.muteOn;
        const auto image = [&](int n) { return Cell(strip, face.x + n * face.w, face.y, button.w, button.h); };
        ExpectShows({button.x, button.y}, {button.w, button.h}, {face.x, face.y});
        EXPECT_EQ(Cell(world.Pressed(), button.x, button.y, button.w, button.h), image(1));
        EXPECT_EQ(Cell(world.Hover(), button.x, button.y, button.w, button.h), image(2));

        // Hovering afterwards shows the hover image of the current face.
        world.skin.DrawButton(kBtnMute, kLookHover);
        EXPECT_EQ(Cell(world.Screen(), button.x, button.y, button.w, button.h), image(2));
    }
    EXPECT_NE(Cell(strip, d.muteOn.x, d.muteOn.y, 28, 31), Cell(strip, d.muteOff.x, d.muteOff.y, 28, 31));
}

TEST_F(Lcd, ElementsMoveWithTheContentOffsetButTheTimeShiftBarDoesNot) {
    world.session.ChannelListOpen = 1;
    world.skin.SetChannelListOpen(true);
    world.view.Resize(643, 176);
    world.skin.LoadSkin(kStateLorR);
    strip = world.Strip();
    const DisplayKeys& d = Keys();
    world.skin.DrawChannelNumber(125);
    ExpectShows({d.chUnits.x + 96, d.chUnits.y}, d.chDigit, {d.chStrip.x + 5 * d.chDigit.w, d.chStrip.y});
    world.skin.DrawRecordState(true);
    ExpectShows({d.recPlace.x + 96, d.recPlace.y}, d.recState, d.recOnStrip);
}

// The clock runs every 333 ms and touches nothing but its six cells.
TEST_F(Lcd, ClockTimerRedrawsOnlyTheSixClockCells) {
    world.clock.SetLocal({2026, 12, 31, 23, 59, 58});
    world.timers.SetHandler([&](platform::WindowId, std::uint32_t id) {
        if (id == kClockTimer) world.skin.DrawClock();
    });
    world.timers.Start(world.panel, kClockTimer, kClockPeriodMs);
    world.graphics.ClearLog();

    EXPECT_EQ(world.timers.Advance(1000), 3);

    const DisplayKeys& d = Keys();
    std::vector<Rect> cells;
    for (const At& at : d.clock) cells.push_back({at.x, at.y, d.clockDigit.w, d.clockDigit.h});
    const auto screenBlits = world.graphics.BlitsInto(world.view.Screen());
    EXPECT_EQ(screenBlits.size(), 3 * cells.size());
    for (const fake::BlitRecord& b : world.graphics.Blits()) {
        const bool intoShown = b.target == &world.view.Screen() || b.target == world.skin.Surfaces().normal.get();
        EXPECT_TRUE(intoShown);
        const Rect drawn{b.dx, b.dy, b.w, b.h};
        EXPECT_NE(std::find(cells.begin(), cells.end(), drawn), cells.end()) << b.dx << "," << b.dy;
    }

    // 23:59:58 + 999 ms: the clock shows 23:59:58 (the last tick was at 999 ms).
    const int shown[6] = {8, 5, 9, 5, 3, 2};  // seconds' units ... tens of hours
    for (int i = 0; i < 6; ++i) {
        ExpectShows(d.clock[static_cast<std::size_t>(i)], d.clockDigit,
                    {d.clockStrip.x + shown[i] * d.clockStep, d.clockStrip.y});
    }
    world.timers.Advance(2000);  // the last tick at 2997 ms: past midnight
    for (int i = 0; i < 6; ++i) {
        ExpectShows(d.clock[static_cast<std::size_t>(i)], d.clockDigit, d.clockStrip);  // every cell 0
    }
}

}  // namespace
}  // namespace skin::test
