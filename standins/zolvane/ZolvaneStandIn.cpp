// Zolvane.exe: stand-in for the playback window program.
//
// It plays nothing.  It owns a window of the playback window's class and
// title, paints its transport state, and answers the panel the way the panel
// relies on:
//   - the transport commands 40026 play, 40027 stop, 40028 pause, 40029 to
//     the end, 40030 to the start, and the seeks 4005 (position) and 4006
//     (knob x) are acknowledged by posting 40113 to the panel, which waits
//     for that before it sends the next one;
//   - 46001, 46002 and 46003 carry the second, minute and hour at which
//     time-shift began; they are shown and not answered;
//   - WM_CLOSE closes.
// Every WM_COMMAND and WM_CLOSE it receives is appended at once to
// Zolvane.log beside the program, in the stand-ins' log format.
#include <windows.h>

#include <string>

#include "platform/win32/Win32Platform.h"
#include "standins/common/StandInWindow.h"

namespace {

constexpr char kClassName[] = "ZolvaneMediaPlayer";
constexpr char kTitle[] = "Zolvane Media Player";

enum : WORD {
    kPlay = 40026,
    kStop = 40027,
    kPause = 40028,
    kToEnd = 40029,
    kToStart = 40030,
    kSeek = 4005,
    kKnobDrag = 4006,
    kStartSecond = 46001,
    kStartMinute = 46002,
    kStartHour = 46003,
};

constexpr WORD kAcknowledge = 40113;  // to the panel

// The stand-in's whole state; it lives in WinMain and the window keeps a pointer.
struct PlaybackStandIn {
    standins::MessageLog log{"Zolvane.log"};
    platform::win32::Win32Windows windows;
    const char* state = "stopped";
    long long position = 0;
    long long startHour = 0, startMinute = 0, startSecond = 0;

    void OnCommand(HWND hwnd, WORD id, LPARAM value);
    void Paint(HWND hwnd);
};

void Acknowledge(PlaybackStandIn& p) {
    p.windows.Post(p.windows.Find(standins::kPanelClass, standins::kPanelTitle), WM_COMMAND, kAcknowledge, 0);
}

void PlaybackStandIn::OnCommand(HWND hwnd, WORD id, LPARAM value) {
    PlaybackStandIn& p = *this;
    switch (id) {
    case kPlay: p.state = "playing"; break;
    case kStop: p.state = "stopped"; p.position = 0; break;
    case kPause: p.state = "paused"; break;
    case kToEnd: p.state = "playing"; p.position = -1; break;
    case kToStart: p.state = "playing"; p.position = 0; break;
    case kSeek:
    case kKnobDrag: p.position = value; break;
    case kStartSecond: p.startSecond = value; break;
    case kStartMinute: p.startMinute = value; break;
    case kStartHour: p.startHour = value; break;
    default: return;
    }
    ::InvalidateRect(hwnd, nullptr, TRUE);
    if (id != kStartSecond && id != kStartMinute && id != kStartHour) Acknowledge(p);
}

void PlaybackStandIn::Paint(HWND hwnd) {
    const PlaybackStandIn& p = *this;
    PAINTSTRUCT ps;
    const HDC dc = ::BeginPaint(hwnd, &ps);
    RECT client;
    ::GetClientRect(hwnd, &client);
    const std::string text = std::string("Playback window stand-in\n") + p.state + ", position " +
                             (p.position < 0 ? std::string("end") : std::to_string(p.position)) +
                             "\ntime-shift began " + std::to_string(p.startHour) + ":" +
                             std::to_string(p.startMinute) + ":" + std::to_string(p.startSecond);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, RGB(255, 255, 255));
    ::DrawTextA(dc, text.c_str(), -1, &client, DT_CENTER | DT_NOPREFIX);
    ::EndPaint(hwnd, &ps);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    PlaybackStandIn playback;
    return standins::RunStandInWindow(instance, showCommand, {kClassName, kTitle, 320, 120}, playback, [](HWND) {});
}
