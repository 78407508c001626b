#include <windows.h>
#include <shellapi.h>

#include "platform/win32/Win32Platform.h"

namespace platform::win32 {
namespace {

struct PowerActions {
    UINT get;
    UINT set;
};

PowerActions ActionsOf(PowerSetting s) {
    switch (s) {
    case PowerSetting::ScreenSaveActive: return {SPI_GETSCREENSAVEACTIVE, SPI_SETSCREENSAVEACTIVE};
    case PowerSetting::LowPowerActive: return {SPI_GETLOWPOWERACTIVE, SPI_SETLOWPOWERACTIVE};
    case PowerSetting::PowerOffActive: return {SPI_GETPOWEROFFACTIVE, SPI_SETPOWEROFFACTIVE};
    }
    return {SPI_GETSCREENSAVEACTIVE, SPI_SETSCREENSAVEACTIVE};
}

}  // namespace

int Win32System::ScreenWidth() { return ::GetSystemMetrics(SM_CXSCREEN); }

int Win32System::ScreenHeight() { return ::GetSystemMetrics(SM_CYSCREEN); }

int Win32System::GetPower(PowerSetting s) {
    BOOL value = FALSE;
    if (!::SystemParametersInfoA(ActionsOf(s).get, 0, &value, 0)) return 0;
    return value;
}

void Win32System::SetPower(PowerSetting s, int value) {
    // These three take the new value in the integer parameter.
    ::SystemParametersInfoA(ActionsOf(s).set, static_cast<UINT>(value), nullptr,
                            SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
}

bool Win32Processes::Run(const std::string& commandLine, int showCommand) {
    return ::WinExec(commandLine.c_str(), static_cast<UINT>(showCommand)) > 31;
}

bool Win32Processes::Open(const std::string& document) {
    const HINSTANCE r = ::ShellExecuteA(nullptr, "open", document.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(r) > 32;
}

}  // namespace platform::win32
