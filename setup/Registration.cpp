#include "setup/Registration.h"

#include <cstdio>


namespace setup {

namespace {

using platform::RegRoot;

constexpr StartupEntry kStartup[] = {
    {RegRoot::LocalMachine, "SOFTWARE\\MICROSOFT\\WINDOWS\\CURRENTVERSION\\RUN", "Vespero", kMyDirMarker, 0, 1},
};

constexpr char kImageEnumKey[] = "Enum\\Root\\Image";
constexpr char kImageClassKey[] = "System\\CurrentControlSet\\Services\\Class\\Image\\";
constexpr char kOldDriverInf[] = "Kestrovacap7134.INF";

}  // namespace

std::span<const StartupEntry> StartupEntries() { return kStartup; }

void PreInstallCleanup(SetupServices& s, const SetupDirectories& dirs) {
    for (int n = 0; n <= 9; ++n) {
        char instance[8];
        std::snprintf(instance, sizeof instance, "000%d", n);
        const std::string key = std::string(kImageEnumKey) + "\\" + instance;
        if (!s.registry.KeyExists(RegRoot::LocalMachine, key)) continue;
        const auto hardwareId = ReadRegText(s.registry, RegRoot::LocalMachine, key, "HardwareID", 256);
        if (!hardwareId || *hardwareId != "OMSCAN") continue;
        // The driver key is named by the last four characters of "Driver";
        // a shorter value names none.
        if (auto driver = ReadRegText(s.registry, RegRoot::LocalMachine, key, "Driver", 32); driver && driver->size() >= 4) {
            s.registryKeys.DeleteSingleKey(RegRoot::LocalMachine, kImageClassKey + driver->substr(driver->size() - 4));
        }
        s.registryKeys.DeleteSingleKey(RegRoot::LocalMachine, key);
    }
    s.files.Delete(RemovalDirectory(kDirInf, dirs, 1) + "\\" + kOldDriverInf);
}

std::int32_t CreateShellLink(platform::ShellLinks& links, const std::string& target, const std::string& linkFile,
                             const std::string& description, const std::string& workingDirectory) {
    // The link name must fit the 260-character wide buffer whole; a cut name
    // would save the link under another file.
    constexpr std::int32_t kInvalidArgument = static_cast<std::int32_t>(0x80070057u);
    if (linkFile.size() >= 260) return kInvalidArgument;
    platform::ShellLinkSpec plan;
    plan.target = target;
    plan.description = description;
    plan.workingDirectory = workingDirectory;
    plan.hotkey = kShortcutHotkey;
    return links.Create(linkFile, plan);
}

void ProgramManagerGroup(SetupServices& s, const std::string& directory, int deleteGroup,
                         std::span<const ManifestRecord> manifest) {
    auto conversation = s.dde.Connect("PROGMAN", "PROGMAN");
    if (!conversation) {
        s.log.Line("Program Manager does not answer");
        return;
    }
    auto execute = [&](const std::string& command) {
        conversation->Execute(command, 3000);
        s.log.Line("Program Manager " + command);
    };
    if (deleteGroup) {
        execute(std::string("[DeleteGroup (") + kProduct + ")]");
        return;
    }
    execute(std::string("[CreateGroup (") + kProduct + ")]");
    for (const ManifestRecord& row : manifest) {
        if (row.itemName[0] == '\0' || IsDoNotCopy(row)) continue;
        execute("[AddItem (\"" + directory + "\\" + row.destName + "\", " + row.itemName + ")]");
    }
}

void RegisterFilters(SetupServices& s, const std::string& systemDir) {
    for (auto file : kFilterFiles) {
        const std::string command = systemDir + "\\regsvr32 /s " + std::string(file);
        s.processes.Run(command, platform::kSwHide);
        s.log.Line("Started " + command);
    }
}

void WriteStartupEntries(SetupServices& s, const std::string& installDir) {
    for (const StartupEntry& e : StartupEntries()) {
        if (!s.registry.CreateKey(e.root, e.keyPath)) continue;
        if (e.type == 4) {
            s.registry.WriteDword(e.root, e.keyPath, e.valueName, e.dword);
        } else if (e.type == 1 && std::string(e.text) == kMyDirMarker) {
            s.registry.WriteString(e.root, e.keyPath, e.valueName, "\"" + installDir + "\\Vespero.exe\"");
        } else {
            s.registry.WriteString(e.root, e.keyPath, e.valueName, e.text);
        }
    }
}

void PostCopyRegistration(SetupServices& s, const SetupDirectories& dirs, std::span<const ManifestRecord> manifest) {
    const std::string& install = dirs.installation;

    if (s.registry.CreateKey(RegRoot::LocalMachine, kRunKey)) {
        const std::string remote = dirs.system + "\\remote.exe";
        s.registry.WriteString(RegRoot::LocalMachine, kRunKey, "KVRemote", remote);
        s.processes.Run(remote, platform::kSwHide);
        s.log.Line("Started " + remote);
    }

    if (auto desktop = ReadRegText(s.registry, RegRoot::CurrentUser, kShellFoldersKey, "Desktop", 255)) {
        const std::string link = *desktop + "\\" + kProduct + ".lnk";
        const std::int32_t r = CreateShellLink(s.shellLinks, install + "\\qor.exe", link, kProduct, install);
        s.log.Line((r == 0 ? "Shortcut " : "Shortcut failed: ") + link);
    }

    platform::ProfileStore& winIni = s.profiles.WinIni();
    winIni.WriteText("AP", "222APDirectory", install);
    winIni.WriteText("AP", "QorPanelIniFile", "QorPFile.ini");
    winIni.WriteText("AP", "QorSettingIniFile", "QorSFile.ini");

    if (s.registry.CreateKey(RegRoot::Users, kSuiteKey)) {
        s.registry.WriteString(RegRoot::Users, kSuiteKey, "KestrovaSuite", install + "\\QOR.EXE");
    }

    s.dialogs.ShowModeless(CCreateIconsDlg::kDialogId);
    ProgramManagerGroup(s, install, 0, manifest);
    RegisterFilters(s, dirs.system);
    for (const char* key : {"SOFTWARE\\Hollecraft\\filter\\htMpeg2VideoDecoder",
                            "SOFTWARE\\Hollecraft\\filter\\HT MPEG Video Decoder"}) {
        if (s.registry.CreateKey(RegRoot::CurrentUser, key)) s.registry.WriteDword(RegRoot::CurrentUser, key, "AspectRatio", 0);
    }
    WriteStartupEntries(s, install);
    s.dialogs.DestroyModeless(CCreateIconsDlg::kDialogId);
}

}  // namespace setup
