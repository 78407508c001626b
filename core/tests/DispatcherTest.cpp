// Commands of the panel: volume, mute, adjust modes, standby, close, the
// hotkey, the outside programs and the TV window's notifications.
#include <gtest/gtest.h>

#include "core/tests/PanelFixture.h"

namespace {

namespace win = platform::win;
using platform::fake::LoggedCommand;

class Commands : public coretest::PanelTest {};

TEST_F(Commands, VolumeStepsByTensBetween0And220) {
    struct Case {
        int start;
        std::uint16_t command;
        int result;
    } cases[] = {
        {215, 40006, 220}, {7, 40005, 7},     {5, 40006, 10},  {220, 40006, 220},
        {128, 40005, 110}, {128, 40006, 130}, {10, 40005, 0},  {9, 40005, 9},
    };
    const auto tv = AddTv();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.start) + " " + std::to_string(c.command));
        session.Volume = c.start;
        session.Muted = 1;
        Settings().SetText("");
        mixer.calls.clear();
        windows.ClearLog();

        Command(c.command);

        EXPECT_EQ(session.Volume, c.result);
        const bool changed = c.result != c.start;
        EXPECT_EQ(Setting("AudioProcAmp", "VolumeValue"), changed ? std::to_string(c.result) : "<none>");
        EXPECT_EQ(mixer.calls.size(), changed ? 1u : 0u);
        EXPECT_EQ(session.Muted, changed ? 0 : 1);  // a change ends the mute
        // The TV window is told either way.
        EXPECT_EQ(windows.CommandsTo(tv), (std::vector<LoggedCommand>{{2010, c.result, false}}));
    }
}

TEST_F(Commands, VolumeIsNotSentToTheTvWindowInFmOrWhileTimeShifting) {
    const auto tv = AddTv();
    session.Volume = 100;
    session.FmMode = 1;
    Command(40006);
    session.FmMode = 0;
    session.TimeShifting = 1;
    Command(40006);
    EXPECT_EQ(session.Volume, 120);
    EXPECT_TRUE(windows.CommandsTo(tv).empty());
}

TEST_F(Commands, MuteTogglesTheMixerAndTellsTheLastTvWindow) {
    const auto tv = AddTv();
    session.Volume = 90;
    session.MixerAvailable = 1;
    Command(40012);  // a source switch finds the TV window
    windows.ClearLog();
    mixer.calls.clear();

    Command(40037);
    EXPECT_EQ(session.Muted, 1);
    Command(40037);
    EXPECT_EQ(session.Muted, 0);
    EXPECT_EQ(mixer.calls, (std::vector<std::string>{"SetMixerVolume(0)", "SetMixerVolume(90)"}));
    EXPECT_EQ(windows.CommandsTo(tv), (std::vector<LoggedCommand>{{2011, 0, true}, {2012, 0, true}}));
    EXPECT_TRUE(parts.Called("DrawMuteButton(1)"));

    session.MixerAvailable = 0;
    Command(40037);
    EXPECT_EQ(session.Muted, 0);
}

// Key V cycles brightness, contrast, hue, saturation while pressed within
// 2 seconds of the last key; Up/Down then step the value.
TEST_F(Commands, PictureAdjustModeTimesOutAfterTwoSeconds) {
    const auto tv = AddTv();
    Settings().WriteText("VideoProcAmp", "BrightnessValue", "40");
    Settings().WriteText("VideoProcAmp", "ContrastValue", "60");

    Command(40321);
    Advance(1500);
    Command(40321);
    EXPECT_EQ(windows.CommandsTo(tv), (std::vector<LoggedCommand>{{2013, 40, true}, {2014, 60, true}}));
    EXPECT_EQ(session.PictureAdjustMode, 2);

    Command(40323);  // Up: contrast 61
    Advance(1);
    EXPECT_EQ(Setting("VideoProcAmp", "ContrastValue"), "61");
    EXPECT_EQ(windows.CommandsTo(tv).back(), (LoggedCommand{40201, 61, true}));
    EXPECT_EQ(session.Volume, 0);  // not the volume

    // The step restarted the 2-second wait: still adjusting at 1.9 s.
    Advance(1900);
    EXPECT_EQ(session.PictureAdjusting, 1);
    Advance(100);
    EXPECT_EQ(session.PictureAdjusting, 0);

    windows.ClearLog();
    Command(40321);  // starts again at brightness
    EXPECT_EQ(windows.CommandsTo(tv), (std::vector<LoggedCommand>{{2013, 40, true}}));
}

TEST_F(Commands, PictureStepStopsAtItsLimits) {
    struct Case {
        const char* stored;
        std::uint16_t key;
        const char* after;
        bool sent;
    } cases[] = {{"100", 40323, "100", false}, {"1", 40324, "0", true}, {"0", 40324, "0", false}};
    const auto tv = AddTv();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        Settings().WriteText("VideoProcAmp", "BrightnessValue", c.stored);
        session.PictureNext = 1;
        Command(40321);
        windows.ClearLog();
        Command(c.key);
        Advance(1);
        EXPECT_EQ(Setting("VideoProcAmp", "BrightnessValue"), c.after);
        EXPECT_EQ(!windows.CommandsTo(tv).empty(), c.sent);
        Advance(2000);
    }
}

TEST_F(Commands, SoundAdjustStepsBalanceAndEndsThePictureMode) {
    const auto tv = AddTv();
    Command(40321);
    EXPECT_EQ(session.PictureAdjusting, 1);
    windows.ClearLog();

    Command(40320);  // A: balance (default 128); the picture mode ends at once
    EXPECT_EQ(session.PictureAdjusting, 0);
    EXPECT_FALSE(timers.Running(panel, core::kTimerPictureEnd));
    EXPECT_EQ(windows.CommandsTo(tv), (std::vector<LoggedCommand>{{40212, 128, true}}));

    Command(40324);  // Down
    Advance(1);
    EXPECT_EQ(Setting("AudioProcAmp", "BalanceValue"), "127");
    EXPECT_EQ(mixer.calls.back(), "SetMixerBalance(127)");
    EXPECT_EQ(windows.CommandsTo(tv).back(), (LoggedCommand{40212, 127, true}));

    Command(40320);  // bass
    Command(40320);  // treble
    Command(40320);  // balance again
    EXPECT_EQ(session.SoundAdjustMode, 1);
    Advance(2000);
    EXPECT_EQ(session.SoundAdjusting, 0);
    EXPECT_EQ(session.SoundNext, 1);
}

TEST_F(Commands, AdjustKeysNeedTheTvWindow) {
    Command(40321);
    Command(40320);
    EXPECT_EQ(session.PictureAdjusting, 0);
    EXPECT_EQ(session.SoundAdjusting, 0);
}

TEST_F(Commands, UpDownAreIgnoredWhileAListWindowHasTheFocus) {
    session.FileListWindow = windows.Add("SysListView32", "");
    session.Volume = 50;
    windows.SetFocus(session.FileListWindow);
    Command(40323);
    EXPECT_EQ(session.Volume, 50);
    windows.SetFocus(panel);
    Command(40323);
    EXPECT_EQ(session.Volume, 60);
}

TEST_F(Commands, StandbyClosesTheTvWindowAndTheHotkeyBringsItBack) {
    const auto tv = AddTv();
    TvAppearsWhenStarted();
    session.PanelShown = 1;
    Settings().WriteText("ZuntoCrossbar", "InputSource", "4");

    ASSERT_TRUE(core::HandlePanelMessage(ctx, panel, win::kWmHotkey, 0, 0).has_value());
    Pump();
    EXPECT_EQ(session.Standby, 1);
    EXPECT_EQ(session.PanelShown, 0);
    EXPECT_EQ(windows.LastShow(panel), win::kSwHide);
    ASSERT_EQ(windows.MessagesTo(tv).size(), 1u);
    EXPECT_EQ(windows.MessagesTo(tv)[0].msg, win::kWmClose);
    windows.Remove(tv);  // the TV window closes

    core::OnHotkey(ctx, 0);
    Pump();
    EXPECT_EQ(session.PanelShown, 1);
    EXPECT_EQ(windows.Foreground(), panel);
    // The stored source (air) started the TV window again and left standby.
    ASSERT_EQ(processes.Runs().size(), 1u);
    EXPECT_EQ(processes.Runs()[0].showCommand, win::kSwHide);
    EXPECT_EQ(session.Standby, 0);
    EXPECT_EQ(session.AirMode, 1);
}

TEST_F(Commands, HotkeyIsIgnoredWhileBusyOrForOtherIdentifiers) {
    AddTv();
    core::OnHotkey(ctx, 1);
    session.AwaitingTv = 1;
    core::OnHotkey(ctx, 0);
    session.AwaitingTv = 0;
    session.PreviewOn = 1;
    core::OnHotkey(ctx, 0);
    Pump();
    EXPECT_EQ(session.Standby, 0);
    EXPECT_TRUE(ToTv().empty());
}

// 32772 runs the destroy work itself; the real WM_DESTROY that follows
// must not release anything twice.
TEST_F(Commands, CloseSavesPictureValuesAndDestroysOnce) {
    const auto tv = AddTv();
    timers.Start(panel, core::kClockTimer, core::kClockPeriodMs);
    session.Brightness = 41;
    session.Contrast = 42;
    session.Hue = 43;
    session.Saturation = 44;

    Command(32772);
    EXPECT_EQ(Setting("VideoProcAmp", "BrightnessValue"), "41");
    EXPECT_EQ(Setting("VideoProcAmp", "ContrastValue"), "42");
    EXPECT_EQ(Setting("VideoProcAmp", "HueValue"), "43");
    EXPECT_EQ(Setting("VideoProcAmp", "SaturationValue"), "44");
    EXPECT_EQ(windows.MessagesTo(tv).back().msg, win::kWmClose);
    EXPECT_EQ(host.quits, std::vector<int>{0});

    windows.Send(panel, win::kWmDestroy, 0, 0);
    windows.Send(panel, win::kWmDestroy, 0, 0);
    EXPECT_EQ(host.quits.size(), 1u);
    for (const char* once : {"ReleaseSkin", "RemoveTrayIcon", "DestroyFileListWindow", "DestroyTooltipWindow",
                             "DestroyChannelListWindow"}) {
        EXPECT_EQ(parts.Count(once), 1) << once;
    }
    EXPECT_FALSE(timers.Running(panel, core::kClockTimer));
}

TEST_F(Commands, CloseAndDestroyWaitWhileScanning) {
    session.AirScanning = 1;
    Command(32772);
    Command(105);
    EXPECT_TRUE(host.quits.empty());
    EXPECT_EQ(host.destroyCalls, 0);
    session.AirScanning = 0;
    Command(105);
    EXPECT_EQ(host.destroyCalls, 1);
    EXPECT_EQ(host.quits, std::vector<int>{0});
}

TEST_F(Commands, TvWindowGoneAfterADeviceChangeClosesThePanel) {
    const auto tv = AddTv();
    core::HandlePanelMessage(ctx, panel, win::kWmDeviceChange, 7, 0);
    Advance(3000);
    EXPECT_TRUE(host.quits.empty());  // still there
    windows.Remove(tv);
    Advance(3000);
    EXPECT_EQ(host.quits, std::vector<int>{0});
}

TEST_F(Commands, WebSiteButtonStartsTheBrowserFromAppPaths) {
    PanelIni().WriteText("Panel", "1PANEL_HTTP", "http://www.example.test/");
    Command(44001);
    EXPECT_TRUE(processes.Runs().empty());  // no browser registered

    registry.SetText(platform::RegRoot::LocalMachine, core::kAppPathsIexplore, "Path",
                     "C:\\Program Files\\Internet Explorer;");
    Command(44001);
    ASSERT_EQ(processes.Runs().size(), 1u);
    EXPECT_EQ(processes.Runs()[0].commandLine,
              "\"C:\\Program Files\\Internet Explorer\\iexplore.exe\" http://www.example.test/");
    EXPECT_EQ(processes.Runs()[0].showCommand, win::kSwShow);
    EXPECT_EQ(windows.Foreground(), panel);
}

TEST_F(Commands, ScheduleProgramIsStartedOnceAndAnswered) {
    Command(40041);
    ASSERT_EQ(processes.Runs().size(), 1u);
    EXPECT_EQ(processes.Runs()[0].commandLine, "\"C:\\Program Files\\Glimvale\\Vespero.exe\"");
    EXPECT_EQ(session.SchedulerLaunched, 0);  // its window was not there yet

    const auto schedule = windows.Add("#32770", "Schedule Recording Settings");
    Command(40041);
    EXPECT_EQ(session.SchedulerLaunched, 1);
    Command(40041);
    EXPECT_EQ(processes.Runs().size(), 2u);
    Command(40116);
    EXPECT_EQ(session.SchedulerLaunched, 0);

    // Its questions: is the panel free (40040), does the TV window have FM (40042)?
    const auto tv = AddTv();
    tvHasFm = false;
    Command(42222, 0);
    Command(42222, 1);
    const auto msgs = windows.MessagesTo(schedule);
    ASSERT_EQ(msgs.size(), 2u);
    EXPECT_EQ(msgs[0].msg, 40040u);
    EXPECT_EQ(msgs[0].wParam, 1u);
    EXPECT_EQ(msgs[1].msg, 40042u);
    EXPECT_EQ(msgs[1].wParam, 0u);  // as the TV window just answered
    EXPECT_TRUE(windows.Received(tv, 42227));
}

TEST_F(Commands, TvWindowNotifications) {
    Settings().WriteText("vemla", "UseFullScan", "FALSE");
    session.AirMode = 1;
    Command(42224, 21);
    EXPECT_EQ(Setting("TVTuner", "TVChannelAir"), "21");
    EXPECT_TRUE(parts.Called("DrawChannelNumber(21)"));
    Settings().WriteText("vemla", "UseFullScan", "TRUE");
    Command(42224, 22);
    EXPECT_EQ(Setting("TVTuner", "TVChannelAir"), "21");

    session.AirScanning = session.AwaitingTv = 1;
    session.ChannelListOpen = 1;
    Command(40111);
    EXPECT_EQ(session.AirScanning, 0);
    EXPECT_EQ(session.AwaitingTv, 0);
    EXPECT_TRUE(parts.Called("ScanEndedForTvPage"));
    EXPECT_TRUE(parts.Called("RefreshChannelList"));

    Command(40110, 45);
    EXPECT_EQ(session.ChannelNow, 45);
    session.Recording = 1;
    session.RecordToggleReady = 0;
    Command(40312);
    EXPECT_EQ(session.RecordToggleReady, 1);
    Command(40114, 0);
    EXPECT_EQ(session.Recording, 0);

    // Capture time in seconds moves the time-shift knob (unless playing back).
    session.TimeShifting = 1;
    Command(40315, 60);
    EXPECT_TRUE(parts.Called("DrawCaptureTime(60)"));
    EXPECT_TRUE(parts.Called("MoveTimeShiftKnob(9)"));
}

TEST_F(Commands, TrayDoubleClickHidesAndShowsThePanel) {
    Settings().WriteText("ZuntoCrossbar", "InputSource", "2");
    session.PanelShown = 1;
    session.FileListOpen = 1;
    session.FileListWindow = windows.Add("SysListView32", "");
    Command(32771);
    EXPECT_EQ(session.PanelShown, 0);
    EXPECT_EQ(windows.LastShow(panel), win::kSwHide);
    EXPECT_EQ(windows.LastShow(session.FileListWindow), win::kSwHide);

    TvAppearsWhenStarted();
    Command(32771);  // shown again; the TV window is missing, so the stored source starts it
    EXPECT_EQ(session.PanelShown, 1);
    EXPECT_EQ(windows.LastShow(panel), win::kSwShow);
    EXPECT_EQ(windows.LastShow(session.FileListWindow), win::kSwShow);
    EXPECT_EQ(windows.Foreground(), panel);
    ASSERT_EQ(processes.Runs().size(), 1u);
    EXPECT_EQ(processes.Runs()[0].showCommand, win::kSwShow);  // S-Video is shown
}

TEST_F(Commands, PlaybackWindowAsksForTheTimeShiftStart) {
    const auto playback = windows.Add(core::kPlaybackClass, core::kPlaybackTitle);
    session.TimeShifting = 1;
    session.TimeShiftStart = {23, 59, 30};
    Command(46101);
    EXPECT_EQ(windows.CommandsTo(playback),
              (std::vector<LoggedCommand>{{46001, 30, true}, {46002, 59, true}, {46003, 23, true}}));
}

// Without a TV window nothing would ever answer the preview: it stays off.
TEST_F(Commands, PreviewNeedsTheTvWindow) {
    Command(40042);
    EXPECT_EQ(session.PreviewOn, 0);
    EXPECT_EQ(session.AwaitingTv, 0);
    const auto tv = AddTv();
    Command(40042);
    EXPECT_EQ(session.PreviewOn, 1);
    EXPECT_EQ(session.AwaitingTv, 1);
    EXPECT_EQ(windows.Focus(), tv);
    EXPECT_TRUE(windows.Received(tv, 2021));
}

TEST_F(Commands, ChannelKeysStartTheStepTimers) {
    struct Case {
        int fm, videoIn;
        std::uint16_t command;
        std::uint32_t timer, period;
        const char* step;
    } cases[] = {
        {0, 0, 40008, core::kTimerChannelUp, 1, "ChannelStep(1)"},
        {0, 0, 40007, core::kTimerChannelDown, 1, "ChannelStep(0)"},
        {1, 0, 40008, core::kTimerFmUp, 400, "FmStep(1)"},
        {1, 0, 40007, core::kTimerFmDown, 400, "FmStep(0)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.step);
        session.FmMode = c.fm;
        session.FmDigitStep = 2;
        parts.Clear();
        Command(c.command);
        EXPECT_EQ(session.FmDigitStep, 0);
        EXPECT_EQ(timers.Period(panel, c.timer), c.period);
        Advance(c.period);
        EXPECT_EQ(parts.calls, std::vector<std::string>{c.step});
        EXPECT_FALSE(timers.Running(panel, c.timer));  // one step per key
    }
    session.FmMode = 0;
    session.VideoInMode = 1;
    Command(40008);
    EXPECT_FALSE(timers.Running(panel, core::kTimerChannelUp));
}

TEST_F(Commands, UnknownIdentifiersGoToTheDefaultHandling) {
    EXPECT_FALSE(core::Dispatch(ctx, 1234, 0));
    EXPECT_FALSE(core::HandlePanelMessage(ctx, panel, win::kWmCommand, 1234, 0).has_value());
    EXPECT_TRUE(core::Dispatch(ctx, 40017, 0));  // dropped by the gates: handled
    EXPECT_FALSE(parts.Called("Transport(40017)"));
}

}  // namespace
