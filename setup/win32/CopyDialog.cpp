#include "setup/win32/CopyDialog.h"

#include "platform/win32/Win32DialogView.h"
#include "platform/win32/Win32SetupUi.h"
#include "setup/win32/Gdi.h"

namespace setup::win32 {
namespace {

// SC_MOVE with the caption as the part grabbed: a drag from anywhere.
constexpr WPARAM kMoveByCaption = 0xF012;

// The bar frame's rectangle in the dialog's client coordinates.
RECT BarFrame(HWND dialog) {
    RECT r{};
    if (HWND frame = ::GetDlgItem(dialog, CCopyDlg::kBarFrame)) {
        ::GetWindowRect(frame, &r);
        ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    }
    return r;
}

void PaintBar(HWND dialog, CCopyDlg& copy) {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(dialog, &ps);
    const RECT frame = BarFrame(dialog);
    const CCopyDlg::BarPaint bar = copy.PaintBar({frame.left, frame.top, frame.right, frame.bottom});
    const RECT area{bar.area.left, bar.area.top, bar.area.right, bar.area.bottom};
    if (area.right > area.left && area.bottom > area.top) {
        FillSolid(dc, area, RGB(192, 192, 192));
        const RECT done{area.left, area.top, area.left + bar.filledWidth, area.bottom};
        FillSolid(dc, done, RGB(0, 255, 0));
        RECT text = area;
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, RGB(0, 0, 0));
        const Selected font(dc, ::GetStockObject(SYSTEM_FONT));
        ::DrawTextA(dc, bar.text.c_str(), -1, &text, DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    }
    ::EndPaint(dialog, &ps);
}

INT_PTR CALLBACK CopyDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* copy = reinterpret_cast<CCopyDlg*>(::GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG: {
        ::SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        RECT r{};
        ::GetWindowRect(dialog, &r);
        const auto at = CCopyDlg::Placement(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN),
                                            r.right - r.left, r.bottom - r.top);
        ::SetWindowPos(dialog, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        ::ShowWindow(dialog, SW_SHOW);
        ::SetTimer(dialog, CCopyDlg::kTimerId, CCopyDlg::kTimerPeriodMs, nullptr);
        return TRUE;
    }
    case WM_TIMER:
        if (wParam != CCopyDlg::kTimerId || copy == nullptr) return FALSE;
        ::KillTimer(dialog, CCopyDlg::kTimerId);
        {
            platform::win32::Win32DialogView view(dialog);
            platform::win32::Win32ProgressView progress(dialog, BarFrame(dialog));
            copy->CopyFiles(view, progress);   // ends the dialog
        }
        return TRUE;
    case WM_PAINT:
        if (copy == nullptr) return FALSE;
        PaintBar(dialog, *copy);
        return TRUE;
    case WM_LBUTTONDOWN:
        ::SetCursor(::LoadCursor(nullptr, IDC_SIZEALL));
        ::SendMessageA(dialog, WM_SYSCOMMAND, kMoveByCaption, 0);
        return TRUE;
    case WM_COMMAND:
        // Cancel does not stop the copying: the rows decide the result.
        return LOWORD(wParam) == IDCANCEL;
    default:
        return FALSE;
    }
}

}  // namespace

int RunCopyDialog(HINSTANCE module, HWND owner, CCopyDlg& copy) {
    const INT_PTR r = ::DialogBoxParamA(module, MAKEINTRESOURCEA(CCopyDlg::kDialogId), owner, CopyDialogProc,
                                        reinterpret_cast<LPARAM>(&copy));
    return r == 1 ? 1 : 2;
}

}  // namespace setup::win32
