// The link to the TV window program ("video"): finding its window before
// every use, posting and sending it WM_COMMAND identifiers, and starting it.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Files.h"
#include "platform/Processes.h"
#include "platform/Profile.h"
#include "platform/Windows.h"

namespace tvlink {

inline constexpr char kTvClass[] = "Kestrova Zunto";
inline constexpr char kTvTitle[] = "Tv";
inline constexpr char kTvProgram[] = "video.ex_";

// Installation directory: win.ini [AP] 222APDirectory, or the current
// directory when that is empty.
std::string InstallationDirectory(platform::ProfileStore& winIni, platform::Files& files);

// Command line that runs `program` from the installation directory, the
// program path in quotes (the directory may hold blanks), followed by the
// arguments if any.
std::string ProgramCommandLine(const std::string& directory, const std::string& program,
                               const std::string& arguments = "");

class TvLink {
public:
    // lastFound is where the window found last is kept (PanelSession::TvWindow).
    TvLink(platform::Windows& windows, platform::Processes& processes, platform::ProfileStore& winIni,
           platform::Files& files, std::uintptr_t& lastFound)
        : windows_(windows), processes_(processes), winIni_(winIni), files_(files), last_(lastFound) {}

    // Looks the window up now (and remembers it); 0 when it is not running.
    platform::WindowId Find();
    bool Exists() { return Find() != 0; }
    platform::WindowId Last() const { return last_; }

    // WM_COMMAND id/lParam to the window as found now; lost when it is missing.
    bool Post(std::uint16_t id, std::intptr_t lParam = 0);
    std::intptr_t Send(std::uint16_t id, std::intptr_t lParam = 0);
    // WM_COMMAND to the window found last, without looking again.
    bool PostToLast(std::uint16_t id, std::intptr_t lParam = 0);
    // Any message (WM_CLOSE, a double-click) to the window as found now.
    // (Not named PostMessage: <windows.h> makes that name a macro.)
    bool PostWindowMessage(std::uint32_t msg, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);

    // Starts the program without waiting: shown (5) or hidden (0).
    bool Start(int showCommand);
    std::string StartCommandLine();

private:
    platform::Windows& windows_;
    platform::Processes& processes_;
    platform::ProfileStore& winIni_;
    platform::Files& files_;
    std::uintptr_t& last_;
};

}  // namespace tvlink
