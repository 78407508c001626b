#include "setup/win32/MainFrame.h"

#include "setup/InstallFlow.h"
#include "setup/win32/InstallWizard.h"
#include "setup/win32/resource.h"

namespace setup::win32 {

bool MainFrameWindow::Create(int showCommand) {
    background_.reset(::CreateSolidBrush(RGB(0, 0, 96)));
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = w_.module;
    wc.hIcon = ::LoadIconA(w_.module, MAKEINTRESOURCEA(IDI_SETUP));
    wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = background_.get();
    wc.lpszClassName = kClassName;
    if (!::RegisterClassA(&wc)) return false;

    const int b = ::GetSystemMetrics(SM_CXBORDER);
    const auto r = CMainFrame::WindowRect(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN), b);
    const HWND hwnd = ::CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, kTitle, WS_POPUP, r.left, r.top, r.width,
                                        r.height, nullptr, nullptr, w_.module, this);
    if (hwnd == nullptr) return false;
    ::ShowWindow(hwnd, showCommand);
    ::UpdateWindow(hwnd);
    return true;
}

LRESULT CALLBACK MainFrameWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<MainFrameWindow*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        self = static_cast<MainFrameWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    if (self == nullptr) return ::DefWindowProcA(hwnd, message, wParam, lParam);
    return self->Handle(message, wParam, lParam);
}

LRESULT MainFrameWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: OnCreate(); return 0;
    case WM_PAINT: OnPaint(); return 0;
    case WM_TIMER: OnTimer(wParam); return 0;
    case WM_DESTROY: OnDestroy(); return 0;
    default: return ::DefWindowProcA(hwnd_, message, wParam, lParam);
    }
}

void MainFrameWindow::OnCreate() {
    picture_.reset(static_cast<HBITMAP>(
        ::LoadImageA(w_.module, MAKEINTRESOURCEA(IDB_BACKGROUND), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    titleFont_.reset(::CreateFontA(36, 0, 0, 0, FW_BOLD, TRUE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                   CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_ROMAN, "Times New Roman"));
    title_ = CMainFrame::TitleText();
    const std::uint32_t timer = frame_.OnCreate(w_.windows, scheduleMessage_, app_.uninstallMode);
    ::SetTimer(hwnd_, timer, CMainFrame::kTimerPeriodMs, nullptr);
}

void MainFrameWindow::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(hwnd_, &ps);
    RECT client{};
    ::GetClientRect(hwnd_, &client);
    if (picture_) {
        const auto at = CMainFrame::PictureRect(client.right - client.left, client.bottom - client.top);
        BITMAP info{};
        ::GetObjectA(picture_.get(), sizeof info, &info);
        MemoryDc source(dc);
        if (source) {
            const Selected picture(source.get(), picture_.get());
            ::SetStretchBltMode(dc, COLORONCOLOR);
            ::StretchBlt(dc, at.left, at.top, at.width, at.height, source.get(), 0, 0, info.bmWidth, info.bmHeight,
                         SRCCOPY);
        }
    }
    ::SetTextColor(dc, RGB(255, 255, 255));
    ::SetBkMode(dc, TRANSPARENT);
    {
        const Selected font(dc, titleFont_ ? static_cast<HGDIOBJ>(titleFont_.get()) : ::GetStockObject(SYSTEM_FONT));
        ::TextOutA(dc, 12, 8, title_.c_str(), static_cast<int>(title_.size()));
    }
    ::EndPaint(hwnd_, &ps);
}

void MainFrameWindow::OnTimer(UINT_PTR id) {
    if (id == CMainFrame::kInstallTimer) {
        ::KillTimer(hwnd_, id);
        CDestinationDlg destination(w_.services, frame_.directories);
        Win32InstallFlowUi ui(w_, app_, frame_.directories, destination, hwnd_);
        RunInstallFlow(w_.services, frame_.directories, destination, ui);
    } else if (id == CMainFrame::kUninstallTimer) {
        ::KillTimer(hwnd_, id);
        // The uninstall wizard is not part of this program yet: the hidden
        // window closes and the program ends without removing anything.
        ::PostMessageA(hwnd_, WM_CLOSE, 0, 0);
    }
}

void MainFrameWindow::OnDestroy() {
    frame_.OnDestroy(w_.windows);
    picture_.reset();
    titleFont_.reset();
    ::PostQuitMessage(0);
}

}  // namespace setup::win32
