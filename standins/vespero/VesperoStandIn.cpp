// Vespero.exe: stand-in for the schedule-recording program.
//
// It keeps no schedules and records nothing.  It shows the schedule settings
// window (a dialog titled "Schedule Recording Settings", the title by which
// the panel and the uninstaller find it) and keeps the panel informed:
//   - when the window opens it posts the panel command 42223 with lParam 1
//     (a schedule program is present);
//   - when the window closes it posts 40116 (the program the panel started
//     has gone) and 42223 with lParam 0.
// It closes on its Close button, on WM_CLOSE and on message 40041 (the
// uninstaller's request).  Message 42224 (the panel's "recording stopped")
// is only logged.  A second copy brings the first one's window to the front
// and ends.
// Every WM_COMMAND, WM_CLOSE, 40041 and 42224 the window receives is appended
// at once to Vespero.log beside the program, in the stand-ins' log format
// (plain messages by their number).
#include <windows.h>

#include <string>

#include "platform/win32/Win32Platform.h"
#include "standins/common/StandInLog.h"
#include "standins/vespero/resource.h"

namespace {

constexpr char kTitle[] = "Schedule Recording Settings";

constexpr UINT kCloseRequest = 40041;     // from the uninstaller
constexpr UINT kRecordingStopped = 42224;  // from the panel
enum : WORD {                             // panel commands
    kSchedulerGone = 40116,
    kSchedulerPresent = 42223,
};

struct ScheduleStandIn {
    standins::MessageLog log{"Vespero.log"};
    platform::win32::Win32Windows windows;
    bool closing = false;
};

void TellPanel(ScheduleStandIn& s, WORD command, LPARAM value) {
    s.windows.Post(s.windows.Find(standins::kPanelClass, standins::kPanelTitle), WM_COMMAND, command, value);
}

void CloseSchedule(HWND dialog, ScheduleStandIn& s) {
    if (s.closing) return;
    s.closing = true;
    TellPanel(s, kSchedulerGone, 0);
    TellPanel(s, kSchedulerPresent, 0);
    ::DestroyWindow(dialog);
}

INT_PTR CALLBACK ScheduleDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
        ::SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        TellPanel(*reinterpret_cast<ScheduleStandIn*>(lParam), kSchedulerPresent, 1);
        return TRUE;
    }
    auto* s = reinterpret_cast<ScheduleStandIn*>(::GetWindowLongPtrA(dialog, DWLP_USER));
    if (s == nullptr) return FALSE;

    switch (msg) {
    case WM_COMMAND:
        s->log.Append("WM_COMMAND", LOWORD(wParam), lParam);
        if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK) CloseSchedule(dialog, *s);
        return TRUE;
    case WM_CLOSE:
        s->log.Append("WM_CLOSE", static_cast<long long>(wParam), lParam);
        CloseSchedule(dialog, *s);
        return TRUE;
    case kCloseRequest:
        s->log.Append(std::to_string(msg), static_cast<long long>(wParam), lParam);
        CloseSchedule(dialog, *s);
        return TRUE;
    case kRecordingStopped:
        s->log.Append(std::to_string(msg), static_cast<long long>(wParam), lParam);
        return TRUE;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    if (const HWND running = ::FindWindowA(nullptr, kTitle)) {
        if (::IsIconic(running)) ::ShowWindow(running, SW_RESTORE);
        ::SetForegroundWindow(running);
        return 0;
    }

    ScheduleStandIn schedule;
    const HWND dialog = ::CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_SCHEDULE), nullptr, ScheduleDialogProc,
                                             reinterpret_cast<LPARAM>(&schedule));
    if (dialog == nullptr) return 1;
    ::ShowWindow(dialog, showCommand);

    MSG m;
    while (::GetMessageA(&m, nullptr, 0, 0) > 0) {
        if (::IsDialogMessageA(dialog, &m)) continue;
        ::TranslateMessage(&m);
        ::DispatchMessageA(&m);
    }
    return static_cast<int>(m.wParam);
}
