// The panel's features that live outside the core: skin and layout, LCD
// drawing, tray icon, list windows, channels, scanning, recording, dialogs
// and the captured files.  The core decides when (gates, order, state) and
// calls one operation here; the program implements each over its subsystem.
#pragma once

#include <cstdint>
#include <string>

#include "core/Sources.h"

namespace core {

struct PanelContext;

struct PanelSize {
    int width = 0, height = 0;
};

class PanelParts {
public:
    virtual ~PanelParts() = default;

    // Called once the two INI paths are known, before any other operation.
    virtual void Bind(PanelContext& ctx) = 0;

    // --- Panel layout (skin/) ---------------------------------------------
    // LoadPanelLayout: geometry, the 48 buttons and the texts of the current skin.
    virtual void LoadPanelLayout() = 0;
    // LoadMovedButtons: mode 1 places the file-list buttons, mode 0 hides them.
    virtual void LoadMovedButtons(int mode) = 0;
    // PANEL_W x PANEL_H of the current skin (panel state 1).
    virtual PanelSize BasePanelSize() = 0;

    // --- Skin bitmaps, region, tooltips (skin/) ----------------------------
    virtual void ApplyRegion(int state) = 0;  // window shape of panel state 1..4
    virtual void LoadSkin(int state) = 0;     // the four surfaces, cursors, always-on-top
    virtual void CreateTooltips() = 0;
    // Destroys and creates the tooltip window again; nothing when none exists.
    virtual void RecreateTooltips() = 0;
    // New tooltip texts of the channel down/up buttons (entries 12 and 13).
    virtual void SetChannelTooltips(const std::string& down, const std::string& up) = 0;
    virtual void ChangeSkin() = 0;   // 40045: next skin
    virtual void ReleaseSkin() = 0;  // the four surfaces, their bitmaps, the three cursors

    // --- Tray icon (identifier 108) -----------------------------------------
    virtual void AddTrayIcon() = 0;
    virtual void RemoveTrayIcon() = 0;

    // --- Windows beside the panel: each destroyed if it exists --------------
    virtual void DestroyFileListWindow() = 0;
    virtual void DestroyTooltipWindow() = 0;
    virtual void DestroyChannelListWindow() = 0;

    // --- LCD and on-panel display (window and backing surface) --------------
    virtual void DrawVolumeBar() = 0;                 // from PanelSession::Volume
    virtual void DrawMuteButton(bool muted) = 0;
    virtual void DrawModeLabel(LcdLabel label) = 0;   // CH, FM or AV/SV
    virtual void DrawSourceIndicator(Source source) = 0;
    virtual void DrawChannelNumber(int channel) = 0;
    virtual void DrawFmFrequency(int frequency) = 0;  // 100 kHz units, all four places
    virtual void DrawClock() = 0;                     // timer 40313
    virtual void DrawCaptureTime(int seconds) = 0;
    virtual void DrawFileSize(int value) = 0;
    virtual void RepaintPanel() = 0;                  // invalidate and repaint the whole panel

    // --- Channels (channels/) ------------------------------------------------
    virtual void ChannelStep(bool up) = 0;            // timers 121 (up) / 120 (down)
    virtual void FmStep(bool up) = 0;                 // timers 125 (up) / 126 (down)
    virtual void DigitEntry(int digit) = 0;           // 40100..40109
    virtual void CommitChannelNumber() = 0;           // timer 118
    virtual void RecallChannel() = 0;                 // 40112
    virtual void AddCurrentChannel() = 0;             // 40014
    virtual void RemoveCurrentChannel() = 0;          // 40015
    virtual void ToggleChannelList() = 0;             // 40316
    virtual void RefreshChannelList() = 0;            // the list window is open

    // --- Scanning ------------------------------------------------------------
    virtual void ScanCommand(std::intptr_t lParam) = 0;  // 40044: start or stop, with confirmations
    virtual void ScanEndedForTvPage() = 0;               // 40111: 1095 to the TV settings page if open

    // --- Recording, time-shift, playback, snapshot, Teletext (tvlink/) --------
    virtual void RecordToggle() = 0;                     // 40016
    virtual void Transport(std::uint16_t command) = 0;   // 40017, 40029, 40030, 40031, 40032
    virtual void TimeShiftToggle() = 0;                  // 40038
    virtual void Snapshot() = 0;                         // 40040
    virtual void Teletext() = 0;                         // 40122
    virtual void MoveTimeShiftKnob(std::intptr_t lParam) = 0;  // 40301
    virtual void MovePlaybackKnob(std::intptr_t lParam) = 0;   // 40327
    virtual void TimeShiftBarTimer() = 0;                // timer 127 (stops and restarts itself)

    // --- Dialogs (settings/) --------------------------------------------------
    virtual void ShowAboutBox() = 0;                     // 40002, dialog 103
    virtual void ShowSettingsSheet() = 0;                // 40043
    virtual void ShowAudioDialog() = 0;                  // 40123, dialog 1263
    virtual void ClearAudioDialogFlag() = 0;             // 46102
    virtual void ClearTvPageFlag() = 0;                  // 46103
    virtual void StoreRecordPageValue(std::uint16_t command, std::intptr_t value) = 0;  // 46203, 46204

    // --- Captured files (capturefiles/) ---------------------------------------
    virtual void FileListCommand(std::uint16_t command) = 0;  // 32775..32779, 40118..40121
    virtual void ToggleFileList() = 0;                        // 40117
    virtual void AddCapturedFile() = 0;                       // 40124: [vemla] AddItem

    // --- Mouse -----------------------------------------------------------------
    virtual void ButtonRepeatTimer() = 0;                // timer 117: auto-repeat of a held button
};

}  // namespace core
