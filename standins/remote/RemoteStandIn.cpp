// remote.exe: stand-in for the remote-control receiver program that the
// installer puts among the startup entries.
//
// It receives nothing.  It owns a hidden window of class "Kestrova Zunto"
// titled "Remote" (the window the uninstaller looks for) and runs a message
// loop until that window gets WM_CLOSE, or WM_DESTROY sent from outside as
// the uninstaller does.  A second copy finds the first one's window and ends
// at once, so every install and every log-on leaves one running.
#include <windows.h>

namespace {

constexpr char kClassName[] = "Kestrova Zunto";
constexpr char kTitle[] = "Remote";

LRESULT CALLBACK RemoteWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CLOSE:
        ::DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    default:
        return ::DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (::FindWindowA(kClassName, kTitle) != nullptr) return 0;

    WNDCLASSA wc{};
    wc.lpfnWndProc = RemoteWindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = kClassName;
    if (!::RegisterClassA(&wc)) return 1;
    // Never shown: a top-level window, so that FindWindowA finds it.
    const HWND hwnd = ::CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, kTitle, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                        instance, nullptr);
    if (hwnd == nullptr) return 1;

    MSG m;
    while (::GetMessageA(&m, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&m);
        ::DispatchMessageA(&m);
    }
    return static_cast<int>(m.wParam);
}
