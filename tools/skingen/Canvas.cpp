#include "tools/skingen/Canvas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <utility>

namespace skingen {

namespace {

std::uint8_t Clamp8(double v) { return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L)); }

Rgb Blend(Rgb under, Rgb over, double a) { return Mix(under, over, std::clamp(a, 0.0, 1.0)); }

// Visits the pixels of `clip` that lie inside the picture.
template <typename F>
void ForEach(Image& img, const Rect& clip, F&& f) {
    const int x0 = std::max(clip.x, 0), y0 = std::max(clip.y, 0);
    const int x1 = std::min(clip.Right(), img.Width()), y1 = std::min(clip.Bottom(), img.Height());
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) f(x, y);
}

double Length(double x, double y) { return std::sqrt(x * x + y * y); }

// ---- fonts ---------------------------------------------------------------

struct Glyph {
    char ch;
    const char* rows[7];
};

// 5 x 7; a glyph's width is the length of its rows.
constexpr Glyph kSmall[] = {
    {'A', {" ### ", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"}},
    {'B', {"#### ", "#   #", "#   #", "#### ", "#   #", "#   #", "#### "}},
    {'C', {" ### ", "#   #", "#    ", "#    ", "#    ", "#   #", " ### "}},
    {'D', {"#### ", "#   #", "#   #", "#   #", "#   #", "#   #", "#### "}},
    {'E', {"#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#####"}},
    {'F', {"#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#    "}},
    {'G', {" ### ", "#   #", "#    ", "# ###", "#   #", "#   #", " ####"}},
    {'H', {"#   #", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"}},
    {'I', {"###", " # ", " # ", " # ", " # ", " # ", "###"}},
    {'J', {"  ###", "   # ", "   # ", "   # ", "   # ", "#  # ", " ##  "}},
    {'K', {"#   #", "#  # ", "# #  ", "##   ", "# #  ", "#  # ", "#   #"}},
    {'L', {"#    ", "#    ", "#    ", "#    ", "#    ", "#    ", "#####"}},
    {'M', {"#   #", "## ##", "# # #", "# # #", "#   #", "#   #", "#   #"}},
    {'N', {"#   #", "#   #", "##  #", "# # #", "#  ##", "#   #", "#   #"}},
    {'O', {" ### ", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "}},
    {'P', {"#### ", "#   #", "#   #", "#### ", "#    ", "#    ", "#    "}},
    {'Q', {" ### ", "#   #", "#   #", "#   #", "# # #", "#  # ", " ## #"}},
    {'R', {"#### ", "#   #", "#   #", "#### ", "# #  ", "#  # ", "#   #"}},
    {'S', {" ####", "#    ", "#    ", " ### ", "    #", "    #", "#### "}},
    {'T', {"#####", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  "}},
    {'U', {"#   #", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "}},
    {'V', {"#   #", "#   #", "#   #", "#   #", "#   #", " # # ", "  #  "}},
    {'W', {"#   #", "#   #", "#   #", "# # #", "# # #", "# # #", " # # "}},
    {'X', {"#   #", "#   #", " # # ", "  #  ", " # # ", "#   #", "#   #"}},
    {'Y', {"#   #", "#   #", " # # ", "  #  ", "  #  ", "  #  ", "  #  "}},
    {'Z', {"#####", "    #", "   # ", "  #  ", " #   ", "#    ", "#####"}},
    {'0', {" ### ", "#   #", "#  ##", "# # #", "##  #", "#   #", " ### "}},
    {'1', {"  #  ", " ##  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "}},
    {'2', {" ### ", "#   #", "    #", "   # ", "  #  ", " #   ", "#####"}},
    {'3', {"#####", "   # ", "  #  ", "   # ", "    #", "#   #", " ### "}},
    {'4', {"   # ", "  ## ", " # # ", "#  # ", "#####", "   # ", "   # "}},
    {'5', {"#####", "#    ", "#### ", "    #", "    #", "#   #", " ### "}},
    {'6', {"  ## ", " #   ", "#    ", "#### ", "#   #", "#   #", " ### "}},
    {'7', {"#####", "    #", "   # ", "  #  ", " #   ", " #   ", " #   "}},
    {'8', {" ### ", "#   #", "#   #", " ### ", "#   #", "#   #", " ### "}},
    {'9', {" ### ", "#   #", "#   #", " ####", "    #", "   # ", " ##  "}},
    {'-', {"   ", "   ", "   ", "###", "   ", "   ", "   "}},
    {'+', {"     ", "  #  ", "  #  ", "#####", "  #  ", "  #  ", "     "}},
    {'/', {"    #", "    #", "   # ", "  #  ", " #   ", "#    ", "#    "}},
    {'.', {" ", " ", " ", " ", " ", " ", "#"}},
    {':', {" ", " ", "#", " ", " ", "#", " "}},
    {'?', {" ### ", "#   #", "    #", "   # ", "  #  ", "     ", "  #  "}},
    {' ', {"  ", "  ", "  ", "  ", "  ", "  ", "  "}},
};

// 3 x 5 (some 4 or 5 wide); rows 5 and 6 unused.
constexpr Glyph kTiny[] = {
    {'A', {" # ", "# #", "###", "# #", "# #"}},
    {'B', {"## ", "# #", "## ", "# #", "## "}},
    {'C', {" ##", "#  ", "#  ", "#  ", " ##"}},
    {'D', {"## ", "# #", "# #", "# #", "## "}},
    {'E', {"###", "#  ", "## ", "#  ", "###"}},
    {'F', {"###", "#  ", "## ", "#  ", "#  "}},
    {'G', {" ##", "#  ", "# #", "# #", " ##"}},
    {'H', {"# #", "# #", "###", "# #", "# #"}},
    {'I', {"###", " # ", " # ", " # ", "###"}},
    {'J', {"  #", "  #", "  #", "# #", " # "}},
    {'K', {"# #", "# #", "## ", "# #", "# #"}},
    {'L', {"#  ", "#  ", "#  ", "#  ", "###"}},
    {'M', {"#   #", "## ##", "# # #", "#   #", "#   #"}},
    {'N', {"#  #", "## #", "# ##", "#  #", "#  #"}},
    {'O', {" # ", "# #", "# #", "# #", " # "}},
    {'P', {"## ", "# #", "## ", "#  ", "#  "}},
    {'Q', {" # ", "# #", "# #", "## ", " ##"}},
    {'R', {"## ", "# #", "## ", "# #", "# #"}},
    {'S', {" ##", "#  ", " # ", "  #", "## "}},
    {'T', {"###", " # ", " # ", " # ", " # "}},
    {'U', {"# #", "# #", "# #", "# #", "###"}},
    {'V', {"# #", "# #", "# #", "# #", " # "}},
    {'W', {"#   #", "#   #", "# # #", "## ##", "#   #"}},
    {'X', {"# #", "# #", " # ", "# #", "# #"}},
    {'Y', {"# #", "# #", " # ", " # ", " # "}},
    {'Z', {"###", "  #", " # ", "#  ", "###"}},
    {'0', {"###", "# #", "# #", "# #", "###"}},
    {'1', {" # ", "## ", " # ", " # ", "###"}},
    {'2', {"## ", "  #", " # ", "#  ", "###"}},
    {'3', {"## ", "  #", " # ", "  #", "## "}},
    {'4', {"# #", "# #", "###", "  #", "  #"}},
    {'5', {"###", "#  ", "## ", "  #", "## "}},
    {'6', {" ##", "#  ", "###", "# #", "###"}},
    {'7', {"###", "  #", " # ", " # ", " # "}},
    {'8', {"###", "# #", "###", "# #", "###"}},
    {'9', {"###", "# #", "###", "  #", "## "}},
    {'-', {"   ", "   ", "###", "   ", "   "}},
    {'+', {"   ", " # ", "###", " # ", "   "}},
    {'/', {"  #", "  #", " # ", "#  ", "#  "}},
    {'.', {" ", " ", " ", " ", "#"}},
    {':', {" ", "#", " ", "#", " "}},
    {' ', {"  ", "  ", "  ", "  ", "  "}},
};

const Glyph* Find(char ch, Font font) {
    const Glyph* begin = font == Font::Small ? std::begin(kSmall) : std::begin(kTiny);
    const Glyph* end = font == Font::Small ? std::end(kSmall) : std::end(kTiny);
    for (const Glyph* g = begin; g != end; ++g)
        if (g->ch == ch) return g;
    return nullptr;
}

int Rows(Font font) { return font == Font::Small ? 7 : 5; }

int GlyphWidth(const Glyph* g) { return static_cast<int>(std::string_view(g->rows[0]).size()); }

}  // namespace

// ---- colours -------------------------------------------------------------

Rgb Hex(unsigned rgb) {
    return Rgb{static_cast<std::uint8_t>((rgb >> 16) & 0xFF), static_cast<std::uint8_t>((rgb >> 8) & 0xFF),
               static_cast<std::uint8_t>(rgb & 0xFF)};
}

Rgb Mix(Rgb a, Rgb b, double t) {
    return Rgb{Clamp8(a.r + (b.r - a.r) * t), Clamp8(a.g + (b.g - a.g) * t), Clamp8(a.b + (b.b - a.b) * t)};
}

Rgb Lighten(Rgb c, double t) { return Mix(c, Rgb{255, 255, 255}, t); }
Rgb Darken(Rgb c, double t) { return Mix(c, Rgb{0, 0, 0}, t); }

double Grain(int x, int y, unsigned seed) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFF) / 32767.5 - 1.0;
}

// ---- shapes --------------------------------------------------------------

Shape Box(double x0, double y0, double x1, double y1, double radius) {
    const double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    const double r = std::min({radius, (x1 - x0) / 2, (y1 - y0) / 2});
    const double bx = (x1 - x0) / 2 - r, by = (y1 - y0) / 2 - r;
    return [=](double x, double y) {
        const double qx = std::abs(x - cx) - bx, qy = std::abs(y - cy) - by;
        return Length(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) - r;
    };
}

Shape BoxOf(const Rect& r, double radius, double inset) {
    return Box(r.x + inset, r.y + inset, r.Right() - inset, r.Bottom() - inset, radius);
}

Shape Circle(double cx, double cy, double r) {
    return [=](double x, double y) { return Length(x - cx, y - cy) - r; };
}

Shape Ring(double cx, double cy, double r, double halfWidth) {
    return [=](double x, double y) { return std::abs(Length(x - cx, y - cy) - r) - halfWidth; };
}

Shape Segment(double ax, double ay, double bx, double by, double halfWidth) {
    return [=](double x, double y) {
        const double px = x - ax, py = y - ay, dx = bx - ax, dy = by - ay;
        const double len2 = dx * dx + dy * dy;
        const double t = len2 > 0 ? std::clamp((px * dx + py * dy) / len2, 0.0, 1.0) : 0.0;
        return Length(px - dx * t, py - dy * t) - halfWidth;
    };
}

Shape Polygon(std::vector<Vec> v) {
    return [v = std::move(v)](double x, double y) {
        const std::size_t n = v.size();
        if (n < 3) return 1e9;
        double best = 1e18;
        bool inside = false;
        for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
            const double ex = v[j].x - v[i].x, ey = v[j].y - v[i].y;
            const double wx = x - v[i].x, wy = y - v[i].y;
            const double len2 = ex * ex + ey * ey;
            const double t = len2 > 0 ? std::clamp((wx * ex + wy * ey) / len2, 0.0, 1.0) : 0.0;
            const double ddx = wx - ex * t, ddy = wy - ey * t;
            best = std::min(best, ddx * ddx + ddy * ddy);
            if ((v[i].y > y) != (v[j].y > y) && x < (v[j].x - v[i].x) * (y - v[i].y) / (v[j].y - v[i].y) + v[i].x)
                inside = !inside;
        }
        const double d = std::sqrt(best);
        return inside ? -d : d;
    };
}

Shape Union(Shape a, Shape b) {
    return [a = std::move(a), b = std::move(b)](double x, double y) { return std::min(a(x, y), b(x, y)); };
}

Shape Subtract(Shape a, Shape b) {
    return [a = std::move(a), b = std::move(b)](double x, double y) { return std::max(a(x, y), -b(x, y)); };
}

Shape Intersect(Shape a, Shape b) {
    return [a = std::move(a), b = std::move(b)](double x, double y) { return std::max(a(x, y), b(x, y)); };
}

Shape Offset(Shape a, double by) {
    return [a = std::move(a), by](double x, double y) { return a(x, y) - by; };
}

Vec Normal(const Shape& s, double x, double y) {
    const double e = 0.5;
    const double gx = s(x + e, y) - s(x - e, y), gy = s(x, y + e) - s(x, y - e);
    const double len = Length(gx, gy);
    if (len < 1e-9) return {0, 0};
    return {gx / len, gy / len};
}

// ---- painting ------------------------------------------------------------

Paint Solid(Rgb c) {
    return [c](int, int) { return c; };
}

Paint VerticalGradient(Rgb top, Rgb bottom, int y0, int y1) {
    return [=](int, int y) {
        const double t = y1 > y0 ? std::clamp((y + 0.5 - y0) / (y1 - y0), 0.0, 1.0) : 0.0;
        return Mix(top, bottom, t);
    };
}

void Fill(Image& img, const Shape& s, const Paint& paint, const Rect& clip, double opacity) {
    ForEach(img, clip, [&](int x, int y) {
        const double cover = std::clamp(0.5 - s(x + 0.5, y + 0.5), 0.0, 1.0) * opacity;
        if (cover <= 0) return;
        img.Set(x, y, Blend(img.Get(x, y), paint(x, y), cover));
    });
}

void Fill(Image& img, const Shape& s, Rgb c, const Rect& clip, double opacity) { Fill(img, s, Solid(c), clip, opacity); }

void Bevel(Image& img, const Shape& s, const Rect& clip, double width, double light, double shade, bool raised) {
    const Vec toLight{-0.55, -0.835};
    ForEach(img, clip, [&](int x, int y) {
        const double px = x + 0.5, py = y + 0.5;
        const double d = s(px, py);
        if (d > 0.5 || d < -width) return;
        const double inside = std::clamp(0.5 - d, 0.0, 1.0);
        const double depth = std::clamp(1.0 - (-d) / width, 0.0, 1.0);
        const Vec n = Normal(s, px, py);
        double f = n.x * toLight.x + n.y * toLight.y;
        if (!raised) f = -f;
        const Rgb c = img.Get(x, y);
        const Rgb lit = f > 0 ? Lighten(c, light * f * depth) : Darken(c, shade * -f * depth);
        img.Set(x, y, Blend(c, lit, inside));
    });
}

void DropShadow(Image& img, const Shape& s, const Rect& clip, double spread, double strength, double dx, double dy) {
    ForEach(img, clip, [&](int x, int y) {
        const double px = x + 0.5, py = y + 0.5;
        const double own = s(px, py);
        if (own < -0.5) return;
        const double d = std::max(s(px - dx, py - dy), 0.0);
        if (d >= spread) return;
        const double a = strength * (1.0 - d / spread) * (1.0 - d / spread) * std::clamp(own + 0.5, 0.0, 1.0);
        img.Set(x, y, Darken(img.Get(x, y), a));
    });
}

void Glow(Image& img, const Shape& s, const Rect& clip, double spread, Rgb c, double strength) {
    ForEach(img, clip, [&](int x, int y) {
        const double d = s(x + 0.5, y + 0.5);
        if (d < 0 || d >= spread) return;
        const double k = 1.0 - d / spread;
        img.Set(x, y, Blend(img.Get(x, y), c, strength * k * k));
    });
}

// ---- text ----------------------------------------------------------------

int TextWidth(std::string_view text, Font font, int scale, bool bold) {
    int w = 0;
    for (char ch : text) {
        const Glyph* g = Find(ch, font);
        if (!g) continue;
        if (w > 0) w += scale;
        w += GlyphWidth(g) * scale + (bold ? 1 : 0);
    }
    return w;
}

int TextHeight(Font font, int scale) { return Rows(font) * scale; }

void DrawText(Image& img, int x, int y, std::string_view text, Font font, Rgb c, int scale, bool bold) {
    int pen = x;
    bool first = true;
    for (char ch : text) {
        const Glyph* g = Find(ch, font);
        if (!g) continue;
        if (!first) pen += scale;
        first = false;
        const int gw = GlyphWidth(g);
        for (int row = 0; row < Rows(font); ++row)
            for (int col = 0; col < gw; ++col) {
                if (g->rows[row][col] != '#') continue;
                for (int sy = 0; sy < scale; ++sy)
                    for (int sx = 0; sx < scale + (bold ? 1 : 0); ++sx)
                        img.Set(pen + col * scale + sx, y + row * scale + sy, c);
            }
        pen += gw * scale + (bold ? 1 : 0);
    }
}

void DrawTextCentred(Image& img, const Rect& r, std::string_view text, Font font, Rgb c, int scale, bool bold) {
    const int w = TextWidth(text, font, scale, bold), h = TextHeight(font, scale);
    DrawText(img, r.x + (r.w - w) / 2, r.y + (r.h - h) / 2, text, font, c, scale, bold);
}

// ---- seven-segment digits ------------------------------------------------

void DrawSegmentDigit(Image& img, int x, int y, int w, int h, int digit, Rgb ink, Rgb ghost) {
    // Segments a b c d e f g, lit per digit.
    static constexpr std::array<unsigned char, 10> kLit = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
    const int gh = (h % 2 == 1) ? h : h - 1;  // an odd height gives a middle bar
    const int gw = w > 5 ? w - 1 : w;
    const bool thick = gh >= 13 && gw >= 7;
    const int mid = thick ? (gh - 2) / 2 : (gh - 1) / 2;  // first row of g
    auto hline = [&](int row, int from, int to, Rgb c) {
        for (int col = from; col <= to; ++col) img.Set(x + col, y + row, c);
    };
    auto vline = [&](int col, int from, int to, Rgb c) {
        for (int row = from; row <= to; ++row) img.Set(x + col, y + row, c);
    };
    for (int pass = 0; pass < 2; ++pass) {
        for (int seg = 0; seg < 7; ++seg) {
            const bool on = (kLit[digit % 10] >> seg) & 1;
            if ((pass == 0) == on) continue;  // unlit first, lit on top
            const Rgb c = on ? ink : ghost;
            const int r = gw - 1, b = gh - 1;
            if (thick) {
                switch (seg) {
                case 0: hline(0, 1, r - 1, c); hline(1, 2, r - 2, c); break;
                case 1: vline(r, 1, mid, c); vline(r - 1, 2, mid - 1, c); break;
                case 2: vline(r, mid + 1, b - 1, c); vline(r - 1, mid + 2, b - 2, c); break;
                case 3: hline(b, 1, r - 1, c); hline(b - 1, 2, r - 2, c); break;
                case 4: vline(0, mid + 1, b - 1, c); vline(1, mid + 2, b - 2, c); break;
                case 5: vline(0, 1, mid, c); vline(1, 2, mid - 1, c); break;
                default: hline(mid, 2, r - 2, c); hline(mid + 1, 2, r - 2, c); break;
                }
            } else {
                switch (seg) {
                case 0: hline(0, 1, r - 1, c); break;
                case 1: vline(r, 1, mid - 1, c); break;
                case 2: vline(r, mid + 1, b - 1, c); break;
                case 3: hline(b, 1, r - 1, c); break;
                case 4: vline(0, mid + 1, b - 1, c); break;
                case 5: vline(0, 1, mid - 1, c); break;
                default: hline(mid, 1, r - 1, c); break;
                }
            }
        }
    }
}

}  // namespace skingen
