// Start-up of the setup program: the family flag, the source directory, the
// choice between installing, relocating the uninstaller and uninstalling,
// the DirectX check, and the background window's portable part.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/Windows.h"
#include "setup/Manifest.h"
#include "setup/SetupServices.h"

namespace setup {

// 0 on Windows 98 and Me, 1 on every other system, from the GetVersion word.
int NtFamilyFlag(std::uint32_t versionWord);

// Drive and directory of the running program without a trailing backslash;
// a program in a drive root gives the drive letter and colon alone.
std::string SourceDirectory(const std::string& moduleFileName);
// File name without directory and extension.
std::string ExecutableBaseName(const std::string& moduleFileName);

enum class SetupMode { Install, Relocate, Uninstall };
// "UNINSTAL" (any case) without a command line relocates, with one
// uninstalls the directory it names; any other name installs.
SetupMode DecideMode(const std::string& baseName, const std::string& commandLine);

// dir + "\" + name, without doubling a backslash the directory ends with.
std::string JoinPath(const std::string& dir, const std::string& name);

// First stage of uninstalling: confirm, copy "uninstal.exe" of the current
// directory whole into the Windows directory (replacing an older copy) and
// start that copy, hidden, with the source directory as its command line.
void RelocateUninstaller(SetupServices& s, const std::string& windowsDir, const std::string& sourceDir);

// DirectX 8-or-later level and the DirectX 9 tuning key; each failure shows
// its message.  False ends the program.
bool CheckDirectX(SetupServices& s);
int CheckBdaTuning(SetupServices& s);

struct LanguageBytes {
    int primary = 0;     // 17 Japanese, 4 Chinese, 7 German, 25 Russian
    int secondary = 0;
};
// Language of "USER.EXE" in the system directory; none without version information.
std::optional<LanguageBytes> SystemLanguage(platform::SetupSystem& system, const std::string& systemDir);

// Reboot; when refused, once more with the shutdown privilege.  Silent.
void RestartWindows(platform::SetupSystem& system);

// The application object.
class CSetupApp {
public:
    explicit CSetupApp(SetupServices& s) : s_(s) {}

    struct Start {
        bool runMessageLoop = false;   // false: the program ends with exitCode
        int exitCode = 0;
        int frameShowCommand = platform::kSwShow;   // the background window
    };
    Start InitInstance(const std::string& commandLine);

    int ntFamily = 1;
    int uninstallMode = 0;
    std::string sourceDirectory;
    std::string exeName;
    std::string commandLine;

private:
    SetupServices& s_;
};

// The background window's state and decisions; the window procedure draws
// and forwards.
class CMainFrame {
public:
    static constexpr std::uint32_t kInstallTimer = 101;
    static constexpr std::uint32_t kUninstallTimer = 102;
    static constexpr std::uint32_t kTimerPeriodMs = 50;
    static constexpr std::uint32_t kWmClose = 0x0010;

    explicit CMainFrame(platform::Files& files);

    struct Rect {
        int left = 0, top = 0, width = 0, height = 0;
    };
    static std::string TitleText();   // "Kestrova TV Drovan 2.28.0.400 Setup."
    static Rect WindowRect(int screenWidth, int screenHeight, int border);
    static Rect PictureRect(int clientWidth, int clientHeight);   // 640 x 480, centred

    // Tells a running schedule program that setup runs and gives the timer
    // to arm (101 install, 102 uninstall).
    std::uint32_t OnCreate(platform::Windows& windows, std::uint32_t uninstallScheduleMessage, int uninstallMode);
    void OnDestroy(platform::Windows& windows);

    SetupDirectories directories;
};

}  // namespace setup
