#include "platform/win32/Win32Tooltips.h"

#include <windows.h>
#include <commctrl.h>

namespace platform::win32 {
namespace {

// Registers the control's window class; asking again is harmless.
void RegisterCommonControls() {
    INITCOMMONCONTROLSEX icc{};
    icc.dwSize = sizeof icc;
    icc.dwICC = ICC_WIN95_CLASSES;
    ::InitCommonControlsEx(&icc);
}

}  // namespace

WindowId Win32Tooltips::Create(WindowId ownerId, const TooltipSpec& plan) {
    RegisterCommonControls();
    HWND owner = reinterpret_cast<HWND>(ownerId);
    HWND tip = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                 CW_USEDEFAULT, CW_USEDEFAULT, 10, 10, owner, nullptr, ::GetModuleHandleA(nullptr),
                                 nullptr);
    if (tip == nullptr) return 0;
    ::SetWindowPos(tip, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    for (const Tool& tool : plan.tools) {
        TOOLINFOA ti{};
        // The size every version of the control knows.
        ti.cbSize = TTTOOLINFOA_V2_SIZE;
        ti.uFlags = TTF_SUBCLASS;
        ti.hwnd = owner;
        ti.uId = tool.id;
        ti.rect = {tool.rect.x, tool.rect.y, tool.rect.x + tool.rect.width, tool.rect.y + tool.rect.height};
        ti.lpszText = const_cast<char*>(tool.text.c_str());  // the control keeps its own copy
        ::SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    }
    ::SendMessageA(tip, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(plan.initialDelayMs, 0));
    ::SendMessageA(tip, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(plan.autoPopMs, 0));
    ::SendMessageA(tip, TTM_SETDELAYTIME, TTDT_RESHOW, MAKELPARAM(plan.reshowMs, 0));
    ::SendMessageA(tip, TTM_ACTIVATE, TRUE, 0);
    return reinterpret_cast<WindowId>(tip);
}

void Win32Tooltips::Destroy(WindowId tooltip) {
    if (tooltip != 0) ::DestroyWindow(reinterpret_cast<HWND>(tooltip));
}

}  // namespace platform::win32
