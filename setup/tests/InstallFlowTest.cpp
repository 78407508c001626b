// The install flow's order and the background window's decisions.
#include <gtest/gtest.h>

#include "setup/InstallFlow.h"
#include "setup/SetupApp.h"
#include "setup/tests/SetupFixture.h"

namespace {

using setup::testing::SetupWorld;

class ScriptedUi final : public setup::InstallFlowUi {
public:
    ScriptedUi(int wizard, int copy) : wizard_(wizard), copy_(copy) {}
    int RunInstallWizard() override {
        steps.push_back("wizard");
        return wizard_;
    }
    int RunCopyDialog(const std::string& destination) override {
        steps.push_back("copy " + destination);
        return copy_;
    }
    void RunCompleteSheet() override { steps.push_back("complete"); }
    void CloseBackground() override { steps.push_back("close"); }
    std::vector<std::string> steps;

private:
    int wizard_, copy_;
};

struct FlowCase {
    const char* name;
    int wizard;
    int copy;
    std::vector<std::string> steps;
    bool registered;
};

class Flow : public ::testing::TestWithParam<FlowCase> {};

TEST_P(Flow, RunsItsStepsInOrder) {
    const FlowCase& c = GetParam();
    SetupWorld w;
    w.registry.SetText(platform::RegRoot::LocalMachine, "Enum\\Root\\Image\\0000", "HardwareID", "OMSCAN");
    setup::CMainFrame frame(w.files);
    frame.directories.installation = "C:\\TV Drovan";
    setup::CDestinationDlg destination(w.services, frame.directories);
    destination.SetPath("C:\\TV Drovan");
    ScriptedUi ui(c.wizard, c.copy);

    setup::RunInstallFlow(w.services, frame.directories, destination, ui);

    EXPECT_EQ(ui.steps, c.steps);
    EXPECT_EQ(w.registry.KeyExists(platform::RegRoot::LocalMachine, "Enum\\Root\\Image\\0000"), c.wizard != 1)
        << "the cleanup runs exactly when the wizard ends with 1";
    EXPECT_EQ(w.registry.KeyExists(platform::RegRoot::Users, ".Default\\Software\\Kestrova"), c.registered);
}

INSTANTIATE_TEST_SUITE_P(Cases, Flow, ::testing::Values(
    FlowCase{"wizard_closed", 2, 1, {"wizard", "close"}, false},
    FlowCase{"copy_aborted", 1, 2, {"wizard", "copy C:\\TV Drovan", "close"}, false},
    FlowCase{"complete", 1, 1, {"wizard", "copy C:\\TV Drovan", "complete", "close"}, true}),
    [](const auto& info) { return std::string(info.param.name); });

// Windows found by title; every message sent is recorded.
class TitledWindows final : public platform::Windows {
public:
    platform::WindowId Find(const std::string&, const std::string& title) override {
        auto it = byTitle.find(title);
        return it == byTitle.end() ? 0 : it->second;
    }
    bool Post(platform::WindowId, std::uint32_t, std::uintptr_t, std::intptr_t) override { return true; }
    std::intptr_t Send(platform::WindowId w, std::uint32_t msg, std::uintptr_t, std::intptr_t) override {
        sent.push_back({w, msg});
        return 0;
    }
    void Show(platform::WindowId, int) override {}
    void SetForeground(platform::WindowId) override {}
    void SetTopmost(platform::WindowId, bool) override {}
    void SetFocus(platform::WindowId) override {}
    bool Exists(platform::WindowId) override { return true; }
    std::map<std::string, platform::WindowId> byTitle;
    std::vector<std::pair<platform::WindowId, std::uint32_t>> sent;
};

TEST(Background, TellsTheScheduleProgramAndPicksItsTimer) {
    SetupWorld w;
    setup::CMainFrame frame(w.files);
    EXPECT_EQ(frame.directories.systemDrivers, "C:\\WINDOWS\\SYSTEM32\\drivers");
    EXPECT_EQ(frame.directories.inf, "C:\\WINDOWS\\INF");
    TitledWindows windows;
    EXPECT_EQ(frame.OnCreate(windows, 0xC123, 0), setup::CMainFrame::kInstallTimer);
    EXPECT_TRUE(windows.sent.empty());
    windows.byTitle["Schedule Recording"] = 7;
    windows.byTitle["creatshu"] = 9;
    EXPECT_EQ(frame.OnCreate(windows, 0xC123, 1), setup::CMainFrame::kUninstallTimer);
    frame.OnDestroy(windows);
    EXPECT_EQ(windows.sent, (std::vector<std::pair<platform::WindowId, std::uint32_t>>{{7, 0xC123}, {9, 0x0010}}));
}

TEST(Background, CoversTheScreenAndCentresThePicture) {
    EXPECT_EQ(setup::CMainFrame::TitleText(), "Kestrova TV Drovan 2.28.0.400 Setup.");
    const auto window = setup::CMainFrame::WindowRect(1024, 768, 1);
    EXPECT_EQ(window.left, -1);
    EXPECT_EQ(window.top, -1);
    EXPECT_EQ(window.width, 1027);
    EXPECT_EQ(window.height, 771);
    const auto picture = setup::CMainFrame::PictureRect(1025, 600);
    EXPECT_EQ(picture.left, 192);
    EXPECT_EQ(picture.top, 60);
    const auto small = setup::CMainFrame::PictureRect(600, 400);   // integer division toward zero
    EXPECT_EQ(small.left, -20);
    EXPECT_EQ(small.top, -40);
}

}  // namespace
