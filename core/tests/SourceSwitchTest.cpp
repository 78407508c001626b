// Source switching: with a running TV window the source is sent to it; with
// none the program is started (and, for a band never scanned, the first
// scan follows after the 6-second wait).
#include <gtest/gtest.h>

#include "core/tests/PanelFixture.h"

namespace {

namespace win = platform::win;
using platform::fake::LoggedCommand;

class SourceSwitch : public coretest::PanelTest {
protected:
    void SetUp() override {
        session.Volume = 120;
        Settings().WriteText("TVTuner", "TVChannelAir", "12");
        Settings().WriteText("TVTuner", "TVChannelCable", "33");
        Settings().WriteText("TVTuner", "FMChannel", "1017");
        Settings().WriteText("CHANNELLISTFM", "FM", "5");
    }
};

struct SourceCase {
    std::uint16_t command;
    const char* inputSource;
    std::uint16_t tvCommand;
    int sourceCode, videoIn, fm, air;
    const char* label;      // DrawModeLabel
    int startShow;          // show mode when the TV window has to be started
};
const SourceCase kSourceCases[] = {
    {40010, "1", 2001, 4, 1, 0, 0, "DrawModeLabel(2)", win::kSwShow},
    {40011, "2", 2004, 5, 1, 0, 0, "DrawModeLabel(2)", win::kSwShow},
    {40034, "3", 2003, 3, 0, 0, 0, "DrawModeLabel(0)", win::kSwHide},
    {40012, "4", 2002, 2, 0, 0, 1, "DrawModeLabel(0)", win::kSwHide},
    {40039, "5", 40206, 1, 0, 1, 0, "DrawModeLabel(1)", win::kSwHide},
};

TEST_F(SourceSwitch, RunningTvWindowIsSentTheSource) {
    for (const SourceCase& c : kSourceCases) {
        SCOPED_TRACE(c.command);
        session.AwaitingTv = 0;
        windows.ClearLog();
        mixer.calls.clear();
        const auto tv = AddTv();

        Command(c.command);

        EXPECT_EQ(Setting("ZuntoCrossbar", "InputSource"), c.inputSource);
        EXPECT_EQ(session.AwaitingTv, 1);
        EXPECT_EQ(session.SourceCode, c.sourceCode);
        EXPECT_EQ(session.VideoInMode, c.videoIn);
        EXPECT_EQ(session.FmMode, c.fm);
        EXPECT_EQ(session.AirMode, c.air);
        EXPECT_TRUE(parts.Called(c.label));
        EXPECT_TRUE(parts.Called("DrawSourceIndicator(" + std::string(c.inputSource) + ")"));
        EXPECT_TRUE(processes.Runs().empty());
        // Sent, not posted; FM asks for the FM capability first.
        std::vector<LoggedCommand> expected;
        if (c.fm) expected.push_back({42227, 0, false});
        expected.push_back({c.tvCommand, 0, false});
        EXPECT_EQ(windows.CommandsTo(tv), expected);
        windows.Remove(tv);
    }
}

TEST_F(SourceSwitch, FmMutesTheMixerAroundTheSwitchAndHidesTheTvWindow) {
    const auto tv = AddTv();
    Command(40039);
    EXPECT_EQ(mixer.calls, (std::vector<std::string>{"SetMixerVolume(0)", "SetMixerVolume(120)"}));
    EXPECT_EQ(windows.LastShow(tv), win::kSwHide);
    EXPECT_EQ(session.FmFrequency, 1017);
    EXPECT_TRUE(parts.Called("DrawFmFrequency(1017)"));
    EXPECT_TRUE(parts.Called("SetChannelTooltips(Frequency Down|Frequency Up)"));
}

TEST_F(SourceSwitch, SVideoShowsTheTvWindowAndTunerSourcesTakeTheirChannel) {
    const auto tv = AddTv();
    Command(40011);
    EXPECT_EQ(windows.LastShow(tv), win::kSwShow);
    session.AwaitingTv = 0;
    Command(40012);
    EXPECT_EQ(session.ChannelNow, 12);
    EXPECT_EQ(Setting("TVTuner", "TVChannel"), "12");
    EXPECT_TRUE(parts.Called("DrawChannelNumber(12)"));
    session.AwaitingTv = 0;
    Command(40034);
    EXPECT_EQ(session.ChannelNow, 33);
    EXPECT_EQ(Setting("TVTuner", "TVChannel"), "33");
    EXPECT_TRUE(parts.Called("SetChannelTooltips(Channel down|Channel up)"));
}

TEST_F(SourceSwitch, MissingTvWindowIsStartedQuotedShownOrHidden) {
    TvAppearsWhenStarted();
    for (const SourceCase& c : kSourceCases) {
        SCOPED_TRACE(c.command);
        if (const auto old = Tv()) windows.Remove(old);
        session.AwaitingTv = 0;
        session.Standby = 1;
        const std::size_t runsBefore = processes.Runs().size();

        Command(c.command);

        ASSERT_EQ(processes.Runs().size(), runsBefore + 1);
        EXPECT_EQ(processes.Runs().back().commandLine, "\"C:\\Program Files\\Glimvale\\video.ex_\"");
        EXPECT_EQ(processes.Runs().back().showCommand, c.startShow);
        EXPECT_EQ(session.Standby, 0);
        EXPECT_EQ(session.AwaitingTv, 1);
        EXPECT_EQ(session.SourceCode, c.sourceCode);
        EXPECT_EQ(Setting("ZuntoCrossbar", "InputSource"), c.inputSource);
        EXPECT_EQ(session.TvWindow, Tv());  // looked up again after the start
        // The new window reads the source from the settings: nothing is sent to it.
        EXPECT_TRUE(ToTv().empty());
    }
}

TEST_F(SourceSwitch, WhileAwaitingTheTvOnlyTheTooltipsAreReloaded) {
    AddTv();
    session.AwaitingTv = 1;
    Command(40012);
    EXPECT_EQ(Setting("ZuntoCrossbar", "InputSource"), "<none>");
    EXPECT_TRUE(ToTv().empty());
    EXPECT_EQ(parts.calls, (std::vector<std::string>{"SetChannelTooltips(Channel down|Channel up)", "RecreateTooltips"}));
    EXPECT_EQ(windows.Focus(), panel);
}

// An acknowledgement that can never come (the TV window is gone) must not
// keep the panel from starting it again.
TEST_F(SourceSwitch, AwaitingTvWithoutTvWindowIsCleared) {
    TvAppearsWhenStarted();
    session.AwaitingTv = 1;
    Command(40034);
    EXPECT_EQ(processes.Runs().size(), 1u);
    EXPECT_EQ(Setting("ZuntoCrossbar", "InputSource"), "3");
    EXPECT_EQ(session.AwaitingTv, 1);  // awaiting the new window's acknowledgement
    Command(40113);
    EXPECT_EQ(session.AwaitingTv, 0);
}

TEST_F(SourceSwitch, FirstScanAfterStartingTheTvWindow) {
    struct Case {
        const char* name;
        std::uint16_t command;
        const char* useFullScan;  // nullptr: missing
        const char* alreadyScan;
        const char* scanDone;
        bool tvRunning;
        bool scan;
    } cases[] = {
        {"air never scanned", 40012, nullptr, "FALSE", nullptr, false, true},
        {"cable never scanned", 40034, "FALSE", "FALSE", nullptr, false, true},
        {"ALREADYSCAN missing", 40012, nullptr, nullptr, nullptr, false, false},
        {"already scanned", 40034, nullptr, "TRUE", nullptr, false, false},
        {"lower-case false", 40012, nullptr, "false", nullptr, false, false},
        {"full scan not done", 40012, "TRUE", "TRUE", nullptr, false, true},
        {"full scan done", 40034, "TRUE", "FALSE", "TRUE", false, false},
        {"TV window running", 40012, nullptr, "FALSE", nullptr, true, false},
        {"AV-in never scans", 40010, nullptr, "FALSE", nullptr, false, false},
    };
    TvAppearsWhenStarted();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (const auto old = Tv()) windows.Remove(old);
        if (c.tvRunning) AddTv();
        Settings().SetText("");
        auto put = [&](const char* section, const char* key, const char* value) {
            if (value) Settings().WriteText(section, key, value);
        };
        put("vemla", "UseFullScan", c.useFullScan);
        put(c.command == 40012 ? "CHANNELLISTAIR" : "CHANNELLIST", "ALREADYSCAN", c.alreadyScan);
        put("FREQCHLIST", "SCANDONE", c.scanDone);
        session.AwaitingTv = 0;
        parts.Clear();
        const auto sleptBefore = clock.SleptMs();

        Command(c.command);

        EXPECT_EQ(clock.SleptMs() - sleptBefore, c.scan ? 6000u : 0u);
        EXPECT_EQ(parts.Called("ScanCommand(0)"), c.scan);
        // The indicator and the tooltips come either way.
        EXPECT_EQ(parts.Count("RecreateTooltips"), 1);
        EXPECT_EQ(parts.Count("DrawSourceIndicator(" + std::to_string(c.command == 40010 ? 1 : c.command == 40012 ? 4 : 3) + ")"), 1);
    }
}

TEST_F(SourceSwitch, FmWithoutStationsScansOnEverySwitch) {
    AddTv();
    Settings().DeleteKey("CHANNELLISTFM", "FM");
    Command(40039);
    EXPECT_EQ(clock.SleptMs(), 6000u);
    EXPECT_EQ(parts.Count("ScanCommand(0)"), 1);
    // Even while the first switch still awaits its acknowledgement.
    Command(40039);
    EXPECT_EQ(clock.SleptMs(), 12000u);
    EXPECT_EQ(parts.Count("ScanCommand(0)"), 2);
}

TEST_F(SourceSwitch, FmIsRefusedWithoutFmOrWhileScanning) {
    struct Case {
        const char* name;
        bool tvHasFm;
        int scanning;
    } cases[] = {{"no FM", false, 0}, {"scanning", true, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        tvHasFm = c.tvHasFm;
        session.CableScanning = c.scanning;
        const auto tv = AddTv();
        Command(40039);
        EXPECT_EQ(windows.CommandsTo(tv), (std::vector<LoggedCommand>{{42227, 0, false}}));
        EXPECT_EQ(session.FmSupported, c.tvHasFm ? 1 : 0);
        EXPECT_EQ(session.AwaitingTv, 0);
        EXPECT_EQ(Setting("ZuntoCrossbar", "InputSource"), "<none>");
        windows.Remove(tv);
    }
}

TEST_F(SourceSwitch, TooltipsComeFromTheCurrentSkin) {
    AddTv();
    PanelIni().WriteText("Panel", "PanelNow", "2");
    PanelIni().WriteText("2PANEL_BTN", "IDS_FREQUP", "Freq +");
    PanelIni().WriteText("1PANEL_BTN", "IDS_FREQDOWN", "not this skin");
    Command(40039);
    EXPECT_TRUE(parts.Called("SetChannelTooltips(Frequency Down|Freq +)"));
}

// Video inputs close the channel list; key I cycles through the sources.
TEST_F(SourceSwitch, VideoInputClosesTheChannelListAndKeyICycles) {
    AddTv();
    session.ChannelListOpen = 1;
    Command(40010);
    EXPECT_TRUE(parts.Called("ToggleChannelList"));
    EXPECT_EQ(windows.CommandsTo(panel).back(), (LoggedCommand{40316, 0, false}));

    struct Step {
        int from;
        std::uint16_t posted;
        int to;
    } steps[] = {{1, 40012, 2}, {2, 40034, 3}, {3, 40010, 4}, {4, 40011, 5}, {5, 40039, 1}};
    for (const Step& st : steps) {
        SCOPED_TRACE(st.from);
        session.SourceCode = st.from;
        windows.ClearLog();
        ASSERT_TRUE(core::Dispatch(ctx, 40319, 0));
        EXPECT_EQ(session.SourceCode, st.to);
        EXPECT_EQ(windows.CommandsTo(panel).back(), (LoggedCommand{st.posted, 0, true}));
        windows.DropQueued();
    }
    tvHasFm = false;
    session.SourceCode = 5;
    core::Dispatch(ctx, 40319, 0);
    EXPECT_EQ(session.SourceCode, 2);
    EXPECT_EQ(windows.CommandsTo(panel).back(), (LoggedCommand{40012, 0, true}));
}

}  // namespace
