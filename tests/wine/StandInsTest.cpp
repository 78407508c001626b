// The stand-ins for the programs and files the installer ships, under Wine:
// the seven filter files register and unregister themselves through
// regsvr32; the schedule program, the playback window and the remote program
// answer and report to a qordrive "listen" window in the panel's place, log
// what they receive, close the ways they are closed, and keep to one copy
// where a second start would be harmful.
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "tests/wine/DesktopTest.h"
#include "tests/wine/WineRun.h"

namespace fs = std::filesystem;
using namespace winetest;

namespace {

// ---- filter files ------------------------------------------------------------

struct Filter {
    const char* file;
    const char* clsid;
    const char* name;
};

const Filter kFilters[] = {
    {"HTFileW.ax", "{01260D2D-13E8-438F-9149-9AB55D26571B}", "HT File Writer"},
    {"HTMpegAE.ax", "{11A99556-46BE-4705-855D-6A0C3C2F3CCB}", "HT MPEG Audio Encoder"},
    {"HTMpegAD.ax", "{36382965-1795-4AFA-A636-7C003D217EAA}", "HT MPEG Audio Decoder"},
    {"HTMpgMux.ax", "{57F9D122-0FFE-4715-8ADB-7FA575DFD1DA}", "HT MPEG Multiplexer"},
    {"HTMpegVD.ax", "{5BB62926-B07E-44F0-A16F-498EA6A829BA}", "HT MPEG Video Decoder"},
    {"HT_Asyn.ax", "{D01199FB-7EE1-40C6-9D95-2A4F9260585F}", "HT Async Reader"},
    {"HT_INVER.ax", "{34B89610-4C3C-4EBD-86B9-6121335BD387}", "HT Video Inverter"},
};

class FilterStandIns : public DesktopTest {
protected:
    void TearDown() override {
        for (const Filter& f : kFilters) Drive({"reg-delete-key", "HKCR", ClassKey(f)});
        DesktopTest::TearDown();
    }

    static std::string ClassKey(const Filter& f) { return std::string("CLSID\\") + f.clsid; }

    static RunResult Regsvr32(const std::vector<std::string>& args) { return RunWine("regsvr32", args, 60); }

    std::string Registered(const Filter& f, const std::string& subkey) {
        const std::string key = ClassKey(f) + (subkey.empty() ? "" : "\\" + subkey);
        const RunResult r = Drive({"reg-get-string", "HKCR", key, "-"});
        return r.exitCode == 0 ? r.output : "(missing)";
    }
};

TEST_F(FilterStandIns, Regsvr32RegistersAndUnregistersEachFilterUnderItsOwnClass) {
    std::vector<std::string> paths;
    for (const Filter& f : kFilters) {
        paths.push_back(CopyProgram(f.file));
        Drive({"reg-delete-key", "HKCR", ClassKey(f)});  // left by a run that was cut short
    }
    for (std::size_t i = 0; i < paths.size(); ++i) {
        SCOPED_TRACE(kFilters[i].file);
        EXPECT_EQ(Regsvr32({"/s", WinePath(paths[i])}).exitCode, 0);
    }
    // All seven side by side: each under its own class, naming its own file.
    for (std::size_t i = 0; i < paths.size(); ++i) {
        SCOPED_TRACE(kFilters[i].file);
        EXPECT_EQ(Registered(kFilters[i], ""), std::string(kFilters[i].name) + "\n");
        EXPECT_EQ(Registered(kFilters[i], "InprocServer32"), WinePath(paths[i]) + "\n");
    }
    for (std::size_t i = 0; i < paths.size(); ++i) {
        SCOPED_TRACE(kFilters[i].file);
        EXPECT_EQ(Regsvr32({"/u", "/s", WinePath(paths[i])}).exitCode, 0);
        EXPECT_EQ(Drive({"reg-exists", "HKCR", ClassKey(kFilters[i])}).output, "0\n");
        // Unregistering what is not registered is no failure.
        EXPECT_EQ(Regsvr32({"/u", "/s", WinePath(paths[i])}).exitCode, 0);
    }
}

TEST_F(FilterStandIns, RegisteringAgainPointsTheClassAtTheNewCopy) {
    const Filter& f = kFilters[4];
    const std::string first = CopyProgram(f.file);
    fs::create_directories(dir_ / "second place");
    const std::string second = (dir_ / "second place" / f.file).string();
    fs::copy_file(first, second);

    ASSERT_EQ(Regsvr32({"/s", WinePath(first)}).exitCode, 0);
    EXPECT_EQ(Registered(f, "InprocServer32"), WinePath(first) + "\n");
    ASSERT_EQ(Regsvr32({"/s", WinePath(second)}).exitCode, 0);
    EXPECT_EQ(Registered(f, "InprocServer32"), WinePath(second) + "\n");
    EXPECT_EQ(Registered(f, ""), std::string(f.name) + "\n");
}

// ---- schedule program ----------------------------------------------------------

constexpr const char* kScheduleTitle = "Schedule Recording Settings";

class ScheduleStandIn : public DesktopTest {
protected:
    void SetUp() override {
        if (!HaveDisplay()) GTEST_SKIP() << "needs an X display (DISPLAY unset)";
        DesktopTest::SetUp();
        if (HasFatalFailure()) return;
        program_ = CopyProgram("Vespero.exe");
        CloseLeftOver("-", kScheduleTitle);
        if (HasFatalFailure()) return;
        StartPanel();
        if (HasFatalFailure()) return;
        schedule_ = RunWineBackground(program_, {}, 150);
        ASSERT_TRUE(schedule_.Started());
        ASSERT_EQ(Drive({"wait", "-", kScheduleTitle, "20000"}).exitCode, 0) << "Vespero.exe did not open its window";
    }

    void TearDown() override {
        schedule_.Stop();
        DesktopTest::TearDown();
    }

    std::vector<std::string> ScheduleLog() { return LogBeside("Vespero.log"); }

    std::string program_;
    BackgroundProcess schedule_;
};

TEST_F(ScheduleStandIn, ReportsItselfToThePanelAndLogsTheRecordingStopNotice) {
    const std::vector<std::string> present{"WM_COMMAND 42223 1 posted"};
    ASSERT_TRUE(Eventually([&] { return PanelLog() == present; })) << Joined(PanelLog());

    ASSERT_EQ(Drive({"post", "-", kScheduleTitle, "42224", "0", "0"}).exitCode, 0);
    const std::vector<std::string> logged{"42224 0 0 posted"};
    EXPECT_TRUE(Eventually([&] { return ScheduleLog() == logged; })) << Joined(ScheduleLog());
    EXPECT_EQ(PanelLog(), present);
}

TEST_F(ScheduleStandIn, ASecondStartLeavesTheFirstWindowAlone) {
    const std::vector<std::string> present{"WM_COMMAND 42223 1 posted"};
    ASSERT_TRUE(Eventually([&] { return PanelLog() == present; })) << Joined(PanelLog());
    EXPECT_EQ(RunWine(program_, {}, 30).exitCode, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_EQ(PanelLog(), present);
    EXPECT_FALSE(schedule_.Exited());
    EXPECT_EQ(Drive({"find", "-", kScheduleTitle}).exitCode, 0);
}

struct CloseWay {
    const char* name;
    std::vector<std::string> drive;  // qordrive subcommand and the arguments after class and title
    const char* logged;              // the line the stand-in logs for it
};

// Test names, not bytes, in the test runner's listing.
void PrintTo(const CloseWay& c, std::ostream* os) { *os << c.name; }

const CloseWay kScheduleCloses[] = {
    {"WmClose", {"post", "16", "0", "0"}, "WM_CLOSE 0 0 posted"},
    {"UninstallerRequest", {"send", "40041", "0", "0"}, "40041 0 0 sent"},
    {"CloseButton", {"command", "2", "0"}, "WM_COMMAND 2 0 posted"},
};

class ScheduleClose : public ScheduleStandIn, public testing::WithParamInterface<CloseWay> {};

TEST_P(ScheduleClose, TellsThePanelItHasGoneAndEnds) {
    const CloseWay& way = GetParam();
    std::vector<std::string> args{way.drive[0], "-", kScheduleTitle};
    args.insert(args.end(), way.drive.begin() + 1, way.drive.end());
    ASSERT_EQ(Drive(args).exitCode, 0);

    EXPECT_EQ(Drive({"gone", "-", kScheduleTitle, "10000"}).exitCode, 0);
    ASSERT_TRUE(schedule_.WaitForExit(10000));
    EXPECT_EQ(schedule_.ExitCode(), 0);
    const std::vector<std::string> panel{"WM_COMMAND 42223 1 posted", "WM_COMMAND 40116 0 posted",
                                         "WM_COMMAND 42223 0 posted"};
    EXPECT_TRUE(Eventually([&] { return PanelLog() == panel; })) << Joined(PanelLog());
    EXPECT_EQ(ScheduleLog(), std::vector<std::string>{way.logged});
}

INSTANTIATE_TEST_SUITE_P(Ways, ScheduleClose, testing::ValuesIn(kScheduleCloses),
                         [](const testing::TestParamInfo<CloseWay>& i) { return std::string(i.param.name); });

// ---- playback window -----------------------------------------------------------

constexpr const char* kPlaybackClass = "ZolvaneMediaPlayer";
constexpr const char* kPlaybackTitle = "Zolvane Media Player";

class PlaybackStandIn : public DesktopTest {
protected:
    void SetUp() override {
        if (!HaveDisplay()) GTEST_SKIP() << "needs an X display (DISPLAY unset)";
        DesktopTest::SetUp();
        if (HasFatalFailure()) return;
        const std::string program = CopyProgram("Zolvane.exe");
        CloseLeftOver(kPlaybackClass, kPlaybackTitle);
        if (HasFatalFailure()) return;
        StartPanel();
        if (HasFatalFailure()) return;
        playback_ = RunWineBackground(program, {}, 150);
        ASSERT_TRUE(playback_.Started());
        ASSERT_EQ(Drive({"wait", kPlaybackClass, kPlaybackTitle, "20000"}).exitCode, 0)
            << "Zolvane.exe did not open its window";
    }

    void TearDown() override {
        playback_.Stop();
        DesktopTest::TearDown();
    }

    std::vector<std::string> PlaybackLog() { return LogBeside("Zolvane.log"); }

    BackgroundProcess playback_;
};

struct Exchange {
    bool send;  // SendMessage (else PostMessage), as the panel does for each
    int id;
    long long lParam;
    const char* logged;
    bool acknowledged;  // the panel gets 40113
};

const Exchange kPlaybackExchanges[] = {
    {false, 40026, 0, "WM_COMMAND 40026 0 posted", true},    // play
    {false, 40028, 0, "WM_COMMAND 40028 0 posted", true},    // pause
    {false, 40029, 0, "WM_COMMAND 40029 0 posted", true},    // to the end
    {true, 40030, 0, "WM_COMMAND 40030 0 sent", true},       // to the start
    {true, 4005, 17, "WM_COMMAND 4005 17 sent", true},       // time-shift seek, 6-second units
    {false, 4005, 120, "WM_COMMAND 4005 120 posted", true},  // playback seek, knob x
    {false, 4006, 95, "WM_COMMAND 4006 95 posted", true},    // knob drag
    {false, 46001, 30, "WM_COMMAND 46001 30 posted", false}, // time-shift start: second
    {false, 46002, 59, "WM_COMMAND 46002 59 posted", false}, //   minute
    {false, 46003, 23, "WM_COMMAND 46003 23 posted", false}, //   hour
    {true, 40027, 0, "WM_COMMAND 40027 0 sent", true},       // stop
};

TEST_F(PlaybackStandIn, AcknowledgesTransportCommandsAndLogsEveryCommand) {
    std::vector<std::string> logged, panel;
    for (const Exchange& e : kPlaybackExchanges) {
        SCOPED_TRACE(e.logged);
        const std::string id = std::to_string(e.id), value = std::to_string(e.lParam);
        const RunResult r =
            e.send ? Drive({"send", kPlaybackClass, kPlaybackTitle, std::to_string(kWmCommand), id, value})
                   : Drive({"command", kPlaybackClass, kPlaybackTitle, id, value});
        ASSERT_EQ(r.exitCode, 0);
        logged.push_back(e.logged);
        if (e.acknowledged) panel.push_back("WM_COMMAND 40113 0 posted");
        ASSERT_TRUE(Eventually([&] { return PlaybackLog() == logged; })) << Joined(PlaybackLog());
        ASSERT_TRUE(Eventually([&] { return PanelLog() == panel; })) << Joined(PanelLog());
    }
}

TEST_F(PlaybackStandIn, ClosesOnWmClose) {
    ASSERT_EQ(Drive({"post", kPlaybackClass, kPlaybackTitle, std::to_string(kWmClose), "0", "0"}).exitCode, 0);
    EXPECT_EQ(Drive({"gone", kPlaybackClass, kPlaybackTitle, "10000"}).exitCode, 0);
    ASSERT_TRUE(playback_.WaitForExit(10000));
    EXPECT_EQ(playback_.ExitCode(), 0);
    EXPECT_EQ(PlaybackLog(), std::vector<std::string>{"WM_CLOSE 0 0 posted"});
    EXPECT_TRUE(PanelLog().empty()) << Joined(PanelLog());
}

// ---- remote program --------------------------------------------------------------

constexpr const char* kRemoteClass = "Kestrova Zunto";
constexpr const char* kRemoteTitle = "Remote";

class RemoteStandIn : public DesktopTest {
protected:
    void SetUp() override {
        if (!HaveDisplay()) GTEST_SKIP() << "needs an X display (DISPLAY unset)";
        DesktopTest::SetUp();
        if (HasFatalFailure()) return;
        program_ = CopyProgram("remote.exe");
        CloseLeftOver(kRemoteClass, kRemoteTitle);
        if (HasFatalFailure()) return;
        remote_ = RunWineBackground(program_, {}, 150);
        ASSERT_TRUE(remote_.Started());
        ASSERT_EQ(Drive({"wait", kRemoteClass, kRemoteTitle, "20000"}).exitCode, 0)
            << "remote.exe did not make its window";
    }

    void TearDown() override {
        remote_.Stop();
        DesktopTest::TearDown();
    }

    std::string program_;
    BackgroundProcess remote_;
};

TEST_F(RemoteStandIn, RunsHiddenAndOnlyOnce) {
    EXPECT_EQ(Drive({"visible", kRemoteClass, kRemoteTitle}).output, "0\n");
    const RunResult second = RunWine(program_, {}, 30);
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_FALSE(remote_.Exited());
    EXPECT_EQ(Drive({"find", kRemoteClass, kRemoteTitle}).exitCode, 0);
}

const CloseWay kRemoteCloses[] = {
    {"WmClose", {"post", "16", "0", "0"}, nullptr},
    {"UninstallerDestroy", {"send", "2", "0", "0"}, nullptr},  // WM_DESTROY sent, as the uninstaller does
};

class RemoteClose : public RemoteStandIn, public testing::WithParamInterface<CloseWay> {};

TEST_P(RemoteClose, Ends) {
    const CloseWay& way = GetParam();
    std::vector<std::string> args{way.drive[0], kRemoteClass, kRemoteTitle};
    args.insert(args.end(), way.drive.begin() + 1, way.drive.end());
    ASSERT_EQ(Drive(args).exitCode, 0);
    ASSERT_TRUE(remote_.WaitForExit(10000));
    EXPECT_EQ(remote_.ExitCode(), 0);
    EXPECT_EQ(Drive({"find", kRemoteClass, kRemoteTitle}).exitCode, 1);
}

INSTANTIATE_TEST_SUITE_P(Ways, RemoteClose, testing::ValuesIn(kRemoteCloses),
                         [](const testing::TestParamInfo<CloseWay>& i) { return std::string(i.param.name); });

}  // namespace
