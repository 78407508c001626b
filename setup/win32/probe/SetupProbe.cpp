// setupprobe: reads and presses the controls of setup's dialogs and wizard
// pages from outside, for the Wine tests.  The window is a top-level window
// found by class and title ("-" for any); a control id that the window
// itself lacks is looked up on its current property page.
//   setupprobe text CLASS TITLE ID      prints the control's text
//   setupprobe checked CLASS TITLE ID   prints 1 or 0
//   setupprobe click CLASS TITLE ID     presses the button
// Exit 0 on success, 1 when the window or control is missing, 2 on a usage error.
#include <windows.h>

#include <commctrl.h>
#include <fcntl.h>
#include <io.h>
#include <prsht.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr DWORD kTimeoutMs = 10000;

const char* OrNull(const char* s) { return std::string(s) == "-" ? nullptr : s; }

HWND Control(const char* cls, const char* title, int id) {
    const HWND window = ::FindWindowA(OrNull(cls), OrNull(title));
    if (window == nullptr) return nullptr;
    if (HWND control = ::GetDlgItem(window, id)) return control;
    DWORD_PTR page = 0;
    if (!::SendMessageTimeoutA(window, PSM_GETCURRENTPAGEHWND, 0, 0, SMTO_ABORTIFHUNG, kTimeoutMs, &page) || page == 0) {
        return nullptr;
    }
    return ::GetDlgItem(reinterpret_cast<HWND>(page), id);
}

}  // namespace

int main(int argc, char** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    if (argc != 5) {
        std::fprintf(stderr, "usage: setupprobe text|checked|click CLASS TITLE ID\n");
        return 2;
    }
    const std::string command = argv[1];
    const HWND control = Control(argv[2], argv[3], std::atoi(argv[4]));
    if (control == nullptr) return 1;
    DWORD_PTR result = 0;
    if (command == "text") {
        std::vector<char> text(65536, '\0');
        if (!::SendMessageTimeoutA(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                                   SMTO_ABORTIFHUNG, kTimeoutMs, &result)) {
            return 1;
        }
        std::printf("%s\n", text.data());
    } else if (command == "checked") {
        if (!::SendMessageTimeoutA(control, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, kTimeoutMs, &result)) return 1;
        std::printf("%d\n", result == BST_CHECKED ? 1 : 0);
    } else if (command == "click") {
        // Posted: the press may open a modal dialog that would hold a send.
        if (!::PostMessageA(control, BM_CLICK, 0, 0)) return 1;
    } else {
        return 2;
    }
    return 0;
}
