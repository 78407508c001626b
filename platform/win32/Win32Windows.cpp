#include <windows.h>

#include "platform/win32/Win32Platform.h"

namespace platform::win32 {
namespace {

HWND H(WindowId w) { return reinterpret_cast<HWND>(w); }

const char* OrNull(const std::string& s) { return s.empty() ? nullptr : s.c_str(); }

}  // namespace

WindowId Win32Windows::Find(const std::string& className, const std::string& title) {
    return reinterpret_cast<WindowId>(::FindWindowA(OrNull(className), OrNull(title)));
}

bool Win32Windows::Post(WindowId w, std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) {
    if (w == 0) return false;
    return ::PostMessageA(H(w), msg, static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam)) != FALSE;
}

std::intptr_t Win32Windows::Send(WindowId w, std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) {
    if (w == 0) return 0;
    return ::SendMessageA(H(w), msg, static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam));
}

void Win32Windows::Show(WindowId w, int showCommand) {
    if (w != 0) ::ShowWindow(H(w), showCommand);
}

void Win32Windows::SetForeground(WindowId w) {
    if (w != 0) ::SetForegroundWindow(H(w));
}

void Win32Windows::SetTopmost(WindowId w, bool topmost) {
    if (w == 0) return;
    ::SetWindowPos(H(w), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32Windows::SetFocus(WindowId w) {
    if (w != 0) ::SetFocus(H(w));
}

bool Win32Windows::Exists(WindowId w) { return w != 0 && ::IsWindow(H(w)) != FALSE; }

void Win32Timers::Start(WindowId w, std::uint32_t id, std::uint32_t periodMs) {
    if (w != 0) ::SetTimer(H(w), id, periodMs, nullptr);
}

void Win32Timers::Stop(WindowId w, std::uint32_t id) {
    if (w != 0) ::KillTimer(H(w), id);
}

}  // namespace platform::win32
