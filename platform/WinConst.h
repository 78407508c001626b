// Numeric values of the Win32 constants the portable logic speaks of
// (messages, show commands).  Numbers only: the Win32 layer passes them
// through unchanged, and the portable code never includes <windows.h>.
#pragma once

#include <cstdint>

namespace platform::win {

// Window messages.
inline constexpr std::uint32_t kWmCreate = 0x0001;
inline constexpr std::uint32_t kWmDestroy = 0x0002;
inline constexpr std::uint32_t kWmPaint = 0x000F;
inline constexpr std::uint32_t kWmClose = 0x0010;
inline constexpr std::uint32_t kWmQuit = 0x0012;
inline constexpr std::uint32_t kWmCommand = 0x0111;
inline constexpr std::uint32_t kWmTimer = 0x0113;
inline constexpr std::uint32_t kWmLButtonDblClk = 0x0203;  // 515
inline constexpr std::uint32_t kWmDeviceChange = 0x0219;
inline constexpr std::uint32_t kWmHotkey = 0x0312;

// ShowWindow commands.
inline constexpr int kSwHide = 0;
inline constexpr int kSwShowNormal = 1;
inline constexpr int kSwShowMinimized = 2;
inline constexpr int kSwShow = 5;
inline constexpr int kSwMinimize = 6;
inline constexpr int kSwRestore = 9;

// Dialog and combo box notifications.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kCbnSelChange = 1;

// WM_COMMAND packing: identifier in the low word, notification in the high word.
constexpr std::uintptr_t MakeCommandWParam(std::uint16_t id, std::uint16_t code = 0) {
    return static_cast<std::uintptr_t>(id) | (static_cast<std::uintptr_t>(code) << 16);
}
constexpr std::uint16_t CommandId(std::uintptr_t wParam) { return static_cast<std::uint16_t>(wParam & 0xFFFF); }
constexpr std::uint16_t CommandCode(std::uintptr_t wParam) {
    return static_cast<std::uint16_t>((wParam >> 16) & 0xFFFF);
}

}  // namespace platform::win
