// Drawing on the panel: the buttons in their three looks, the LCD elements,
// the volume bar, the mute button's faces and the repaint of the window.
// Everything is a rectangle copied from the skin surfaces; nothing is
// scaled and no text is drawn.  LCD elements go to the screen at once
// and into the normal surface, which is the panel's backing store.
#pragma once

#include <memory>

#include "platform/Surface.h"
#include "skin/PanelLayout.h"

namespace skin {

// The four drawing surfaces of the current skin and panel state.
struct SkinSurfaces {
    std::unique_ptr<platform::Surface> normal;   // every button up; the backing store
    std::unique_ptr<platform::Surface> hover;    // every button highlighted
    std::unique_ptr<platform::Surface> pressed;  // every button down
    std::unique_ptr<platform::Surface> strip;    // otherbmp.bmp: digits, labels, faces

    bool Loaded() const { return normal && hover && pressed && strip; }
    void Reset() {
        normal.reset();
        hover.reset();
        pressed.reset();
        strip.reset();
    }
};

enum ButtonLook : int { kLookNormal = 0, kLookPressed = 1, kLookHover = 2 };

enum class ModeLabel : int { Channel = 1, Fm = 2, VideoIn = 3 };
enum class SourceIndicator : int { Air = 1, Cable = 2, AvIn = 3, SVideo = 4, Fm = 5 };

struct ClockTime {
    int hour = 0, minute = 0, second = 0;
};

// The transport buttons (PLAY, FORWARD, BACK, PAUSE, STOP) show the playback
// state rather than the mouse.
constexpr bool IsTransportButton(int index) { return index >= kBtnPlay && index <= kBtnStop; }

class PanelPainter {
public:
    PanelPainter(const PanelLayout& layout, const SkinSurfaces& surfaces, platform::Surface& screen)
        : layout_(layout), surfaces_(surfaces), screen_(screen) {}

    // The entry's rectangle from the surface of the look, to the screen
    // only.  An index above 47 or a look outside 0..2 draws nothing.
    void DrawButton(int index, int look);

    void DrawModeLabel(ModeLabel label);
    void DrawSourceIndicator(SourceIndicator indicator);
    // Three cells, units first; a leading zero shows as 0.
    void DrawChannelNumber(int channel);
    // The places of f (100 kHz units) counted from the thousands: 1 =
    // thousands only ... 4 = all four; the other places keep what they
    // show.  The FM mode label goes first (the digits lie on it).
    void DrawFmFrequency(int frequency, int places = 4);
    void DrawClock(const ClockTime& now);
    // Elapsed recording time; 100 hours or more show as 99.
    void DrawCaptureTime(int seconds);
    // Time-shift: the time of day of a position `seconds` after `start`.
    void DrawTimeShiftPosition(int seconds, const ClockTime& start);
    // Eight digits; values above 99999999 show as 99999999.
    void DrawFileSize(long long value);
    void DrawRecordState(bool recording);
    // volume 0..220.
    void DrawVolumeBar(int volume);
    // The face goes into all three looks, so that hover and press drawing
    // of the mute button keep showing it.
    void DrawMuteButton(bool muted);

    // WM_PAINT: the normal surface at the size of the panel state; with
    // `snapshotBand` (file list open and a snapshot pending) only the band
    // below PANEL_DOWN_REPAINT_Y.
    void Paint(int state, bool snapshotBand);

private:
    // From the strip to the screen and the backing store.
    void Put(int dx, int dy, int w, int h, int sx, int sy);
    void PutDigit(At place, Size cell, At strip, int step, int digit);
    void PutSixDigits(const std::array<At, 6>& places, Size cell, At strip, int step, int hours, int minutes,
                      int seconds);

    const PanelLayout& layout_;
    const SkinSurfaces& surfaces_;
    platform::Surface& screen_;
};

}  // namespace skin
