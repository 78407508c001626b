// The panel's mouse, keys and tray icon on fakes: a small button table, the
// two bars where the test puts them, and the core's command handling
// behind the panel window.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>

#include "core/PanelEvents.h"
#include "core/tests/PanelFixture.h"
#include "platform/fake/FakePanelInput.h"

namespace platform::fake {
static void PrintTo(const LoggedCommand& c, std::ostream* out) {
    *out << "{" << c.id << ", " << c.lParam << (c.posted ? ", posted}" : ", sent}");
}
}  // namespace platform::fake

namespace {

namespace win = platform::win;
using platform::CursorShape;
using platform::WindowId;
using platform::fake::LoggedCommand;

constexpr std::uint32_t kWmSysCommand = 0x0112;
constexpr std::uintptr_t kScDragMove = 0xF012;

struct Button {
    core::BarRect rect;
    std::uint16_t command;
};

// The skin's side as a table: hit testing over a few buttons, the bars'
// places, and a log of the looks asked for.
class TableParts final : public core::PointerParts {
public:
    std::map<int, Button> buttons;
    core::PointerGeometry geometry;
    std::vector<std::string> looks;

    int FindButton(int x, int y) override {
        for (const auto& [index, b] : buttons) {
            if (b.rect.Inside(x, y)) return index;
        }
        return core::kNoButton;
    }
    std::uint16_t ButtonCommand(int index) override { return buttons.at(index).command; }
    core::PointerGeometry Geometry() override { return geometry; }
    void DrawButton(int index, int look) override { Log("DrawButton", index, look); }
    void ShowHover(int held, int now) override { Log("ShowHover", held, now); }
    void ShowReleased(int index) override { Log("ShowReleased", index, -1); }
    void DrawTransportPlaying() override { looks.push_back("DrawTransportPlaying"); }
    void DrawPlaybackKnob(int x) override { Log("DrawPlaybackKnob", x, -1); }
    std::string TrayOpenText() override { return "Open it"; }
    std::string TrayCloseText() override { return "Shut it"; }

private:
    void Log(const char* what, int a, int b) {
        std::string line = std::string(what) + "(" + std::to_string(a);
        if (b >= 0) line += "," + std::to_string(b);
        looks.push_back(line + ")");
    }
};

// Button table entries of the test panel (indices as in the real table).
constexpr int kChUp = core::kButtonChUp;
constexpr int kVolUp = core::kButtonVolUp;
constexpr int kSkin = 37;
constexpr core::BarRect kChUpRect{100, 10, 20, 20};
constexpr core::BarRect kVolUpRect{130, 10, 20, 20};
constexpr core::BarRect kSkinRect{160, 10, 20, 20};
constexpr core::BarRect kVolumeBar{67, 50, 220, 31};
constexpr core::BarRect kTimeShiftBar{21, 100, 294, 9};
// A spot on no button and no bar.
constexpr int kEmptyX = 400, kEmptyY = 150;

class PanelEventsTest : public coretest::PanelTest {
protected:
    PanelEventsTest() {
        pointer.buttons = {{kChUp, {kChUpRect, 40008}}, {kVolUp, {kVolUpRect, 40006}}, {kSkin, {kSkinRect, 40045}}};
        pointer.geometry = {kVolumeBar, false, kTimeShiftBar, 10};
        // As the program does: timer 117 reaches the events through the core.
        windows.SetHandler(panel, [this](WindowId self, std::uint32_t msg, std::uintptr_t wp, std::intptr_t lp) {
            if (msg == win::kWmTimer && wp == core::kTimerButtonRepeat) {
                events.RepeatTimer();
                return std::intptr_t{0};
            }
            if (msg == win::kWmCommand) commandTimes.push_back({win::CommandId(wp), clock.NowMs()});
            return core::HandlePanelMessage(ctx, self, msg, wp, lp).value_or(0);
        });
    }

    static int CenterX(const core::BarRect& r) { return r.x + r.w / 2; }
    static int CenterY(const core::BarRect& r) { return r.y + r.h / 2; }
    void PointAt(const core::BarRect& r) { events.MouseMove(CenterX(r), CenterY(r), false); }

    // When each WM_COMMAND with this identifier reached the panel (virtual ms).
    std::vector<std::uint64_t> TimesOf(std::uint16_t id) const {
        std::vector<std::uint64_t> times;
        for (const auto& [cmd, at] : commandTimes) {
            if (cmd == id) times.push_back(at);
        }
        return times;
    }
    // The first command the panel received since the log was cleared: the
    // one the input gave (the commands run may issue more).
    std::vector<LoggedCommand> FirstToPanel() const {
        std::vector<LoggedCommand> all = windows.CommandsTo(panel);
        if (all.size() > 1) all.resize(1);
        return all;
    }
    bool SentToSelf(std::uint32_t msg, std::uintptr_t wParam) const {
        for (const auto& m : windows.MessagesTo(panel)) {
            if (m.msg == msg && m.wParam == wParam && !m.posted) return true;
        }
        return false;
    }

    TableParts pointer;
    platform::fake::FakePanelInput input;
    core::PanelEvents events{ctx, pointer, input};
    std::vector<std::pair<std::uint16_t, std::uint64_t>> commandTimes;
};

// --- Hover, press and click -----------------------------------------------------------

TEST_F(PanelEventsTest, PointerOverAButtonCapturesTheMouseAndLeavingReleasesIt) {
    PointAt(kChUpRect);
    EXPECT_EQ(session.HeldButton, kChUp);
    EXPECT_EQ(session.MouseInButton, 1);
    EXPECT_EQ(input.Captured(), panel);
    EXPECT_EQ(pointer.looks, (std::vector<std::string>{"ShowHover(255,13)"}));

    pointer.looks.clear();
    events.MouseMove(kEmptyX, kEmptyY, false);
    EXPECT_EQ(session.HeldButton, core::kNoButton);
    EXPECT_EQ(session.MouseInButton, 0);
    EXPECT_EQ(input.Captured(), 0u);
    EXPECT_EQ(input.Cursor(), CursorShape::Normal);
    EXPECT_EQ(input.Invalidated(), (std::vector<WindowId>{panel}));
    EXPECT_EQ(pointer.looks, (std::vector<std::string>{"DrawButton(13,0)"}));
}

TEST_F(PanelEventsTest, ThePointerLeavingThePanelUnseenEndsTheHoverAndTheRepeat) {
    PointAt(kChUpRect);
    events.ButtonDown(CenterX(kChUpRect), CenterY(kChUpRect));
    pointer.looks.clear();
    events.PointerLeft();
    EXPECT_EQ(session.HeldButton, core::kNoButton);
    EXPECT_EQ(input.Captured(), 0u);
    EXPECT_FALSE(timers.Running(panel, core::kTimerButtonRepeat));
    EXPECT_EQ(pointer.looks, (std::vector<std::string>{"DrawButton(13,0)"}));

    // Off every button already: nothing more to do.
    input.ClearHistory();
    events.PointerLeft();
    EXPECT_TRUE(input.Invalidated().empty());
}

TEST_F(PanelEventsTest, AClickSendsTheButtonsCommandOnRelease) {
    PointAt(kSkinRect);
    events.ButtonDown(CenterX(kSkinRect), CenterY(kSkinRect));
    EXPECT_EQ(input.Cursor(), CursorShape::Pressed);
    EXPECT_TRUE(TimesOf(40045).empty()) << "nothing happens before the release";

    events.ButtonUp(CenterX(kSkinRect), CenterY(kSkinRect));
    Pump();
    EXPECT_EQ(TimesOf(40045).size(), 1u);
    EXPECT_TRUE(parts.Called("ChangeSkin"));
    EXPECT_EQ(input.Cursor(), CursorShape::Normal);
    EXPECT_EQ(pointer.looks,
              (std::vector<std::string>{"ShowHover(255,37)", "DrawButton(37,1)", "ShowReleased(37)"}));
    EXPECT_FALSE(timers.Running(panel, core::kTimerButtonRepeat));
}

// --- Auto-repeat ------------------------------------------------------------------------

TEST_F(PanelEventsTest, ChannelUpHeldForOneSecondRepeatsAfter600MsThenEvery150AndOnceMoreOnRelease) {
    PointAt(kChUpRect);
    events.ButtonDown(CenterX(kChUpRect), CenterY(kChUpRect));
    Advance(1000);
    events.ButtonUp(CenterX(kChUpRect), CenterY(kChUpRect));
    Pump();

    EXPECT_EQ(TimesOf(40008), (std::vector<std::uint64_t>{600, 750, 900, 1000}));

    // Released, it repeats no more, though the pointer stays on the button.
    Advance(2000);
    EXPECT_EQ(TimesOf(40008).size(), 4u);
    EXPECT_EQ(parts.Count("ChannelStep(1)"), 4);
    EXPECT_FALSE(timers.Running(panel, core::kTimerButtonRepeat));
}

TEST_F(PanelEventsTest, OnlyTheFourStepButtonsRepeat) {
    struct Case {
        int index;
        core::BarRect rect;
        std::uint16_t command;
        std::size_t whileHeld;
    } const cases[] = {
        {kVolUp, kVolUpRect, 40006, 3},
        {kChUp, kChUpRect, 40008, 3},
        {kSkin, kSkinRect, 40045, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        commandTimes.clear();
        PointAt(c.rect);
        events.ButtonDown(CenterX(c.rect), CenterY(c.rect));
        Advance(1000);
        EXPECT_EQ(TimesOf(c.command).size(), c.whileHeld);
        events.ButtonUp(CenterX(c.rect), CenterY(c.rect));
        Pump();
        EXPECT_EQ(TimesOf(c.command).size(), c.whileHeld + 1);
        events.MouseMove(kEmptyX, kEmptyY, false);
    }
}

TEST_F(PanelEventsTest, LeavingAHeldButtonStopsTheRepeat) {
    PointAt(kChUpRect);
    events.ButtonDown(CenterX(kChUpRect), CenterY(kChUpRect));
    Advance(700);
    events.MouseMove(kEmptyX, kEmptyY, true);
    Advance(1000);
    EXPECT_EQ(TimesOf(40008), (std::vector<std::uint64_t>{600}));
    // Released off the button: no command.
    events.ButtonUp(kEmptyX, kEmptyY);
    Pump();
    EXPECT_EQ(TimesOf(40008).size(), 1u);
}

// --- Window drag -----------------------------------------------------------------------------

TEST_F(PanelEventsTest, OnlyAPressOnAnEmptySpotDragsTheWindow) {
    struct Case {
        const char* name;
        int pressX, pressY;  // where the button goes down; -1: no press on the panel
        int moveX, moveY;    // where the pointer then moves with the button down
        bool drags;
    } const cases[] = {
        {"empty spot", kEmptyX, kEmptyY, kEmptyX + 5, kEmptyY + 3, true},
        {"button, moved off it", CenterX(kSkinRect), CenterY(kSkinRect), kEmptyX, kEmptyY, false},
        {"button, moved on it", CenterX(kSkinRect), CenterY(kSkinRect), CenterX(kSkinRect) + 2, CenterY(kSkinRect), false},
        {"volume bar", CenterX(kVolumeBar), CenterY(kVolumeBar), kEmptyX, kEmptyY, false},
        {"no press on the panel", -1, -1, kEmptyX, kEmptyY, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        events.MouseMove(kEmptyX, kEmptyY, false);
        if (c.pressX >= 0) {
            events.MouseMove(c.pressX, c.pressY, false);
            events.ButtonDown(c.pressX, c.pressY);
        }
        windows.ClearLog();
        input.ClearHistory();
        events.MouseMove(c.moveX, c.moveY, true);
        EXPECT_EQ(SentToSelf(kWmSysCommand, kScDragMove), c.drags);
        EXPECT_EQ(input.Cursor() == CursorShape::Move, c.drags);
        // The move loop swallows the release of a drag; other presses end here.
        if (!c.drags) events.ButtonUp(c.moveX, c.moveY);
        Pump();
    }
}

// --- Volume bar ------------------------------------------------------------------------------

TEST_F(PanelEventsTest, VolumeBarGivesTheVolumeOfThePointInBothDirections) {
    struct Case {
        const char* name;
        core::BarRect bar;  // with the content offset already added
        bool vertical;
        int x, y;
        int volume;
    } const cases[] = {
        {"left end", kVolumeBar, false, 68, 60, 1},
        {"middle", kVolumeBar, false, 67 + 110, 60, 110},
        {"right end", kVolumeBar, false, 67 + 219, 60, 219},
        {"narrow bar rounds down", {10, 0, 100, 10}, false, 10 + 33, 5, 72},          // 33*220/100 = 72.6
        {"shifted by the content offset", {67 + 96, 50, 220, 31}, false, 67 + 96 + 50, 60, 50},
        {"vertical, just above the bottom", {300, 20, 20, 100}, true, 310, 119, 3},    // -99*220/100 + 220
        {"vertical, middle", {300, 20, 20, 100}, true, 310, 70, 110},
        {"vertical, just below the top", {300, 20, 20, 100}, true, 310, 21, 218},     // -1*220/100 + 220
        {"vertical, height 31", {300, 20, 20, 31}, true, 310, 36, 107},              // -16*220/31 + 220
    };
    AddTv();
    ctx.tv.Find();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        pointer.geometry.volumeBar = c.bar;
        pointer.geometry.volumeVertical = c.vertical;
        EXPECT_EQ(core::VolumeAtPoint(pointer.geometry, c.x, c.y), c.volume);

        // Dragged over the bar: mixer, settings, TV window and the bar follow.
        session.Volume = 0;
        mixer.calls.clear();
        parts.Clear();
        windows.ClearLog();
        events.MouseMove(c.x, c.y, true);
        EXPECT_EQ(session.Volume, c.volume);
        EXPECT_EQ(mixer.calls, (std::vector<std::string>{"SetMixerVolume(" + std::to_string(c.volume) + ")"}));
        EXPECT_EQ(Setting("AudioProcAmp", "VolumeValue"), std::to_string(c.volume));
        EXPECT_EQ(ToTv(), (std::vector<LoggedCommand>{{2010, c.volume, true}}));
        EXPECT_TRUE(parts.Called("DrawVolumeBar"));
    }
}

TEST_F(PanelEventsTest, AClickOnTheVolumeBarSetsTheVolumeAndEndsTheMute) {
    AddTv();
    ctx.tv.Find();
    session.Muted = 1;
    Settings().SetText("");
    const int x = kVolumeBar.x + 55, y = CenterY(kVolumeBar);
    events.MouseMove(x, y, false);  // hovering only: nothing changes
    EXPECT_EQ(session.Volume, 0);
    EXPECT_TRUE(ToTv().empty());

    events.ButtonDown(x, y);
    EXPECT_EQ(session.Volume, 55);
    EXPECT_EQ(session.Muted, 0);
    EXPECT_TRUE(parts.Called("DrawMuteButton(0)"));
    EXPECT_EQ(ToTv(), (std::vector<LoggedCommand>{{2010, 55, true}}));
    // Kept for the next start even without a move after the click.
    EXPECT_EQ(Setting("AudioProcAmp", "VolumeValue"), "55");
}

TEST_F(PanelEventsTest, TheTvWindowIsNotToldTheVolumeDuringTimeShiftOrFm) {
    AddTv();
    ctx.tv.Find();
    for (int which = 0; which < 2; ++which) {
        session.TimeShifting = which == 0;
        session.FmMode = which == 1;
        windows.ClearLog();
        events.MouseMove(kVolumeBar.x + 20, CenterY(kVolumeBar), true);
        EXPECT_EQ(session.Volume, 20);
        EXPECT_TRUE(ToTv().empty()) << which;
    }
}

// --- Keys ----------------------------------------------------------------------------------------

TEST_F(PanelEventsTest, KeysGiveTheirCommandsAndOnlyUpDownAndFWhileBusy) {
    struct Case {
        int key;
        std::uint16_t command;  // 0: none
        bool posted;
        bool whileBusy;
    } const cases[] = {
        {0x20, 40040, false, false},  // Space: snapshot
        {0x21, 40008, false, false},  // Page Up
        {0x22, 40007, false, false},  // Page Down
        {0x26, 40323, false, true},   // Up
        {0x28, 40324, false, true},   // Down
        {'0', 40100, false, false},   {'7', 40107, false, false},
        {0x60, 40100, false, false},  // numeric pad 0
        {0x69, 40109, false, false},  // numeric pad 9
        {0x6B, 40014, true, false},   // numeric pad +
        {0x6D, 40015, true, false},   // numeric pad -
        {'A', 40320, false, false},   {'C', 40318, false, false}, {'F', 40325, true, true},
        {'I', 40319, false, false},   {'M', 40037, true, false},  {'R', 40112, false, false},
        {'S', 40322, true, false},    {'V', 40321, false, false},
        {'B', 0, false, false},       {0x70, 0, false, false},     // B and F1: nothing
    };
    // Each of the states that count as busy.
    std::int32_t core::PanelSession::*const busyFlags[] = {
        &core::PanelSession::Recording,   &core::PanelSession::CableScanning, &core::PanelSession::AirScanning,
        &core::PanelSession::PreviewOn,   &core::PanelSession::TimeShifting,  &core::PanelSession::FmScanning,
        &core::PanelSession::FullScanOpen, &core::PanelSession::PlayingBack,
    };
    auto pressed = [&](int key, bool fromList) {
        windows.ClearLog();
        fromList ? events.ListKeyDown(key) : events.KeyDown(key);
        windows.DropQueued();
        return FirstToPanel();
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        const std::vector<LoggedCommand> expected =
            c.command ? std::vector<LoggedCommand>{{c.command, 0, c.posted}} : std::vector<LoggedCommand>{};
        session = core::PanelSession{};
        EXPECT_EQ(pressed(c.key, false), expected);
        for (auto flag : busyFlags) {
            session = core::PanelSession{};
            session.*flag = 1;
            EXPECT_EQ(pressed(c.key, false), c.whileBusy ? expected : std::vector<LoggedCommand>{});
            // A list window's key-down takes the same map without the restriction.
            EXPECT_EQ(pressed(c.key, true), expected);
        }
    }
}

// --- Time-shift bar ----------------------------------------------------------------------------------

class TimeShiftBar : public PanelEventsTest {
protected:
    void SetUp() override {
        player = windows.Add(core::kPlaybackClass, core::kPlaybackTitle);
        // Time-shift began 60 s ago: 10 units of 6 s, on a scale of 100 units
        // the recorded part is the first 10 * 294 / 100 = 29 pixels.
        clock.SetLocal({2026, 1, 1, 0, 0, 30});
        session.TimeShiftStart = {23, 59, 30};
        session.TimeShifting = 1;
        session.TimeShiftScale = 100;
        session.SliderX = kTimeShiftBar.x;
        events.ButtonDown(kTimeShiftBar.x + 5, CenterY(kTimeShiftBar));
    }
    std::vector<LoggedCommand> Seeks() {
        std::vector<LoggedCommand> seeks;
        for (const LoggedCommand& c : windows.CommandsTo(player)) {
            if (c.id == 4005) seeks.push_back(c);
        }
        return seeks;
    }
    WindowId player = 0;
};

TEST_F(TimeShiftBar, ElapsedTimeCountsInSixSecondUnitsAcrossMidnight) {
    EXPECT_EQ(core::ElapsedTimeShift({23, 59, 30}, {2026, 1, 2, 0, 0, 30}), 10);
    EXPECT_EQ(core::ElapsedTimeShift({12, 0, 0}, {2026, 1, 1, 12, 0, 5}), 0);
    EXPECT_EQ(core::ElapsedTimeShift({12, 0, 0}, {2026, 1, 1, 13, 0, 0}), 600);
}

TEST_F(TimeShiftBar, AGrabbedKnobSeeksOnlyInsideTheRecordedPart) {
    ASSERT_EQ(session.KnobGrabbed, 1);
    const int y = CenterY(kTimeShiftBar);

    events.MouseMove(kTimeShiftBar.x + 40, y, true);  // beyond the recorded 29 pixels
    EXPECT_TRUE(Seeks().empty());
    EXPECT_EQ(session.SliderX, kTimeShiftBar.x);

    events.MouseMove(kTimeShiftBar.x + 20, y, true);
    EXPECT_EQ(Seeks(), (std::vector<LoggedCommand>{{4005, 20 * 100 / 294, false}}));
    EXPECT_EQ(session.SliderX, kTimeShiftBar.x + 20);
    EXPECT_EQ(session.AwaitingTv, 1);
    EXPECT_TRUE(std::count(pointer.looks.begin(), pointer.looks.end(), "DrawTransportPlaying") == 1);
}

TEST_F(TimeShiftBar, AfterASeekFurtherSeeksWaitOneHundredMilliseconds) {
    const int y = CenterY(kTimeShiftBar);
    events.MouseMove(kTimeShiftBar.x + 10, y, true);
    ASSERT_EQ(Seeks().size(), 1u);
    session.AwaitingTv = 0;  // the TV window answered at once

    Advance(50);
    events.MouseMove(kTimeShiftBar.x + 15, y, true);
    EXPECT_EQ(Seeks().size(), 1u) << "still settling";

    Advance(60);
    events.MouseMove(kTimeShiftBar.x + 15, y, true);
    EXPECT_EQ(Seeks().size(), 2u);
}

TEST_F(TimeShiftBar, ReleasingTheKnobSeeksThereUnlessBeyondTheRecordedPart) {
    const int y = CenterY(kTimeShiftBar);
    events.ButtonUp(kTimeShiftBar.x + 50, y);
    EXPECT_TRUE(Seeks().empty());
    EXPECT_EQ(session.KnobGrabbed, 0);

    events.ButtonUp(kTimeShiftBar.x + 25, y);
    EXPECT_EQ(Seeks(), (std::vector<LoggedCommand>{{4005, 25 * 100 / 294, false}}));
    EXPECT_EQ(session.AwaitingTv, 1);
    EXPECT_TRUE(timers.Running(panel, core::kTimerTimeShiftBar));
}

// --- Playback bar ---------------------------------------------------------------------------------

TEST_F(PanelEventsTest, PlaybackReleaseOnTheBarGoesToTheEndTheStartOrThePoint) {
    const WindowId player = windows.Add(core::kPlaybackClass, core::kPlaybackTitle);
    const int limit = kTimeShiftBar.x + kTimeShiftBar.w - 10;
    const int y = CenterY(kTimeShiftBar);
    struct Case {
        const char* name;
        int x;
        bool grabbed;
        std::uint16_t toPanel;  // 0: none
        int seekX;              // -1: none
    } const cases[] = {
        {"at the limit", limit, false, 40029, -1},
        {"two before the limit", limit - 2, false, 40029, -1},
        {"past the limit, on the bar", limit + 5, false, 40029, -1},
        {"dragged past the bar's end", kTimeShiftBar.x + kTimeShiftBar.w + 40, true, 40029, -1},
        {"at the start", kTimeShiftBar.x, false, 40030, -1},
        {"inside the first knob width", kTimeShiftBar.x + 10, false, 40030, -1},
        {"between", kTimeShiftBar.x + 100, false, 0, kTimeShiftBar.x + 100},
        {"a click right of the bar's row", kTimeShiftBar.x + kTimeShiftBar.w + 40, false, 0, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        session = core::PanelSession{};
        session.PlayingBack = 1;
        session.KnobGrabbed = c.grabbed;
        windows.ClearLog();
        events.ButtonUp(c.x, y);
        std::vector<LoggedCommand> toPanel = ToPanel();
        windows.DropQueued();
        const std::vector<LoggedCommand> none;
        const std::vector<LoggedCommand> panelExpected{{c.toPanel, 0, true}};
        const std::vector<LoggedCommand> seekExpected{{4005, c.seekX, true}};
        EXPECT_EQ(toPanel, c.toPanel ? panelExpected : none);
        EXPECT_EQ(windows.CommandsTo(player), c.seekX >= 0 ? seekExpected : none);
    }
}

// --- Tray icon ------------------------------------------------------------------------------------------

TEST_F(PanelEventsTest, TrayDoubleClickShowsOrHidesAndRightButtonPopsTheMenu) {
    events.Tray(win::kWmLButtonDblClk);
    EXPECT_EQ(FirstToPanel(), (std::vector<LoggedCommand>{{32771, 0, false}}));

    windows.ClearLog();
    events.Tray(0x0204);  // WM_RBUTTONDOWN
    EXPECT_EQ(windows.Foreground(), panel);
    ASSERT_EQ(input.Menus().size(), 1u);
    EXPECT_EQ(input.Menus()[0].owner, panel);
    EXPECT_EQ(input.Menus()[0].menuId, 133);
    ASSERT_EQ(input.Menus()[0].items.size(), 2u);
    EXPECT_EQ(input.Menus()[0].items[0].command, 44000u);
    EXPECT_EQ(input.Menus()[0].items[0].text, "Open it");
    EXPECT_EQ(input.Menus()[0].items[1].command, 32772u);
    EXPECT_EQ(input.Menus()[0].items[1].text, "Shut it");

    events.Tray(0x0202);  // WM_LBUTTONUP: nothing
    EXPECT_EQ(input.Menus().size(), 1u);
    EXPECT_TRUE(ToPanel().empty());
}

}  // namespace
