// The panel program's own parts behind the core: the skin (layout, pictures,
// shape, tooltips, LCD) on GDI, the mouse, keys and tray icon, and the
// About box.  Operations of features that the program does not carry yet
// are listed at the end of QorParts.cpp.
#pragma once

#include <windows.h>

#include <memory>

#include "core/PanelContext.h"
#include "core/PanelEvents.h"
#include "core/PanelParts.h"
#include "platform/ini/SnapshotProfile.h"
#include "platform/win32/Win32Graphics.h"
#include "platform/win32/Win32PanelView.h"
#include "platform/win32/Win32Region.h"
#include "platform/win32/Win32Tooltips.h"
#include "qor/SkinPointerParts.h"
#include "qor/Win32PanelHost.h"
#include "skin/PanelSkin.h"

namespace qor {

class QorParts final : public core::PanelParts, public Win32PanelHost::Extra {
public:
    explicit QorParts(Win32PanelHost& host) : host_(host), view_(host.Instance()) {}
    ~QorParts() override;

    void Bind(core::PanelContext& ctx) override;

    void LoadPanelLayout() override;
    void LoadMovedButtons(int mode) override;
    core::PanelSize BasePanelSize() override;

    void ApplyRegion(int state) override;
    void LoadSkin(int state) override;
    void CreateTooltips() override;
    void RecreateTooltips() override;
    void SetChannelTooltips(const std::string& down, const std::string& up) override;
    void ChangeSkin() override;
    void ReleaseSkin() override;

    void AddTrayIcon() override;
    void RemoveTrayIcon() override;

    void DestroyFileListWindow() override;
    void DestroyTooltipWindow() override;
    void DestroyChannelListWindow() override;

    void DrawVolumeBar() override;
    void DrawMuteButton(bool muted) override;
    void DrawModeLabel(core::LcdLabel label) override;
    void DrawSourceIndicator(core::Source source) override;
    void DrawChannelNumber(int channel) override;
    void DrawFmFrequency(int frequency) override;
    void DrawClock() override;
    void DrawCaptureTime(int seconds) override;
    void DrawFileSize(int value) override;
    void RepaintPanel() override;

    void ChannelStep(bool up) override;
    void FmStep(bool up) override;
    void DigitEntry(int digit) override;
    void CommitChannelNumber() override;
    void RecallChannel() override;
    void AddCurrentChannel() override;
    void RemoveCurrentChannel() override;
    void ToggleChannelList() override;
    void RefreshChannelList() override;

    void ScanCommand(std::intptr_t lParam) override;
    void ScanEndedForTvPage() override;

    void RecordToggle() override;
    void Transport(std::uint16_t command) override;
    void TimeShiftToggle() override;
    void Snapshot() override;
    void Teletext() override;
    void MoveTimeShiftKnob(std::intptr_t lParam) override;
    void MovePlaybackKnob(std::intptr_t lParam) override;
    void TimeShiftBarTimer() override;

    void ShowAboutBox() override;
    void ShowSettingsSheet() override;
    void ShowAudioDialog() override;
    void ClearAudioDialogFlag() override;
    void ClearTvPageFlag() override;
    void StoreRecordPageValue(std::uint16_t command, std::intptr_t value) override;

    void FileListCommand(std::uint16_t command) override;
    void ToggleFileList() override;
    void AddCapturedFile() override;

    void ButtonRepeatTimer() override;

    // Window messages besides the core's: painting, the mouse, keys and tray.
    bool Handle(HWND w, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    // The skin, attached to the panel window as soon as it exists.
    skin::PanelSkin& Skin();
    // The same, after taking a fresh copy of the panel INI for the reads
    // that follow.
    skin::PanelSkin& FreshSkin();

    Win32PanelHost& host_;
    core::PanelContext* ctx_ = nullptr;
    platform::win32::Win32Graphics graphics_;
    platform::win32::Win32PanelView view_;
    platform::win32::Win32Region region_;
    platform::win32::Win32Tooltips tooltips_;
    std::unique_ptr<platform::ini::SnapshotProfile> panelIni_;
    std::unique_ptr<skin::PanelSkin> skin_;
    std::unique_ptr<SkinPointerParts> pointer_;
    std::unique_ptr<core::PanelEvents> events_;
    bool trayAdded_ = false;
    bool trackingLeave_ = false;  // WM_MOUSELEAVE asked for
};

}  // namespace qor
