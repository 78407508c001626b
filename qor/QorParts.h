// The panel program's own parts behind the core: the skin's layout and
// texts, the tray icon and the About box.  Operations of features that the
// program does not carry yet are listed at the end of QorParts.cpp.
#pragma once

#include <windows.h>

#include "core/PanelContext.h"
#include "core/PanelParts.h"
#include "qor/Win32PanelHost.h"
#include "skin/PanelLayout.h"
#include "skin/TextStore.h"

namespace qor {

class QorParts final : public core::PanelParts, public Win32PanelHost::Extra {
public:
    explicit QorParts(Win32PanelHost& host) : host_(host) {}
    ~QorParts() override;

    void Bind(core::PanelContext& ctx) override { ctx_ = &ctx; }

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

    // Window messages besides the core's: painting and the tray.
    bool Handle(HWND w, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    Win32PanelHost& host_;
    core::PanelContext* ctx_ = nullptr;
    skin::PanelLayout layout_;
    skin::TextStore texts_;
    bool trayAdded_ = false;
};

}  // namespace qor
