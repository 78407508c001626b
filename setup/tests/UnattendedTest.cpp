// "SETUP.EXE /S": the command line, a whole run and its failures.
#include <gtest/gtest.h>

#include "setup/InstallFlow.h"
#include "setup/SetupApp.h"
#include "setup/tests/SetupFixture.h"

namespace {

using setup::testing::SetupWorld;

struct ParseCase {
    const char* commandLine;
    bool unattended;
    const char* directory;
    const char* logFile;
    bool error;
};

class Parse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(Parse, ReadsTheOptions) {
    const ParseCase& c = GetParam();
    const auto options = setup::ParseUnattended(c.commandLine);
    ASSERT_EQ(options.has_value(), c.unattended);
    if (!options) return;
    EXPECT_EQ(options->directory, c.directory);
    EXPECT_EQ(options->logFile, c.logFile);
    EXPECT_EQ(!options->error.empty(), c.error) << options->error;
}

INSTANTIATE_TEST_SUITE_P(CommandLines, Parse, ::testing::Values(
    ParseCase{"", false, "", "", false},
    ParseCase{"C:\\somewhere", false, "", "", false},            // the interactive installer ignores it
    ParseCase{"/S", true, "", "", false},
    ParseCase{"  /s  ", true, "", "", false},
    ParseCase{"/S /D=C:\\Program Files\\TV Drovan", true, "C:\\Program Files\\TV Drovan", "", false},
    ParseCase{"/S /LOG=C:\\setup.log /d=D:\\TV ", true, "D:\\TV", "C:\\setup.log", false},
    ParseCase{"/LOG=\"C:\\My Logs\\setup.log\" /S", true, "", "C:\\My Logs\\setup.log", false},
    ParseCase{"/S /D=\"E:\\a b\"", true, "E:\\a b", "", false},
    ParseCase{"/D=C:\\x /S", false, "", "", false},              // /D= takes the rest of the line
    ParseCase{"/S /Q", true, "", "", true},
    ParseCase{"/S /LOG=", true, "", "", true},
    ParseCase{"/S /D=", true, "", "", true}));

class Unattended : public ::testing::Test {
protected:
    void SetUp() override {
        w.system.moduleFileName = "D:\\SETUP.EXE";
        w.registry.AddKey(platform::RegRoot::ClassesRoot, "BDATuner.ChannelTuneRequest.1\\CLSID");
        w.registry.SetText(platform::RegRoot::CurrentUser,
                           "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Desktop",
                           "C:\\Desktop");
        w.files.AddDrive("D:", 1ull << 30);
        for (const auto& row : setup::InstallManifest()) {
            w.files.PutText(std::string("D:\\") + row.sourceName, std::string("content of ") + row.sourceName);
        }
        w.files.PutText("D:\\panelbmp1\\panel.bmp", "skin");
        w.files.MakeDirectories("C:\\Program Files");
        w.files.AddDrive("R:", 1 << 20);
        w.files.SetDriveWriteProtected("R:", true);
    }
    setup::CSetupApp::Start Run(const std::string& commandLine) {
        setup::CSetupApp app(w.services);
        return app.InitInstance(commandLine);
    }
    std::string Log() { return w.files.Text("C:\\setup.log").value_or("<no log>"); }
    bool Logged(const std::string& line) { return Log().find(line + "\r\n") != std::string::npos; }

    SetupWorld w;
};

TEST_F(Unattended, InstallsWithoutAnyWindowAndLogsEveryFileAndValue) {
    const auto start = Run("/S /LOG=C:\\setup.log /D=C:\\Program Files\\TV");
    EXPECT_FALSE(start.runMessageLoop);
    EXPECT_EQ(start.exitCode, setup::kExitInstalled);
    EXPECT_TRUE(w.boxes.shown.empty());
    EXPECT_TRUE(w.dialogs.events.empty());
    EXPECT_TRUE(w.system.events.empty());   // never restarts

    EXPECT_EQ(w.files.Text("C:\\Program Files\\TV\\QOR.exe"), "content of QOR.ex_");
    EXPECT_TRUE(w.files.IsDirectory("C:\\Program Files\\TV\\panelbmp3"));
    for (const char* line : {
             "Installing to C:\\Program Files\\TV",
             "Copied D:\\SETUP.EXE to C:\\Program Files\\TV\\UNINSTAL.EXE",
             "Copied D:\\SETUP.EXE to C:\\WINDOWS\\SYSTEM32\\UNINSTAL.EXE",
             "Copied D:\\QorSFile.ini to C:\\Program Files\\TV\\QorSFile.ini",
             "Copied D:\\panelbmp1\\panel.bmp to C:\\Program Files\\TV\\panelbmp1\\panel.bmp",
             "INI DevCap.ini [Path] Path=C:\\Program Files\\TV",
             "INI win.ini [AP] 222APDirectory=C:\\Program Files\\TV",
             "INI win.ini [AP] QorPanelIniFile=QorPFile.ini",
             "INI win.ini [AP] QorSettingIniFile=QorSFile.ini",
             "Registry HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run \"KVRemote\" = "
             "\"C:\\WINDOWS\\SYSTEM32\\remote.exe\"",
             "Registry HKEY_USERS\\.Default\\Software\\Kestrova \"KestrovaSuite\" = \"C:\\Program Files\\TV\\QOR.EXE\"",
             "Registry HKEY_CURRENT_USER\\SOFTWARE\\Hollecraft\\filter\\htMpeg2VideoDecoder \"AspectRatio\" = dword:0",
             "Registry HKEY_CURRENT_USER\\SOFTWARE\\Hollecraft\\filter\\HT MPEG Video Decoder \"AspectRatio\" = dword:0",
             "Registry HKEY_LOCAL_MACHINE\\SOFTWARE\\MICROSOFT\\WINDOWS\\CURRENTVERSION\\RUN \"Vespero\" = "
             "\"\"C:\\Program Files\\TV\\Vespero.exe\"\"",
             "Shortcut C:\\Desktop\\TV Drovan.lnk",
             "Installation complete",
         }) {
        EXPECT_TRUE(Logged(line)) << line << "\n--- log:\n" << Log();
    }
    EXPECT_EQ(w.registry.ReadString(platform::RegRoot::Users, ".Default\\Software\\Kestrova", "KestrovaSuite"),
              "C:\\Program Files\\TV\\QOR.EXE");
}

TEST_F(Unattended, TakesTheDefaultDestinationWithoutD) {
    w.system.environment["ProgramFiles"] = "C:\\Program Files";
    EXPECT_EQ(Run("/S /LOG=C:\\setup.log").exitCode, setup::kExitInstalled);
    EXPECT_TRUE(w.files.IsFile("C:\\Program Files\\TV Drovan\\QOR.exe"));
}

struct FailureCase {
    const char* name;
    const char* commandLine;
    void (*arrange)(SetupWorld&);
    int exitCode;
    const char* logLine;
};

class UnattendedFailure : public Unattended, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(UnattendedFailure, EndsWithItsCodeAndALogLineAndRegistersNothing) {
    const FailureCase& c = GetParam();
    if (c.arrange) c.arrange(w);
    const auto start = Run(c.commandLine);
    EXPECT_FALSE(start.runMessageLoop);
    EXPECT_EQ(start.exitCode, c.exitCode);
    EXPECT_TRUE(Logged(c.logLine)) << Log();
    EXPECT_TRUE(w.boxes.shown.empty());
    EXPECT_FALSE(w.registry.KeyExists(platform::RegRoot::Users, ".Default\\Software\\Kestrova"));
    EXPECT_TRUE(w.profiles.WinIniFile().Text().empty());
    EXPECT_TRUE(w.system.events.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, UnattendedFailure, ::testing::Values(
    FailureCase{"unknown_option", "/S /LOG=C:\\setup.log /Q", nullptr, setup::kExitBadCommandLine,
                "Error: unknown option \"/Q\""},
    FailureCase{"old_directx", "/S /LOG=C:\\setup.log", [](SetupWorld& w) { w.directX.level = 0x700; },
                setup::kExitNoDirectX, "Error: DirectX 9 is not installed"},
    FailureCase{"no_tuning_key", "/S /LOG=C:\\setup.log",
                [](SetupWorld& w) { w.registry.Deny(platform::RegRoot::ClassesRoot, "BDATuner.ChannelTuneRequest.1"); },
                setup::kExitNoDirectX,
                "Message (DirectX Version:): For proper operation of this application software, please install DirectX 9 "
                "that come with this CD-even if you have previously installed other version of DirectX 9 on your "
                "system."},
    FailureCase{"relative_directory", "/S /LOG=C:\\setup.log /D=TV", nullptr, setup::kExitBadDestination,
                "Error: \"TV\" is not a full directory path below a drive"},
    FailureCase{"drive_root", "/S /LOG=C:\\setup.log /D=C:\\", nullptr, setup::kExitBadDestination,
                "Error: \"C:\\\" is not a full directory path below a drive"},
    FailureCase{"write_protected", "/S /LOG=C:\\setup.log /D=R:\\TV", nullptr, setup::kExitBadDestination,
                "Error: the directory R:\\TV cannot be created"},
    FailureCase{"file_in_use", "/S /LOG=C:\\setup.log /D=C:\\TV",
                [](SetupWorld& w) { w.versionInstall.Script("KvTV.dll", {platform::kVifFileInUse}); },
                setup::kExitCopyFailed, "Error: File C:\\WINDOWS\\SYSTEM32\\KvTV.dll in use."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Unattended, ACopyErrorStillRefreshesTheSkins) {
    w.versionInstall.Script("UNINSTAL.EXE", {platform::kVifSharingViolation});
    EXPECT_EQ(Run("/S /LOG=C:\\setup.log /D=C:\\TV").exitCode, setup::kExitCopyFailed);
    EXPECT_EQ(w.files.Text("C:\\TV\\panelbmp1\\panel.bmp"), "skin");
    EXPECT_TRUE(Logged("Error: copying stopped; nothing was registered"));
}

}  // namespace
