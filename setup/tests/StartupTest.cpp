// Start-up decisions: family flag, source directory, mode, relocation of the
// uninstaller, the DirectX check and the restart.
#include <gtest/gtest.h>

#include "setup/SetupApp.h"
#include "setup/SetupText.h"
#include "setup/tests/SetupFixture.h"

namespace {

using setup::testing::SetupWorld;

struct VersionCase {
    std::uint32_t word;
    int nt;
};

class NtFamily : public ::testing::TestWithParam<VersionCase> {};

TEST_P(NtFamily, FromTheVersionWord) { EXPECT_EQ(setup::NtFamilyFlag(GetParam().word), GetParam().nt); }

INSTANTIATE_TEST_SUITE_P(Words, NtFamily, ::testing::Values(
    VersionCase{0xC0000A04, 0},   // Windows 98: 4.10 with the high bits set
    VersionCase{0xC0005A04, 0},   // Windows Me: 4.90
    VersionCase{0x05000A04, 1},   // minor 10 with top byte 5
    VersionCase{0x80005A04, 1},   // minor 90 without top byte 0xC0
    VersionCase{0x0A280105, 1},   // Windows XP 5.1
    VersionCase{0x23F00206, 1},   // 6.2
    VersionCase{0xC0000004, 1})); // Windows 95

struct SourceCase {
    const char* module;
    const char* source;
};

class SourceDir : public ::testing::TestWithParam<SourceCase> {};

TEST_P(SourceDir, DriveAndDirectoryWithoutTrailingBackslash) {
    EXPECT_EQ(setup::SourceDirectory(GetParam().module), GetParam().source);
}

INSTANTIATE_TEST_SUITE_P(Paths, SourceDir, ::testing::Values(
    SourceCase{"D:\\SETUP.EXE", "D:"},                          // a drive root gives letter and colon
    SourceCase{"D:\\disk1\\SETUP.EXE", "D:\\disk1"},
    SourceCase{"C:\\Program Files\\TV Drovan\\UNINSTAL.EXE", "C:\\Program Files\\TV Drovan"},
    SourceCase{"\\\\server\\share\\SETUP.EXE", "\\\\server\\share"},
    SourceCase{"E:/cd/setup.exe", "E:/cd"}));

struct ModeCase {
    const char* module;
    const char* commandLine;
    setup::SetupMode mode;
};

class Mode : public ::testing::TestWithParam<ModeCase> {};

TEST_P(Mode, FromNameAndCommandLine) {
    const ModeCase& c = GetParam();
    EXPECT_EQ(setup::DecideMode(setup::ExecutableBaseName(c.module), c.commandLine), c.mode);
}

INSTANTIATE_TEST_SUITE_P(Table, Mode, ::testing::Values(
    ModeCase{"C:\\WINDOWS\\UNINSTAL.EXE", "", setup::SetupMode::Relocate},
    ModeCase{"C:\\TV\\uninstal.exe", "", setup::SetupMode::Relocate},
    ModeCase{"C:\\WINDOWS\\Uninstal.Exe", "C:\\Program Files\\TV Drovan", setup::SetupMode::Uninstall},
    ModeCase{"C:\\WINDOWS\\UNINSTAL.EXE", "/S", setup::SetupMode::Uninstall},
    ModeCase{"D:\\SETUP.EXE", "", setup::SetupMode::Install},
    ModeCase{"D:\\SETUP.EXE", "C:\\somewhere", setup::SetupMode::Install},
    ModeCase{"D:\\UNINSTALL.EXE", "", setup::SetupMode::Install},
    ModeCase{"D:\\UNINSTAL.BAK.EXE", "", setup::SetupMode::Install}));

class Relocation : public ::testing::Test {
protected:
    void SetUp() override {
        w.files.MakeDirectories("C:\\Program Files\\TV Drovan");
        w.files.SetCurrentDirectory("C:\\Program Files\\TV Drovan");
        w.system.moduleFileName = "C:\\Program Files\\TV Drovan\\UNINSTAL.EXE";
    }
    std::vector<std::uint8_t> Program(std::size_t size) {
        std::vector<std::uint8_t> bytes(size);
        for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
        return bytes;
    }
    SetupWorld w;
};

TEST_F(Relocation, CopiesTheWholeProgramOverALongerOldCopyAndStartsIt) {
    const auto program = Program(700000);   // beyond 640 KiB
    w.files.PutFile("C:\\Program Files\\TV Drovan\\uninstal.exe", program);
    w.files.PutFile("C:\\WINDOWS\\uninstal.exe", Program(1000000));
    w.boxes.answers = {platform::kIdOk};

    setup::CSetupApp app(w.services);
    const auto start = app.InitInstance("");

    EXPECT_FALSE(start.runMessageLoop);
    ASSERT_EQ(w.boxes.shown.size(), 1u);
    EXPECT_EQ(w.boxes.shown[0].text, "This will remove TV Drovan. Make sure you are not running TV Drovan Application.");
    EXPECT_EQ(w.boxes.shown[0].caption, "Confirm File Deletion");
    EXPECT_EQ(w.boxes.shown[0].style, platform::kMbOkCancel | platform::kMbIconQuestion | platform::kMbDefButton2);
    EXPECT_EQ(w.files.ReadAll("C:\\WINDOWS\\uninstal.exe"), program);
    ASSERT_FALSE(w.processes.runs.empty());
    EXPECT_EQ(w.processes.runs.back().commandLine, "C:\\WINDOWS\\uninstal C:\\Program Files\\TV Drovan");
    EXPECT_EQ(w.processes.runs.back().show, platform::kSwHide);
}

struct RelocationStop {
    const char* name;
    int answer;
    bool sourcePresent;
    bool targetReadOnly;
};

class RelocationStops : public Relocation, public ::testing::WithParamInterface<RelocationStop> {};

TEST_P(RelocationStops, NothingStarts) {
    const RelocationStop& c = GetParam();
    if (c.sourcePresent) w.files.PutFile("C:\\Program Files\\TV Drovan\\uninstal.exe", Program(100));
    if (c.targetReadOnly) w.files.PutFile("C:\\WINDOWS\\uninstal.exe", Program(5), platform::kAttrReadOnly);
    w.boxes.answers = {c.answer};
    setup::CSetupApp app(w.services);
    EXPECT_FALSE(app.InitInstance("").runMessageLoop);
    for (const auto& run : w.processes.runs) EXPECT_EQ(run.commandLine.find("uninstal "), std::string::npos) << run.commandLine;
}

INSTANTIATE_TEST_SUITE_P(Cases, RelocationStops, ::testing::Values(
    RelocationStop{"cancel", platform::kIdCancel, true, false},
    RelocationStop{"no_program_here", platform::kIdOk, false, false},
    RelocationStop{"windows_copy_not_writable", platform::kIdOk, true, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Startup, UnregistersOldFiltersInEveryModeAndKeepsTheUninstallDirectory) {
    SetupWorld w;
    w.system.moduleFileName = "C:\\WINDOWS\\UNINSTAL.EXE";
    setup::CSetupApp app(w.services);
    const auto start = app.InitInstance("C:\\Program Files\\TV Drovan");

    EXPECT_TRUE(start.runMessageLoop);
    EXPECT_EQ(start.frameShowCommand, platform::kSwHide);
    EXPECT_EQ(app.uninstallMode, 1);
    EXPECT_EQ(app.commandLine, "C:\\Program Files\\TV Drovan");
    ASSERT_EQ(w.processes.runs.size(), 2u);
    EXPECT_EQ(w.processes.runs[0].commandLine,
              "C:\\WINDOWS\\SYSTEM32\\regsvr32 -u -s C:\\WINDOWS\\SYSTEM32\\HTM1_REC.AX");
    EXPECT_EQ(w.processes.runs[1].commandLine,
              "C:\\WINDOWS\\SYSTEM32\\regsvr32 -u -s C:\\WINDOWS\\SYSTEM32\\htmpeg2enc.ax");
    EXPECT_TRUE(w.boxes.shown.empty());
}

// The DirectX level and the first subkey of the tuning key decide; each
// failure shows its own message and ends the program.
struct DirectXCase {
    std::uint32_t level;
    const char* firstSubkey;   // nullptr: the key is missing
    bool passes;
    unsigned message;
};

class DirectXCheck : public ::testing::TestWithParam<DirectXCase> {};

TEST_P(DirectXCheck, Decides) {
    const DirectXCase& c = GetParam();
    SetupWorld w;
    w.directX.level = c.level;
    if (c.firstSubkey) {
        w.registry.AddKey(platform::RegRoot::ClassesRoot, std::string("BDATuner.ChannelTuneRequest.1\\") + c.firstSubkey);
        w.registry.AddKey(platform::RegRoot::ClassesRoot, "BDATuner.ChannelTuneRequest.1\\zzz");
    }
    setup::CSetupApp app(w.services);
    const auto start = app.InitInstance("");
    EXPECT_EQ(start.runMessageLoop, c.passes);
    if (c.passes) {
        EXPECT_EQ(start.frameShowCommand, platform::kSwShow);
        EXPECT_TRUE(w.boxes.shown.empty());
    } else {
        ASSERT_EQ(w.boxes.shown.size(), 1u);
        EXPECT_EQ(w.boxes.shown[0].text, setup::EnglishString(c.message));
        EXPECT_EQ(w.boxes.shown[0].caption, "DirectX Version:");
        EXPECT_EQ(w.boxes.shown[0].style, platform::kMbIconInformation);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, DirectXCheck, ::testing::Values(
    DirectXCase{0x800, "CLSID", true, 0},
    DirectXCase{0x800, "CLSIDextra", true, 0},
    DirectXCase{0x800, "clsid", false, setup::kIdsInstallDirectX9},   // the comparison keeps case
    DirectXCase{0x800, "CLSI", false, setup::kIdsInstallDirectX9},
    DirectXCase{0x800, nullptr, false, setup::kIdsInstallDirectX9},
    DirectXCase{0x700, "CLSID", false, setup::kIdsNeedDirectX9},
    DirectXCase{0x601, "CLSID", false, setup::kIdsNeedDirectX9},
    DirectXCase{0, nullptr, false, setup::kIdsNeedDirectX9}));

TEST(DirectXMessages, ComeFromTheStringTableWhenItHasThem) {
    SetupWorld w;
    w.directX.level = 0x500;
    w.strings.strings[setup::kIdsNeedDirectX9] = "Bitte DirectX 9 installieren";
    EXPECT_FALSE(setup::CheckDirectX(w.services));
    ASSERT_EQ(w.boxes.shown.size(), 1u);
    EXPECT_EQ(w.boxes.shown[0].text, "Bitte DirectX 9 installieren");
}

TEST(SystemLanguage, BytesOfTheFirstTranslation) {
    SetupWorld w;
    w.system.languages["C:\\WINDOWS\\SYSTEM32\\USER.EXE"] = 0x0411;
    const auto lang = setup::SystemLanguage(w.system, "C:\\WINDOWS\\SYSTEM32");
    ASSERT_TRUE(lang.has_value());
    EXPECT_EQ(lang->primary, 17);
    EXPECT_EQ(lang->secondary, 4);
    EXPECT_FALSE(setup::SystemLanguage(w.system, "C:\\OTHER").has_value());
}

struct RestartCase {
    bool rebootWorks;
    bool tokenOpens;
    std::vector<std::string> events;
};

class Restart : public ::testing::TestWithParam<RestartCase> {};

TEST_P(Restart, TriesOnceMoreWithThePrivilege) {
    platform::fake::FakeSetupSystem system;
    system.rebootWorks = GetParam().rebootWorks;
    system.tokenOpens = GetParam().tokenOpens;
    setup::RestartWindows(system);
    EXPECT_EQ(system.events, GetParam().events);
}

INSTANTIATE_TEST_SUITE_P(Cases, Restart, ::testing::Values(
    RestartCase{true, true, {"reboot"}},
    RestartCase{false, true, {"reboot", "privilege", "reboot"}},
    RestartCase{false, false, {"reboot", "privilege"}}));

}  // namespace
