#include "setup/SetupApp.h"

#include <cctype>

#include "setup/InstallFlow.h"

namespace setup {

int NtFamilyFlag(std::uint32_t versionWord) {
    const std::uint32_t minor = (versionWord >> 8) & 0xFF;
    const std::uint32_t top = (versionWord >> 24) & 0xFF;
    return ((minor == 10 && top != 5) || (minor == 90 && top == 0xC0)) ? 0 : 1;
}

std::string SourceDirectory(const std::string& moduleFileName) {
    std::string drive;
    std::string rest = moduleFileName;
    if (moduleFileName.size() >= 2 && moduleFileName[1] == ':') {
        drive = moduleFileName.substr(0, 2);
        rest = moduleFileName.substr(2);
    }
    const auto slash = rest.find_last_of("\\/");
    std::string dir = slash == std::string::npos ? std::string() : rest.substr(0, slash + 1);
    if (dir.size() > 1) dir.pop_back();
    std::string result = drive + dir;
    if (result.size() == 3 && result[1] == ':') result.resize(2);
    return result;
}

std::string ExecutableBaseName(const std::string& moduleFileName) {
    const auto slash = moduleFileName.find_last_of("\\/:");
    std::string name = slash == std::string::npos ? moduleFileName : moduleFileName.substr(slash + 1);
    const auto dot = name.rfind('.');
    if (dot != std::string::npos) name.resize(dot);
    return name;
}

SetupMode DecideMode(const std::string& baseName, const std::string& commandLine) {
    if (UpperAscii(baseName) != "UNINSTAL") return SetupMode::Install;
    return commandLine.empty() ? SetupMode::Relocate : SetupMode::Uninstall;
}

std::string JoinPath(const std::string& dir, const std::string& name) {
    if (!dir.empty() && (dir.back() == '\\' || dir.back() == '/')) return dir + name;
    return dir + "\\" + name;
}

void RelocateUninstaller(SetupServices& s, const std::string& windowsDir, const std::string& sourceDir) {
    const std::string text = FormatText(LoadText(s.strings, kIdsConfirmRemove), {kProduct, kProduct});
    const std::string caption = LoadText(s.strings, kIdsConfirmRemoveCaption);
    if (s.boxes.Show(text, caption, platform::kMbOkCancel | platform::kMbIconQuestion | platform::kMbDefButton2) !=
        platform::kIdOk) {
        return;
    }
    const auto bytes = s.fileOps.ReadAll(JoinPath(s.files.CurrentDirectory(), "uninstal.exe"));
    if (!bytes) return;
    if (!s.fileOps.WriteAll(windowsDir + "\\uninstal.exe", *bytes)) return;
    s.processes.Run(windowsDir + "\\uninstal " + sourceDir, platform::kSwHide);
}

int CheckBdaTuning(SetupServices& s) {
    const auto names = s.registry.SubKeys(platform::RegRoot::ClassesRoot, "BDATuner.ChannelTuneRequest.1");
    std::string first = names.empty() ? std::string() : names.front();
    if (first.size() > 255) first.clear();   // does not fit the name buffer: not read
    if (first.compare(0, 5, "CLSID") == 0 && first.size() >= 5) return 1;
    s.boxes.Show(LoadText(s.strings, kIdsInstallDirectX9), kDirectXCaption, platform::kMbOk | platform::kMbIconInformation);
    return 0;
}

bool CheckDirectX(SetupServices& s) {
    if (s.directX.ProbeDirectXLevel() < platform::kDirectXLevel8) {
        s.boxes.Show(LoadText(s.strings, kIdsNeedDirectX9), kDirectXCaption, platform::kMbOk | platform::kMbIconInformation);
        return false;
    }
    return CheckBdaTuning(s) == 1;
}

std::optional<LanguageBytes> SystemLanguage(platform::SetupSystem& system, const std::string& systemDir) {
    const auto id = system.FileLanguage(systemDir + "\\USER.EXE");
    if (!id) return std::nullopt;
    return LanguageBytes{*id & 0xFF, (*id >> 8) & 0xFF};
}

void RestartWindows(platform::SetupSystem& system) {
    if (system.ExitWindowsReboot()) return;
    if (!system.EnableShutdownPrivilege()) return;
    system.ExitWindowsReboot();
}

CSetupApp::Start CSetupApp::InitInstance(const std::string& cmdLine) {
    ntFamily = NtFamilyFlag(s_.system.Version());

    // Filters of earlier versions go at every start.
    const std::string sys = s_.files.SystemDirectory();
    for (auto file : kOldFilterFiles) {
        s_.processes.Run(sys + "\\regsvr32 -u -s " + sys + "\\" + std::string(file), platform::kSwHide);
    }

    const std::string module = s_.system.ModuleFileName();
    sourceDirectory = SourceDirectory(module);
    exeName = ExecutableBaseName(module);
    commandLine = cmdLine;

    switch (DecideMode(exeName, commandLine)) {
        case SetupMode::Relocate:
            RelocateUninstaller(s_, s_.files.WindowsDirectory(), sourceDirectory);
            return {false, 0, platform::kSwHide};
        case SetupMode::Uninstall:
            uninstallMode = 1;
            return {true, 0, platform::kSwHide};
        case SetupMode::Install:
            break;
    }
    if (auto options = ParseUnattended(commandLine)) {
        return {false, RunUnattendedInstall(s_, *options, sourceDirectory), platform::kSwHide};
    }
    if (!CheckDirectX(s_)) return {false, 0, platform::kSwHide};
    return {true, 0, platform::kSwShow};
}

CMainFrame::CMainFrame(platform::Files& files) {
    directories.windows = files.WindowsDirectory();
    directories.system = files.SystemDirectory();
    directories.systemDrivers = directories.system + "\\drivers";
    directories.inf = directories.windows + "\\INF";
}

std::string CMainFrame::TitleText() { return std::string(kCompany) + " " + kProduct + " " + kVersionText + " Setup."; }

CMainFrame::Rect CMainFrame::WindowRect(int screenWidth, int screenHeight, int border) {
    return {-border, -border, screenWidth + 3 * border, screenHeight + 3 * border};
}

CMainFrame::Rect CMainFrame::PictureRect(int clientWidth, int clientHeight) {
    return {(clientWidth - 640) / 2, (clientHeight - 480) / 2, 640, 480};
}

std::uint32_t CMainFrame::OnCreate(platform::Windows& windows, std::uint32_t uninstallScheduleMessage, int uninstallMode) {
    if (platform::WindowId w = windows.Find("", "Schedule Recording")) windows.Send(w, uninstallScheduleMessage, 0, 0);
    return uninstallMode ? kUninstallTimer : kInstallTimer;
}

void CMainFrame::OnDestroy(platform::Windows& windows) {
    if (platform::WindowId w = windows.Find("", "creatshu")) windows.Send(w, kWmClose, 0, 0);
}

}  // namespace setup
