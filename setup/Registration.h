// Changes to the system around the file copying: the cleanup of an earlier
// capture driver before it, and after a complete copy the startup entries,
// the desktop shortcut, the win.ini keys the panel reads, the Program
// Manager group, the filter registrations and the decoder settings.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "platform/Registry.h"
#include "platform/ShellLink.h"
#include "setup/Manifest.h"
#include "setup/SetupServices.h"

namespace setup {

// One registry value set at install; data "MYDIR" stands for the quoted
// path of the schedule program in the installation directory.
struct StartupEntry {
    platform::RegRoot root;
    char keyPath[260];
    char valueName[64];
    const char* text;      // type 1
    std::uint32_t dword;   // type 4
    std::uint32_t type;
};
inline constexpr char kMyDirMarker[] = "MYDIR";
std::span<const StartupEntry> StartupEntries();

inline constexpr char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr char kShellFoldersKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
inline constexpr char kSuiteKey[] = ".Default\\Software\\Kestrova";
inline constexpr std::uint16_t kShortcutHotkey = platform::MakeHotkey(platform::kHotkeyAlt, platform::kVirtualKeyF5);

// "Setup is creating icons", shown while the group is built.
class CCreateIconsDlg {
public:
    static constexpr int kDialogId = 139;
};

// Removes the instance and driver keys of an earlier "OMSCAN" image device
// and its INF file.
void PreInstallCleanup(SetupServices& s, const SetupDirectories& dirs);

// A shortcut with Alt+F5; returns the platform's result code.
std::int32_t CreateShellLink(platform::ShellLinks& links, const std::string& target, const std::string& linkFile,
                             const std::string& description, const std::string& workingDirectory);

// deleteGroup 0: the "TV Drovan" group with one item per named manifest
// row; 1: the group goes.
void ProgramManagerGroup(SetupServices& s, const std::string& directory, int deleteGroup,
                         std::span<const ManifestRecord> manifest = InstallManifest());

// Starts the filter registrations without waiting for them.
void RegisterFilters(SetupServices& s, const std::string& systemDir);

void WriteStartupEntries(SetupServices& s, const std::string& installDir);

// The whole sequence after a complete copy, in its order.
void PostCopyRegistration(SetupServices& s, const SetupDirectories& dirs,
                          std::span<const ManifestRecord> manifest = InstallManifest());

}  // namespace setup
