#include "qor/QorParts.h"

#include <shellapi.h>
#include <windowsx.h>

#include <cstring>

#include "platform/win32/Handles.h"
#include "qor/resource.h"

namespace qor {
namespace {

constexpr UINT kTrayId = 108;

INT_PTR CALLBACK AboutProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_INITDIALOG: {
            const auto* texts = reinterpret_cast<const skin::TextStore*>(lp);
            for (const skin::ControlText& t : texts->ControlTexts(skin::TextGroup::AboutBox)) {
                if (t.control == skin::kCaption) SetWindowTextA(dlg, t.text.c_str());
                else SetDlgItemTextA(dlg, t.control, t.text.c_str());
            }
            return TRUE;
        }
        case WM_COMMAND:
            if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) EndDialog(dlg, LOWORD(wp));
            return TRUE;
        default:
            return FALSE;
    }
}

// The whole text of a file, or nothing when it cannot be read.
std::string ReadWholeFile(const std::string& path) {
    platform::win32::UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ,
                                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    std::string text;
    if (!file) return text;
    char buf[65536];
    DWORD n = 0;
    while (ReadFile(file.get(), buf, sizeof buf, &n, nullptr) && n > 0) text.append(buf, n);
    return text;
}

skin::ModeLabel ModeLabelOf(core::LcdLabel label) {
    switch (label) {
        case core::LcdLabel::Fm: return skin::ModeLabel::Fm;
        case core::LcdLabel::VideoIn: return skin::ModeLabel::VideoIn;
        default: return skin::ModeLabel::Channel;
    }
}

}  // namespace

QorParts::~QorParts() { RemoveTrayIcon(); }

void QorParts::Bind(core::PanelContext& ctx) {
    ctx_ = &ctx;
    // A layout load, a skin load and a region read hundreds of keys of the
    // panel INI: each reads the file once and takes the keys from that text.
    panelIni_ = std::make_unique<platform::ini::SnapshotProfile>(
        ctx.panelIni, [path = ctx.panelIniPath] { return ReadWholeFile(path); });
    const skin::SkinServices services{*panelIni_, ctx.winIni, ctx.settings, graphics_,  view_,
                                      region_,      tooltips_,  ctx.windows,  ctx.timers, ctx.clock};
    skin_ = std::make_unique<skin::PanelSkin>(services, ctx.s);
    pointer_ = std::make_unique<SkinPointerParts>(*skin_);
    events_ = std::make_unique<core::PanelEvents>(ctx, *pointer_, view_);
}

skin::PanelSkin& QorParts::FreshSkin() {
    panelIni_->Refresh();
    return Skin();
}

skin::PanelSkin& QorParts::Skin() {
    if (view_.Window() == nullptr && host_.Panel() != nullptr) {
        view_.SetWindow(host_.Panel());
        skin_->SetPanelWindow(reinterpret_cast<platform::WindowId>(host_.Panel()));
    }
    return *skin_;
}

// --- Layout and skin ---------------------------------------------------------------

void QorParts::LoadPanelLayout() { FreshSkin().LoadPanelLayout(); }
void QorParts::LoadMovedButtons(int mode) { FreshSkin().LoadMovedButtons(mode); }

core::PanelSize QorParts::BasePanelSize() {
    const skin::Size size = Skin().BasePanelSize();
    return {size.w, size.h};
}

void QorParts::ApplyRegion(int state) { FreshSkin().ApplyRegion(state); }
void QorParts::LoadSkin(int state) { FreshSkin().LoadSkin(state); }
void QorParts::CreateTooltips() { Skin().CreateTooltips(); }
void QorParts::RecreateTooltips() { Skin().RecreateTooltips(); }
void QorParts::SetChannelTooltips(const std::string& down, const std::string& up) {
    Skin().SetChannelTooltips(down, up);
}
void QorParts::ChangeSkin() { FreshSkin().ChangeSkin(); }
void QorParts::ReleaseSkin() { Skin().ReleaseSkin(); }
void QorParts::DestroyTooltipWindow() { Skin().DestroyTooltips(); }

// --- LCD -------------------------------------------------------------------------------

void QorParts::DrawVolumeBar() { Skin().DrawVolumeBar(); }
void QorParts::DrawMuteButton(bool muted) { Skin().DrawMuteButton(muted); }
void QorParts::DrawModeLabel(core::LcdLabel label) { Skin().DrawModeLabel(ModeLabelOf(label)); }
void QorParts::DrawSourceIndicator(core::Source source) {
    Skin().DrawSourceIndicator(skin::IndicatorForInputSource(static_cast<int>(source)));
}
void QorParts::DrawChannelNumber(int channel) { Skin().DrawChannelNumber(channel); }
void QorParts::DrawFmFrequency(int frequency) { Skin().DrawFmFrequency(frequency); }
void QorParts::DrawClock() { Skin().DrawClock(); }
void QorParts::DrawCaptureTime(int seconds) { Skin().DrawCaptureTime(seconds); }
void QorParts::DrawFileSize(int value) { Skin().DrawFileSize(value); }
void QorParts::RepaintPanel() {
    Skin();
    view_.Repaint();
}

// --- Tray icon and About box ---------------------------------------------------------------

void QorParts::AddTrayIcon() {
    NOTIFYICONDATAA nid{};
    nid.cbSize = sizeof nid;
    nid.hWnd = host_.Panel();
    nid.uID = kTrayId;
    nid.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    nid.uCallbackMessage = core::kTrayMessage;
    nid.hIcon = LoadIconA(host_.Instance(), MAKEINTRESOURCEA(IDI_TRAY));
    const std::string& tip = Skin().Texts().Text(skin::TextGroup::Tray, "IDS_PRODUCT");
    std::strncpy(nid.szTip, tip.c_str(), 63);  // the tip holds 63 characters
    nid.szTip[63] = '\0';
    trayAdded_ = Shell_NotifyIconA(NIM_ADD, &nid) != FALSE;
}

void QorParts::RemoveTrayIcon() {
    if (!trayAdded_) return;
    NOTIFYICONDATAA nid{};
    nid.cbSize = sizeof nid;
    nid.hWnd = host_.Panel();
    nid.uID = kTrayId;
    Shell_NotifyIconA(NIM_DELETE, &nid);
    trayAdded_ = false;
}

void QorParts::ShowAboutBox() {
    DialogBoxParamA(host_.Instance(), MAKEINTRESOURCEA(IDD_ABOUT), host_.Panel(), AboutProc,
                    reinterpret_cast<LPARAM>(&Skin().Texts()));
}

// --- Window messages ------------------------------------------------------------------------

void QorParts::ButtonRepeatTimer() { events_->RepeatTimer(); }

bool QorParts::Handle(HWND w, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (!skin_) return false;
    if (view_.Window() == nullptr) {
        view_.SetWindow(w);
        skin_->SetPanelWindow(reinterpret_cast<platform::WindowId>(w));
    }
    result = 0;
    switch (msg) {
        case WM_PAINT: {
            platform::win32::Win32PanelView::PaintScope paint(view_, w);
            skin_->Paint();
            return true;
        }
        case WM_MOUSEMOVE:
            if (!trackingLeave_) {
                // A jump of the pointer onto another program's window brings
                // no move here even with the capture: ask to be told.
                TRACKMOUSEEVENT track{};
                track.cbSize = sizeof track;
                track.dwFlags = TME_LEAVE;
                track.hwndTrack = w;
                trackingLeave_ = TrackMouseEvent(&track) != FALSE;
            }
            events_->MouseMove(GET_X_LPARAM(lp), GET_Y_LPARAM(lp), (wp & MK_LBUTTON) != 0);
            return true;
        case WM_MOUSELEAVE:
            trackingLeave_ = false;
            events_->PointerLeft();
            return true;
        case WM_LBUTTONDOWN:
            events_->ButtonDown(GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
            return true;
        case WM_LBUTTONUP:
            events_->ButtonUp(GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
            return true;
        case WM_KEYDOWN:
            events_->KeyDown(static_cast<int>(wp));
            return true;
        case core::kTrayMessage:
            events_->Tray(lp);
            return true;
        case WM_QUERYNEWPALETTE:
        case WM_PALETTECHANGED:
            return true;  // the skin keeps no palette
        default:
            return false;
    }
}

// The windows beside the panel (file list, channel list) are not created by
// this program yet, so there is none to destroy.
void QorParts::DestroyFileListWindow() {}
void QorParts::DestroyChannelListWindow() {}

// --- Not carried by the program yet --------------------------------------
// Channel switching, scanning, recording and playback, the settings dialogs
// and the captured files.  The core still applies every gate and state
// change around these calls.
void QorParts::ChannelStep(bool) {}
void QorParts::FmStep(bool) {}
void QorParts::DigitEntry(int) {}
void QorParts::CommitChannelNumber() {}
void QorParts::RecallChannel() {}
void QorParts::AddCurrentChannel() {}
void QorParts::RemoveCurrentChannel() {}
void QorParts::ToggleChannelList() {}
void QorParts::RefreshChannelList() {}
void QorParts::ScanCommand(std::intptr_t) {}
void QorParts::ScanEndedForTvPage() {}
void QorParts::RecordToggle() {}
void QorParts::Transport(std::uint16_t) {}
void QorParts::TimeShiftToggle() {}
void QorParts::Snapshot() {}
void QorParts::Teletext() {}
void QorParts::MoveTimeShiftKnob(std::intptr_t) {}
void QorParts::MovePlaybackKnob(std::intptr_t) {}
void QorParts::TimeShiftBarTimer() {}
void QorParts::ShowSettingsSheet() {}
void QorParts::ShowAudioDialog() {}
void QorParts::ClearAudioDialogFlag() {}
void QorParts::ClearTvPageFlag() {}
void QorParts::StoreRecordPageValue(std::uint16_t, std::intptr_t) {}
void QorParts::FileListCommand(std::uint16_t) {}
void QorParts::ToggleFileList() {}
void QorParts::AddCapturedFile() {}

}  // namespace qor
