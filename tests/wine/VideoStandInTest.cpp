// The TV window stand-in under Wine, driven by qordrive: it answers the
// panel's commands as the panel relies on (acknowledgements, the FM report,
// channel reports), stores the FM frequency in the settings file that win.ini
// names, follows window requests from outside, logs every command with the
// way it came, and closes on WM_CLOSE.  A qordrive "listen" window plays the
// panel and records what the stand-in sends back.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "tests/wine/DesktopTest.h"
#include "tests/wine/WineRun.h"

namespace fs = std::filesystem;
using namespace winetest;

namespace {

const std::string kTvClass = "Kestrova Zunto";
const std::string kTvTitle = "Tv";
const std::string kPanelClass = "Kestrova Glimvale";
const std::string kPanelTitle = "Panel";

class VideoStandIn : public testing::Test {
protected:
    void SetUp() override {
        if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "needs an X display (DISPLAY unset)";
        driver_ = Win64BinDir() + "/qordrive.exe";
        const std::string video = Win64BinDir() + "/video.exe";
        ASSERT_TRUE(fs::exists(driver_)) << driver_ << " missing: build the win64 preset first";
        ASSERT_TRUE(fs::exists(video)) << video << " missing: build the win64 preset first";

        dir_ = fs::temp_directory_path() /
               ("qor-video-" + std::to_string(getpid()) + "-" +
                testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        fs::copy_file(video, dir_ / "video.exe");

        CloseLeftOver(kTvClass, kTvTitle);
        CloseLeftOver(kPanelClass, kPanelTitle);
        if (HasFatalFailure()) return;
        for (const char* key : {"222APDirectory", "QorSettingIniFile"}) {
            const RunResult before = Drive({"winini-get", "AP", key, ""});
            ASSERT_EQ(before.exitCode, 0);
            savedWinIni_.emplace_back(key, before.output.substr(0, before.output.find('\n')));
        }
        ASSERT_EQ(Drive({"winini-set", "AP", "222APDirectory", WinePath(dir_.string())}).exitCode, 0);
        ASSERT_EQ(Drive({"winini-set", "AP", "QorSettingIniFile", "QorSFile.ini"}).exitCode, 0);

        // The panel first: the TV window reports to it as soon as it starts.
        panel_ = RunWineBackground(driver_, {"listen", kPanelClass, kPanelTitle, "120000"}, 150);
        ASSERT_TRUE(panel_.Started());
        ASSERT_EQ(Drive({"wait", kPanelClass, kPanelTitle, "20000"}).exitCode, 0) << "panel stand-in did not come up";
        tv_ = RunWineBackground((dir_ / "video.exe").string(), {}, 150);
        ASSERT_TRUE(tv_.Started());
        ASSERT_EQ(Drive({"wait", kTvClass, kTvTitle, "20000"}).exitCode, 0) << "video.exe did not open its window";
    }

    void TearDown() override {
        tv_.Stop();
        panel_.Stop();
        for (const auto& [key, value] : savedWinIni_) Drive({"winini-set", "AP", key, value});
        if (!dir_.empty()) fs::remove_all(dir_);
    }

    RunResult Drive(const std::vector<std::string>& args) { return RunWine(driver_, args, 30); }

    // A window of a run that was cut short would answer in place of ours.
    void CloseLeftOver(const std::string& cls, const std::string& title) {
        if (Drive({"find", cls, title}).exitCode != 0) return;
        Drive({"post", cls, title, std::to_string(kWmClose), "0", "0"});
        ASSERT_EQ(Drive({"gone", cls, title, "5000"}).exitCode, 0) << "a left-over " << title << " window stays";
    }

    std::vector<std::string> TvLog() { return Lines(ReadFile((dir_ / "video.log").string())); }
    std::vector<std::string> PanelLog() { return Lines(panel_.Output()); }

    std::string driver_;
    fs::path dir_;
    std::vector<std::pair<std::string, std::string>> savedWinIni_;  // win.ini [AP] as found
    BackgroundProcess panel_;
    BackgroundProcess tv_;
};

struct Exchange {
    bool send;               // SendMessage (else PostMessage) from outside
    int id;
    long long lParam;
    const char* tvLogs;      // the line the stand-in must log
    const char* panelGets;   // what the panel must receive back; nullptr: nothing
};

const Exchange kExchanges[] = {
    {true, 42227, 0, "WM_COMMAND 42227 0 sent", "WM_COMMAND 42227 1 sent"},
    {false, 42227, 0, "WM_COMMAND 42227 0 posted", "WM_COMMAND 42227 1 sent"},
    {true, 2001, 0, "WM_COMMAND 2001 0 sent", "WM_COMMAND 40113 0 posted"},
    {true, 2004, 0, "WM_COMMAND 2004 0 sent", "WM_COMMAND 40113 0 posted"},
    {false, 2002, 0, "WM_COMMAND 2002 0 posted", "WM_COMMAND 40113 0 posted"},
    {true, 2003, 0, "WM_COMMAND 2003 0 sent", "WM_COMMAND 40113 0 posted"},
    {true, 40206, 0, "WM_COMMAND 40206 0 sent", "WM_COMMAND 40113 0 posted"},
    {false, 3005, 0, "WM_COMMAND 3005 0 posted", "WM_COMMAND 40113 0 posted"},
    {false, 3007, 0, "WM_COMMAND 3007 0 posted", "WM_COMMAND 40113 0 posted"},
    {false, 3010, 0, "WM_COMMAND 3010 0 posted", "WM_COMMAND 40113 0 posted"},
    {false, 3011, 0, "WM_COMMAND 3011 0 posted", "WM_COMMAND 40113 0 posted"},
    {true, 4101, 1, "WM_COMMAND 4101 1 sent", "WM_COMMAND 40113 0 posted"},
    {false, 2008, 0, "WM_COMMAND 2008 0 posted", "WM_COMMAND 40113 0 posted"},
    {false, 8000, 12, "WM_COMMAND 8000 12 posted", "WM_COMMAND 42224 12 posted"},
    {false, 2010, 128, "WM_COMMAND 2010 128 posted", nullptr},
    {false, 2011, -1, "WM_COMMAND 2011 -1 posted", nullptr},
};

TEST_F(VideoStandIn, AnswersThePanelAndLogsHowEachCommandCame) {
    std::vector<std::string> tvExpected;
    // On its start it acknowledges the source it took from the settings file.
    std::vector<std::string> panelExpected{"WM_COMMAND 40113 0 posted"};
    ASSERT_TRUE(Eventually([&] { return PanelLog() == panelExpected; })) << Joined(PanelLog());
    for (const Exchange& e : kExchanges) {
        SCOPED_TRACE(e.tvLogs);
        const RunResult r =
            e.send ? Drive({"send", kTvClass, kTvTitle, std::to_string(kWmCommand), std::to_string(e.id),
                            std::to_string(e.lParam)})
                   : Drive({"command", kTvClass, kTvTitle, std::to_string(e.id), std::to_string(e.lParam)});
        ASSERT_EQ(r.exitCode, 0);
        if (e.send) {
            EXPECT_EQ(r.output, "0\n");  // the handler's result
        }

        tvExpected.push_back(e.tvLogs);
        if (e.panelGets != nullptr) panelExpected.push_back(e.panelGets);
        ASSERT_TRUE(Eventually([&] { return TvLog() == tvExpected; })) << Joined(TvLog());
        // A sent 42227 is answered before the send returns.
        if (e.send && e.id == 42227) {
            EXPECT_EQ(PanelLog(), panelExpected);
        }
        ASSERT_TRUE(Eventually([&] { return PanelLog() == panelExpected; })) << Joined(PanelLog());
    }
    EXPECT_EQ(TvLog(), tvExpected);
    EXPECT_EQ(PanelLog(), panelExpected);
}

struct FmCase {
    const char* settingsFile;  // win.ini [AP] QorSettingIniFile
    long long frequency;       // 100 kHz units
};

const FmCase kFmCases[] = {
    {"QorSFile.ini", 905},
    {"QorSFile.ini", 1080},
    {"Other.ini", 760},  // the name is read again for every write
};

TEST_F(VideoStandIn, StoresTheFmFrequencyInTheSettingsFileWinIniNames) {
    for (const FmCase& c : kFmCases) {
        SCOPED_TRACE(std::string(c.settingsFile) + " " + std::to_string(c.frequency));
        ASSERT_EQ(Drive({"winini-set", "AP", "QorSettingIniFile", c.settingsFile}).exitCode, 0);
        ASSERT_EQ(Drive({"command", kTvClass, kTvTitle, "2017", std::to_string(c.frequency)}).exitCode, 0);
        const std::string ini = WinePath((dir_ / c.settingsFile).string());
        const std::string expected = std::to_string(c.frequency) + "\n";
        EXPECT_TRUE(Eventually([&] {
            return Drive({"profile-get", ini, "TVTuner", "FMChannel", "none"}).output == expected;
        }));
    }
    // The first file keeps the last value written to it.
    EXPECT_EQ(Drive({"profile-get", WinePath((dir_ / "QorSFile.ini").string()), "TVTuner", "FMChannel", "none"}).output,
              "1080\n");
    EXPECT_NE(ReadFile((dir_ / "Other.ini").string()).find("FMChannel=760"), std::string::npos);
}

struct WindowStep {
    std::vector<std::string> action;  // qordrive subcommand, after which CLASS TITLE and the rest follow
    const char* probe;                // qordrive subcommand that answers 1 or 0
    const char* expected;
};

const WindowStep kWindowSteps[] = {
    {{"show", "0"}, "visible", "0\n"},               // SW_HIDE
    {{"show", "5"}, "visible", "1\n"},               // SW_SHOW
    {{"set-topmost", "1"}, "topmost", "1\n"},
    {{"set-topmost", "0"}, "topmost", "0\n"},
    {{"command", "40214", "0"}, "iconic", "1\n"},    // minimize
    {{"show", "9"}, "iconic", "0\n"},                // SW_RESTORE
};

TEST_F(VideoStandIn, FollowsWindowRequestsFromOutside) {
    for (const WindowStep& s : kWindowSteps) {
        std::vector<std::string> args{s.action[0], kTvClass, kTvTitle};
        args.insert(args.end(), s.action.begin() + 1, s.action.end());
        SCOPED_TRACE(s.action[0] + " then " + s.probe);
        ASSERT_EQ(Drive(args).exitCode, 0);
        EXPECT_TRUE(Eventually([&] { return Drive({s.probe, kTvClass, kTvTitle}).output == s.expected; }));
    }
    const RunResult rect = Drive({"rect", kTvClass, kTvTitle});
    ASSERT_EQ(rect.exitCode, 0);
    int x = 0, y = 0, w = 0, h = 0;
    EXPECT_EQ(std::sscanf(rect.output.c_str(), "%d %d %d %d", &x, &y, &w, &h), 4) << rect.output;
    EXPECT_GT(w, 0);
    EXPECT_GT(h, 0);
}

TEST_F(VideoStandIn, ClosesOnWmClose) {
    ASSERT_EQ(Drive({"post", kTvClass, kTvTitle, std::to_string(kWmClose), "0", "0"}).exitCode, 0);
    EXPECT_EQ(Drive({"gone", kTvClass, kTvTitle, "10000"}).exitCode, 0);
    ASSERT_TRUE(tv_.WaitForExit(10000));
    EXPECT_EQ(tv_.ExitCode(), 0);
    EXPECT_EQ(TvLog(), std::vector<std::string>{"WM_CLOSE 0 0 posted"});
    // Nothing is left to command: the driver reports the window missing.
    EXPECT_EQ(Drive({"command", kTvClass, kTvTitle, "2002", "0"}).exitCode, 1);
}

}  // namespace
