#include "setup/Manifest.h"

namespace setup {

namespace {

constexpr ManifestRecord kInstall[] = {
    {1, "SETUP.EXE", "UNINSTAL.EXE", kDirInstall, "TV Drovan Uninstall", 0},
    {1, "QOR.ex_", "QOR.exe", kDirInstall, "TV Drovan", 1},
    {1, "Video.ex_", "Video.ex_", kDirInstall, "", 1},
    {1, "MPLAYER2.EXE", "MPLAYER2.EXE", kDirInstall, "", 1},
    {1, "SETUP.EXE", "UNINSTAL.EXE", kDirSystem, "", 1},
    {1, "Vespero.EX_", "Vespero.EXE", kDirInstall, "Schedule Recording", 0},
    {1, "ZOLVANE.EX_", "ZOLVANE.EXE", kDirInstall, "", 1},
    {1, "KvTV.dll", "KvTV.dll", kDirSystem, "", 1},
    {1, "remote.exe", "remote.exe", kDirSystem, "", 1},
    {1, "mpg2.bmp", "mpg2.bmp", kDirInstall, "", 1},
    {1, "HTFileW.ax", "HTFileW.ax", kDirSystem, "", 1},
    {1, "HTMpegAE.ax", "HTMpegAE.ax", kDirSystem, "", 1},
    {1, "HTMpegAD.ax", "HTMpegAD.ax", kDirSystem, "", 1},
    {1, "HTMpgMux.ax", "HTMpgMux.ax", kDirSystem, "", 1},
    {1, "HTMpegVD.ax", "HTMpegVD.ax", kDirSystem, "", 1},
    {1, "HT_Asyn.ax", "HT_Asyn.ax", kDirSystem, "", 1},
    {1, "HT_INVER.ax", "HT_INVER.ax", kDirSystem, "", 1},
    {1, "QorPFile.ini", "QorPFile.ini", kDirInstall, "", 1},
    {1, "QorSFile.ini", "QorSFile.ini", kDirInstall, "", 1},
};

constexpr ManifestRecord kRemoval[] = {
    {0, "", "QorPFile.ini", kDirInstall, "", 0},
    {0, "", "QorSFile.ini", kDirInstall, "", 0},
    {0, "", "HTFileW.ax", kDirSystem, "", 0},
    {0, "", "HTMpegAE.ax", kDirSystem, "", 0},
    {0, "", "HTMpegAD.ax", kDirSystem, "", 0},
    {0, "", "HTMpgMux.ax", kDirSystem, "", 0},
    {0, "", "HTMpegVD.ax", kDirSystem, "", 0},
    {0, "", "HT_Asyn.ax", kDirSystem, "", 0},
    {0, "", "HT_INVER.ax", kDirSystem, "", 0},
    {0, "", "KvTV.dll", kDirSystem, "", 0},
    {0, "", "QOR.EXE", kDirInstall, "", 0},
    {0, "", "video.EX_", kDirInstall, "", 0},
    {0, "", "MPLAYER2.EXE", kDirInstall, "", 0},
    {0, "", "Vespero.EXE", kDirInstall, "", 0},
    {0, "", "ZOLVANE.EXE", kDirInstall, "", 0},
    {0, "", "remote.exe", kDirSystem, "", 0},
    {0, "", "UNINSTAL.EXE", kDirInstall, "", 0},
    {0, "", "mpg2.bmp", kDirInstall, "", 0},
};

}  // namespace

std::span<const ManifestRecord> InstallManifest() { return kInstall; }
std::span<const ManifestRecord> RemovalList() { return kRemoval; }

const std::array<std::string_view, 13> kSkinBitmaps = {
    "otherbmp.bmp",     "panel.bmp",          "panelall.bmp",      "panelallbdown.bmp", "panelallover.bmp",
    "panelbdown.bmp",   "paneldown.bmp",      "paneldownbdown.bmp", "paneldownover.bmp", "panellorr.bmp",
    "panellorrbdown.bmp", "panellorrover.bmp", "panelover.bmp",
};

const std::array<std::string_view, 3> kSkinDirectories = {"\\panelbmp1", "\\panelbmp2", "\\panelbmp3"};

const std::array<std::string_view, 7> kFilterFiles = {
    "HTFileW.ax", "HTMpegAE.ax", "HTMpegAD.ax", "HTMpgMux.ax", "HTMpegVD.ax", "HT_Asyn.ax", "HT_INVER.ax",
};

const std::array<std::string_view, 2> kOldFilterFiles = {"HTM1_REC.AX", "htmpeg2enc.ax"};

const std::array<std::string_view, 19> kRemovedWinIniSections = {
    "Crossbar",         "TVTuner",           "VideoProcAmp",       "ZUNTO",           "VideoStandard",
    "AudioFormat",      "SURFING",           "vemla",              "Vertical_Scroll", "WeeklySchedule",
    "DesignateSchedule", "CHANNELLISTAIR",   "CHANNELLIST",        "CHANNELLISTFM",   "FM channel Name",
    "Cable channel Name", "Air channel Name", "ZuntoCrossbar",     "AudioProcAmp",
};

std::string CopyDirectory(std::int32_t code, const SetupDirectories& dirs) {
    switch (code) {
        case kDirWindows: return dirs.windows;
        case kDirSystem: return dirs.system;
        case kDirSystemDrivers: return dirs.system + "\\Drivers";
        case kDirInf: return dirs.inf;
        case kDirInfOther: return dirs.inf + "\\Other";
        case kDirInstall: return dirs.installation;
        default: return {};
    }
}

std::string RemovalDirectory(std::int32_t code, const SetupDirectories& dirs, int ntFamily) {
    if (code == kDirSystemDrivers) return dirs.system + (ntFamily ? "\\Drivers" : "32\\Drivers");
    return CopyDirectory(code, dirs);
}

}  // namespace setup
