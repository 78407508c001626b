// The program's start-up and end: power settings, INI paths, the frequency
// library, the hand-over to a running panel, the window and the loop.
#include <gtest/gtest.h>

#include "core/tests/PanelFixture.h"

namespace {

namespace win = platform::win;
using platform::PowerSetting;
using platform::fake::LoggedCommand;

class Startup : public testing::Test, public coretest::PanelWorld {
public:
    Startup() {
        Settings().WriteText("ZUNTO", "CountryCode", "49");  // no country dialog
        timers.SetHandler([this](WindowId w, std::uint32_t id) { windows.Send(w, win::kWmTimer, id, 0); });
    }
    using WindowId = platform::WindowId;
    int Run() { return core::RunPanel(services, session); }
    void PostToPanel(std::uint16_t id) { windows.Post(host.panel, win::kWmCommand, id, 0); }
};

TEST_F(Startup, PowerSettingsComeBackOnEveryWayOut) {
    struct Case {
        const char* name;
        std::function<void(Startup&)> arrange;
        int exitCode;
        bool message;
    } cases[] = {
        {"no frequency library", [](Startup& t) { t.host.libraryLoads = false; }, 0, true},
        {"no system directory", [](Startup& t) { t.files.SetSystemDirectory(""); }, 0, true},
        {"a panel runs already", [](Startup& t) { t.windows.Add(core::kPanelClass, core::kPanelTitle); }, 0, false},
        {"class registration fails", [](Startup& t) { t.host.classRegisters = false; }, 0, false},
        {"window creation fails", [](Startup& t) { t.host.windowCreates = false; }, 0, false},
        {"tray Close (32772)", [](Startup& t) { t.host.whileLooping = [&t] { t.PostToPanel(32772); }; }, 0, false},
        {"TV window program (105)", [](Startup& t) { t.host.whileLooping = [&t] { t.PostToPanel(105); }; }, 0, false},
        {"the system closes the window",
         [](Startup& t) { t.host.whileLooping = [&t] { t.host.DestroyPanel(); }; }, 0, false},
        {"quit without WM_DESTROY", [](Startup& t) { t.host.whileLooping = [&t] { t.host.PostQuit(3); }; }, 3, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Startup& t = *this;
        // A fresh world per case.
        t.host.libraryLoads = t.host.classRegisters = t.host.windowCreates = true;
        t.host.whileLooping = nullptr;
        t.host.quits.clear();
        t.host.messages.clear();
        t.files.SetSystemDirectory("C:\\WINDOWS\\SYSTEM32");
        if (const auto running = t.windows.Find(core::kPanelClass, core::kPanelTitle)) t.windows.Remove(running);
        t.system = platform::fake::FakeSystem();
        t.system.SeedPower(PowerSetting::ScreenSaveActive, 1);
        t.system.SeedPower(PowerSetting::LowPowerActive, 1);
        t.system.SeedPower(PowerSetting::PowerOffActive, 1);
        c.arrange(t);

        EXPECT_EQ(Run(), c.exitCode);

        using Set = std::pair<PowerSetting, int>;
        const std::vector<Set> expected = {
            {PowerSetting::PowerOffActive, 0}, {PowerSetting::LowPowerActive, 0}, {PowerSetting::ScreenSaveActive, 0},
            {PowerSetting::PowerOffActive, 1}, {PowerSetting::LowPowerActive, 1}, {PowerSetting::ScreenSaveActive, 1},
        };
        EXPECT_EQ(system.PowerSets(), expected);
        EXPECT_EQ(host.messages, c.message ? std::vector<std::string>{"Can't find frequency table!!"}
                                           : std::vector<std::string>{});
    }
}

TEST_F(Startup, SettingsThatWereOffStayOffAndAreWrittenBackAsOff) {
    system.SeedPower(PowerSetting::ScreenSaveActive, 0);
    system.SeedPower(PowerSetting::LowPowerActive, 1);
    system.SeedPower(PowerSetting::PowerOffActive, 0);
    host.whileLooping = [this] {
        EXPECT_EQ(system.Power(PowerSetting::LowPowerActive), 0);  // while the panel runs
        PostToPanel(32772);
    };
    EXPECT_EQ(Run(), 0);
    using Set = std::pair<PowerSetting, int>;
    EXPECT_EQ(system.PowerSets(), (std::vector<Set>{{PowerSetting::LowPowerActive, 0},
                                                    {PowerSetting::PowerOffActive, 0},
                                                    {PowerSetting::LowPowerActive, 1},
                                                    {PowerSetting::ScreenSaveActive, 0}}));
}

TEST_F(Startup, SecondInstanceHandsTheStoredSourceToTheRunningPanel) {
    struct Case {
        const char* inputSource;  // nullptr: missing
        std::uint16_t command;    // 0: nothing posted
    } cases[] = {{nullptr, 40034}, {"4", 40012}, {"5", 40039}, {"0", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.inputSource ? c.inputSource : "missing");
        Settings().DeleteKey("ZuntoCrossbar", "InputSource");
        if (c.inputSource) Settings().WriteText("ZuntoCrossbar", "InputSource", c.inputSource);
        const WindowId running = windows.Add(core::kPanelClass, core::kPanelTitle);
        host.steps.clear();

        EXPECT_EQ(Run(), 0);

        EXPECT_EQ(windows.Foreground(), running);
        EXPECT_EQ(windows.LastShow(running), win::kSwRestore);
        const auto sent = windows.CommandsTo(running);
        const std::vector<LoggedCommand> expected =
            c.command ? std::vector<LoggedCommand>{{c.command, 0, true}} : std::vector<LoggedCommand>{};
        EXPECT_EQ(sent, expected);
        EXPECT_TRUE(host.steps.empty());  // no class, no window
        windows.Remove(running);
    }
}

TEST_F(Startup, NormalStartInOrder) {
    system.SetScreen(1024, 768);
    parts.baseSize = {600, 150};
    files.SetSystemDirectory("C:\\WINNT\\System32");
    Run();
    EXPECT_EQ(files.CurrentDirectoryChanges(), std::vector<std::string>{coretest::kInstallDir});
    EXPECT_EQ(host.libraryPaths, std::vector<std::string>{"C:\\WINNT\\System32\\KvTV.dll"});
    // Layout before the window: its size comes from it.
    ASSERT_GE(parts.calls.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(parts.calls.begin(), parts.calls.begin() + 3),
              (std::vector<std::string>{"Bind", "LoadPanelLayout", "LoadMovedButtons(0)"}));
    EXPECT_EQ(host.createdX, 212);
    EXPECT_EQ(host.createdY, 578);
    EXPECT_EQ(host.createdW, 600);
    EXPECT_EQ(host.createdH, 150);
    EXPECT_EQ(host.steps, (std::vector<std::string>{"RegisterPanelClass", "CreatePanelWindow", "UpdatePanel",
                                                    "LoadAcceleratorTable", "RegisterPanelHotkey", "RunMessageLoop"}));
    EXPECT_EQ(timers.Period(host.panel, core::kClockTimer), 333u);
    EXPECT_EQ(mixer.calls.back(), "SetInputLineMute(0)");
    EXPECT_TRUE(parts.bound != nullptr);
}

TEST_F(Startup, AlwaysOnTopOnlyForExactlyTRUE) {
    struct Case {
        const char* value;
        bool topmost;
    } cases[] = {{"TRUE", true}, {"true", false}, {"FALSE", false}, {nullptr, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value ? c.value : "missing");
        Settings().DeleteKey("vemla", "AlwaysOnTop");
        if (c.value) Settings().WriteText("vemla", "AlwaysOnTop", c.value);
        Run();
        EXPECT_EQ(windows.Topmost(host.panel), c.topmost);
        windows.Remove(host.panel);
    }
}

TEST_F(Startup, ClockTimerDrawsEvery333Ms) {
    Settings().WriteText("CHANNELLIST", "ALREADYSCAN", "TRUE");  // no 6-second wait for a first scan
    host.whileLooping = [this] {
        timers.Advance(1000);
        PostToPanel(32772);
    };
    Run();
    EXPECT_EQ(parts.Count("DrawClock"), 3);
}

TEST(IniPath, BuiltFromTheInstallationDirectoryAndKeptTo499Characters) {
    EXPECT_EQ(core::BuildIniPath("C:\\Glimvale", "QorSFile.ini"), "C:\\Glimvale\\QorSFile.ini");
    EXPECT_EQ(core::BuildIniPath("C:\\Glimvale", ""), "C:\\Glimvale\\");
    EXPECT_EQ(core::BuildIniPath("", "QorPFile.ini"), "\\QorPFile.ini");
    const std::string dir(259, 'd'), name(259, 'n');
    const std::string path = core::BuildIniPath(dir, name);
    EXPECT_EQ(path.size(), 499u);
    EXPECT_EQ(path, (dir + "\\" + name).substr(0, 499));
}

TEST(PanelPlace, CentredAboveTheBottom) {
    const core::PanelPlacement p = core::PlacePanel(1024, 768, {600, 150});
    EXPECT_EQ(p.x, 212);
    EXPECT_EQ(p.y, 578);
    const core::PanelPlacement odd = core::PlacePanel(1023, 600, {547, 176});
    EXPECT_EQ(odd.x, 511 - 273);
    EXPECT_EQ(odd.y, 600 - 176 - 40);
}

}  // namespace
