// Start-up of the panel program: power settings, the two INI paths, the
// frequency library, the hand-over to a running panel, the panel window and
// the message loop.
#pragma once

#include <cstddef>
#include <string>

#include "core/PanelContext.h"

namespace core {

inline constexpr char kPanelClass[] = "Kestrova Glimvale";
inline constexpr char kPanelTitle[] = "Panel";
inline constexpr char kNoLibraryMessage[] = "Can't find frequency table!!";
inline constexpr int kClockTimer = 40313;
inline constexpr int kClockPeriodMs = 333;

// The INI paths are kept to what a 500-byte buffer holds: 499 characters.
// Installation directory and file name are each at most 259 characters, so
// a longer path can only come from an over-long win.ini entry; it is cut
// there rather than written past the buffer.
inline constexpr std::size_t kIniPathCapacity = 500;

// directory + "\" + name, at most kIniPathCapacity - 1 characters.
std::string BuildIniPath(const std::string& directory, const std::string& name);

struct IniPaths {
    std::string settings;  // QorSFile.ini as installed
    std::string panel;     // QorPFile.ini as installed
};
// From win.ini [AP] QorSettingIniFile and QorPanelIniFile.
IniPaths ReadIniPaths(platform::ProfileStore& winIni, const std::string& installDirectory);

struct PanelPlacement {
    int x, y, width, height;
};
// Centred horizontally, its bottom 40 pixels above the screen's.
PanelPlacement PlacePanel(int screenWidth, int screenHeight, PanelSize base);

// When a panel already runs: brings it to the front, restores it and posts
// it the source command of the stored InputSource.  True when one runs.
bool HandOverToRunningPanel(platform::Windows& windows, platform::ProfileStore& settings);

// The whole program: start-up steps, window, message loop.  Returns the
// exit code (0 on every early exit, else the quit message's code).
int RunPanel(PanelServices& services, PanelSession& session);

}  // namespace core
