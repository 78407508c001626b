// The install manifest, the removal list and the other fixed tables the
// installer and the uninstaller walk in order.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace setup {

// Target directory of a manifest or removal row.
enum DirectoryCode : std::int32_t {
    kDirWindows = 0,
    kDirSystem = 1,
    kDirSystemDrivers = 2,
    kDirInf = 3,
    kDirInfOther = 4,
    kDirInstall = 5,
};

struct ManifestRecord {
    std::int32_t disk;
    char sourceName[128];
    char destName[128];
    std::int32_t directoryCode;
    char itemName[64];       // Program Manager item title; empty for none
    std::int32_t showName;   // 1: the progress line names the source file
};

// An item name that keeps a row out of copying and out of the group.
inline constexpr char kDoNotCopy[] = "DO NOT COPY";

std::span<const ManifestRecord> InstallManifest();   // 19 rows
std::span<const ManifestRecord> RemovalList();       // 18 rows, names and codes only

// The panel's skin bitmaps and the directories that carry them.
extern const std::array<std::string_view, 13> kSkinBitmaps;
extern const std::array<std::string_view, 3> kSkinDirectories;   // "\panelbmp1" ...

// DirectShow filter files registered after copying and unregistered at removal.
extern const std::array<std::string_view, 7> kFilterFiles;
// Filter files of earlier versions, unregistered at every start.
extern const std::array<std::string_view, 2> kOldFilterFiles;

// win.ini sections the uninstaller removes whole, in order.
extern const std::array<std::string_view, 19> kRemovedWinIniSections;

// The directories the rows name (those of the background window).
struct SetupDirectories {
    std::string windows;
    std::string system;
    std::string systemDrivers;   // system + "\drivers"
    std::string inf;             // windows + "\INF"
    std::string installation;    // set while copying
};

// Directory of a code for copying: code 2 is always system + "\Drivers".
std::string CopyDirectory(std::int32_t code, const SetupDirectories& dirs);
// Directory of a code for removal and cleanup: code 2 depends on the family.
std::string RemovalDirectory(std::int32_t code, const SetupDirectories& dirs, int ntFamily);

inline bool IsDoNotCopy(const ManifestRecord& r) { return std::string_view(r.itemName) == kDoNotCopy; }

}  // namespace setup
