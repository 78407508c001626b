// The command dispatcher of the panel window: the gates that drop commands
// while time-shift, playback or recording runs, every command identifier,
// the panel's timers and the standby hotkey.
#pragma once

#include <cstdint>

#include "core/PanelContext.h"

namespace core {

// Timers on the panel window.
enum PanelTimer : std::uint32_t {
    kTimerButtonRepeat = 117,
    kTimerNumberEntry = 118,
    kTimerChannelDown = 120,
    kTimerChannelUp = 121,
    kTimerPictureEnd = 122,
    kTimerPictureDown = 123,
    kTimerPictureUp = 124,
    kTimerFmUp = 125,
    kTimerFmDown = 126,
    kTimerTimeShiftBar = 127,
    kTimerSeekSettle = 128,
    kTimerSoundEnd = 129,
    kTimerSoundUp = 130,
    kTimerSoundDown = 131,
    kTimerDeviceCheck = 222,
    kTimerRecordReady = 2110,
};

inline constexpr std::uint32_t kAdjustTimeoutMs = 2000;
inline constexpr std::uint32_t kFirstScanWaitMs = 6000;
inline constexpr std::uint32_t kDeviceCheckMs = 3000;

inline constexpr char kPlaybackClass[] = "ZolvaneMediaPlayer";
inline constexpr char kPlaybackTitle[] = "Zolvane Media Player";
inline constexpr char kAppPathsIexplore[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\IEXPLORE.EXE";

// False when a running time-shift, playback or recording drops the command
// (and also for the transport commands when neither time-shift nor
// playback runs).
bool PassesGates(const PanelSession& s, std::uint16_t id);

// WM_COMMAND: identifier and value.  False when the identifier has no
// handler (the window procedure then takes the default handling); a command
// dropped by the gates counts as handled.
bool Dispatch(PanelContext& ctx, std::uint16_t id, std::intptr_t lParam);

// WM_TIMER of the panel window.
void OnTimer(PanelContext& ctx, std::uint32_t id);
// WM_HOTKEY: identifier 0 (Ctrl+Alt+F4) toggles standby.
void OnHotkey(PanelContext& ctx, int id);
// WM_DEVICECHANGE: the TV window is checked 3 seconds later, and every 3
// seconds after that.
void OnDeviceChange(PanelContext& ctx);

}  // namespace core
