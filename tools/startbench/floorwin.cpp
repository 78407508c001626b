// floorwin: the least a window program does to show a window of a given
// size (the floor against which the panel's start is measured).
//
//   floorwin WIDTH HEIGHT
#include <windows.h>

#include <cstdlib>

static LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(w, m, wp, lp);
}

int WINAPI WinMain(HINSTANCE inst, HINSTANCE, LPSTR, int) {
    const int w = __argc > 2 ? std::atoi(__argv[1]) : 547;
    const int h = __argc > 2 ? std::atoi(__argv[2]) : 176;
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = inst;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    wc.lpszClassName = "Floor Window";
    if (!RegisterClassA(&wc)) return 0;
    HWND win = CreateWindowExA(0, "Floor Window", "Floor", WS_POPUP, 100, 100, w, h, nullptr, nullptr, inst, nullptr);
    if (win == nullptr) return 0;
    ShowWindow(win, SW_SHOW);
    UpdateWindow(win);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
