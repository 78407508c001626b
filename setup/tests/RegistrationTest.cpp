// The cleanup before copying and the registration after it.
#include <gtest/gtest.h>

#include "setup/Registration.h"
#include "setup/SetupApp.h"
#include "setup/tests/SetupFixture.h"

namespace {

using platform::RegRoot;
using setup::testing::SetupWorld;

constexpr char kEnum[] = "Enum\\Root\\Image\\";
constexpr char kClass[] = "System\\CurrentControlSet\\Services\\Class\\Image\\";

struct Device {
    const char* instance;
    const char* hardwareId;   // nullptr: no value
    const char* driver;       // nullptr: no value
};

struct CleanupCase {
    const char* name;
    std::vector<Device> devices;
    std::vector<std::string> driverKeys;      // present before
    std::vector<std::string> instancesLeft;   // afterwards
    std::vector<std::string> driverKeysLeft;
};

class PreInstall : public ::testing::TestWithParam<CleanupCase> {};

TEST_P(PreInstall, RemovesOnlyTheMarkedDevice) {
    const CleanupCase& c = GetParam();
    SetupWorld w;
    for (const auto& d : c.devices) {
        const std::string key = kEnum + std::string(d.instance);
        w.registry.AddKey(RegRoot::LocalMachine, key);
        if (d.hardwareId) w.registry.SetText(RegRoot::LocalMachine, key, "HardwareID", d.hardwareId);
        if (d.driver) w.registry.SetText(RegRoot::LocalMachine, key, "Driver", d.driver);
    }
    for (const auto& k : c.driverKeys) w.registry.AddKey(RegRoot::LocalMachine, kClass + k);
    w.registry.AddKey(RegRoot::LocalMachine, "System\\CurrentControlSet\\Services\\Class\\Imag");
    w.files.PutText("C:\\WINDOWS\\INF\\Kestrovacap7134.INF", "[Version]");
    setup::CMainFrame frame(w.files);

    setup::PreInstallCleanup(w.services, frame.directories);

    EXPECT_EQ(w.registry.SubKeys(RegRoot::LocalMachine, "Enum\\Root\\Image"), c.instancesLeft);
    EXPECT_EQ(w.registry.SubKeys(RegRoot::LocalMachine, "System\\CurrentControlSet\\Services\\Class\\Image"), c.driverKeysLeft);
    EXPECT_TRUE(w.registry.KeyExists(RegRoot::LocalMachine, "System\\CurrentControlSet\\Services\\Class\\Imag"));
    EXPECT_FALSE(w.files.Exists("C:\\WINDOWS\\INF\\Kestrovacap7134.INF"));
}

INSTANTIATE_TEST_SUITE_P(Cases, PreInstall, ::testing::Values(
    CleanupCase{"match", {{"0000", "OMSCAN", "Image\\0003"}}, {"0003", "0004"}, {}, {"0004"}},
    CleanupCase{"other_hardware", {{"0000", "OMSCANX", "Image\\0003"}, {"0001", "omscan", "Image\\0004"}},
                {"0003", "0004"}, {"0000", "0001"}, {"0003", "0004"}},
    CleanupCase{"no_hardware_id", {{"0002", nullptr, "Image\\0003"}}, {"0003"}, {"0002"}, {"0003"}},
    CleanupCase{"short_driver_value", {{"0005", "OMSCAN", "abc"}}, {"0003"}, {}, {"0003"}},
    CleanupCase{"empty_driver_value", {{"0005", "OMSCAN", ""}}, {"0003"}, {}, {"0003"}},
    CleanupCase{"driver_of_four", {{"0009", "OMSCAN", "0003"}}, {"0003"}, {}, {}},
    CleanupCase{"driver_too_long_for_its_buffer", {{"0001", "OMSCAN", "Image\\0123456789012345678901230003"}},
                {"0003"}, {}, {"0003"}},
    CleanupCase{"beyond_the_ten_instances", {{"0010", "OMSCAN", "Image\\0003"}}, {"0003"}, {"0010"}, {"0003"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PreInstallCleanupKeys, UsesTheSingleKeyDeleteOfTheFamily) {
    for (const bool nt : {true, false}) {
        SetupWorld w;
        w.registry.SetNtFamily(nt);
        const std::string key = kEnum + std::string("0000");
        w.registry.SetText(RegRoot::LocalMachine, key, "HardwareID", "OMSCAN");
        w.registry.SetText(RegRoot::LocalMachine, key, "Driver", "Image\\0001");
        w.registry.AddKey(RegRoot::LocalMachine, key + "\\Control");
        setup::CMainFrame frame(w.files);
        setup::PreInstallCleanup(w.services, frame.directories);
        EXPECT_EQ(w.registry.KeyExists(RegRoot::LocalMachine, key), nt) << "a key with subkeys stays on NT only";
    }
}

TEST(RegistryText, UnterminatedDataReadsAsATerminatedText) {
    SetupWorld w;
    w.registry.SetRaw(RegRoot::LocalMachine, "K", "V", {platform::fake::kRegSz, {'O', 'M', 'S', 'C', 'A', 'N'}});
    EXPECT_EQ(setup::ReadRegText(w.registry, RegRoot::LocalMachine, "K", "V", 32), "OMSCAN");
    EXPECT_EQ(setup::ReadRegText(w.registry, RegRoot::LocalMachine, "K", "V", 7), "OMSCAN");
    EXPECT_FALSE(setup::ReadRegText(w.registry, RegRoot::LocalMachine, "K", "V", 6).has_value());
}

class Registration : public ::testing::Test {
protected:
    void SetUp() override {
        frame.directories.installation = "C:\\Program Files\\TV Drovan";
        w.registry.SetText(RegRoot::CurrentUser, setup::kShellFoldersKey, "Desktop", "C:\\Documents\\Desktop");
    }
    SetupWorld w;
    setup::CMainFrame frame{w.files};
};

TEST_F(Registration, WritesItsValuesInOrderWithTheirTerminators) {
    setup::PostCopyRegistration(w.services, frame.directories);

    const std::vector<std::string> expected = {
        "create HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run",
        "string HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\KVRemote=C:\\WINDOWS\\SYSTEM32\\remote.exe",
        "create HKU\\.Default\\Software\\Kestrova",
        "string HKU\\.Default\\Software\\Kestrova\\KestrovaSuite=C:\\Program Files\\TV Drovan\\QOR.EXE",
        "create HKCU\\SOFTWARE\\Hollecraft\\filter\\htMpeg2VideoDecoder",
        "dword HKCU\\SOFTWARE\\Hollecraft\\filter\\htMpeg2VideoDecoder\\AspectRatio=0",
        "create HKCU\\SOFTWARE\\Hollecraft\\filter\\HT MPEG Video Decoder",
        "dword HKCU\\SOFTWARE\\Hollecraft\\filter\\HT MPEG Video Decoder\\AspectRatio=0",
        "string HKLM\\SOFTWARE\\MICROSOFT\\WINDOWS\\CURRENTVERSION\\RUN\\Vespero=\"C:\\Program Files\\TV Drovan\\Vespero.exe\"",
    };
    EXPECT_EQ(w.registry.Journal(), expected);

    const auto raw = w.registry.Raw(RegRoot::Users, setup::kSuiteKey, "KestrovaSuite");
    ASSERT_TRUE(raw.has_value());
    const std::string suite = "C:\\Program Files\\TV Drovan\\QOR.EXE";
    EXPECT_EQ(raw->data.size(), suite.size() + 1);
    EXPECT_EQ(raw->data.back(), 0);

    EXPECT_EQ(w.profiles.WinIniFile().Text(),
              "[AP]\r\n222APDirectory=C:\\Program Files\\TV Drovan\r\nQorPanelIniFile=QorPFile.ini\r\n"
              "QorSettingIniFile=QorSFile.ini\r\n");
}

TEST_F(Registration, StartsTheRemoteProgramThenTheFilterRegistrations) {
    setup::PostCopyRegistration(w.services, frame.directories);
    std::vector<std::string> commands;
    for (const auto& run : w.processes.runs) {
        commands.push_back(run.commandLine);
        EXPECT_EQ(run.show, platform::kSwHide);
    }
    const std::string sys = "C:\\WINDOWS\\SYSTEM32\\";
    EXPECT_EQ(commands, (std::vector<std::string>{
                            sys + "remote.exe",
                            sys + "regsvr32 /s HTFileW.ax",
                            sys + "regsvr32 /s HTMpegAE.ax",
                            sys + "regsvr32 /s HTMpegAD.ax",
                            sys + "regsvr32 /s HTMpgMux.ax",
                            sys + "regsvr32 /s HTMpegVD.ax",
                            sys + "regsvr32 /s HT_Asyn.ax",
                            sys + "regsvr32 /s HT_INVER.ax",
                        }));
}

TEST_F(Registration, BuildsTheProgramManagerGroupWhileTheIconsDialogShows) {
    setup::PostCopyRegistration(w.services, frame.directories);
    EXPECT_EQ(w.dde.events, (std::vector<std::string>{
                                "connect PROGMAN PROGMAN",
                                "execute [CreateGroup (TV Drovan)]",
                                "execute [AddItem (\"C:\\Program Files\\TV Drovan\\UNINSTAL.EXE\", TV Drovan Uninstall)]",
                                "execute [AddItem (\"C:\\Program Files\\TV Drovan\\QOR.exe\", TV Drovan)]",
                                "execute [AddItem (\"C:\\Program Files\\TV Drovan\\Vespero.EXE\", Schedule Recording)]",
                                "disconnect",
                            }));
    for (const auto& e : w.dde.executions) EXPECT_EQ(e.timeoutMs, 3000u);
    EXPECT_EQ(w.dialogs.events, (std::vector<std::string>{"show 139", "destroy 139"}));
}

TEST_F(Registration, MakesTheDesktopShortcutWithAltF5) {
    setup::PostCopyRegistration(w.services, frame.directories);
    ASSERT_EQ(w.links.order, std::vector<std::string>{"C:\\Documents\\Desktop\\TV Drovan.lnk"});
    const auto& link = w.links.links.begin()->second;
    EXPECT_EQ(link.target, "C:\\Program Files\\TV Drovan\\qor.exe");
    EXPECT_EQ(link.description, "TV Drovan");
    EXPECT_EQ(link.workingDirectory, "C:\\Program Files\\TV Drovan");
    EXPECT_EQ(link.hotkey, 0x474);
    EXPECT_EQ(link.arguments, "");
}

TEST_F(Registration, SkipsWhatItCannotReachAndGoesOn) {
    w.registry.Deny(RegRoot::LocalMachine, setup::kRunKey);
    w.registry.Deny(RegRoot::CurrentUser, setup::kShellFoldersKey);
    w.dde.serverAnswers = false;
    setup::PostCopyRegistration(w.services, frame.directories);
    EXPECT_FALSE(w.registry.Raw(RegRoot::LocalMachine, setup::kRunKey, "KVRemote").has_value());
    EXPECT_TRUE(w.links.order.empty());
    EXPECT_TRUE(w.dde.executions.empty());
    ASSERT_EQ(w.processes.runs.size(), 7u);   // no remote program, all seven filters
    EXPECT_TRUE(w.registry.Raw(RegRoot::Users, setup::kSuiteKey, "KestrovaSuite").has_value());
    EXPECT_EQ(w.registry.ReadDword(RegRoot::CurrentUser, "SOFTWARE\\Hollecraft\\filter\\HT MPEG Video Decoder", "AspectRatio"), 0u);
    EXPECT_EQ(w.profiles.WinIniFile().ReadText("AP", "QorSettingIniFile", "", 100), "QorSFile.ini");
}

TEST_F(Registration, ASecondInstallRewritesEverythingWithTheNewDirectory) {
    setup::PostCopyRegistration(w.services, frame.directories);
    frame.directories.installation = "D:\\TV";
    w.dde.executions.clear();
    setup::PostCopyRegistration(w.services, frame.directories);
    EXPECT_EQ(w.registry.ReadString(RegRoot::Users, setup::kSuiteKey, "KestrovaSuite"), "D:\\TV\\QOR.EXE");
    EXPECT_EQ(w.registry.ReadString(RegRoot::LocalMachine, "SOFTWARE\\MICROSOFT\\WINDOWS\\CURRENTVERSION\\RUN", "Vespero"),
              "\"D:\\TV\\Vespero.exe\"");
    EXPECT_EQ(w.profiles.WinIniFile().ReadText("AP", "222APDirectory", "", 260), "D:\\TV");
    ASSERT_EQ(w.dde.executions.size(), 4u);
    EXPECT_EQ(w.dde.executions[1].command, "[AddItem (\"D:\\TV\\UNINSTAL.EXE\", TV Drovan Uninstall)]");
}

TEST(ProgramManager, DeletingTheGroupSendsOneCommand) {
    SetupWorld w;
    setup::ProgramManagerGroup(w.services, "C:\\TV", 1);
    ASSERT_EQ(w.dde.executions.size(), 1u);
    EXPECT_EQ(w.dde.executions[0].command, "[DeleteGroup (TV Drovan)]");
}

TEST(ProgramManager, RowsWithoutItemOrMarkedDoNotCopyGiveNoItem) {
    SetupWorld w;
    static const setup::ManifestRecord rows[] = {
        {1, "a", "a.exe", setup::kDirInstall, "First", 0},
        {1, "b", "b.exe", setup::kDirInstall, "", 1},
        {1, "c", "c.exe", setup::kDirInstall, "DO NOT COPY", 1},
    };
    setup::ProgramManagerGroup(w.services, "C:\\TV", 0, rows);
    ASSERT_EQ(w.dde.executions.size(), 2u);
    EXPECT_EQ(w.dde.executions[1].command, "[AddItem (\"C:\\TV\\a.exe\", First)]");
}

TEST(ShellLink, ANameBeyondItsBufferIsRefusedNotCut) {
    platform::fake::FakeShellLinks links;
    const std::string longName = "C:\\" + std::string(256, 'd') + "\\TV Drovan.lnk";
    EXPECT_NE(setup::CreateShellLink(links, "C:\\TV\\qor.exe", longName, "TV Drovan", "C:\\TV"), 0);
    EXPECT_TRUE(links.order.empty());
    EXPECT_EQ(setup::CreateShellLink(links, "C:\\TV\\qor.exe", "C:\\D\\TV Drovan.lnk", "TV Drovan", "C:\\TV"), 0);
    EXPECT_EQ(links.links["C:\\D\\TV Drovan.lnk"].hotkey, setup::kShortcutHotkey);
}

}  // namespace
