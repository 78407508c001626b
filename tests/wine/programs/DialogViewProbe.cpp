// dialogviewprobe.exe: runs dialog-view steps on a real modal dialog, for the
// Wine tests.  Each argument is one step, "op:id[:argument...]"; a text
// argument is the rest of the step, colons included:
//   set:ID:TEXT  get:ID  enable:ID:0|1  enabled:ID  check:ID:0|1  checked:ID
//   reset:ID  add:ID:TEXT  select:ID:INDEX  selection:ID  item:ID:INDEX
//   range:ID:LOW:HIGH  pos:ID:POS  getpos:ID  close:RESULT
// Every step that reads or adds prints "<step> = <value>".  "enabled" asks
// the window itself (the view has no such read).  The steps run once the
// dialog's modal loop is running; "close" ends it, and without a "close" the
// probe closes it with 1000.  The exit code is the dialog's result, or 2000
// when the dialog could not be shown, 3000 on a bad step.
#include <windows.h>
#include <commctrl.h>
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/win32/Win32DialogView.h"
#include "tests/wine/programs/DialogViewProbe.h"

namespace {

constexpr UINT kRunSteps = WM_APP + 1;
constexpr int kNotClosed = 100;  // exit codes stay below 256
constexpr int kNoDialog = 101;
constexpr int kBadStep = 102;

void Print(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// The fields of a step; with a limit, the last field takes the rest of the
// text, colons included.
std::vector<std::string> Split(const std::string& text, std::size_t limit) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t colon = text.find(':', start);
        if (colon == std::string::npos || fields.size() + 1 == limit) {
            fields.push_back(text.substr(start));
            return fields;
        }
        fields.push_back(text.substr(start, colon - start));
        start = colon + 1;
    }
}

// Runs one step; false on a malformed one.  `closed` is set by "close".
bool Run(platform::DialogView& view, HWND dialog, const std::string& text, bool& closed) {
    const std::string op = text.substr(0, text.find(':'));
    const bool hasText = op == "set" || op == "add";
    std::vector<std::string> at = Split(text, hasText ? 3 : 0);
    at.erase(at.begin());  // the fields after op
    const auto number = [&](std::size_t i, int& out) {
        if (i >= at.size() || at[i].empty()) return false;
        char* end = nullptr;
        out = static_cast<int>(std::strtol(at[i].c_str(), &end, 10));
        return *end == '\0';
    };
    const auto show = [&](const std::string& value) { Print(text + " = " + value); };
    int id = 0, a = 0, b = 0;
    if (op == "close") {
        if (!number(0, a)) return false;
        view.Close(a);
        closed = true;
        return true;
    }
    if (!number(0, id)) return false;
    if (op == "set" && at.size() == 2) view.SetText(id, at[1]);
    else if (op == "get") show(view.GetText(id));
    else if (op == "enable" && number(1, a)) view.Enable(id, a != 0);
    else if (op == "enabled") show(::IsWindowEnabled(::GetDlgItem(dialog, id)) ? "1" : "0");
    else if (op == "check" && number(1, a)) view.Check(id, a != 0);
    else if (op == "checked") show(view.IsChecked(id) ? "1" : "0");
    else if (op == "reset") view.ListReset(id);
    else if (op == "add" && at.size() == 2) show(std::to_string(view.ListAdd(id, at[1])));
    else if (op == "select" && number(1, a)) view.ListSelect(id, a);
    else if (op == "selection") show(std::to_string(view.ListSelection(id)));
    else if (op == "item" && number(1, a)) show(view.ListItemText(id, a));
    else if (op == "range" && number(1, a) && number(2, b)) view.SliderSetRange(id, a, b);
    else if (op == "pos" && number(1, a)) view.SliderSetPos(id, a);
    else if (op == "getpos") show(std::to_string(view.SliderPos(id)));
    else return false;
    return true;
}

struct Probe {
    std::vector<std::string> steps;
};

INT_PTR CALLBACK ProbeDialogProc(HWND dialog, UINT msg, WPARAM, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        ::SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        ::PostMessageA(dialog, kRunSteps, 0, 0);
        return TRUE;
    case kRunSteps: {
        const auto* probe = reinterpret_cast<const Probe*>(::GetWindowLongPtrA(dialog, DWLP_USER));
        platform::win32::Win32DialogView view(dialog);
        bool closed = false;
        for (const std::string& step : probe->steps) {
            if (!Run(view, dialog, step, closed)) {
                Print("bad step: " + step);
                ::EndDialog(dialog, kBadStep);
                return TRUE;
            }
            if (closed) return TRUE;
        }
        ::EndDialog(dialog, kNotClosed);
        return TRUE;
    }
    default:
        return FALSE;
    }
}

}  // namespace

int main(int argc, char** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);
    Probe probe;
    for (int i = 1; i < argc; ++i) probe.steps.emplace_back(argv[i]);
    const INT_PTR result = ::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_PROBE), nullptr,
                                             ProbeDialogProc, reinterpret_cast<LPARAM>(&probe));
    return result == -1 ? kNoDialog : static_cast<int>(result);
}
