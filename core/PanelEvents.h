// The panel window's input: the mouse over the skinned buttons (hover,
// press, auto-repeat, click), dragging the borderless window, the volume
// bar, the time-shift and playback bar, the keyboard and the tray icon.
// Everything ends as a command to the panel (WM_COMMAND) or to the TV and
// playback windows.  The skin answers where things are and draws the
// buttons' looks; the platform captures the mouse and shows the cursors.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/PanelContext.h"
#include "platform/Clock.h"
#include "platform/PanelInput.h"

namespace core {

inline constexpr int kNoButton = 255;  // HeldButton: the pointer is over no button

// Button table entries the mouse handling names.
inline constexpr int kButtonVolDown = 10;
inline constexpr int kButtonVolUp = 11;
inline constexpr int kButtonChDown = 12;
inline constexpr int kButtonChUp = 13;
inline constexpr int kButtonPlay = 24;
inline constexpr int kButtonStop = 28;

// The looks a button is drawn in.
inline constexpr int kLookNormal = 0;
inline constexpr int kLookPressed = 1;
inline constexpr int kLookHover = 2;

// Held down, these buttons repeat their command: first after 600 ms, then
// every 150 ms (timer 117).
inline constexpr std::uint32_t kRepeatFirstMs = 600;
inline constexpr std::uint32_t kRepeatNextMs = 150;
constexpr bool IsRepeatButton(int index) { return index >= kButtonVolDown && index <= kButtonChUp; }
// PLAY, FORWARD, BACK, PAUSE, STOP show the playback state, not the mouse.
constexpr bool IsTransportButton(int index) { return index >= kButtonPlay && index <= kButtonStop; }

inline constexpr std::uint16_t kTrayMessage = 2024;
inline constexpr int kTrayMenuResource = 133;
inline constexpr std::uint16_t kTrayOpenCommand = 44000;
inline constexpr std::uint16_t kTrayCloseCommand = 32772;
inline constexpr std::uint16_t kShowHideCommand = 32771;

// A rectangle in panel client coordinates; "inside" is strict on all sides.
struct BarRect {
    int x = 0, y = 0, w = 0, h = 0;
    bool Inside(int px, int py) const { return x < px && px < x + w && y < py && py < y + h; }
};

// Where the two bars are in the current skin and panel state.
struct PointerGeometry {
    BarRect volumeBar;          // LCD_VOLBAR, the content offset already added to x
    bool volumeVertical = false;  // LCD_VOLBAR_LTOR_DTOU 1: fills from the bottom up
    BarRect timeShiftBar;       // TIMESHIFTPOINT / TIMESHIFTWIDTH / TIMESHIFTHEIGHT (no offset)
    int knobWidth = 10;         // SLIPOINT_W
};

// What the input handling asks of the skin.
class PointerParts {
public:
    virtual ~PointerParts() = default;
    // The first active button table entry that holds the point, or kNoButton.
    virtual int FindButton(int x, int y) = 0;
    // The command of a button table entry.
    virtual std::uint16_t ButtonCommand(int index) = 0;
    virtual PointerGeometry Geometry() = 0;
    // DrawButton of the skin: an index outside the table draws nothing.
    virtual void DrawButton(int index, int look) = 0;
    // The pointer moved from button `held` onto button `now`: `now` takes
    // the hover look and `held` the normal one, unless `now` is `held` or a
    // transport button (whose look is the playback state).
    virtual void ShowHover(int held, int now) = 0;
    // Released over the button: hover look again (not for transport buttons).
    virtual void ShowReleased(int index) = 0;
    // Transport buttons in their playing look; the playback knob at x.
    virtual void DrawTransportPlaying() = 0;
    virtual void DrawPlaybackKnob(int x) = 0;
    // The tray menu's two texts: open the TV, close.
    virtual std::string TrayOpenText() = 0;
    virtual std::string TrayCloseText() = 0;
};

// Volume 0..220 for a point on the volume bar (strictly inside it):
// horizontal from the left edge, vertical from the bottom edge.
int VolumeAtPoint(const PointerGeometry& g, int x, int y);

// Time-shift recorded so far, in 6-second units: from `start` to `now`,
// an hour below the start hour counting as the next day's.
int ElapsedTimeShift(const TimeOfDay& start, const platform::LocalTime& now);

// The key map: a virtual key's command and whether it is queued (posted)
// rather than run at once (sent).  Nothing for a key without a command.
struct KeyCommand {
    std::uint16_t command = 0;
    bool posted = false;
};
std::optional<KeyCommand> CommandForKey(int virtualKey);
// While the panel is busy (recording, scanning, preview, time-shift, the
// fully-scan dialog, playback) only Up, Down and F are taken from the panel.
bool KeyAllowedWhileBusy(int virtualKey);

class PanelEvents {
public:
    PanelEvents(PanelContext& ctx, PointerParts& parts, platform::PanelInput& input)
        : ctx_(ctx), parts_(parts), input_(input) {}
    PanelEvents(const PanelEvents&) = delete;
    PanelEvents& operator=(const PanelEvents&) = delete;

    // WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP (panel client coordinates).
    void MouseMove(int x, int y, bool leftButtonDown);
    void ButtonDown(int x, int y);
    void ButtonUp(int x, int y);
    // Timer 117: the held button's command again.
    void RepeatTimer();
    // The pointer left the panel without a move inside it telling so (a
    // fast move onto another program's window): as a move onto no button.
    void PointerLeft();

    // WM_KEYDOWN of the panel (with the busy restriction), and a key-down
    // notification from the file or channel list window (without it).
    void KeyDown(int virtualKey);
    void ListKeyDown(int virtualKey);

    // Message 2024 from the tray icon; lParam is the mouse message.
    void Tray(std::intptr_t mouseMessage);

private:
    void Hover(int x, int y);
    void LeaveButtons();
    void VolumeFromPointer(int x, int y, bool writeSetting);
    void DragTimeShiftKnob(int x, const BarRect& bar);
    void DragPlaybackKnob(int x, const BarRect& bar, int knobWidth);
    bool ReleaseOnTimeShiftBar(int x, int y, const BarRect& bar);
    bool ReleaseOnPlaybackBar(int x, int y, const BarRect& bar, int knobWidth, bool knobWasGrabbed);
    void RunKey(int virtualKey);
    // Position limit of a time-shift seek: recorded width of the bar, or
    // nothing when there is no recorded part to seek in.
    std::optional<int> RecordedWidth(const BarRect& bar);
    platform::WindowId PlaybackWindow();

    PanelContext& ctx_;
    PointerParts& parts_;
    platform::PanelInput& input_;
    // The left button went down on an empty spot of the panel (no button,
    // no bar): only such a press drags the window.
    bool pressedOnEmptySpot_ = false;
};

}  // namespace core
