// Drawing toolkit of the skin generator: shapes as signed distance functions
// (so edges can be smoothed and bevelled the same way for any outline),
// colour helpers, two pixel fonts and seven-segment digits.
//
// Everything here is deterministic: the same calls give the same pixels.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "skin/Bmp.h"

namespace skingen {

using skin::Image;
using skin::Rgb;

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    int Right() const { return x + w; }
    int Bottom() const { return y + h; }
    Rect Moved(int dx, int dy) const { return {x + dx, y + dy, w, h}; }
    Rect Inset(int d) const { return {x + d, y + d, w - 2 * d, h - 2 * d}; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Pt {
    int x = 0, y = 0;
    friend bool operator==(const Pt&, const Pt&) = default;
};

struct Vec {
    double x = 0, y = 0;
};

// ---- colours -------------------------------------------------------------

Rgb Hex(unsigned rgb);
Rgb Mix(Rgb a, Rgb b, double t);  // t = 0 gives a, 1 gives b
Rgb Lighten(Rgb c, double t);      // towards white
Rgb Darken(Rgb c, double t);       // towards black
// A small fixed pseudo-random value in -1..1 for a pixel (texture grain).
double Grain(int x, int y, unsigned seed);

// ---- shapes --------------------------------------------------------------

// Signed distance in pixels: negative inside, positive outside. Pixel (x, y)
// is sampled at its centre (x + 0.5, y + 0.5).
using Shape = std::function<double(double x, double y)>;

Shape Box(double x0, double y0, double x1, double y1, double radius = 0);
Shape BoxOf(const Rect& r, double radius = 0, double inset = 0);
Shape Circle(double cx, double cy, double r);
Shape Ring(double cx, double cy, double r, double halfWidth);
Shape Segment(double ax, double ay, double bx, double by, double halfWidth);
Shape Polygon(std::vector<Vec> points);
Shape Union(Shape a, Shape b);
Shape Subtract(Shape a, Shape b);
Shape Intersect(Shape a, Shape b);
Shape Offset(Shape a, double by);  // grows (by > 0) or shrinks the shape

// Outward unit normal of a shape at a point (from the distance gradient).
Vec Normal(const Shape& s, double x, double y);

// ---- painting ------------------------------------------------------------

using Paint = std::function<Rgb(int x, int y)>;
Paint Solid(Rgb c);
Paint VerticalGradient(Rgb top, Rgb bottom, int y0, int y1);

// Fills the shape within `clip`, with smoothed edges blending into what is
// already there.
void Fill(Image& img, const Shape& s, const Paint& paint, const Rect& clip, double opacity = 1.0);
void Fill(Image& img, const Shape& s, Rgb c, const Rect& clip, double opacity = 1.0);

// Lights the inside band of width `width` along the shape's edge as if lit
// from the top left: edges facing the light get `light` added towards white,
// the others `shade` towards black. `raised` false inverts it (a hollow).
void Bevel(Image& img, const Shape& s, const Rect& clip, double width, double light, double shade, bool raised = true);

// Darkens the outside of a shape within `spread` pixels, offset down-right.
void DropShadow(Image& img, const Shape& s, const Rect& clip, double spread, double strength, double dx = 1, double dy = 1.5);

// Draws a glow of colour `c` outside the shape.
void Glow(Image& img, const Shape& s, const Rect& clip, double spread, Rgb c, double strength);

// ---- text ----------------------------------------------------------------

enum class Font {
    Small,  // 5 x 7 capitals, digits and a few signs
    Tiny,   // 3 x 5 (M, W and a few signs are 5 wide)
};

int TextWidth(std::string_view text, Font font, int scale = 1, bool bold = false);
int TextHeight(Font font, int scale = 1);
void DrawText(Image& img, int x, int y, std::string_view text, Font font, Rgb c, int scale = 1, bool bold = false);
// Centres the text in the rectangle (rounding left and up).
void DrawTextCentred(Image& img, const Rect& r, std::string_view text, Font font, Rgb c, int scale = 1, bool bold = false);

// ---- seven-segment digits ------------------------------------------------

// Draws digit 0..9 in the cell (x, y, w, h): unlit segments in `ghost`, lit in
// `ink`. The glyph leaves the rightmost column free when the cell is wider
// than 5 so that neighbouring cells do not touch.
void DrawSegmentDigit(Image& img, int x, int y, int w, int h, int digit, Rgb ink, Rgb ghost);

}  // namespace skingen
