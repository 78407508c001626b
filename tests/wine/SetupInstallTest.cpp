// setup.exe from the distribution medium under Wine, in a Wine prefix of
// its own that is seeded like a machine with DirectX 9 and traces of an
// earlier capture driver:
//   - "SETUP.EXE /S /LOG=file /D=dir" installs without any window of its
//     own: every manifest file (compressed ones expanded), the skins, the
//     win.ini and DevCap.ini keys, the registry values, the shortcut with
//     its hotkey, the Program Manager group, the filter registrations, the
//     running remote program, the earlier driver's traces gone, and a log
//     that lists it all;
//   - unattended runs that cannot install end with their code and log line;
//   - "UNINSTAL.EXE" without arguments copies itself to the Windows
//     directory only when the user confirms;
//   - the interactive wizard driven through its pages to Setup Complete,
//     its texts and buttons read through setupprobe.
// And, without Wine, the program's resources: every dialog and string in
// the nine languages with the same controls, the translations intact.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "setup/Manifest.h"
#include "setup/SetupText.h"
#include "setup/Szdd.h"
#include "tests/wine/DesktopTest.h"
#include "tests/wine/WineRun.h"

namespace fs = std::filesystem;
using namespace winetest;

namespace {

constexpr const char* kRunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr int kPsmPressButton = 0x471;   // PSM_PRESSBUTTON
constexpr int kPsbtnNext = 1;
constexpr int kPsbtnFinish = 2;
constexpr int kPsbtnCancel = 5;
constexpr int kIdOk = 1;

std::string Trimmed(std::string s) {
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r')) s.pop_back();
    return s;
}

std::vector<std::uint8_t> Bytes(const fs::path& p) {
    const std::string s = ReadFile(p.string());
    return {s.begin(), s.end()};
}

std::string MediumDir() {
    const char* env = std::getenv("QOR_SETUP_MEDIUM");
    return env != nullptr ? env : (fs::path(Win64BinDir()) / ".." / "medium").lexically_normal().string();
}

// Words of a command line as Wine passes them on: a directory with blanks
// given as several words reaches the program as one unquoted text.
std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    std::string word;
    for (char c : line + " ") {
        if (c != ' ') {
            word += c;
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    return words;
}

// A file of a directory found without regard to case, as Windows finds it.
std::optional<fs::path> FindNoCase(const fs::path& dir, const std::string& name) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(dir, ec)) {
        const std::string n = entry.path().filename().string();
        if (setup::UpperAscii(n) == setup::UpperAscii(name)) return entry.path();
    }
    return std::nullopt;
}

// The Wine prefix of these tests: made once with the desktop integration
// switched off, so that nothing the installer does reaches the real home
// directory, and seeded like a DirectX 9 machine.
class SetupPrefix {
public:
    static const std::string& Path() {
        static const std::string path = QOR_SETUP_WINEPREFIX;
        return path;
    }

    // Empty on success, else what went wrong.
    static std::string Prepare() {
        ::setenv("WINEPREFIX", Path().c_str(), 1);
        ::setenv("WINEDEBUG", "-all", 1);
        if (!fs::exists(fs::path(Path()) / "system.reg")) {
            fs::create_directories(Path());
            ::setenv("WINEDLLOVERRIDES", "mscoree,mshtml=;winemenubuilder.exe=d", 1);
            Run({"timeout", "-k", "5", "240", "/usr/lib/wine/wine64", "wineboot", "-i"});
            Run({"timeout", "120", "/usr/lib/wine/wineserver64", "-w"});
            if (!fs::exists(fs::path(Path()) / "system.reg")) return "the Wine prefix " + Path() + " cannot be made";
        }
        // The user's folders of a new prefix lead into the real home directory.
        for (const auto& user : fs::directory_iterator(fs::path(Path()) / "drive_c" / "users")) {
            for (const auto& entry : fs::directory_iterator(user.path())) {
                if (!entry.is_symlink()) continue;
                fs::remove(entry.path());
                fs::create_directory(entry.path());
            }
        }
        // Later runs go through qwine, which sets its own overrides.
        if (Drive({"reg-set-string", "HKCU", "Software\\Wine\\DllOverrides", "winemenubuilder.exe", ""}).exitCode != 0) {
            return "the prefix's registry cannot be written";
        }
        if (Drive({"reg-create", "HKCR", "BDATuner.ChannelTuneRequest.1\\CLSID"}).exitCode != 0) {
            return "the tuning key cannot be made";
        }
        return {};
    }

    static RunResult Drive(const std::vector<std::string>& args) {
        return RunWine(Win64BinDir() + "/qordrive.exe", args, 30);
    }

    static std::optional<std::string> Value(const std::vector<std::string>& args) {
        const RunResult r = Drive(args);
        if (r.exitCode != 0) return std::nullopt;
        return Trimmed(r.output);
    }

    // The Linux path of a "C:\..." path of the prefix.
    static fs::path Linux(const std::string& windowsPath) {
        std::string rest = windowsPath.substr(3);
        std::replace(rest.begin(), rest.end(), '\\', '/');
        return fs::path(Path()) / "drive_c" / rest;
    }
};

// Files the medium must hold: every manifest source and the skins.
std::vector<std::string> MissingFromMedium() {
    std::vector<std::string> missing;
    for (const setup::ManifestRecord& row : setup::InstallManifest()) {
        if (!fs::exists(fs::path(MediumDir()) / row.sourceName)) missing.push_back(row.sourceName);
    }
    for (auto dir : setup::kSkinDirectories) {
        for (auto name : setup::kSkinBitmaps) {
            const std::string rel = std::string(dir.substr(1)) + "/" + std::string(name);
            if (!fs::exists(fs::path(MediumDir()) / rel)) missing.push_back(rel);
        }
    }
    return missing;
}

std::string Listed(const std::vector<std::string>& names) {
    std::string all;
    for (const std::string& n : names) all += " " + n;
    return all;
}

// ---- the unattended install --------------------------------------------------

constexpr const char* kInstallDir = "C:\\Program Files\\TV Drovan Test";

class UnattendedInstall : public DesktopTest {
protected:
    void SetUp() override {
        DesktopTest::SetUp();
        if (HasFatalFailure()) return;
        if (!HaveDisplay()) GTEST_SKIP() << "no X display: the DirectX probe needs one";
        const auto missing = MissingFromMedium();
        ASSERT_TRUE(missing.empty()) << "the medium " << MediumDir() << " lacks" << Listed(missing)
                                     << ": build the target medium of the win64 preset";
        prepared_ = true;
        const std::string problem = SetupPrefix::Prepare();
        ASSERT_TRUE(problem.empty()) << problem;
    }

    void TearDown() override {
        if (prepared_) {
            // The prefix's next session must not start the suite's programs,
            // and nothing of this one (the remote program, the shell's group
            // window) outlives the test.
            SetupPrefix::Drive({"reg-delete-value", "HKLM", kRunKey, "KVRemote"});
            SetupPrefix::Drive({"reg-delete-value", "HKLM", "SOFTWARE\\MICROSOFT\\WINDOWS\\CURRENTVERSION\\RUN", "Vespero"});
            winetest::Run({"timeout", "30", "/usr/lib/wine/wineserver64", "-k"});   // the prefix is this test's own
        }
        DesktopTest::TearDown();
    }

    bool prepared_ = false;

    // Runs setup from the medium; the log goes to the test's folder.
    RunResult RunSetup(const std::string& options) {
        std::vector<std::string> args{"/S", "/LOG=" + WinePath((dir_ / "setup.log").string())};
        for (const std::string& w : Words(options)) args.push_back(w);
        return RunWine(MediumDir() + "/SETUP.EXE", args, 180);
    }

    std::vector<std::string> Log() { return LogBeside("setup.log"); }
    bool Logged(const std::string& line) {
        const auto lines = Log();
        return std::find(lines.begin(), lines.end(), line + "\r") != lines.end() ||
               std::find(lines.begin(), lines.end(), line) != lines.end();
    }
};

// What the prefix holds before the install: an earlier capture driver's
// instance and driver keys, an unrelated image device, the driver's INF
// file, and a read-only skin bitmap from an earlier install.
void SeedEarlierInstall() {
    const std::string inf = "C:\\windows\\INF\\Kestrovacap7134.INF";
    fs::create_directories(SetupPrefix::Linux("C:\\windows\\INF"));
    WriteFile(SetupPrefix::Linux(inf).string(), "[Version]\r\n");
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"reg-set-string", "HKLM", "Enum\\Root\\Image\\0003", "HardwareID", "OMSCAN"},
             {"reg-set-string", "HKLM", "Enum\\Root\\Image\\0003", "Driver", "Image\\0007"},
             {"reg-set-string", "HKLM", "System\\CurrentControlSet\\Services\\Class\\Image\\0007", "DriverDesc", "old"},
             {"reg-set-string", "HKLM", "Enum\\Root\\Image\\0004", "HardwareID", "OMSCAN2"},
         }) {
        ASSERT_EQ(SetupPrefix::Drive(args).exitCode, 0) << args[2];
    }
    const fs::path skin = SetupPrefix::Linux(std::string(kInstallDir) + "\\panelbmp1\\panel.bmp");
    fs::create_directories(skin.parent_path());
    fs::permissions(skin.parent_path(), fs::perms::owner_all, fs::perm_options::add);
    if (fs::exists(skin)) fs::permissions(skin, fs::perms::owner_write, fs::perm_options::add);
    WriteFile(skin.string(), "old skin");
    // Wine keeps the read-only attribute in the file's permissions.
    fs::permissions(skin, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}

TEST_F(UnattendedInstall, PutsEveryPartInPlaceWithoutAWindowAndLogsIt) {
    SeedEarlierInstall();
    if (HasFatalFailure()) return;
    const auto desktop = SetupPrefix::Value({"reg-get-string", "HKCU", kShellFolders, "Desktop"});
    ASSERT_TRUE(desktop.has_value()) << "the prefix names no desktop folder";
    const fs::path link = SetupPrefix::Linux(*desktop + "\\TV Drovan.lnk");
    fs::remove(link);

    // The run, watched for windows of its own.
    std::vector<std::string> args{"/S", "/LOG=" + WinePath((dir_ / "setup.log").string())};
    for (const std::string& w : Words(std::string("/D=") + kInstallDir)) args.push_back(w);
    BackgroundProcess setup = RunWineBackground(MediumDir() + "/SETUP.EXE", args, 180);
    ASSERT_TRUE(setup.Started());
    std::set<std::string> windowsSeen;
    while (!setup.WaitForExit(100)) {
        for (const auto& [cls, title] : std::vector<std::pair<std::string, std::string>>{
                 {"Kestrova Setup", "Setup"}, {"#32770", "Welcome"}, {"#32770", "Setup"}}) {
            if (SetupPrefix::Drive({"find", cls, title}).exitCode == 0) windowsSeen.insert(cls + " " + title);
        }
    }
    EXPECT_TRUE(windowsSeen.empty()) << "setup showed" << Listed({windowsSeen.begin(), windowsSeen.end()});
    ASSERT_EQ(setup.ExitCode(), 0) << Joined(Log());
    EXPECT_TRUE(Logged("Installation complete")) << Joined(Log());
    EXPECT_TRUE(Logged(std::string("Installing to ") + kInstallDir)) << Joined(Log());

    const std::string medium = WinePath(MediumDir());
    const auto dirOf = [](std::int32_t code) -> std::string {
        switch (code) {
        case setup::kDirWindows: return "C:\\windows";
        case setup::kDirSystem: return "C:\\windows\\system32";
        case setup::kDirInstall: return kInstallDir;
        default: return "C:\\windows\\system32\\drivers";
        }
    };

    // Every manifest row: the file, expanded when the source is compressed.
    for (const setup::ManifestRecord& row : setup::InstallManifest()) {
        SCOPED_TRACE(row.sourceName);
        const std::string target = dirOf(row.directoryCode) + "\\" + row.destName;
        const auto installed = FindNoCase(SetupPrefix::Linux(dirOf(row.directoryCode)), row.destName);
        ASSERT_TRUE(installed.has_value()) << target << " missing";
        const auto source = Bytes(fs::path(MediumDir()) / row.sourceName);
        const auto expected = setup::szdd::IsCompressed(source) ? setup::szdd::Expand(source) : source;
        ASSERT_TRUE(expected.has_value());
        EXPECT_TRUE(Bytes(*installed) == *expected) << target << " differs from its source";
        EXPECT_TRUE(Logged("Copied " + medium + "\\" + row.sourceName + " to " + target)) << Joined(Log());
    }
    // The skins, the read-only one of the earlier install replaced too.
    for (auto dir : setup::kSkinDirectories) {
        for (auto name : setup::kSkinBitmaps) {
            const std::string rel = std::string(dir) + "\\" + std::string(name);
            SCOPED_TRACE(rel);
            const fs::path installed = SetupPrefix::Linux(kInstallDir + rel);
            std::string slashed = rel.substr(1);
            std::replace(slashed.begin(), slashed.end(), '\\', '/');
            EXPECT_TRUE(Bytes(installed) == Bytes(fs::path(MediumDir()) / slashed));
            EXPECT_TRUE(Logged("Copied " + medium + rel + " to " + kInstallDir + rel));
        }
    }

    // The profile keys.
    struct IniValue {
        std::vector<std::string> query;
        std::string expected;
        std::string logLine;
    };
    const std::string dir = kInstallDir;
    for (const IniValue& v : std::vector<IniValue>{
             {{"winini-get", "AP", "222APDirectory", "?"}, dir, "INI win.ini [AP] 222APDirectory=" + dir},
             {{"winini-get", "AP", "QorPanelIniFile", "?"}, "QorPFile.ini", "INI win.ini [AP] QorPanelIniFile=QorPFile.ini"},
             {{"winini-get", "AP", "QorSettingIniFile", "?"}, "QorSFile.ini",
              "INI win.ini [AP] QorSettingIniFile=QorSFile.ini"},
             {{"profile-get", "DevCap.ini", "Path", "Path", "?"}, dir, "INI DevCap.ini [Path] Path=" + dir},
         }) {
        SCOPED_TRACE(v.query[2]);
        EXPECT_EQ(SetupPrefix::Value(v.query), v.expected);
        EXPECT_TRUE(Logged(v.logLine));
    }

    // The registry values.
    struct RegValue {
        const char* root;
        std::string key;
        const char* name;
        bool dword;
        std::string expected;
        std::string logLine;
    };
    const std::string runUpper = "SOFTWARE\\MICROSOFT\\WINDOWS\\CURRENTVERSION\\RUN";
    for (const RegValue& v : std::vector<RegValue>{
             {"HKLM", kRunKey, "KVRemote", false, "C:\\windows\\system32\\remote.exe",
              "Registry HKEY_LOCAL_MACHINE\\" + std::string(kRunKey) + " \"KVRemote\" = \"C:\\windows\\system32\\remote.exe\""},
             {"HKU", ".Default\\Software\\Kestrova", "KestrovaSuite", false, dir + "\\QOR.EXE",
              "Registry HKEY_USERS\\.Default\\Software\\Kestrova \"KestrovaSuite\" = \"" + dir + "\\QOR.EXE\""},
             {"HKCU", "SOFTWARE\\Hollecraft\\filter\\htMpeg2VideoDecoder", "AspectRatio", true, "0",
              "Registry HKEY_CURRENT_USER\\SOFTWARE\\Hollecraft\\filter\\htMpeg2VideoDecoder \"AspectRatio\" = dword:0"},
             {"HKCU", "SOFTWARE\\Hollecraft\\filter\\HT MPEG Video Decoder", "AspectRatio", true, "0",
              "Registry HKEY_CURRENT_USER\\SOFTWARE\\Hollecraft\\filter\\HT MPEG Video Decoder \"AspectRatio\" = dword:0"},
             {"HKLM", runUpper, "Vespero", false, "\"" + dir + "\\Vespero.exe\"",
              "Registry HKEY_LOCAL_MACHINE\\" + runUpper + " \"Vespero\" = \"\"" + dir + "\\Vespero.exe\"\""},
         }) {
        SCOPED_TRACE(v.name);
        EXPECT_EQ(SetupPrefix::Value({v.dword ? "reg-get-dword" : "reg-get-string", v.root, v.key, v.name}), v.expected);
        EXPECT_TRUE(Logged(v.logLine));
    }

    // The earlier driver's traces: the matching device goes with its driver
    // key, the other device stays, the INF file is gone.
    struct Trace {
        std::string key;
        const char* exists;
    };
    for (const Trace& t : std::vector<Trace>{{"Enum\\Root\\Image\\0003", "0"},
                                             {"System\\CurrentControlSet\\Services\\Class\\Image\\0007", "0"},
                                             {"Enum\\Root\\Image\\0004", "1"}}) {
        EXPECT_EQ(SetupPrefix::Value({"reg-exists", "HKLM", t.key}), t.exists) << t.key;
    }
    EXPECT_FALSE(fs::exists(SetupPrefix::Linux("C:\\windows\\INF\\Kestrovacap7134.INF")));

    // The desktop shortcut: a shell link to the panel program with Alt+F5.
    ASSERT_TRUE(fs::exists(link)) << link;
    const std::string lnk = ReadFile(link.string());
    ASSERT_GE(lnk.size(), 0x4Cu);
    EXPECT_EQ(lnk.substr(0, 4), std::string("\x4C\0\0\0", 4));
    EXPECT_EQ(static_cast<unsigned char>(lnk[0x40]), 0x74);   // F5
    EXPECT_EQ(static_cast<unsigned char>(lnk[0x41]), 0x04);   // Alt
    const auto wide = [](const std::string& s) {
        std::string w;
        for (char c : s) w += std::string{c, '\0'};
        return w;
    };
    const std::string target = dir + "\\qor.exe";
    EXPECT_TRUE(lnk.find(target) != std::string::npos || lnk.find(wide(target)) != std::string::npos);
    EXPECT_NE(lnk.find(wide(dir)), std::string::npos) << "working directory";
    EXPECT_NE(lnk.find(wide("TV Drovan")), std::string::npos) << "description";
    EXPECT_TRUE(Logged("Shortcut " + *desktop + "\\TV Drovan.lnk"));

    // The Program Manager group with one item per named manifest row.
    std::vector<fs::path> groups;
    for (const auto& user : fs::directory_iterator(fs::path(SetupPrefix::Path()) / "drive_c" / "users")) {
        const fs::path g = user.path() / "AppData/Roaming/Microsoft/Windows/Start Menu/Programs/TV Drovan";
        if (fs::is_directory(g)) groups.push_back(g);
    }
    ASSERT_EQ(groups.size(), 1u) << "the group folder";
    for (const char* item : {"TV Drovan Uninstall", "TV Drovan", "Schedule Recording"}) {
        EXPECT_TRUE(fs::exists(groups[0] / (std::string(item) + ".lnk"))) << item;
    }
    EXPECT_TRUE(Logged("Program Manager [AddItem (\"" + dir + "\\Vespero.EXE\", Schedule Recording)]"));

    // The filters register themselves through regsvr32, in the background.
    struct Filter {
        const char* file;
        const char* clsid;
    };
    for (const Filter& f : {Filter{"HTFileW.ax", "{01260D2D-13E8-438F-9149-9AB55D26571B}"},
                            Filter{"HTMpegAE.ax", "{11A99556-46BE-4705-855D-6A0C3C2F3CCB}"},
                            Filter{"HTMpegAD.ax", "{36382965-1795-4AFA-A636-7C003D217EAA}"},
                            Filter{"HTMpgMux.ax", "{57F9D122-0FFE-4715-8ADB-7FA575DFD1DA}"},
                            Filter{"HTMpegVD.ax", "{5BB62926-B07E-44F0-A16F-498EA6A829BA}"},
                            Filter{"HT_Asyn.ax", "{D01199FB-7EE1-40C6-9D95-2A4F9260585F}"},
                            Filter{"HT_INVER.ax", "{34B89610-4C3C-4EBD-86B9-6121335BD387}"}}) {
        SCOPED_TRACE(f.file);
        const std::string server = std::string("CLSID\\") + f.clsid + "\\InprocServer32";
        const std::string expected = setup::UpperAscii(std::string("C:\\windows\\system32\\") + f.file);
        EXPECT_TRUE(Eventually([&] {
            const auto v = SetupPrefix::Value({"reg-get-string", "HKCR", server, "-"});
            return v && setup::UpperAscii(*v) == expected;
        }, 20000));
        EXPECT_TRUE(Logged(std::string("Started C:\\windows\\system32\\regsvr32 /s ") + f.file));
    }

    // The remote program was started and stays.
    EXPECT_TRUE(Eventually([] { return SetupPrefix::Drive({"find", "Kestrova Zunto", "Remote"}).exitCode == 0; },
                           20000));
}

// ---- unattended runs that cannot install --------------------------------------

struct RefusalCase {
    const char* name;
    std::vector<std::string> seed;   // a qordrive call before the run, or none
    std::vector<std::string> undo;   // its undoing after the run
    std::string destination;
    int exitCode;
    std::string logLine;
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

class UnattendedRefusal : public UnattendedInstall, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(UnattendedRefusal, EndsWithItsCodeAndLogLineAndInstallsNothing) {
    const RefusalCase& c = GetParam();
    if (!c.seed.empty()) {
        ASSERT_EQ(SetupPrefix::Drive(c.seed).exitCode, 0);
    }
    const fs::path marker = SetupPrefix::Linux("C:\\Refused\\QOR.exe");
    fs::remove_all(marker.parent_path());

    const RunResult r = RunSetup("/D=" + c.destination);
    if (!c.undo.empty()) SetupPrefix::Drive(c.undo);

    EXPECT_EQ(r.exitCode, c.exitCode) << Joined(Log());
    EXPECT_TRUE(Logged(c.logLine)) << Joined(Log());
    EXPECT_FALSE(fs::exists(marker));
    EXPECT_FALSE(Logged("Installation complete"));
}

INSTANTIATE_TEST_SUITE_P(Cases, UnattendedRefusal, ::testing::Values(
    RefusalCase{"NoTuningKey",
                {"reg-delete-key", "HKCR", "BDATuner.ChannelTuneRequest.1"},
                {"reg-create", "HKCR", "BDATuner.ChannelTuneRequest.1\\CLSID"},
                "C:\\Refused", 2, "Error: DirectX 9 is not installed"},
    RefusalCase{"DestinationIsAFile", {}, {}, "C:\\windows\\win.ini", 3,
                "Error: the directory C:\\windows\\win.ini cannot be created"}),
    [](const ::testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

// ---- the uninstaller's first stage ---------------------------------------------

struct RelocationCase {
    const char* name;
    int answer;     // to "Confirm File Deletion": IDOK 1 or IDCANCEL 2
    bool copied;    // the Windows directory holds the program afterwards
};

void PrintTo(const RelocationCase& c, std::ostream* os) { *os << c.name; }

class Relocation : public UnattendedInstall, public ::testing::WithParamInterface<RelocationCase> {};

// "UNINSTAL.EXE" without a command line asks, then copies itself whole
// into the Windows directory and starts that copy.
TEST_P(Relocation, CopiesTheUninstallerOnlyAfterOk) {
    const RelocationCase& c = GetParam();
    const fs::path relocated = SetupPrefix::Linux("C:\\windows\\uninstal.exe");
    fs::remove(relocated);
    const fs::path program = dir_ / "uninstal.exe";
    fs::copy_file(fs::path(MediumDir()) / "SETUP.EXE", program);

    // The program reads "uninstal.exe" of the current directory.
    const fs::path before = fs::current_path();
    fs::current_path(dir_);
    BackgroundProcess uninstaller = RunWineBackground(program.string(), {}, 120);
    fs::current_path(before);
    ASSERT_TRUE(uninstaller.Started());
    ASSERT_EQ(SetupPrefix::Drive({"wait", "#32770", "Confirm File Deletion", "30000"}).exitCode, 0) << "no question";
    SetupPrefix::Drive({"post", "#32770", "Confirm File Deletion", std::to_string(kWmCommand), std::to_string(c.answer), "0"});
    ASSERT_TRUE(uninstaller.WaitForExit(30000));

    EXPECT_EQ(fs::exists(relocated), c.copied);
    if (c.copied) {
        EXPECT_TRUE(Bytes(relocated) == Bytes(program)) << "the copy is not whole";
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, Relocation, ::testing::Values(
    RelocationCase{"Ok", 1, true},
    RelocationCase{"Cancel", 2, false}),
    [](const ::testing::TestParamInfo<RelocationCase>& info) { return std::string(info.param.name); });

// ---- the wizard ----------------------------------------------------------------

class InstallWizard : public UnattendedInstall {
protected:
    // setupprobe on a control of the window titled `page`.
    static std::optional<std::string> Probe(const std::string& command, const std::string& page, int id) {
        const RunResult r = RunWine(Win64BinDir() + "/setupprobe.exe", {command, "#32770", page, std::to_string(id)}, 30);
        if (r.exitCode != 0) return std::nullopt;
        return Trimmed(r.output);
    }
    static bool Await(const std::string& cls, const std::string& title, int ms) {
        return SetupPrefix::Drive({"wait", cls, title, std::to_string(ms)}).exitCode == 0;
    }
    static int Press(const std::string& page, int button) {
        return SetupPrefix::Drive({"post", "#32770", page, std::to_string(kPsmPressButton), std::to_string(button), "0"})
            .exitCode;
    }
};

// What a page shows: a control's text, or whether a button is checked.
struct PageControl {
    int id;
    const char* command;   // "text" or "checked"
    std::string expected;
};

// Next through Welcome, the licence ("Yes") and the destination page, the
// copy, then Setup Complete: "No, I will restart" and Finish.
TEST_F(InstallWizard, WalksToSetupCompleteAndEndsWithoutRestarting) {
    ASSERT_TRUE(fs::exists(Win64BinDir() + "/setupprobe.exe")) << "build the win64 preset";
    const std::string dir = "C:\\Program Files\\TV Drovan";
    const fs::path installed = SetupPrefix::Linux(dir + "\\QOR.exe");
    fs::remove(installed);
    SetupPrefix::Drive({"winini-set", "AP", "222APDirectory", "before"});

    BackgroundProcess setup = RunWineBackground(MediumDir() + "/SETUP.EXE", {}, 240);
    ASSERT_TRUE(setup.Started());
    ASSERT_TRUE(Await("Kestrova Setup", "Setup", 30000)) << "no background window";

    struct Page {
        const char* title;
        std::vector<PageControl> shows;
    };
    const std::vector<Page> pages = {
        {"Welcome",
         {{1020, "text", "Welcome to the Kestrova TV Drovan Setup program. This program will install Kestrova TV "
                         "Drovan on your computer."}}},
        {"Software License Agreement",
         {{12324, "text", "Yes"},
          {2, "text", "No"},
          {1019, "text", "Do you accept all the terms of the porceeding License Agreement? If you choose No, Setup "
                         "will close. To install TV Drovan, you must accept this agreement."}}},
        {"Choose Destination Location",
         {{1002, "text", dir},
          {1017, "text", "Setup will install TV Drovan  in the following directory."},
          {1018, "text", "You can choose not to install TV Drovan by clicking Cancel to exit Setup."}}},
    };
    for (const Page& page : pages) {
        SCOPED_TRACE(page.title);
        ASSERT_TRUE(Await("#32770", page.title, 20000)) << "page not shown";
        for (const PageControl& c : page.shows) EXPECT_EQ(Probe(c.command, page.title, c.id), c.expected) << c.id;
        if (std::string(page.title) == "Software License Agreement") {
            // "No" asks first; Resume keeps the page with its labels.
            ASSERT_EQ(Press(page.title, kPsbtnCancel), 0);
            ASSERT_TRUE(Await("#32770", "Exit Setup", 20000)) << "no Exit Setup question";
            SetupPrefix::Drive({"post", "#32770", "Exit Setup", std::to_string(kWmCommand), std::to_string(kIdOk), "0"});
            ASSERT_EQ(SetupPrefix::Drive({"gone", "#32770", "Exit Setup", "20000"}).exitCode, 0);
            EXPECT_EQ(Probe("text", page.title, 12324), "Yes");
            EXPECT_EQ(Probe("text", page.title, 2), "No");
            // The agreement: the company named first, its short name after.
            const std::string agreement = Probe("text", page.title, 1000).value_or("");
            EXPECT_EQ(agreement.rfind("SOFTWARE LICENSE AGREEMENT", 0), 0u) << agreement;
            EXPECT_NE(agreement.find("between Vostrane Technologies Inc. and you"), std::string::npos) << agreement;
            EXPECT_NE(agreement.find("1. GRANT OF LICENSE. VOSTRANE grants you"), std::string::npos) << agreement;
            EXPECT_EQ(agreement.find("%s"), std::string::npos) << agreement;
        }
        if (std::string(page.title) == "Choose Destination Location") {
            // Leaving the licence page gave the buttons their labels back.
            EXPECT_NE(Probe("text", page.title, 12324), "Yes");
            EXPECT_NE(Probe("text", page.title, 2), "No");
        }
        ASSERT_EQ(Press(page.title, kPsbtnNext), 0);
    }
    const std::string complete = "Setup Complete";
    ASSERT_TRUE(Await("#32770", complete, 120000)) << "Setup Complete page not shown";
    EXPECT_TRUE(fs::exists(installed));
    EXPECT_EQ(SetupPrefix::Value({"winini-get", "AP", "222APDirectory", "?"}), dir);

    for (const PageControl& c : std::vector<PageControl>{{1008, "checked", "1"}, {1009, "checked", "0"}}) {
        EXPECT_EQ(Probe(c.command, complete, c.id), c.expected) << c.id;
    }
    ASSERT_TRUE(Probe("click", complete, 1009).has_value());
    EXPECT_TRUE(Eventually([&] { return Probe("checked", complete, 1009) == "1"; }));
    EXPECT_EQ(Probe("checked", complete, 1008), "0");
    ASSERT_EQ(Press(complete, kPsbtnFinish), 0);

    EXPECT_TRUE(setup.WaitForExit(30000)) << "setup did not end after Finish";
    EXPECT_EQ(SetupPrefix::Drive({"find", "Kestrova Setup", "Setup"}).exitCode, 1) << "the background window stays";
}

// ---- the resources -------------------------------------------------------------

// The resources of a PE file: (type, id, language) -> bytes.
using ResourceKey = std::tuple<int, int, int>;

std::map<ResourceKey, std::string> ReadResources(const std::string& file) {
    std::map<ResourceKey, std::string> out;
    const std::string d = ReadFile(file);
    const auto u16 = [&](std::size_t at) -> std::uint32_t {
        return at + 2 <= d.size() ? static_cast<std::uint8_t>(d[at]) | static_cast<std::uint8_t>(d[at + 1]) << 8 : 0;
    };
    const auto u32 = [&](std::size_t at) -> std::uint32_t { return u16(at) | u16(at + 2) << 16; };
    const std::size_t pe = u32(0x3C);
    if (d.size() < pe + 24 || d.compare(pe, 4, std::string("PE\0\0", 4)) != 0) return out;
    const std::size_t sections = u16(pe + 6);
    const std::size_t optional = pe + 24;
    const std::size_t directories = optional + (u16(optional) == 0x20B ? 112 : 96);
    const std::uint32_t resourceRva = u32(directories + 2 * 8);
    const std::size_t table = optional + u16(pe + 20);
    const auto fileOffset = [&](std::uint32_t rva) -> std::size_t {
        for (std::size_t i = 0; i < sections; ++i) {
            const std::size_t s = table + i * 40;
            const std::uint32_t va = u32(s + 12), size = std::max(u32(s + 8), u32(s + 16));
            if (rva >= va && rva < va + size) return u32(s + 20) + (rva - va);
        }
        return d.size();
    };
    const std::size_t root = fileOffset(resourceRva);
    // Walks type, name and language levels; ids only (the program names none by text).
    const auto entries = [&](std::size_t dir) {
        std::vector<std::pair<int, std::size_t>> list;
        const std::size_t n = u16(dir + 12) + u16(dir + 14);
        for (std::size_t i = 0; i < n; ++i) {
            const std::size_t e = dir + 16 + i * 8;
            list.emplace_back(static_cast<int>(u32(e) & 0xFFFF), root + (u32(e + 4) & 0x7FFFFFFF));
        }
        return list;
    };
    for (const auto& [type, names] : entries(root)) {
        for (const auto& [id, languages] : entries(names)) {
            for (const auto& [language, data] : entries(languages)) {
                const std::size_t at = fileOffset(u32(data));
                if (at < d.size()) out[{type, id, language}] = d.substr(at, u32(data + 4));
            }
        }
    }
    return out;
}

std::u16string Utf16(const std::string& bytes, std::size_t at, std::size_t chars) {
    std::u16string s;
    for (std::size_t i = 0; i < chars && at + 2 * i + 1 < bytes.size(); ++i) {
        s += static_cast<char16_t>(static_cast<std::uint8_t>(bytes[at + 2 * i]) |
                                   static_cast<std::uint8_t>(bytes[at + 2 * i + 1]) << 8);
    }
    return s;
}

std::u16string FromUtf8(const std::string& s) {
    std::u16string out;
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<std::uint8_t>(s[i]);
        std::uint32_t cp = c;
        int extra = 0;
        if (c >= 0xF0) cp = c & 0x07, extra = 3;
        else if (c >= 0xE0) cp = c & 0x0F, extra = 2;
        else if (c >= 0xC0) cp = c & 0x1F, extra = 1;
        for (int k = 1; k <= extra && i + k < s.size(); ++k) cp = cp << 6 | (static_cast<std::uint8_t>(s[i + k]) & 0x3F);
        i += 1 + extra;
        out += static_cast<char16_t>(cp);
    }
    return out;
}

// A string of a string-table resource.
std::optional<std::u16string> ResourceString(const std::map<ResourceKey, std::string>& res, int language, int id) {
    const auto it = res.find({6, id / 16 + 1, language});
    if (it == res.end()) return std::nullopt;
    std::size_t at = 0;
    for (int i = 0; i < id % 16; ++i) {
        at += 2 + 2 * Utf16(it->second, at, 1)[0];
    }
    const std::size_t length = Utf16(it->second, at, 1)[0];
    if (length == 0) return std::nullopt;
    return Utf16(it->second, at + 2, length);
}

struct DialogInfo {
    std::u16string caption;
    std::vector<int> controls;
};

// The caption and control ids of an extended dialog template.
DialogInfo ParseDialog(const std::string& t) {
    DialogInfo info;
    const auto word = [&](std::size_t at) { return Utf16(t, at, 1).empty() ? 0 : Utf16(t, at, 1)[0]; };
    const auto skipText = [&](std::size_t at) {
        if (word(at) == 0xFFFF) return at + 4;
        while (at + 1 < t.size() && word(at) != 0) at += 2;
        return at + 2;
    };
    const std::size_t items = word(16);
    const std::uint32_t style = word(12) | word(14) << 16;
    std::size_t at = skipText(skipText(26));   // menu, class
    const std::size_t captionStart = at;
    at = skipText(at);
    info.caption = Utf16(t, captionStart, (at - captionStart) / 2 - 1);
    if (style & 0x40) at = skipText(at + 6);   // DS_SETFONT: size, weight, italic, charset, face
    for (std::size_t i = 0; i < items && at < t.size(); ++i) {
        at = (at + 3) & ~std::size_t{3};
        info.controls.push_back(static_cast<std::int32_t>(word(at + 20) | word(at + 22) << 16));
        at = skipText(skipText(at + 24));   // class, title
        at += 2 + word(at);                 // creation data
    }
    return info;
}

class SetupResources : public ::testing::Test {
protected:
    void SetUp() override {
        exe_ = fs::path(MediumDir()) / "SETUP.EXE";
        if (!fs::exists(exe_)) exe_ = fs::path(Win64BinDir()) / "setup.exe";
        ASSERT_TRUE(fs::exists(exe_)) << "no setup.exe: build the win64 preset";
        res_ = ReadResources(exe_.string());
        ASSERT_FALSE(res_.empty()) << exe_ << " holds no resources";
    }
    fs::path exe_;
    std::map<ResourceKey, std::string> res_;
};

const int kLanguages[] = {1028, 1031, 1033, 1036, 1041, 1049, 2052, 2058, 2070};
const int kDialogs[] = {130, 131, 132, 134, 135, 136, 137, 139, 142, 145};
const int kStrings[] = {57345, 57346, 57347, 57348, 57349, 57350, 57351, 57352,
                        57361, 57362, 57363, 57364, 57365, 57368, 57369};

TEST_F(SetupResources, EveryLanguageHasEveryDialogWithTheSameControls) {
    for (int dialog : kDialogs) {
        const auto english = res_.find({5, dialog, 1033});
        ASSERT_NE(english, res_.end()) << dialog;
        const std::vector<int> controls = ParseDialog(english->second).controls;
        for (int language : kLanguages) {
            SCOPED_TRACE(std::to_string(dialog) + " in " + std::to_string(language));
            const auto it = res_.find({5, dialog, language});
            ASSERT_NE(it, res_.end());
            std::vector<int> expected = controls;
            // The Japanese destination page alone names the related files.
            if (dialog == 132 && language == 1041) expected.insert(expected.begin() + 5, 1028);
            EXPECT_EQ(ParseDialog(it->second).controls, expected);
        }
    }
}

TEST_F(SetupResources, EveryLanguageHasEveryStringWithItsPlaceholders) {
    const auto count = [](const std::u16string& s) {
        std::size_t n = 0;
        for (std::size_t i = 0; i + 1 < s.size(); ++i) n += s[i] == u'%' && s[i + 1] == u's';
        return n;
    };
    for (int language : kLanguages) {
        std::u16string agreement;
        for (int id : kStrings) {
            SCOPED_TRACE(std::to_string(id) + " in " + std::to_string(language));
            const auto s = ResourceString(res_, language, id);
            ASSERT_TRUE(s.has_value());
            if (id <= 57352) agreement += *s;
            if (id == 57361) {
                EXPECT_EQ(count(*s), 2u);
            }
        }
        // The company, then its short name four times.
        EXPECT_EQ(count(agreement), 5u) << language;
    }
}

struct TextCase {
    int language;
    int dialog;   // 0: a string of the string table
    int id;       // the string's id, or 0 for the dialog's caption
    const char* text;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << c.language << "/" << c.dialog << "/" << c.id; }

class SetupTexts : public SetupResources, public ::testing::WithParamInterface<TextCase> {};

TEST_P(SetupTexts, SurviveIntoTheProgram) {
    const TextCase& c = GetParam();
    if (c.dialog == 0) {
        EXPECT_EQ(ResourceString(res_, c.language, c.id), FromUtf8(c.text));
    } else {
        const auto it = res_.find({5, c.dialog, c.language});
        ASSERT_NE(it, res_.end());
        EXPECT_EQ(ParseDialog(it->second).caption, FromUtf8(c.text));
    }
}

INSTANTIATE_TEST_SUITE_P(Translations, SetupTexts, ::testing::Values(
    TextCase{1033, 0, 57361, "This will remove %s. Make sure you are not running %s Application."},
    TextCase{1033, 0, 57368, "This application needs DirectX 9 installed,\nPlease install DirectX 9 or later version"},
    TextCase{1033, 0, 57369, "For proper operation of this application software, please install DirectX 9 that come "
                             "with this CD-even if you have previously installed other version of DirectX 9 on your "
                             "system."},
    TextCase{1033, 0, 57347, " "},
    TextCase{1033, 0, 57365, "Quorvel"},
    TextCase{1041, 0, 57365, "Quorvel"},
    TextCase{1033, 137, 0, "Choose Directoty"},
    TextCase{1033, 132, 0, "Choose Destination Location"},
    TextCase{1049, 0, 57363, "Да"},
    TextCase{1049, 0, 57362, "Подтверждение удаления файлов"},
    TextCase{1041, 0, 57363, "はい"},
    TextCase{1041, 130, 0, "ようこそ"},
    TextCase{2052, 0, 57364, "否"},
    TextCase{2052, 134, 0, "安装完成"},
    TextCase{1028, 131, 0, "軟體授權合約"},
    TextCase{1031, 0, 57363, "Ja"},
    TextCase{1036, 136, 0, "Quitter l'installation"},
    TextCase{2058, 0, 57363, "Sí"},
    TextCase{2070, 0, 57364, "Não"}));

}  // namespace
