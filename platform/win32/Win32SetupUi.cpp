#include "platform/win32/Win32SetupUi.h"

#include <commctrl.h>
#include <prsht.h>

#include <vector>

namespace platform::win32 {
namespace {

INT_PTR CALLBACK PlainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            ::EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    default: return FALSE;
    }
}

std::string WindowText(HWND window) {
    if (window == nullptr) return {};
    const int length = ::GetWindowTextLengthA(window);
    if (length <= 0) return {};
    std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
    const int got = ::GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    return std::string(text.data(), got > 0 ? static_cast<std::size_t>(got) : 0);
}

}  // namespace

int Win32MessageBoxes::Show(const std::string& text, const std::string& caption, unsigned style) {
    return ::MessageBoxA(nullptr, text.c_str(), caption.c_str(), style);
}

std::string Win32StringTable::Load(unsigned id) {
    // With a zero length LoadStringW hands out the resource text itself.
    const wchar_t* text = nullptr;
    const int length = ::LoadStringW(module_, id, reinterpret_cast<wchar_t*>(&text), 0);
    if (length <= 0 || text == nullptr) {
        // Systems without the wide call: the ANSI one, in a buffer that grows
        // until the text fits with room to spare.
        for (int size = 1024; size <= 65536; size *= 4) {
            std::vector<char> buffer(static_cast<std::size_t>(size), '\0');
            const int got = ::LoadStringA(module_, id, buffer.data(), size);
            if (got <= 0) return {};
            if (got < size - 1) return std::string(buffer.data(), static_cast<std::size_t>(got));
        }
        return {};
    }
    const int bytes = ::WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return {};
    std::string out(static_cast<std::size_t>(bytes), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text, length, out.data(), bytes, nullptr, nullptr);
    return out;
}

Win32SetupDialogs::~Win32SetupDialogs() {
    for (auto& [id, window] : modeless_) {
        if (::IsWindow(window)) ::DestroyWindow(window);
    }
}

int Win32SetupDialogs::RunModal(int dialogId) {
    HWND owner = owner_ != nullptr && ::IsWindow(owner_) ? owner_ : ::GetActiveWindow();
    const INT_PTR r = ::DialogBoxParamA(module_, MAKEINTRESOURCEA(dialogId), owner, PlainDialogProc, 0);
    return r <= 0 ? IDCANCEL : static_cast<int>(r);
}

void Win32SetupDialogs::ShowModeless(int dialogId) {
    DestroyModeless(dialogId);
    HWND window = ::CreateDialogParamA(module_, MAKEINTRESOURCEA(dialogId), nullptr, PlainDialogProc, 0);
    if (window == nullptr) return;
    const POINT at = CentredOnScreen(window);
    ::SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ::ShowWindow(window, SW_SHOW);
    ::UpdateWindow(window);
    modeless_[dialogId] = window;
}

void Win32SetupDialogs::DestroyModeless(int dialogId) {
    const auto it = modeless_.find(dialogId);
    if (it == modeless_.end()) return;
    if (::IsWindow(it->second)) ::DestroyWindow(it->second);
    modeless_.erase(it);
}

void Win32WizardSheet::SetWizardButtons(unsigned buttons) {
    ::PostMessageA(sheet_, PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(buttons));
}

std::string Win32WizardSheet::ButtonText(int id) { return WindowText(::GetDlgItem(sheet_, id)); }

void Win32WizardSheet::SetButtonText(int id, const std::string& text) {
    ::SetDlgItemTextA(sheet_, id, text.c_str());
}

void Win32WizardSheet::ShowButton(int id, bool shown) {
    if (HWND button = ::GetDlgItem(sheet_, id)) ::ShowWindow(button, shown ? SW_SHOW : SW_HIDE);
}

void Win32ProgressView::InvalidateBar() { ::InvalidateRect(dialog_, &bar_, FALSE); }

void Win32ProgressView::PumpMessages() { PumpPendingMessages(); }

bool PumpPendingMessages() {
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    return true;
}

POINT CentredOnScreen(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    return {(::GetSystemMetrics(SM_CXSCREEN) - width) / 2, (::GetSystemMetrics(SM_CYSCREEN) - height) / 2};
}

}  // namespace platform::win32
