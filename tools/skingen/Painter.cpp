#include "tools/skingen/Painter.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string_view>

namespace skingen {

namespace {

constexpr double kPi = std::numbers::pi;

// ---- icons ---------------------------------------------------------------

// Icon coordinates: -1..1 across a square of half size h around (cx, cy).
struct Pen {
    double cx, cy, h;
    double X(double u) const { return cx + u * h; }
    double Y(double v) const { return cy + v * h; }
    double W(double w) const { return std::max(w * h, 0.65); }
    Shape Tri(double u0, double v0, double u1, double v1, double u2, double v2) const {
        return Polygon({{X(u0), Y(v0)}, {X(u1), Y(v1)}, {X(u2), Y(v2)}});
    }
    Shape Bx(double u0, double v0, double u1, double v1, double r = 0) const { return Box(X(u0), Y(v0), X(u1), Y(v1), r * h); }
    Shape Seg(double u0, double v0, double u1, double v1, double w) const { return Segment(X(u0), Y(v0), X(u1), Y(v1), W(w)); }
    Shape Circ(double u, double v, double r) const { return Circle(X(u), Y(v), r * h); }
    Shape RingS(double u, double v, double r, double w) const { return Ring(X(u), Y(v), r * h, W(w)); }
    Shape Poly(std::initializer_list<Vec> pts) const {
        std::vector<Vec> v;
        for (Vec p : pts) v.push_back({X(p.x), Y(p.y)});
        return Polygon(std::move(v));
    }
};

Shape Speaker(const Pen& p, double du) {
    return p.Poly({{-0.85 + du, -0.28}, {-0.5 + du, -0.28}, {-0.1 + du, -0.68}, {-0.1 + du, 0.68}, {-0.5 + du, 0.28}, {-0.85 + du, 0.28}});
}

Shape Waves(const Pen& p) {
    const Shape wedge = p.Poly({{-0.1, 0}, {1.2, -1.0}, {1.2, 1.0}});
    return Intersect(Union(p.RingS(-0.1, 0, 0.42, 0.09), p.RingS(-0.1, 0, 0.78, 0.09)), wedge);
}

Shape Arrow(const Pen& p, char dir) {
    switch (dir) {
    case 'L': return p.Tri(0.45, -0.75, -0.55, 0, 0.45, 0.75);
    case 'R': return p.Tri(-0.45, -0.75, 0.55, 0, -0.45, 0.75);
    case 'U': return p.Tri(-0.75, 0.45, 0, -0.55, 0.75, 0.45);
    default: return p.Tri(-0.75, -0.45, 0, 0.55, 0.75, -0.45);
    }
}

Shape Chevron(const Pen& p, bool down) {
    const double a = down ? -0.25 : 0.3, b = down ? 0.3 : -0.25;
    return Union(p.Seg(-0.6, a, 0, b, 0.15), p.Seg(0, b, 0.6, a, 0.15));
}

Shape Gear(const Pen& p) {
    Shape s = p.RingS(0, 0, 0.4, 0.17);
    const double c = std::numbers::sqrt2 / 2;
    const Vec dirs[] = {{1, 0}, {c, c}, {0, 1}, {-c, c}, {-1, 0}, {-c, -c}, {0, -1}, {c, -c}};
    for (Vec d : dirs) s = Union(s, p.Seg(d.x * 0.5, d.y * 0.5, d.x * 0.78, d.y * 0.78, 0.14));
    return s;
}

Shape ListIcon(const Pen& p) {
    Shape s = p.Seg(-0.25, -0.5, 0.75, -0.5, 0.1);
    s = Union(s, p.Seg(-0.25, 0, 0.75, 0, 0.1));
    s = Union(s, p.Seg(-0.25, 0.5, 0.75, 0.5, 0.1));
    for (double v : {-0.5, 0.0, 0.5}) s = Union(s, p.Circ(-0.65, v, 0.14));
    return s;
}

Shape Envelope(const Pen& p) {
    Shape s = Subtract(p.Bx(-0.9, -0.6, 0.9, 0.6, 0.08), p.Bx(-0.75, -0.45, 0.75, 0.45));
    s = Union(s, p.Seg(-0.78, -0.48, 0, 0.12, 0.09));
    return Union(s, p.Seg(0, 0.12, 0.78, -0.48, 0.09));
}

Shape Film(const Pen& p) {
    Shape s = Subtract(p.Bx(-0.9, -0.65, 0.9, 0.65, 0.08), p.Bx(-0.55, -0.32, 0.55, 0.32));
    for (double u : {-0.7, -0.25, 0.2, 0.65}) {
        s = Subtract(s, p.Bx(u - 0.09, -0.55, u + 0.09, -0.42));
        s = Subtract(s, p.Bx(u - 0.09, 0.42, u + 0.09, 0.55));
    }
    return s;
}

Shape Pencil(const Pen& p) {
    return Union(p.Seg(-0.35, 0.35, 0.55, -0.55, 0.2), p.Tri(-0.8, 0.8, -0.62, 0.25, -0.25, 0.62));
}

// ---- glyphs of the buttons -------------------------------------------------

void DrawIconText(Image& img, const Rect& r, const Shape& icon, std::string_view text, Rgb c, const Rect& clip, double iconH) {
    const Font font = TextWidth(text, Font::Small) + iconH * 2 + 6 <= r.w && r.h >= 11 ? Font::Small : Font::Tiny;
    const int tw = TextWidth(text, font);
    const int total = static_cast<int>(iconH * 2) + 4 + tw;
    const int left = r.x + (r.w - total) / 2;
    Fill(img, icon, c, clip);
    DrawText(img, left + static_cast<int>(iconH * 2) + 4, r.y + (r.h - TextHeight(font)) / 2, text, font, c);
}

bool Horizontal(const Layout& l) {
    const Rect& d = l.button[kChDown];
    const Rect& u = l.button[kChUp];
    return std::abs(d.y - u.y) < std::max(d.h, u.h) / 2;
}

void DrawText1(Image& img, const Rect& r, std::string_view text, Rgb c, bool boldWhenRoom = true) {
    const bool bold = boldWhenRoom && TextWidth(text, Font::Small, 1, true) + 4 <= r.w && r.h >= 10;
    if (TextWidth(text, Font::Small, 1, bold) + 2 <= r.w && r.h >= 9)
        DrawTextCentred(img, r, text, Font::Small, c, 1, bold);
    else
        DrawTextCentred(img, r, text, Font::Tiny, c);
}

// Draws the glyph of an entry centred in r, clipped to clip.
void DrawGlyph(Image& img, const Layout& l, int index, const Rect& r, Rgb c, Rgb rec, bool muted, const Rect& clip) {
    const double cx = r.x + r.w / 2.0, cy = r.y + r.h / 2.0;
    const double side = std::min(r.w, r.h);
    Pen p{cx, cy, std::max(side * 0.34, 3.2)};
    if (index >= kNum0 && index <= kNum0 + 9) {
        const char digit[2] = {static_cast<char>('0' + index), 0};
        DrawText1(img, r, digit, c, false);
        return;
    }
    switch (index) {
    case kVolDown:
    case kVolUp: {
        Pen q{cx, cy, std::max(side * 0.36, 3.2)};
        Shape s = Speaker(q, -0.15);
        s = Union(s, q.Seg(0.25, 0, 0.85, 0, 0.1));
        if (index == kVolUp) s = Union(s, q.Seg(0.55, -0.3, 0.55, 0.3, 0.1));
        Fill(img, s, c, clip);
        return;
    }
    case kChDown:
    case kChUp: {
        const bool h = Horizontal(l);
        Pen q{cx, cy, std::max(side * 0.3, 3.0)};
        Fill(img, Arrow(q, index == kChUp ? (h ? 'R' : 'U') : (h ? 'L' : 'D')), c, clip);
        return;
    }
    case kTvAir: DrawText1(img, r, "AIR TV", c); return;
    case kCable: DrawText1(img, r, "CABLE", c); return;
    case kComposite: DrawText1(img, r, "AV-IN", c); return;
    case kSVideo: DrawText1(img, r, "S-VIDEO", c); return;
    case kFm: DrawText1(img, r, "FM", c); return;
    case kTeletext: DrawText1(img, r, "TXT", c); return;
    case kHelp: DrawText1(img, r, "?", c, false); return;
    case kAdd: Fill(img, Union(p.Seg(-0.6, 0, 0.6, 0, 0.11), p.Seg(0, -0.6, 0, 0.6, 0.11)), c, clip); return;
    case kDec: Fill(img, p.Seg(-0.6, 0, 0.6, 0, 0.11), c, clip); return;
    case kClose: {
        Shape ring = Subtract(p.RingS(0, 0.08, 0.62, 0.12), p.Poly({{0, 0.08}, {-0.55, -1.3}, {0.55, -1.3}}));
        Fill(img, Union(ring, p.Seg(0, -0.8, 0, -0.1, 0.12)), c, clip);
        return;
    }
    case kHidePanel: Fill(img, p.Bx(-0.6, 0.3, 0.6, 0.58), c, clip); return;
    case kRec: Fill(img, p.Circ(0, 0, 0.6), rec, clip); return;
    case kPlay: Fill(img, p.Tri(-0.45, -0.75, 0.75, 0, -0.45, 0.75), c, clip); return;
    case kPause: Fill(img, Union(p.Bx(-0.6, -0.7, -0.15, 0.7), p.Bx(0.15, -0.7, 0.6, 0.7)), c, clip); return;
    case kStop: Fill(img, p.Bx(-0.6, -0.6, 0.6, 0.6, 0.1), c, clip); return;
    case kForward: {
        Shape s = Union(p.Tri(-0.95, -0.6, -0.15, 0, -0.95, 0.6), p.Tri(-0.2, -0.6, 0.6, 0, -0.2, 0.6));
        Fill(img, Union(s, p.Bx(0.62, -0.6, 0.85, 0.6)), c, clip);
        return;
    }
    case kBack: {
        Shape s = Union(p.Tri(0.95, -0.6, 0.15, 0, 0.95, 0.6), p.Tri(0.2, -0.6, -0.6, 0, 0.2, 0.6));
        Fill(img, Union(s, p.Bx(-0.85, -0.6, -0.62, 0.6)), c, clip);
        return;
    }
    case kStopRec: {
        Shape arc = Subtract(p.RingS(0, 0, 0.66, 0.12), p.Poly({{0, 0}, {0.15, -1.3}, {1.3, -1.3}, {1.3, -0.25}}));
        Shape head = p.Tri(-0.02, -1.0, 0.48, -0.66, -0.02, -0.32);
        Fill(img, Union(arc, head), c, clip);
        Fill(img, p.Circ(0, 0, 0.24), rec, clip);
        return;
    }
    case kMute: {
        Pen q{cx, cy, std::max(side * 0.36, 3.2)};
        Shape s = Speaker(q, -0.1);
        if (muted)
            s = Union(s, Union(q.Seg(0.25, -0.32, 0.85, 0.32, 0.1), q.Seg(0.25, 0.32, 0.85, -0.32, 0.1)));
        else
            s = Union(s, Waves(q));
        Fill(img, s, muted ? rec : c, clip);
        return;
    }
    case kCapture: {
        Shape body = Union(p.Bx(-0.9, -0.45, 0.9, 0.7, 0.15), p.Bx(-0.35, -0.72, 0.3, -0.35, 0.05));
        Fill(img, Union(Subtract(body, p.Circ(0, 0.12, 0.38)), p.Circ(0, 0.12, 0.18)), c, clip);
        return;
    }
    case kTime: {
        Shape s = Union(p.RingS(0, 0, 0.72, 0.11), p.Seg(0, 0.05, 0, -0.48, 0.09));
        Fill(img, Union(s, p.Seg(0, 0.05, 0.38, 0.2, 0.09)), c, clip);
        return;
    }
    case kChPreview: {
        Shape s = p.Bx(-0.85, -0.85, -0.35, -0.35);
        for (int i = 0; i < 9; ++i) {
            const double u = -0.85 + (i % 3) * 0.62, v = -0.85 + (i / 3) * 0.62;
            s = Union(s, p.Bx(u, v, u + 0.48, v + 0.48));
        }
        Fill(img, s, c, clip);
        return;
    }
    case kTool: Fill(img, Gear(p), c, clip); return;
    case kScan: Fill(img, Union(p.RingS(-0.18, -0.18, 0.48, 0.12), p.Seg(0.18, 0.18, 0.78, 0.78, 0.16)), c, clip); return;
    case kSkin: Fill(img, Union(p.RingS(0, 0, 0.68, 0.1), Intersect(p.Circ(0, 0, 0.68), p.Bx(0, -1, 1, 1))), c, clip); return;
    case kStereo: {
        Shape s = p.Seg(-0.55, -0.8, -0.55, 0.8, 0.06);
        s = Union(s, p.Seg(0, -0.8, 0, 0.8, 0.06));
        s = Union(s, p.Seg(0.55, -0.8, 0.55, 0.8, 0.06));
        s = Union(s, p.Bx(-0.78, 0.15, -0.32, 0.45, 0.05));
        s = Union(s, p.Bx(-0.23, -0.5, 0.23, -0.2, 0.05));
        s = Union(s, p.Bx(0.32, -0.05, 0.78, 0.25, 0.05));
        Fill(img, s, c, clip);
        return;
    }
    case kOpenPanel: Fill(img, Chevron(p, true), c, clip); return;
    case kDownClose: Fill(img, Chevron(p, false), c, clip); return;
    case kLeftOpen: Fill(img, ListIcon(p), c, clip); return;
    case kEmail:
    case kListView:
    case kPaint:
    case kMovieEdit: {
        const double ih = std::max(std::min(r.h * 0.3, 6.0), 3.0);
        Pen q{0, cy, ih};
        const char* text = index == kEmail ? "MAIL" : index == kListView ? "VIEW" : index == kPaint ? "PAINT" : "MOVIE";
        const Font font = TextWidth(text, Font::Small) + ih * 2 + 6 <= r.w && r.h >= 11 ? Font::Small : Font::Tiny;
        const int total = static_cast<int>(ih * 2) + 4 + TextWidth(text, font);
        q.cx = r.x + (r.w - total) / 2 + ih;
        const Shape icon = index == kEmail ? Envelope(q) : index == kListView ? ListIcon(q) : index == kPaint ? Pencil(q) : Film(q);
        DrawIconText(img, r, icon, text, c, clip, ih);
        return;
    }
    case kLogo: {
        const bool bold = TextWidth("KESTROVA", Font::Small, 1, true) + 4 <= r.w;
        DrawTextCentred(img, r, "KESTROVA", Font::Small, c, 1, bold);
        return;
    }
    default: return;
    }
}

// ---- button faces ----------------------------------------------------------

void DrawFace(Image& img, const Design& d, int index, const Rect& face, Look look, bool muted) {
    const Theme& t = d.theme;
    const Layout& l = d.layout;
    const FaceStyle style = d.style(index);
    const Rect& clip = face;
    const int shift = look == kPressed ? 1 : 0;
    Rect glyph = face.Moved(shift, shift);

    if (style == FaceStyle::Print) {
        Rgb c = look == kHover ? Lighten(t.logo, 0.45) : look == kPressed ? Darken(t.logo, 0.25) : t.logo;
        if (look == kHover) {
            const Image before = img;
            Image glow = img;
            DrawGlyph(glow, l, index, glyph, t.hoverRing, t.recGlyph, muted, clip);
            for (int y = face.y; y < face.Bottom(); ++y)
                for (int x = face.x; x < face.Right(); ++x) {
                    // A soft halo: any lit neighbour tints the pixel.
                    int lit = 0;
                    for (int dy = -1; dy <= 1; ++dy)
                        for (int dx = -1; dx <= 1; ++dx)
                            if (!(glow.Get(x + dx, y + dy) == before.Get(x + dx, y + dy))) ++lit;
                    if (lit) img.Set(x, y, Mix(img.Get(x, y), t.hoverRing, std::min(0.12 * lit, 0.5)));
                }
        }
        DrawGlyph(img, l, index, glyph, c, t.recGlyph, muted, clip);
        return;
    }

    if (style == FaceStyle::Touch) {
        const double rad = std::min(4.0, std::min(face.w, face.h) / 2.0 - 1);
        Shape outer = Box(face.x + 1, face.y + 1, face.Right() - 1, face.Bottom() - 1, rad);
        Shape line = [outer](double x, double y) { return std::abs(outer(x, y) + 0.5) - 0.5; };
        if (look == kPressed) {
            Fill(img, outer, t.lcdInk, clip);
            DrawGlyph(img, l, index, glyph, t.lcdGlass, t.lcdGlass, muted, clip);
        } else {
            Fill(img, line, look == kHover ? t.lcdInk : t.lcdGhost, clip);
            if (look == kHover) Fill(img, Offset(outer, -1), Mix(t.lcdGlass, t.lcdInk, 0.15), clip);
            DrawGlyph(img, l, index, glyph, t.lcdInk, t.lcdRed, muted, clip);
        }
        return;
    }

    const bool accent = style == FaceStyle::Accent;
    const KeyColours& kc = look == kHover ? (accent ? t.accentHover : t.keyHover)
                           : look == kPressed ? (accent ? t.accentPressed : t.keyPressed)
                                              : (accent ? t.accent : t.key);
    Shape outer;
    if (style == FaceStyle::Round) {
        const double r = std::min(face.w, face.h) / 2.0 - 1;
        outer = Circle(face.x + face.w / 2.0, face.y + face.h / 2.0, r);
    } else {
        const double rad = std::min(t.keyRadius, std::min(face.w, face.h) / 2.0 - 1.5);
        outer = Box(face.x + 1, face.y + 1, face.Right() - 1, face.Bottom() - 1, rad);
    }
    DropShadow(img, outer, clip, 2.0, look == kPressed ? 0.15 : 0.35, 0.5, 1.0);
    Fill(img, outer, Darken(kc.bottom, 0.55), clip);
    const Shape inner = Offset(outer, -1);
    Fill(img, inner, VerticalGradient(kc.top, kc.bottom, face.y + 1, face.Bottom() - 1), clip);
    Bevel(img, inner, clip, std::min(2.5, std::min(face.w, face.h) / 5.0), 0.5, 0.35, look != kPressed);
    if (look == kHover) {
        Shape ring = [outer](double x, double y) { return std::abs(outer(x, y) + 0.5) - 0.55; };
        Fill(img, ring, t.hoverRing, clip, 0.9);
    }
    const Rgb rec = look == kPressed ? Darken(t.recGlyph, 0.2) : look == kHover ? Lighten(t.recGlyph, 0.25) : t.recGlyph;
    DrawGlyph(img, l, index, glyph, kc.glyph, rec, muted, clip);
}

// Where each entry's face is drawn: its rectangle, pulled back from any
// neighbour it overlaps so that no two faces share a pixel (a hover or press
// copies the whole rectangle).
std::vector<Rect> FaceRects(const std::vector<PlacedButton>& buttons) {
    std::vector<Rect> faces;
    for (const PlacedButton& b : buttons) faces.push_back(b.rect);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        for (std::size_t j = 0; j < buttons.size(); ++j) {
            if (i == j) continue;
            const Rect& a = buttons[i].rect;
            const Rect& o = buttons[j].rect;
            const int x0 = std::max(a.x, o.x), x1 = std::min(a.Right(), o.Right());
            const int y0 = std::max(a.y, o.y), y1 = std::min(a.Bottom(), o.Bottom());
            if (x0 >= x1 || y0 >= y1) continue;
            Rect& f = faces[i];
            if (x1 - x0 <= y1 - y0) {
                if (o.x > a.x) f.w = std::min(f.Right(), x0) - f.x;
                else { const int right = f.Right(); f.x = std::max(f.x, x1); f.w = right - f.x; }
            } else {
                if (o.y > a.y) f.h = std::min(f.Bottom(), y0) - f.y;
                else { const int bottom = f.Bottom(); f.y = std::max(f.y, y1); f.h = bottom - f.y; }
            }
        }
    }
    return faces;
}

// ---- bars --------------------------------------------------------------------

void DrawVolumeBar(Image& img, const Layout& l, const Theme& t, int offset, bool lit) {
    const Rect r = l.volBar.Moved(offset, 0);
    Fill(img, BoxOf(r, 3), t.volTrough, r);
    Bevel(img, BoxOf(r, 3), r, 2, 0.25, 0.4, false);
    const bool vertical = l.volBarVertical == 1;
    const int length = vertical ? r.h - 4 : r.w - 4;
    const int across = vertical ? r.w - 6 : r.h - 6;
    const int pitch = length >= 120 ? 5 : 4;
    const int bars = (length + (pitch - 3)) / pitch;
    for (int i = 0; i < bars; ++i) {
        const double f = bars > 1 ? static_cast<double>(i) / (bars - 1) : 1.0;
        const int extent = std::max(2, static_cast<int>(std::lround(across * (0.3 + 0.7 * f))));
        Rgb c = lit ? (f < 0.6 ? Mix(t.volLow, Mix(t.volLow, t.volHigh, 0.5), f / 0.6) : Mix(Mix(t.volLow, t.volHigh, 0.5), t.volHigh, (f - 0.6) / 0.4))
                    : t.volOff;
        if (vertical) {
            const int y = r.Bottom() - 2 - (i + 1) * pitch + (pitch - 3);
            const int x = r.x + 3 + (across - extent) / 2;
            img.FillRect(x, y, extent, 3, c);
            if (lit) img.FillRect(x, y, extent, 1, Lighten(c, 0.35));
        } else {
            const int x = r.x + 2 + i * pitch;
            const int y = r.Bottom() - 3 - extent;
            img.FillRect(x, y, 3, extent, c);
            if (lit) img.FillRect(x, y, 1, extent, Lighten(c, 0.35));
        }
    }
}

void DrawTrack(Image& img, const Rect& r, const Theme& t, bool full) {
    const double rad = r.h / 2.0;
    Fill(img, BoxOf(r, rad), t.trackEdge, r);
    const Shape inner = Box(r.x + 1, r.y + 1, r.Right() - 1, r.Bottom() - 1, rad - 1);
    if (full) {
        Fill(img, inner, VerticalGradient(Lighten(t.trackFull, 0.45), Darken(t.trackFull, 0.2), r.y + 1, r.Bottom() - 1), r);
    } else {
        Fill(img, inner, t.trackEmpty, r);
        for (int i = 1; i < 10; ++i) img.Set(r.x + r.w * i / 10, r.y + r.h / 2, t.trackEdge);
    }
}

void DrawKnob(Image& img, const Rect& r, const Theme& t) {
    img.FillRect(r.x, r.y, r.w, r.h, t.trackEmpty);
    const Shape s = Box(r.x, r.y, r.Right(), r.Bottom(), 2);
    Fill(img, s, Darken(t.knobDark, 0.4), r);
    Fill(img, Offset(s, -1), VerticalGradient(t.knobLight, t.knobDark, r.y, r.Bottom()), r);
    const int mx = r.x + r.w / 2;
    for (int y = r.y + 2; y < r.Bottom() - 2; ++y) {
        img.Set(mx - 1, y, Darken(t.knobDark, 0.3));
        img.Set(mx, y, Lighten(t.knobLight, 0.3));
    }
}

// ---- LCD parts of the strip ------------------------------------------------

void Digits(Image& strip, Pt at, int pitch, int w, int h, const Theme& t) {
    for (int d = 0; d < 10; ++d) {
        strip.FillRect(at.x + d * pitch, at.y, w, h, t.lcdGlass);
        DrawSegmentDigit(strip, at.x + d * pitch, at.y, w, h, d, t.lcdInk, t.lcdGhost);
    }
}

Shape SourceIcon(const Pen& p, int source) {
    switch (source) {
    case 0: {  // aerial
        Shape s = p.Seg(0, -0.2, 0, 0.9, 0.1);
        s = Union(s, p.Seg(0, -0.2, -0.75, -0.9, 0.1));
        return Union(s, p.Seg(0, -0.2, 0.75, -0.9, 0.1));
    }
    case 1:  // coaxial socket
        return Union(p.RingS(0, 0, 0.7, 0.13), p.Circ(0, 0, 0.2));
    case 2:  // phono socket
        return Union(p.RingS(0, 0, 0.72, 0.1), p.RingS(0, 0, 0.35, 0.1));
    case 3: {  // four-pin socket
        Shape s = p.RingS(0, 0, 0.75, 0.1);
        for (Vec v : {Vec{-0.32, -0.2}, Vec{0.32, -0.2}, Vec{-0.35, 0.25}, Vec{0.35, 0.25}}) s = Union(s, p.Circ(v.x, v.y, 0.13));
        return Union(s, p.Bx(-0.15, 0.45, 0.15, 0.62));
    }
    default:  // radio waves
        return Union(p.Circ(-0.55, 0, 0.18), Intersect(Union(p.RingS(-0.55, 0, 0.55, 0.1), p.RingS(-0.55, 0, 1.0, 0.1)), p.Poly({{-0.55, 0}, {1.3, -1.2}, {1.3, 1.2}})));
    }
}

void SourceIndicator(Image& strip, Pt at, int w, int h, int source, const Theme& t) {
    const Rect r{at.x, at.y, w, h};
    strip.FillRect(r.x, r.y, w, h, t.lcdGlass);
    static const char* kNames[] = {"AIR TV", "CABLE TV", "AV IN", "S-VIDEO", "FM RADIO"};
    const std::string_view name = kNames[source];
    const double ih = std::min((h - 4) / 2.0, 7.0);
    const bool bold = TextWidth(name, Font::Small, 1, true) + ih * 2 + 8 <= w && h >= 11;
    const Font font = bold || (TextWidth(name, Font::Small) + ih * 2 + 6 <= w && h >= 9) ? Font::Small : Font::Tiny;
    const int tw = TextWidth(name, font, 1, bold);
    const int total = static_cast<int>(ih * 2) + 4 + tw;
    const int left = r.x + std::max((w - total) / 2, 1);
    const Pen p{left + ih, r.y + h / 2.0, ih};
    Fill(strip, SourceIcon(p, source), t.lcdInk, r);
    DrawText(strip, left + static_cast<int>(ih * 2) + 4, r.y + (h - TextHeight(font)) / 2, name, font, t.lcdInk, 1, bold);
}

void RecordState(Image& strip, Pt at, int w, int h, bool on, const Theme& t) {
    const Rect r{at.x, at.y, w, h};
    strip.FillRect(r.x, r.y, w, h, t.lcdGlass);
    const double rad = std::min(h / 2.0 - 1.5, 4.0);
    const Font font = h >= 9 ? Font::Small : Font::Tiny;
    const std::string_view text = "REC";
    const int tw = TextWidth(text, font, 1, true);
    const int total = static_cast<int>(rad * 2) + 4 + tw;
    const int left = r.x + std::max((w - total) / 2, 1);
    Fill(strip, Circle(left + rad, r.y + h / 2.0, rad), on ? t.lcdRed : t.lcdGhost, r);
    DrawText(strip, left + static_cast<int>(rad * 2) + 4, r.y + (h - TextHeight(font)) / 2, text, font, on ? t.lcdInk : t.lcdGhost, 1, true);
}

// Mode labels: the part not covered by the digits carries the text.
void ModeLabels(Image& strip, const Layout& l, const Theme& t) {
    const Rect m = l.modeLabel;
    auto glass = [&](Pt at) { strip.FillRect(at.x, at.y, m.w, m.h, t.lcdGlass); };
    // Channel: "CH" left of the hundreds digit.
    glass(l.chLabelStrip);
    {
        const int room = l.tunerFirstNum.x - 2 * l.tvChOffset - m.x;
        const Rect area{l.chLabelStrip.x, l.chLabelStrip.y, std::max(room, 8), m.h};
        const bool bold = TextWidth("CH", Font::Small, 1, true) + 2 <= area.w;
        const Font font = m.h >= 9 && TextWidth("CH", Font::Small) + 1 <= area.w ? Font::Small : Font::Tiny;
        DrawText(strip, area.x + std::max((area.w - TextWidth("CH", font, 1, bold)) / 2 - 1, 0),
                 area.y + (m.h - TextHeight(font)) / 2, "CH", font, t.lcdInk, 1, bold);
    }
    // FM: a decimal point before the units digit and "MHZ" after it.
    glass(l.fmLabelStrip);
    {
        const int unitsX = l.fmDigit[0].x - m.x, tensEnd = l.fmDigit[1].x + l.fmNumW - m.x;
        const int dotX = std::max(tensEnd - 1, unitsX - 2);
        const int dotY = std::min(l.fmDigit[0].y - m.y + l.fmNumH, m.h) - 2;
        strip.FillRect(l.fmLabelStrip.x + dotX, l.fmLabelStrip.y + dotY, unitsX - dotX >= 2 ? 2 : 1, 2, t.lcdInk);
        const int after = unitsX + l.fmNumW;
        const int room = m.w - after;
        const Font font = TextWidth("MHZ", Font::Small) + 2 <= room && m.h >= 9 ? Font::Small : Font::Tiny;
        const int fh = TextHeight(font);
        DrawText(strip, l.fmLabelStrip.x + after + std::max((room - TextWidth("MHZ", font)) / 2, 1),
                 l.fmLabelStrip.y + std::min(l.fmDigit[0].y - m.y + l.fmNumH, m.h) - fh - 1, "MHZ", font, t.lcdInk);
    }
    // Video inputs: the whole label.
    glass(l.avsvLabelStrip);
    {
        const Rect area{l.avsvLabelStrip.x, l.avsvLabelStrip.y, m.w, m.h};
        const std::string_view text = TextWidth("VIDEO IN", Font::Small) + 2 <= m.w ? "VIDEO IN" : "VIDEO";
        const bool bold = TextWidth(text, Font::Small, 1, true) + 2 <= m.w;
        DrawTextCentred(strip, area, text, m.h >= 9 ? Font::Small : Font::Tiny, t.lcdInk, 1, bold);
    }
}

Image PaintStripLcd(const Layout& l, const Theme& t) {
    int w = 0, h = 0;
    auto extend = [&](int x, int y, int ew, int eh) {
        w = std::max(w, x + ew);
        h = std::max(h, y + eh);
    };
    for (Pt p : l.sourceStrip) extend(p.x, p.y, l.lcdW, l.lcdH);
    for (Pt p : {l.chLabelStrip, l.fmLabelStrip, l.avsvLabelStrip}) extend(p.x, p.y, l.modeLabel.w, l.modeLabel.h);
    extend(l.numForCh.x, l.numForCh.y, 10 * l.chNumW, l.chNumH);
    extend(l.fmNumStrip.x, l.fmNumStrip.y, 10 * l.fmNumW, l.fmNumH);
    extend(l.curTimeStrip.x, l.curTimeStrip.y, 9 * l.curTimeOffset + l.curTimeW, l.curTimeH);
    extend(l.capTimeStrip.x, l.capTimeStrip.y, 9 * l.capTimeOffset + l.capTimeW, l.capTimeH);
    extend(l.fileSizeStrip.x, l.fileSizeStrip.y, 9 * l.fileSizeOffset + l.fileSizeW, l.fileSizeH);
    extend(l.recOnStrip.x, l.recOnStrip.y, l.recStateW, l.recStateH);
    extend(l.recOffStrip.x, l.recOffStrip.y, l.recStateW, l.recStateH);
    extend(l.muteOn.x, l.muteOn.y, 3 * l.muteOn.w, l.muteOn.h);
    extend(l.muteOff.x, l.muteOff.y, 3 * l.muteOff.w, l.muteOff.h);
    extend(l.sliStrip.x, l.sliStrip.y, l.sliW, l.sliH);

    Image strip(w + 2, h + 2, t.outside);
    for (int i = 0; i < 5; ++i) SourceIndicator(strip, l.sourceStrip[i], l.lcdW, l.lcdH, i, t);
    ModeLabels(strip, l, t);
    Digits(strip, l.numForCh, l.chNumW, l.chNumW, l.chNumH, t);
    Digits(strip, l.fmNumStrip, l.fmNumW, l.fmNumW, l.fmNumH, t);
    Digits(strip, l.curTimeStrip, l.curTimeOffset, l.curTimeW, l.curTimeH, t);
    Digits(strip, l.capTimeStrip, l.capTimeOffset, l.capTimeW, l.capTimeH, t);
    Digits(strip, l.fileSizeStrip, l.fileSizeOffset, l.fileSizeW, l.fileSizeH, t);
    RecordState(strip, l.recOnStrip, l.recStateW, l.recStateH, true, t);
    RecordState(strip, l.recOffStrip, l.recStateW, l.recStateH, false, t);
    DrawKnob(strip, Rect{l.sliStrip.x, l.sliStrip.y, l.sliW, l.sliH}, t);
    return strip;
}

// What the panel shows on the LCD right after start: channel 1 of air TV,
// the clock, capture time and size at zero, not recording.
void PaintLcdContent(Image& img, const Image& strip, const Layout& l, int off) {
    const Rect& m = l.modeLabel;
    img.Blit(m.x + off, m.y, m.w, m.h, strip, l.chLabelStrip.x, l.chLabelStrip.y);
    const int channel[3] = {1, 0, 0};  // units, tens, hundreds
    for (int i = 0; i < 3; ++i)
        img.Blit(l.tunerFirstNum.x - i * l.tvChOffset + off, l.tunerFirstNum.y, l.chNumW, l.chNumH, strip,
                 l.numForCh.x + channel[i] * l.chNumW, l.numForCh.y);
    img.Blit(l.lcdSource.x + off, l.lcdSource.y, l.lcdW, l.lcdH, strip, l.sourceStrip[0].x, l.sourceStrip[0].y);
    const int clock[6] = {0, 0, 0, 0, 2, 1};  // 12:00:00
    for (int i = 0; i < 6; ++i)
        img.Blit(l.clock[i].x + off, l.clock[i].y, l.curTimeW, l.curTimeH, strip, l.curTimeStrip.x + clock[i] * l.curTimeOffset,
                 l.curTimeStrip.y);
    for (Pt p : l.capTime) img.Blit(p.x + off, p.y, l.capTimeW, l.capTimeH, strip, l.capTimeStrip.x, l.capTimeStrip.y);
    for (Pt p : l.fileSize) img.Blit(p.x + off, p.y, l.fileSizeW, l.fileSizeH, strip, l.fileSizeStrip.x, l.fileSizeStrip.y);
    img.Blit(l.panelRec.x + off, l.panelRec.y, l.recStateW, l.recStateH, strip, l.recOffStrip.x, l.recOffStrip.y);
}

void PaintBody(Image& img, const std::vector<Pt>& outline, const Theme& t, int baseH, int offset) {
    std::vector<Vec> v;
    for (Pt p : outline) v.push_back({static_cast<double>(p.x), static_cast<double>(p.y)});
    const Shape s = Polygon(v);
    const Rect all{0, 0, img.Width(), img.Height()};
    const Paint material = [&](int x, int y) {
        Rgb c = Mix(t.bodyTop, t.bodyBottom, std::clamp((y + 0.5) / baseH, 0.0, 1.0));
        const int bx = x - offset;
        const double n = t.brushed ? 0.65 * Grain(bx / 9, y, 7) + 0.35 * Grain(bx, y, 3) : Grain(bx, y, 5);
        return n > 0 ? Lighten(c, n * t.grain) : Darken(c, -n * t.grain);
    };
    Fill(img, s, material, all);
    Bevel(img, s, all, 3.5, 0.4, 0.45, true);
    const Shape edge = [s](double x, double y) { return std::abs(s(x, y) + 0.6) - 0.6; };
    Fill(img, edge, t.rim, all, 0.85);
}

}  // namespace

std::string PanelFileName(int state, int look) {
    static const char* kStem[] = {"panel", "paneldown", "panellorr", "panelall"};
    static const char* kLook[] = {"", "bdown", "over"};
    return std::string(kStem[state - 1]) + kLook[look] + ".bmp";
}

std::vector<Pt> RoundedOutline(const std::vector<Corner>& corners, double step) {
    std::vector<Pt> out;
    const std::size_t n = corners.size();
    auto push = [&](double x, double y) {
        const Pt p{static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))};
        if (out.empty() || !(out.back() == p)) out.push_back(p);
    };
    for (std::size_t i = 0; i < n; ++i) {
        const Corner& c = corners[i];
        const Corner& a = corners[(i + n - 1) % n];
        const Corner& b = corners[(i + 1) % n];
        const double ux = a.x - c.x, uy = a.y - c.y, vx = b.x - c.x, vy = b.y - c.y;
        const double lu = std::hypot(ux, uy), lv = std::hypot(vx, vy);
        if (c.r < 0 && lu > 0 && lv > 0) {  // a straight cut
            const double t = std::min(-c.r, std::min(lu, lv) / 2);
            push(c.x + ux / lu * t, c.y + uy / lu * t);
            push(c.x + vx / lv * t, c.y + vy / lv * t);
            continue;
        }
        if (c.r <= 0 || lu == 0 || lv == 0) {
            push(c.x, c.y);
            continue;
        }
        const double cosT = std::clamp((ux * vx + uy * vy) / (lu * lv), -1.0, 1.0);
        const double theta = std::acos(cosT);
        if (theta < 1e-3 || theta > kPi - 1e-3) {
            push(c.x, c.y);
            continue;
        }
        double tanHalf = std::tan(theta / 2);
        double t = c.r / tanHalf;
        t = std::min(t, std::min(lu, lv) / 2);
        const double r = t * tanHalf;
        const double bxv = ux / lu + vx / lv, byv = uy / lu + vy / lv;
        const double bl = std::hypot(bxv, byv);
        const double dc = r / std::sin(theta / 2);
        const double cx = c.x + bxv / bl * dc, cy = c.y + byv / bl * dc;
        const double t1x = c.x + ux / lu * t, t1y = c.y + uy / lu * t;
        const double t2x = c.x + vx / lv * t, t2y = c.y + vy / lv * t;
        const double a1 = std::atan2(t1y - cy, t1x - cx);
        double sweep = std::atan2(t2y - cy, t2x - cx) - a1;
        while (sweep > kPi) sweep -= 2 * kPi;
        while (sweep <= -kPi) sweep += 2 * kPi;
        const int segs = std::max(1, static_cast<int>(std::ceil(std::abs(sweep) * r / step)));
        for (int k = 0; k <= segs; ++k) {
            const double ang = a1 + sweep * k / segs;
            push(cx + r * std::cos(ang), cy + r * std::sin(ang));
        }
    }
    while (out.size() > 1 && out.back() == out.front()) out.pop_back();
    return out;
}

void Deck(Image& img, const Rect& r, double radius, Rgb colour, const Rect& clip) {
    const Shape s = BoxOf(r, radius);
    Fill(img, s, colour, clip);
    Bevel(img, s, clip, 2.0, 0.3, 0.45, false);
}

void Glass(Image& img, const Rect& r, const Theme& t, double radius) {
    const Rect frame{r.x - 3, r.y - 3, r.w + 6, r.h + 6};
    const Shape outer = BoxOf(frame, radius + 3);
    DropShadow(img, outer, frame.Inset(-3), 3, 0.3, 0, -1);
    Fill(img, outer, t.bezel, frame);
    Bevel(img, outer, frame, 2.0, 0.25, 0.5, false);
    const Shape glass = BoxOf(r, radius);
    Fill(img, glass, t.lcdGlass, frame);
    // A thin shadow along the top and left inner edge of the glass.
    for (int x = r.x + 1; x < r.Right() - 1; ++x) img.Set(x, r.y, Mix(t.lcdGlass, t.bezel, 0.45));
    for (int y = r.y + 1; y < r.Bottom() - 1; ++y) img.Set(r.x, y, Mix(t.lcdGlass, t.bezel, 0.3));
}

void Well(Image& img, const Rect& inner, const Theme& t) {
    const Rect frame{inner.x - 3, inner.y - 3, inner.w + 6, inner.h + 6};
    const Shape s = BoxOf(frame, 4);
    Fill(img, s, Darken(t.well, 0.3), frame);
    Bevel(img, s, frame, 2.5, 0.35, 0.5, false);
    img.FillRect(inner.x, inner.y, inner.w, inner.h, t.well);
}

void Colon(Image& img, int x, int y, int h, Rgb c) {
    const int size = h >= 14 ? 2 : 1;
    img.FillRect(x, y + h / 3 - size / 2, size, size, c);
    img.FillRect(x, y + (2 * h) / 3 - size / 2, size, size, c);
}

SkinPictures PaintSkin(const Design& d) {
    const Layout& l = d.layout;
    const Theme& t = d.theme;
    SkinPictures out;
    out.strip = PaintStripLcd(l, t);
    Image plainBase;
    for (int state = kBase; state <= kAll; ++state) {
        const Pt size = StateSize(l, state);
        Image img(size.x, size.y, t.outside);
        const int off = ContentOffset(l, state);
        PaintBody(img, d.outline(state), t, l.panelH, off);
        d.decorate(img, state);
        PaintLcdContent(img, out.strip, l, off);
        if (state == kBase) plainBase = img;
        const std::vector<PlacedButton> buttons = ButtonsInState(l, state);
        const std::vector<Rect> faces = FaceRects(buttons);
        for (Look look : {kNormal, kPressed, kHover}) {
            Image pic = img;
            DrawVolumeBar(pic, l, t, off, look == kHover);
            DrawTrack(pic, l.timeShift, t, look == kHover);
            for (std::size_t i = 0; i < buttons.size(); ++i) DrawFace(pic, d, buttons[i].index, faces[i], look, false);
            out.panel[state - 1][look] = std::move(pic);
        }
    }
    // The mute key's two faces in their three looks (normal, pressed, hover),
    // on the body exactly as the base picture has it around the key.
    const Rect mute = l.button[kMute];
    for (int face = 0; face < 2; ++face) {
        const Rect& at = face == 0 ? l.muteOn : l.muteOff;
        const Look looks[3] = {kNormal, kPressed, kHover};
        for (int k = 0; k < 3; ++k) {
            Image pic = plainBase;
            DrawFace(pic, d, kMute, mute, looks[k], face == 1);
            out.strip.Blit(at.x + k * at.w, at.y, at.w, at.h, pic, mute.x, mute.y);
        }
    }
    return out;
}

}  // namespace skingen
