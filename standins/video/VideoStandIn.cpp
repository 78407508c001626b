// video.exe: stand-in for the TV window program.
//
// It shows, tunes and records nothing.  It owns a window of the TV window's
// class and title, paints a test card naming the current source and channel
// or FM frequency, and answers the panel's commands the way the panel relies
// on:
//   - source selects (2001, 2004, 2002, 2003, 40206) and transport commands
//     (3005, 3007, 3010, 3011, 4101, 2008) are acknowledged by posting 40113;
//   - 42227 is answered, before it returns, by sending 42227 with lParam 1
//     (this TV window has FM);
//   - 2017 stores the FM frequency in the settings file, [TVTuner] FMChannel;
//   - 8000 tunes a channel and reports it with 42224;
//   - 40214 minimizes; WM_CLOSE closes;
//   - on its own start it takes the source the panel stored in the settings
//     file ([ZuntoCrossbar] InputSource) and acknowledges with 40113, as it
//     does for a source select: the panel started it for that source.
// Every WM_COMMAND, WM_CLOSE and WM_LBUTTONDBLCLK it receives is appended at
// once to video.log beside the program, one line each:
//   <message> <id or wParam> <lParam> <posted|sent>
// "sent" when the message came by SendMessage from another thread.
#include <windows.h>

#include <string>

#include "platform/win32/Win32Platform.h"
#include "platform/win32/Win32Profile.h"
#include "standins/common/StandInWindow.h"

namespace {

using standins::kPanelClass;
using standins::kPanelTitle;

constexpr char kClassName[] = "Kestrova Zunto";
constexpr char kTitle[] = "Tv";

enum : WORD {
    kSelectAvIn = 2001,
    kSelectAir = 2002,
    kSelectCable = 2003,
    kSelectSVideo = 2004,
    kSelectFm = 40206,
    kRecordState = 4101,
    kRecordToggle = 2008,
    kTuneChannel = 8000,
    kTuneFm = 2017,
    kTimeShiftStart = 3005,
    kTimeShiftStop = 3007,
    kPlaybackStart = 3010,
    kPlaybackStop = 3011,
    kMinimize = 40214,
    kReportFm = 42227,
};

enum : WORD {  // to the panel
    kAcknowledge = 40113,
    kChannelChanged = 42224,
};

// The stand-in's whole state; it lives in WinMain and the window keeps a pointer.
struct TvStandIn {
    standins::MessageLog log{"video.log"};
    platform::win32::Win32Windows windows;
    platform::win32::WinIniProfile winIni;
    const char* source = "none";
    bool fm = false;
    long long channel = 0;
    long long fmFrequency = 0;  // 100 kHz units

    void OnCommand(HWND hwnd, WORD id, LPARAM value);
    void Paint(HWND hwnd);
    bool OnOther(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
};

// The settings file the panel names in win.ini, read again on every use.
std::string SettingsIniPath(platform::ProfileStore& winIni) {
    return winIni.ReadText("AP", "222APDirectory", "", MAX_PATH) + "\\" +
           winIni.ReadText("AP", "QorSettingIniFile", "", MAX_PATH);
}

void AcknowledgeToPanel(TvStandIn& tv) {
    tv.windows.Post(tv.windows.Find(kPanelClass, kPanelTitle), WM_COMMAND, kAcknowledge, 0);
}

void SelectSource(HWND hwnd, TvStandIn& tv, const char* name, bool fm) {
    tv.source = name;
    tv.fm = fm;
    ::InvalidateRect(hwnd, nullptr, TRUE);
    AcknowledgeToPanel(tv);
}

// The source the panel stored before it started this program.
void StartWithStoredSource(HWND hwnd, TvStandIn& tv) {
    platform::win32::PrivateProfile settings(SettingsIniPath(tv.winIni));
    switch (settings.ReadInt("ZuntoCrossbar", "InputSource", 3)) {
    case 1: SelectSource(hwnd, tv, "AV-in", false); break;
    case 2: SelectSource(hwnd, tv, "S-Video", false); break;
    case 4: SelectSource(hwnd, tv, "Air TV", false); break;
    case 5: SelectSource(hwnd, tv, "FM radio", true); break;
    default: SelectSource(hwnd, tv, "Cable TV", false); break;
    }
}

void TvStandIn::OnCommand(HWND hwnd, WORD id, LPARAM value) {
    TvStandIn& tv = *this;
    switch (id) {
    case kSelectAvIn: SelectSource(hwnd, tv, "AV-in", false); break;
    case kSelectSVideo: SelectSource(hwnd, tv, "S-Video", false); break;
    case kSelectAir: SelectSource(hwnd, tv, "Air TV", false); break;
    case kSelectCable: SelectSource(hwnd, tv, "Cable TV", false); break;
    case kSelectFm: SelectSource(hwnd, tv, "FM radio", true); break;
    case kTimeShiftStart:
    case kTimeShiftStop:
    case kPlaybackStart:
    case kPlaybackStop:
    case kRecordState:
    case kRecordToggle: AcknowledgeToPanel(tv); break;
    case kReportFm:
        tv.windows.Send(tv.windows.Find(kPanelClass, kPanelTitle), WM_COMMAND, kReportFm, 1);
        break;
    case kTuneFm: {
        tv.fmFrequency = value;
        platform::win32::PrivateProfile settings(SettingsIniPath(tv.winIni));
        settings.WriteText("TVTuner", "FMChannel", std::to_string(static_cast<long long>(value)));
        ::InvalidateRect(hwnd, nullptr, TRUE);
        break;
    }
    case kTuneChannel:
        tv.channel = value;
        tv.windows.Post(tv.windows.Find(kPanelClass, kPanelTitle), WM_COMMAND, kChannelChanged, value);
        ::InvalidateRect(hwnd, nullptr, TRUE);
        break;
    case kMinimize: ::ShowWindow(hwnd, SW_MINIMIZE); break;
    default: break;
    }
}

void TvStandIn::Paint(HWND hwnd) {
    const TvStandIn& tv = *this;
    PAINTSTRUCT ps;
    const HDC dc = ::BeginPaint(hwnd, &ps);
    RECT client;
    ::GetClientRect(hwnd, &client);
    const int w = client.right - client.left;
    const int barsBottom = (client.bottom - client.top) * 2 / 3;

    static const COLORREF kBars[] = {RGB(192, 192, 192), RGB(192, 192, 0), RGB(0, 192, 192), RGB(0, 192, 0),
                                     RGB(192, 0, 192),   RGB(192, 0, 0),   RGB(0, 0, 192)};
    constexpr int kCount = sizeof kBars / sizeof kBars[0];
    for (int i = 0; i < kCount; ++i) {
        RECT bar{w * i / kCount, 0, w * (i + 1) / kCount, barsBottom};
        const HBRUSH brush = ::CreateSolidBrush(kBars[i]);
        ::FillRect(dc, &bar, brush);
        ::DeleteObject(brush);
    }
    RECT band{0, barsBottom, w, client.bottom};
    ::FillRect(dc, &band, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));

    std::string text = std::string("TV window stand-in\nSource: ") + tv.source + "\n";
    if (tv.fm) {
        text += "FM " + std::to_string(tv.fmFrequency / 10) + "." + std::to_string(tv.fmFrequency % 10) + " MHz";
    } else {
        text += "Channel " + std::to_string(tv.channel);
    }
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, RGB(255, 255, 255));
    ::DrawTextA(dc, text.c_str(), -1, &band, DT_CENTER | DT_NOPREFIX);
    ::EndPaint(hwnd, &ps);
}

bool TvStandIn::OnOther(HWND, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_LBUTTONDBLCLK) return false;
    log.Append("WM_LBUTTONDBLCLK", static_cast<long long>(wParam), lParam);
    return true;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    TvStandIn tv;
    return standins::RunStandInWindow(instance, showCommand, {kClassName, kTitle, 336, 278, CS_DBLCLKS}, tv,
                                      [&](HWND hwnd) { StartWithStoredSource(hwnd, tv); });
}
