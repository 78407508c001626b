// Paints one skin: the strip (otherbmp.bmp) and the twelve panel pictures,
// all driven by the skin's layout so that every rectangle the panel copies
// finds the matching picture there.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "tools/skingen/Canvas.h"
#include "tools/skingen/Layout.h"

namespace skingen {

enum Look : int { kNormal = 0, kPressed = 1, kHover = 2 };

struct KeyColours {
    Rgb top, bottom, glyph;
};

struct Theme {
    Rgb outside;             // pixels the window region cuts away
    Rgb rim;                 // the dark edge line of the body
    Rgb bodyTop, bodyBottom; // body gradient over the base height
    double grain = 0.0;      // texture strength
    bool brushed = false;    // horizontal brushed-metal streaks
    Rgb plate;               // recessed decks
    Rgb print;               // silk-screened text on the body
    Rgb logo;
    Rgb lcdGlass, lcdInk, lcdGhost, lcdRed;
    Rgb bezel;               // frame around the LCD
    Rgb well;                // behind the list windows
    KeyColours key, keyHover, keyPressed;
    KeyColours accent, accentHover, accentPressed;  // source and file keys
    Rgb hoverRing;
    Rgb recGlyph;            // the record dot
    double keyRadius = 4;
    Rgb volOff, volLow, volHigh, volTrough;
    Rgb trackEmpty, trackFull, trackEdge;
    Rgb knobLight, knobDark;
};

enum class FaceStyle {
    Key,     // rounded key
    Accent,  // rounded key in the accent colours, usually with text
    Round,   // round key
    Touch,   // drawn on the LCD glass
    Print,   // printed on the body, lights up on hover (logo)
};

struct Design {
    Layout layout;
    Theme theme;
    // Window outline of a state, window coordinates, clockwise.
    std::function<std::vector<Pt>(int state)> outline;
    // Draws the fixed parts on the body (decks, LCD glass, wells, prints).
    std::function<void(Image& img, int state)> decorate;
    std::function<FaceStyle(int index)> style;
};

struct SkinPictures {
    Image strip;
    std::array<std::array<Image, 3>, 4> panel;  // [state - 1][look]
};

SkinPictures PaintSkin(const Design& d);

// File name of a state's picture in a look ("panellorrover.bmp").
std::string PanelFileName(int state, int look);

// A polygon with rounded corners: each corner (x, y) is replaced by an arc of
// radius r (0 keeps the corner; a negative r cuts it straight, -r from the
// corner along both edges).
struct Corner {
    double x, y, r;
};
std::vector<Pt> RoundedOutline(const std::vector<Corner>& corners, double step = 3.0);

// Helpers for the decorations.
void Deck(Image& img, const Rect& r, double radius, Rgb colour, const Rect& clip);
void Glass(Image& img, const Rect& r, const Theme& t, double radius);
void Well(Image& img, const Rect& inner, const Theme& t);
void Colon(Image& img, int x, int y, int h, Rgb c);

}  // namespace skingen
