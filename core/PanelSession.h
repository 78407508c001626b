// PanelSession: the panel's single run-time state record.  Every field is a
// 32-bit integer or a flag (0 or 1); the initial values are those the panel
// has before its window is created.  Everything else lives in the settings
// file and is re-read when needed.
#pragma once

#include <cstdint>

namespace core {

struct TimeOfDay {
    std::int32_t hour = 0, minute = 0, second = 0;
};

struct PanelSession {
    // What runs in the TV window.
    std::int32_t Recording = 0;          // a recording runs (record toggle, 40114)
    std::int32_t TimeShifting = 0;       // time-shift runs
    std::int32_t PlayingBack = 0;        // a captured file plays in the TV window
    std::int32_t AwaitingTv = 0;         // a source switch or transport command awaits 40113

    // Panel visibility.
    std::int32_t Standby = 0;            // the TV window was closed by Standby; panel hidden
    std::int32_t PanelShown = 0;

    // Source.
    std::int32_t FmMode = 0;             // FM is the current source
    std::int32_t AirMode = 0;            // tuner sub-source: 1 air, 0 cable
    std::int32_t VideoInMode = 0;        // AV-in or S-Video
    std::int32_t SourceCode = 1;         // for redraws: 1 FM, 2 air, 3 cable, 4 AV-in, 5 S-Video

    // Scanning, preview, snapshot.
    std::int32_t AirScanning = 0;
    std::int32_t CableScanning = 0;
    std::int32_t FmScanning = 0;
    std::int32_t FullScanOpen = 0;       // the fully-scan state dialog is open
    std::int32_t PreviewOn = 0;          // multi-channel preview runs
    std::int32_t SnapshotPending = 0;

    // Sound.
    std::int32_t Muted = 0;
    std::int32_t Volume = 0;             // 0..220
    std::int32_t MixerAvailable = 0;     // the sound-card mixer opened at start

    // List windows beside the panel.
    std::int32_t FileListOpen = 0;
    std::int32_t ChannelListOpen = 0;
    std::int32_t ListHidden = 0;         // the TV window asked to hide them (40326)

    // Recording control and the outside programs.
    std::int32_t RecordToggleReady = 1;  // the record command may toggle
    std::int32_t SchedulerPresent = 0;   // the schedule program reported itself
    std::int32_t SchedulerLaunched = 0;  // the panel started it
    std::int32_t FmSupported = 1;        // the TV window has FM (42227)

    // Tuning.
    std::int32_t ChannelNow = 0;         // current TV channel number
    std::int32_t FmFrequency = 875;      // 100 kHz units

    // Typing a channel number: digits so far (0..3), the number, whether a
    // further digit may follow, and the id of the running 2-second wait.
    std::int32_t DigitCount = 0;
    std::int32_t DigitNumber = 0;
    std::int32_t DigitMorePossible = 0;
    std::int32_t DigitTimer = 0;
    // Typing an FM frequency: step (0..4) and the value so far.
    std::int32_t FmDigitStep = 0;
    std::int32_t FmDigitValue = 0;
    // Wrap counter of the channel step's list search; 1 between searches.
    std::int32_t StepWrap = 1;

    // Adjust modes of the keys V and A.
    std::int32_t PictureAdjustMode = 1;  // 1 brightness, 2 contrast, 3 hue, 4 saturation
    std::int32_t PictureNext = 1;
    std::int32_t SoundAdjustMode = 1;    // 1 balance, 2 bass, 3 treble
    std::int32_t SoundNext = 1;
    std::int32_t PictureAdjusting = 0;
    std::int32_t SoundAdjusting = 0;

    // Picture (0..100, read at start) and sound (0..255, read on use) values.
    std::int32_t Brightness = 0;
    std::int32_t Contrast = 0;
    std::int32_t Hue = 0;
    std::int32_t Saturation = 0;
    std::int32_t Balance = 0;
    std::int32_t Bass = 0;
    std::int32_t Treble = 0;
    std::int32_t AudioModeMask = 1;      // available audio reception modes

    // Mouse over the skinned buttons and the time-shift / playback bar.
    std::int32_t HeldButton = 255;       // button under the pointer; 255 = none
    std::int32_t MouseInButton = 0;
    std::int32_t ButtonHeld = 0;         // auto-repeat armed
    std::int32_t KnobGrabbed = 0;
    std::int32_t SeekPending = 0;        // a seek went out less than 100 ms ago
    std::int32_t SliderX = 0;            // x of the bar's knob, panel client coordinates

    // Time-shift.
    TimeOfDay TimeShiftStart;            // local time when time-shift began
    std::int32_t TimeShiftScale = 100;   // full scale of the bar in 6-second units

    // Window handles kept between commands (0 = none) and the skin number.
    std::uintptr_t TvWindow = 0;         // the TV window found last
    std::uintptr_t FileListWindow = 0;
    std::uintptr_t ChannelListWindow = 0;
    std::uintptr_t TooltipWindow = 0;
    std::int32_t SkinNumber = 1;

    // Anything that keeps the panel from taking keys other than Up, Down and F.
    bool Busy() const {
        return Recording || CableScanning || AirScanning || PreviewOn || TimeShifting || FmScanning ||
               FullScanOpen || PlayingBack;
    }
    // An auto scan runs.
    bool Scanning() const { return CableScanning || AirScanning || FmScanning; }
};

}  // namespace core
