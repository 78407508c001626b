// The window the logging stand-ins share: one top-level window whose
// procedure logs every WM_COMMAND and WM_CLOSE it receives and hands the
// commands and painting to the stand-in's own functions, and the message
// loop around it.
//
// The stand-in's state type provides:
//   standins::MessageLog log;
//   void OnCommand(HWND, WORD id, LPARAM value);
//   void Paint(HWND);
// and may provide bool OnOther(HWND, UINT, WPARAM, LPARAM) for further
// messages (true when handled).
#pragma once

#include <windows.h>

#include "standins/common/StandInLog.h"

namespace standins {

struct WindowSpec {
    const char* className;
    const char* title;
    int width;
    int height;
    UINT classStyle = 0;
};

template <typename State>
LRESULT CALLBACK StandInWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* state = reinterpret_cast<State*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (state == nullptr) return ::DefWindowProcA(hwnd, msg, wParam, lParam);

    switch (msg) {
    case WM_COMMAND:
        state->log.Append("WM_COMMAND", LOWORD(wParam), lParam);
        state->OnCommand(hwnd, LOWORD(wParam), lParam);
        return 0;
    case WM_CLOSE:
        state->log.Append("WM_CLOSE", static_cast<long long>(wParam), lParam);
        ::DestroyWindow(hwnd);
        return 0;
    case WM_PAINT:
        state->Paint(hwnd);
        return 0;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    default:
        if constexpr (requires { state->OnOther(hwnd, msg, wParam, lParam); }) {
            if (state->OnOther(hwnd, msg, wParam, lParam)) return 0;
        }
        return ::DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

// Registers the class, creates and shows the window, calls started(hwnd)
// and runs the loop; the exit code, or 1 when the window could not be made.
template <typename State, typename Started>
int RunStandInWindow(HINSTANCE instance, int showCommand, const WindowSpec& plan, State& state, Started&& started) {
    WNDCLASSA wc{};
    wc.style = plan.classStyle;
    wc.lpfnWndProc = StandInWindowProc<State>;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = plan.className;
    if (!::RegisterClassA(&wc)) return 1;

    const HWND hwnd = ::CreateWindowExA(0, plan.className, plan.title, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                        CW_USEDEFAULT, plan.width, plan.height, nullptr, nullptr, instance, &state);
    if (hwnd == nullptr) return 1;
    ::ShowWindow(hwnd, showCommand);
    ::UpdateWindow(hwnd);
    started(hwnd);

    MSG m;
    while (::GetMessageA(&m, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&m);
        ::DispatchMessageA(&m);
    }
    return static_cast<int>(m.wParam);
}

}  // namespace standins
