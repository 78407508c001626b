#include "qor/QorParts.h"

#include <shellapi.h>

#include <cstring>

#include "qor/resource.h"

namespace qor {
namespace {

constexpr UINT kTrayId = 108;
constexpr UINT kTrayMessage = 2024;

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

}  // namespace

QorParts::~QorParts() { RemoveTrayIcon(); }

void QorParts::LoadPanelLayout() {
    layout_.Load(ctx_->panelIni);
    ctx_->s.SkinNumber = layout_.SkinNumber();
    texts_.Load(ctx_->panelIni, layout_.SkinNumber());
}

void QorParts::LoadMovedButtons(int mode) { layout_.LoadMovedButtons(ctx_->panelIni, mode); }

core::PanelSize QorParts::BasePanelSize() {
    const skin::Size size = layout_.StateSize(skin::kStateBase);
    return {size.w, size.h};
}

void QorParts::AddTrayIcon() {
    NOTIFYICONDATAA nid{};
    nid.cbSize = sizeof nid;
    nid.hWnd = host_.Panel();
    nid.uID = kTrayId;
    nid.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    nid.uCallbackMessage = kTrayMessage;
    nid.hIcon = LoadIconA(host_.Instance(), MAKEINTRESOURCEA(IDI_TRAY));
    const std::string& tip = texts_.Text("IDS_PRODUCT");
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
                    reinterpret_cast<LPARAM>(&texts_));
}

bool QorParts::Handle(HWND w, UINT msg, WPARAM, LPARAM, LRESULT& result) {
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(w, &ps);
            FillRect(dc, &ps.rcPaint, static_cast<HBRUSH>(GetStockObject(DKGRAY_BRUSH)));
            EndPaint(w, &ps);
            result = 0;
            return true;
        }
        case WM_QUERYNEWPALETTE:
        case WM_PALETTECHANGED:
            result = 0;  // the skin keeps no palette
            return true;
        default:
            return false;
    }
}

// The windows beside the panel (file list, channel list) and the tooltip
// window are not created by this program yet, so there is none to destroy.
void QorParts::DestroyFileListWindow() {}
void QorParts::DestroyTooltipWindow() {}
void QorParts::DestroyChannelListWindow() {}

// --- Not carried by the program yet --------------------------------------
// Skin bitmaps, window region, tooltips and the LCD (the skin subsystem's
// Win32 surfaces), channel switching, scanning, recording and playback, the
// settings dialogs and the captured files.  The core still applies every
// gate and state change around these calls.
void QorParts::ApplyRegion(int) {}
void QorParts::LoadSkin(int) {}
void QorParts::CreateTooltips() {}
void QorParts::RecreateTooltips() {}
void QorParts::SetChannelTooltips(const std::string& down, const std::string& up) {
    layout_.SetTooltip(12, down);
    layout_.SetTooltip(13, up);
}
void QorParts::ChangeSkin() {}
void QorParts::ReleaseSkin() {}
void QorParts::DrawVolumeBar() {}
void QorParts::DrawMuteButton(bool) {}
void QorParts::DrawModeLabel(core::LcdLabel) {}
void QorParts::DrawSourceIndicator(core::Source) {}
void QorParts::DrawChannelNumber(int) {}
void QorParts::DrawFmFrequency(int) {}
void QorParts::DrawClock() {}
void QorParts::DrawCaptureTime(int) {}
void QorParts::DrawFileSize(int) {}
void QorParts::RepaintPanel() { InvalidateRect(host_.Panel(), nullptr, FALSE); }
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
void QorParts::ButtonRepeatTimer() {}

}  // namespace qor
