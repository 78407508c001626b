#include "core/PanelEvents.h"

#include <algorithm>
#include <string>

#include "core/Dispatcher.h"

namespace core {
namespace {

namespace win = platform::win;

constexpr std::uint32_t kWmSysCommand = 0x0112;
constexpr std::uintptr_t kScDragMove = 0xF012;  // SC_MOVE by the caption: the window follows the mouse
constexpr std::intptr_t kWmRButtonDown = 0x0204;
constexpr char kRendererWindowTitle[] = "ActiveMovie Window";

constexpr std::uint16_t kSeekCommand = 4005;      // to the playback window
constexpr std::uint16_t kKnobDragCommand = 4006;  // to the playback window
constexpr std::uint16_t kVolumeCommand = 2010;    // to the TV window
constexpr std::uint16_t kToTheEnd = 40029;
constexpr std::uint16_t kToTheStart = 40030;
constexpr std::uint32_t kBarRedrawSoonMs = 1;
constexpr std::uint32_t kBarRedrawAfterSeekMs = 50;
constexpr std::uint32_t kSeekSettleMs = 100;
constexpr int kKnobGrabWidth = 10;

// Virtual keys.
constexpr int kVkSpace = 0x20;
constexpr int kVkPageUp = 0x21;
constexpr int kVkPageDown = 0x22;
constexpr int kVkUp = 0x26;
constexpr int kVkDown = 0x28;
constexpr int kVkNumpad0 = 0x60;
constexpr int kVkAdd = 0x6B;
constexpr int kVkSubtract = 0x6D;

struct KeyEntry {
    int key;
    std::uint16_t command;
    bool posted;
};

constexpr KeyEntry kKeyMap[] = {
    {kVkSpace, 40040, false},    // snapshot
    {kVkPageUp, 40008, false},   // channel up
    {kVkPageDown, 40007, false}, // channel down
    {kVkUp, 40323, false},
    {kVkDown, 40324, false},
    {kVkAdd, 40014, true},       // add the channel to the list
    {kVkSubtract, 40015, true},  // remove it
    {'A', 40320, false},
    {'C', 40318, false},
    {'F', 40325, true},
    {'I', 40319, false},
    {'M', 40037, true},
    {'R', 40112, false},
    {'S', 40322, true},
    {'V', 40321, false},
};

}  // namespace

int VolumeAtPoint(const PointerGeometry& g, int x, int y) {
    const BarRect& bar = g.volumeBar;
    if (g.volumeVertical) {
        if (bar.h <= 0) return 0;
        return (bar.y - y) * 220 / bar.h + 220;
    }
    if (bar.w <= 0) return 0;
    return (x - bar.x) * 220 / bar.w;
}

int ElapsedTimeShift(const TimeOfDay& start, const platform::LocalTime& now) {
    const int hour = now.hour < start.hour ? now.hour + 24 : now.hour;
    return ((now.minute + (hour - start.hour) * 60 - start.minute) * 60 + now.second - start.second) / 6;
}

std::optional<KeyCommand> CommandForKey(int key) {
    if (key >= '0' && key <= '9') return KeyCommand{static_cast<std::uint16_t>(40100 + (key - '0')), false};
    if (key >= kVkNumpad0 && key <= kVkNumpad0 + 9) {
        return KeyCommand{static_cast<std::uint16_t>(40100 + (key - kVkNumpad0)), false};
    }
    for (const KeyEntry& e : kKeyMap) {
        if (e.key == key) return KeyCommand{e.command, e.posted};
    }
    return std::nullopt;
}

bool KeyAllowedWhileBusy(int key) { return key == kVkUp || key == kVkDown || key == 'F'; }

// --- Mouse ---------------------------------------------------------------------

void PanelEvents::MouseMove(int x, int y, bool leftButtonDown) {
    PanelSession& s = ctx_.s;
    const PointerGeometry g = parts_.Geometry();
    const bool onBar = g.timeShiftBar.Inside(x, y);

    // The knob of the time-shift or playback bar follows a grabbed pointer.
    if (s.TimeShifting && s.KnobGrabbed) {
        if (onBar) DragTimeShiftKnob(x, g.timeShiftBar);
        return;  // off the bar a grabbed knob stays where it is
    }
    if (s.PlayingBack && onBar && s.KnobGrabbed) {
        DragPlaybackKnob(x, g.timeShiftBar, g.knobWidth);
        return;
    }

    if (leftButtonDown && g.volumeBar.Inside(x, y)) {
        VolumeFromPointer(x, y, true);
    } else if (leftButtonDown && !s.MouseInButton && pressedOnEmptySpot_) {
        // The move loop of the system takes the mouse until the button is
        // released; the release never reaches the panel.
        pressedOnEmptySpot_ = false;
        input_.SetCursorShape(platform::CursorShape::Move);
        ctx_.windows.Send(ctx_.panel, kWmSysCommand, kScDragMove, 0);
        return;
    }
    Hover(x, y);
}

void PanelEvents::Hover(int x, int y) {
    PanelSession& s = ctx_.s;
    s.MouseInButton = 0;
    const int m = parts_.FindButton(x, y);
    if (m == kNoButton) {
        LeaveButtons();
        return;
    }
    input_.CaptureMouse(ctx_.panel);
    input_.SetCursorShape(platform::CursorShape::Normal);
    parts_.ShowHover(s.HeldButton, m);
    s.HeldButton = m;
    s.MouseInButton = 1;
}

void PanelEvents::LeaveButtons() {
    PanelSession& s = ctx_.s;
    s.MouseInButton = 0;
    input_.Invalidate(ctx_.panel);
    ctx_.timers.Stop(ctx_.panel, kTimerButtonRepeat);
    input_.ReleaseMouse();
    input_.SetCursorShape(platform::CursorShape::Normal);
    parts_.DrawButton(s.HeldButton, kLookNormal);
    s.HeldButton = kNoButton;
}

void PanelEvents::PointerLeft() {
    if (ctx_.s.HeldButton != kNoButton || ctx_.s.MouseInButton) LeaveButtons();
}

void PanelEvents::VolumeFromPointer(int x, int y, bool writeSetting) {
    PanelSession& s = ctx_.s;
    s.Volume = VolumeAtPoint(parts_.Geometry(), x, y);
    ctx_.mixer.SetMixerVolume(s.Volume);
    if (writeSetting) ctx_.settings.WriteText("AudioProcAmp", "VolumeValue", std::to_string(s.Volume));
    if (!s.TimeShifting && !s.FmMode) ctx_.tv.PostToLast(kVolumeCommand, s.Volume);
    ctx_.parts.DrawVolumeBar();
    if (s.Muted) {
        s.Muted = 0;
        ctx_.parts.DrawMuteButton(false);
    }
}

void PanelEvents::ButtonDown(int x, int y) {
    PanelSession& s = ctx_.s;
    const PointerGeometry g = parts_.Geometry();
    pressedOnEmptySpot_ = false;

    if ((s.TimeShifting || s.PlayingBack) && g.timeShiftBar.Inside(x, y)) {
        if (s.SliderX <= x && x <= s.SliderX + kKnobGrabWidth) s.KnobGrabbed = 1;
        return;
    }

    // The video renderer's own window would cover the TV window.
    if (const platform::WindowId renderer = ctx_.windows.Find("", kRendererWindowTitle)) {
        ctx_.windows.Post(renderer, win::kWmClose, 0, 0);
    }

    if (s.MouseInButton) {
        input_.SetCursorShape(platform::CursorShape::Pressed);
        parts_.DrawButton(s.HeldButton, kLookPressed);
        if (IsRepeatButton(s.HeldButton)) {
            s.ButtonHeld = 1;
            ctx_.timers.Start(ctx_.panel, kTimerButtonRepeat, kRepeatFirstMs);
        }
    } else if (g.volumeBar.Inside(x, y)) {
        // A click without a move keeps its volume too.
        VolumeFromPointer(x, y, true);
    } else {
        pressedOnEmptySpot_ = true;
    }
}

void PanelEvents::ButtonUp(int x, int y) {
    PanelSession& s = ctx_.s;
    const PointerGeometry g = parts_.Geometry();
    const bool knobWasGrabbed = s.KnobGrabbed != 0;
    pressedOnEmptySpot_ = false;
    // Whatever happens below, a released button repeats no more.
    s.ButtonHeld = 0;

    if (s.TimeShifting && !ReleaseOnTimeShiftBar(x, y, g.timeShiftBar)) return;
    if (s.PlayingBack && !ReleaseOnPlaybackBar(x, y, g.timeShiftBar, g.knobWidth, knobWasGrabbed)) return;

    if (s.MouseInButton) {
        input_.SetCursorShape(platform::CursorShape::Normal);
        parts_.ShowReleased(s.HeldButton);
        ctx_.SendToSelf(parts_.ButtonCommand(s.HeldButton));
    }
}

void PanelEvents::RepeatTimer() {
    PanelSession& s = ctx_.s;
    if (!s.ButtonHeld || s.HeldButton == kNoButton) {
        // Nothing held: the timer has no more work.
        ctx_.timers.Stop(ctx_.panel, kTimerButtonRepeat);
        return;
    }
    ctx_.SendToSelf(parts_.ButtonCommand(s.HeldButton));
    ctx_.timers.Start(ctx_.panel, kTimerButtonRepeat, kRepeatNextMs);
}

// --- Time-shift and playback bar ---------------------------------------------------

platform::WindowId PanelEvents::PlaybackWindow() { return ctx_.windows.Find(kPlaybackClass, kPlaybackTitle); }

std::optional<int> PanelEvents::RecordedWidth(const BarRect& bar) {
    const PanelSession& s = ctx_.s;
    if (s.TimeShiftScale <= 0) return std::nullopt;
    const int elapsed = ElapsedTimeShift(s.TimeShiftStart, ctx_.clock.Local());
    const long long width = static_cast<long long>(elapsed) * bar.w / s.TimeShiftScale;
    if (width < 0) return std::nullopt;
    return static_cast<int>(std::min<long long>(width, bar.w));
}

void PanelEvents::DragTimeShiftKnob(int x, const BarRect& bar) {
    PanelSession& s = ctx_.s;
    if (s.SeekPending || s.AwaitingTv) return;
    const std::optional<int> recorded = RecordedWidth(bar);
    if (!recorded || x > bar.x + *recorded) return;  // beyond the recorded part
    s.SeekPending = 1;
    s.SliderX = x;
    ctx_.timers.Start(ctx_.panel, kTimerTimeShiftBar, kBarRedrawSoonMs);
    if (const platform::WindowId player = PlaybackWindow()) {
        s.AwaitingTv = 1;
        const std::intptr_t position = static_cast<std::intptr_t>(x - bar.x) * s.TimeShiftScale / bar.w;
        ctx_.windows.Send(player, win::kWmCommand, win::MakeCommandWParam(kSeekCommand), position);
        parts_.DrawTransportPlaying();
        ctx_.timers.Start(ctx_.panel, kTimerSeekSettle, kSeekSettleMs);
    }
}

void PanelEvents::DragPlaybackKnob(int x, const BarRect& bar, int knobWidth) {
    PanelSession& s = ctx_.s;
    if (s.SeekPending || s.AwaitingTv) return;
    const platform::WindowId player = PlaybackWindow();
    if (player == 0) return;
    x = std::min(x, bar.x + bar.w - knobWidth);
    s.AwaitingTv = 1;
    parts_.DrawPlaybackKnob(x);
    ctx_.windows.Post(player, win::kWmCommand, win::MakeCommandWParam(kKnobDragCommand), x);
    ctx_.timers.Start(ctx_.panel, kTimerSeekSettle, kSeekSettleMs);
}

// False when the release ends here.
bool PanelEvents::ReleaseOnTimeShiftBar(int x, int y, const BarRect& bar) {
    PanelSession& s = ctx_.s;
    if (s.AwaitingTv) return false;
    ctx_.timers.Stop(ctx_.panel, kTimerSeekSettle);
    s.KnobGrabbed = 0;
    s.SeekPending = 0;
    if (!bar.Inside(x, y)) return true;
    const platform::WindowId player = PlaybackWindow();
    if (player == 0) return true;
    const std::optional<int> recorded = RecordedWidth(bar);
    if (!recorded || x > bar.x + *recorded) return false;
    s.AwaitingTv = 1;
    const std::intptr_t position = static_cast<std::intptr_t>(x - bar.x) * s.TimeShiftScale / bar.w;
    ctx_.windows.Send(player, win::kWmCommand, win::MakeCommandWParam(kSeekCommand), position);
    parts_.DrawTransportPlaying();
    ctx_.timers.Start(ctx_.panel, kTimerTimeShiftBar, kBarRedrawAfterSeekMs);
    return true;
}

bool PanelEvents::ReleaseOnPlaybackBar(int x, int y, const BarRect& bar, int knobWidth, bool knobWasGrabbed) {
    PanelSession& s = ctx_.s;
    if (s.AwaitingTv) return false;
    ctx_.timers.Stop(ctx_.panel, kTimerSeekSettle);
    s.KnobGrabbed = 0;
    s.SeekPending = 0;
    const int limit = bar.x + bar.w - knobWidth;
    // Only a release on the bar, or one that ends a drag of the knob, seeks:
    // a click on a button beside the bar's row is no seek.
    const bool overBar = bar.x <= x && x <= bar.x + bar.w;
    if (bar.y > y || y > bar.y + bar.h || (!overBar && !knobWasGrabbed)) return true;
    x = std::min(x, limit);
    if (limit - 2 <= x) {
        ctx_.PostToSelf(kToTheEnd);
    } else if (bar.x <= x && x <= bar.x + knobWidth) {
        ctx_.PostToSelf(kToTheStart);
    } else if (bar.x + knobWidth < x) {
        parts_.DrawPlaybackKnob(x);
        if (const platform::WindowId player = PlaybackWindow()) {
            s.AwaitingTv = 1;
            ctx_.windows.Post(player, win::kWmCommand, win::MakeCommandWParam(kSeekCommand), x);
        }
    }
    return true;
}

// --- Keys and tray ---------------------------------------------------------------------

void PanelEvents::KeyDown(int key) {
    if (ctx_.s.Busy() && !KeyAllowedWhileBusy(key)) return;
    RunKey(key);
}

void PanelEvents::ListKeyDown(int key) { RunKey(key); }

void PanelEvents::RunKey(int key) {
    const std::optional<KeyCommand> k = CommandForKey(key);
    if (!k) return;
    if (k->posted) {
        ctx_.PostToSelf(k->command);
    } else {
        ctx_.SendToSelf(k->command);
    }
}

void PanelEvents::Tray(std::intptr_t mouseMessage) {
    if (mouseMessage == win::kWmLButtonDblClk) {
        ctx_.SendToSelf(kShowHideCommand);
    } else if (mouseMessage == kWmRButtonDown) {
        ctx_.windows.SetForeground(ctx_.panel);
        input_.PopupMenu(ctx_.panel, kTrayMenuResource,
                         {{kTrayOpenCommand, parts_.TrayOpenText()}, {kTrayCloseCommand, parts_.TrayCloseText()}});
    }
}

}  // namespace core
