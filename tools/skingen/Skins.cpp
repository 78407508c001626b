#include "tools/skingen/Skins.h"

#include <algorithm>
#include <cmath>

namespace skingen {

namespace {

// ---- shared pieces -----------------------------------------------------------

Rgb LabelInk(const Theme& t) { return Mix(t.lcdGlass, t.lcdInk, 0.7); }

// Colons of the clock and the capture time, between the digit pairs.
void TimeColons(Image& img, const Layout& l, const Theme& t, int off) {
    auto colon = [&](Pt left, int w, Pt right, int h) {
        const int x = (left.x + w - 1 + right.x) / 2;
        Colon(img, x + off, left.y, h, t.lcdInk);
    };
    colon(l.clock[4], l.curTimeW, l.clock[3], l.curTimeH);
    colon(l.clock[2], l.curTimeW, l.clock[1], l.curTimeH);
    colon(l.capTime[4], l.capTimeW, l.capTime[3], l.capTimeH);
    colon(l.capTime[2], l.capTimeW, l.capTime[1], l.capTimeH);
}

void ClockIcon(Image& img, double cx, double cy, double r, Rgb c) {
    const Rect clip{static_cast<int>(cx - r - 2), static_cast<int>(cy - r - 2), static_cast<int>(2 * r + 4), static_cast<int>(2 * r + 4)};
    Fill(img, Ring(cx, cy, r, 0.55), c, clip);
    Fill(img, Segment(cx, cy, cx, cy - r * 0.65, 0.5), c, clip);
    Fill(img, Segment(cx, cy, cx + r * 0.5, cy, 0.5), c, clip);
}

void HLine(Image& img, int x0, int x1, int y, Rgb c) { img.FillRect(x0, y, x1 - x0, 1, c); }

FaceStyle CommonStyle(int index) {
    switch (index) {
    case kTvAir:
    case kCable:
    case kComposite:
    case kSVideo:
    case kFm:
    case kEmail:
    case kListView:
    case kPaint:
    case kMovieEdit: return FaceStyle::Accent;
    case kLogo: return FaceStyle::Print;
    default: return FaceStyle::Key;
    }
}

// ---- skin 1: graphite --------------------------------------------------------

Theme GraphiteTheme() {
    Theme t;
    t.outside = Hex(0x0c0d0f);
    t.rim = Hex(0x08090a);
    t.bodyTop = Hex(0x66707a);
    t.bodyBottom = Hex(0x2c3137);
    t.grain = 0.05;
    t.brushed = true;
    t.plate = Hex(0x24282d);
    t.print = Hex(0xaab3bc);
    t.logo = Hex(0xdfe4e9);
    t.lcdGlass = Hex(0xa9c2b6);
    t.lcdInk = Hex(0x14231d);
    t.lcdGhost = Mix(t.lcdGlass, t.lcdInk, 0.1);
    t.lcdRed = Hex(0xb0231b);
    t.bezel = Hex(0x15181b);
    t.well = Hex(0x0f1113);
    t.key = {Hex(0x535a63), Hex(0x2f343a), Hex(0xe8ebee)};
    t.keyHover = {Hex(0x66707b), Hex(0x3b4249), Hex(0xffffff)};
    t.keyPressed = {Hex(0x202428), Hex(0x33383e), Hex(0x8fd0ff)};
    t.accent = {Hex(0xd3d8dd), Hex(0x9aa2aa), Hex(0x1a1e22)};
    t.accentHover = {Hex(0xe9eef2), Hex(0xb3bbc3), Hex(0x0d3f6b)};
    t.accentPressed = {Hex(0x80878f), Hex(0xaab1b8), Hex(0x10141a)};
    t.hoverRing = Hex(0x5ab8ff);
    t.recGlyph = Hex(0xe5332a);
    t.keyRadius = 4;
    t.volTrough = Hex(0x111417);
    t.volOff = Hex(0x2b3137);
    t.volLow = Hex(0x3fd27a);
    t.volHigh = Hex(0xff5a3c);
    t.trackEmpty = Hex(0x1a1d21);
    t.trackFull = Hex(0x3aa0ff);
    t.trackEdge = Hex(0x0a0b0d);
    t.knobLight = Hex(0xf2f4f6);
    t.knobDark = Hex(0x8a9198);
    return t;
}

std::vector<Pt> GraphiteOutline(const Layout& l, int state) {
    const double d = l.Delta();
    const double w = l.panelW, h = l.panelH;
    // The base body: flat top, a bottom edge that rises towards the right.
    const double slopeY = h - 16;
    auto bottomAt = [&](double x) { return x <= 300 ? h : h - (x - 300) * (h - slopeY) / (w - 300); };
    std::vector<Corner> c;
    const bool wing = state == kLorR || state == kAll;
    const bool drawer = state == kDown || state == kAll;
    const double o = wing ? d : 0;
    c.push_back({0, 0, 3});
    c.push_back({w + o, 0, 14});
    c.push_back({w + o, slopeY, 16});
    if (drawer) {
        const double dx0 = 24, dx1 = 484;
        c.push_back({dx1 + o, std::round(bottomAt(dx1)), 6});
        c.push_back({dx1 + o, static_cast<double>(l.openListH), 10});
        c.push_back({dx0 + o, static_cast<double>(l.openListH), 10});
        c.push_back({dx0 + o, h, 6});
    } else {
        c.push_back({300 + o, h, 60});
    }
    if (wing) {
        c.push_back({o, h, 14});
        c.push_back({o, 150, 8});
        c.push_back({0, 150, 12});
    } else {
        c.push_back({0, h, 14});
    }
    return RoundedOutline(c);
}

void GraphiteDecorate(const Layout& l, const Theme& t, Image& img, int state) {
    const int off = ContentOffset(l, state);
    const Rect all{0, 0, img.Width(), img.Height()};
    auto R = [&](int x, int y, int w, int h) { return Rect{x + off, y, w, h}; };

    // Decks behind the key groups.
    Deck(img, R(4, 20, 320, 100), 6, t.plate, all);
    Deck(img, R(502, 36, 37, 101), 6, t.plate, all);
    Deck(img, R(486, 5, 53, 21), 6, t.plate, all);
    // The time-shift bar keeps its place in every state.
    const Rect& ts = l.timeShift;
    Deck(img, Rect{ts.x - 3, ts.y - 2, ts.w + 6, ts.h + 4}, 6, t.plate, all);

    // LCD.
    Glass(img, R(335, 22, 150, 130), t, 3);
    const Rgb label = LabelInk(t);
    HLine(img, 339 + off, 481 + off, 59, t.lcdGhost);
    HLine(img, 339 + off, 481 + off, 88, t.lcdGhost);
    TimeColons(img, l, t, off);
    ClockIcon(img, 410.5 + off, 68, 4.5, label);
    DrawText(img, 343 + off, 98, "FILE SIZE", Font::Tiny, label);
    DrawText(img, 343 + off, 113, "REC TIME", Font::Tiny, label);
    DrawText(img, 343 + off, 131, "INPUT", Font::Tiny, label);
    DrawText(img, 476 + off, 98, "B", Font::Tiny, label);

    // Prints on the body; with the file list open its keys take that band.
    const bool drawer = state == kDown || state == kAll;
    const int printY = drawer ? l.logoMove.y - 2 : 137;
    DrawText(img, 246 + off, printY, "GLIMVALE", Font::Small, t.print, 1, true);
    DrawText(img, 246 + off, printY + 11, "TV / FM TUNER", Font::Tiny, Mix(t.print, t.bodyBottom, 0.3));
    if (!drawer) DrawText(img, 58 + off, 143, "FILES", Font::Tiny, Mix(t.print, t.bodyBottom, 0.2));

    if (state == kLorR || state == kAll) {
        Well(img, Rect{l.lorrXOffset, l.lorrYOffset, l.lorrWinW, l.lorrWinH}, t);
        DrawTextCentred(img, Rect{l.lorrXOffset, l.lorrYOffset + l.lorrWinH + 4, l.lorrWinW, 7}, "CHANNELS", Font::Tiny,
                        Mix(t.print, t.bodyBottom, 0.2));
    }
    if (drawer) {
        Well(img, Rect{l.downXOffset + off, l.downYOffset, l.downWinW, l.downWinH}, t);
        DrawText(img, 400 + off, 340, "CAPTURED FILES", Font::Tiny, Mix(t.print, t.bodyBottom, 0.2));
    }
}

FaceStyle GraphiteStyle(int index) {
    if ((index >= kNum0 && index <= kNum0 + 9) || index == kAdd || index == kDec || index == kClose || index == kHidePanel ||
        index == kHelp)
        return FaceStyle::Round;
    if (index == kChUp || index == kChDown) return FaceStyle::Touch;
    return CommonStyle(index);
}

// ---- skin 2: pearl -----------------------------------------------------------
// White body, blue keys, a backlit LCD with large digits and a vertical volume
// bar; the channel list opens on the left, the file keys sit in the bottom
// band and the open/close key moves down with the file list.

Theme PearlTheme() {
    Theme t;
    t.outside = Hex(0x20242a);
    t.rim = Hex(0x7d8793);
    t.bodyTop = Hex(0xfbfcfd);
    t.bodyBottom = Hex(0xc7cdd5);
    t.grain = 0.012;
    t.brushed = false;
    t.plate = Hex(0xdfe3e8);
    t.print = Hex(0x5f6b78);
    t.logo = Hex(0x2a6fd0);
    t.lcdGlass = Hex(0x0e2440);
    t.lcdInk = Hex(0x7fe6ff);
    t.lcdGhost = Mix(t.lcdGlass, t.lcdInk, 0.1);
    t.lcdRed = Hex(0xff6464);
    t.bezel = Hex(0x44505e);
    t.well = Hex(0x2a323c);
    t.key = {Hex(0xffffff), Hex(0xd8dde3), Hex(0x34414f)};
    t.keyHover = {Hex(0xffffff), Hex(0xdcebff), Hex(0x1766d0)};
    t.keyPressed = {Hex(0xbfc6cf), Hex(0xe3e7ec), Hex(0x1766d0)};
    t.accent = {Hex(0x4a97f2), Hex(0x1f62c2), Hex(0xffffff)};
    t.accentHover = {Hex(0x6aafff), Hex(0x2c74d8), Hex(0xffffff)};
    t.accentPressed = {Hex(0x164c98), Hex(0x2a6bc6), Hex(0xcfe3ff)};
    t.hoverRing = Hex(0x3b8cff);
    t.recGlyph = Hex(0xe0342c);
    t.keyRadius = 6;
    t.volTrough = Hex(0x0e2440);
    t.volOff = Hex(0x2b4a6c);
    t.volLow = Hex(0x56d7ff);
    t.volHigh = Hex(0xff5d8f);
    t.trackEmpty = Hex(0xb9c1cb);
    t.trackFull = Hex(0x2f86f0);
    t.trackEdge = Hex(0x7d8793);
    t.knobLight = Hex(0xffffff);
    t.knobDark = Hex(0x8f9aa6);
    return t;
}

Layout PearlLayout() {
    Layout l = DefaultLayout();
    l.number = 2;
    l.http = "http://www.kestrova.example/glimvale/";
    l.panelW = 440, l.panelH = 236;
    l.openListW = 440, l.openListH = 420;
    l.openLeftW = 550, l.openLeftH = 236;
    l.openAllW = 550, l.openAllH = 420;
    l.lorr = 0;
    l.lorrXOffset = 10, l.lorrYOffset = 32, l.lorrWinW = 94, l.lorrWinH = 180;
    l.downXOffset = 32, l.downYOffset = 240, l.downWinW = 376, l.downWinH = 140;
    l.downRepaintY = 198;

    auto& b = l.button;
    b[kLeftOpen] = {12, 8, 18, 16};
    b[kHelp] = {352, 8, 20, 16};
    b[kHidePanel] = {374, 8, 20, 16};
    b[kClose] = {396, 8, 20, 16};
    // Keypad: 1 2 3 / 4 5 6 / 7 8 9 / - 0 +.
    for (int d = 1; d <= 9; ++d) b[kNum0 + d] = {258 + ((d - 1) % 3) * 30, 32 + ((d - 1) / 3) * 20, 26, 18};
    b[kDec] = {258, 92, 26, 18};
    b[kNum0] = {288, 92, 26, 18};
    b[kAdd] = {318, 92, 26, 18};
    b[kChUp] = {352, 32, 28, 38};
    b[kChDown] = {352, 72, 28, 38};
    b[kVolUp] = {392, 32, 28, 22};
    b[kVolDown] = {392, 146, 28, 22};
    b[kMute] = {392, 174, 28, 26};
    // Transport.
    b[kRec] = {20, 118, 30, 24};
    b[kStopRec] = {52, 118, 30, 24};
    b[kBack] = {90, 118, 30, 24};
    b[kStop] = {122, 118, 30, 24};
    b[kPause] = {154, 118, 30, 24};
    b[kPlay] = {186, 118, 30, 24};
    b[kForward] = {218, 118, 30, 24};
    // Sources.
    const int sources[] = {kTvAir, kCable, kComposite, kSVideo, kFm};
    for (int i = 0; i < 5; ++i) b[sources[i]] = {20 + i * 46, 150, 44, 16};
    // Functions.
    const int functions[] = {kTime, kTool, kScan, kSkin, kCapture, kChPreview, kStereo, kTeletext};
    for (int i = 0; i < 8; ++i) b[functions[i]] = {20 + i * 29, 174, 27, 18};
    b[kOpenPanel] = {22, 200, 22, 18};
    b[kLogo] = {160, 204, 90, 14};

    l.logoMove = {175, 396};
    l.openPanelMoves = true;
    l.openPanelMove = {22, 392, 22, 18};
    l.downClose = {22, 200, 22, 20};
    l.email = {52, 199, 60, 22};
    l.listView = {114, 199, 60, 22};
    l.movieEdit = {176, 199, 60, 22};
    l.paint = {238, 199, 60, 22};

    // LCD: large channel digits, its own FM digit strip, 7 x 12 clock digits,
    // 5 x 8 capture digits.
    l.modeLabel = {28, 40, 120, 20};
    l.chNumW = 12, l.chNumH = 20;
    l.tunerFirstNum = {112, 40};
    l.tvChOffset = 15;
    l.fmNumW = 12, l.fmNumH = 20;
    l.fmDigit = {{{114, 40}, {100, 40}, {86, 40}, {72, 40}}};
    l.lcdSource = {152, 40};
    l.lcdW = 84, l.lcdH = 20;
    l.panelRec = {28, 69};
    l.recStateW = 52, l.recStateH = 12;
    l.curTimeW = 7, l.curTimeH = 12, l.curTimeOffset = 7;
    l.clock = {{{226, 69}, {218, 69}, {205, 69}, {197, 69}, {184, 69}, {176, 69}}};
    l.capTimeW = 5, l.capTimeH = 8, l.capTimeOffset = 5;
    l.capTime = {{{86, 91}, {80, 91}, {71, 91}, {65, 91}, {56, 91}, {50, 91}}};
    l.fileSizeW = 5, l.fileSizeH = 8, l.fileSizeOffset = 5;
    for (int i = 0; i < 8; ++i) l.fileSize[i] = {176 - 6 * i, 91};
    l.timeShift = {40, 12, 260, 8};
    l.sliW = 8, l.sliH = 8;
    l.volBarVertical = 1;
    l.volBar = {396, 58, 20, 84};

    // Strip.
    for (int i = 0; i < 5; ++i) l.sourceStrip[i] = {2, 2 + 22 * i};
    l.chLabelStrip = {90, 2};
    l.fmLabelStrip = {90, 24};
    l.avsvLabelStrip = {90, 46};
    l.numForCh = {214, 2};
    l.fmNumStrip = {214, 24};
    l.curTimeStrip = {214, 46};
    l.capTimeStrip = {290, 46};
    l.fileSizeStrip = {290, 56};
    l.recOnStrip = {90, 70};
    l.recOffStrip = {146, 70};
    l.sliStrip = {200, 70};
    l.muteOn = {214, 70, 28, 26};
    l.muteOff = {214, 98, 28, 26};

    l.tooltip[kLeftOpen] = "Channel List";
    l.tooltip[kOpenPanel] = "Captured Files";
    l.tooltip[kDownClose] = "Close Captured Files";
    l.texts = {{"IDS_PRODUCT", "Glimvale Pearl"}};
    return l;
}

std::vector<Pt> PearlOutline(const Layout& l, int state) {
    const bool wing = state == kLorR || state == kAll;
    const bool drawer = state == kDown || state == kAll;
    const double o = wing ? l.Delta() : 0;
    const double w = l.panelW + o, h = l.panelH, side = h - 14;
    std::vector<Corner> c;
    c.push_back({0, 0, 24});
    c.push_back({w, 0, 24});
    c.push_back({w, side, drawer ? 14.0 : 20.0});
    if (drawer) {
        // The bottom edge is a shallow V; the drawer hangs below it.
        auto bottomAt = [&](double x) { return x < (w + 0) / 2 ? side + (h - side) * x / (w / 2) : side + (h - side) * (w - x) / (w / 2); };
        const double dx0 = 20 + o, dx1 = l.panelW - 20 + o;
        c.push_back({dx1, std::round(bottomAt(dx1)), 8});
        c.push_back({dx1, static_cast<double>(l.openListH), 20});
        c.push_back({dx0, static_cast<double>(l.openListH), 20});
        c.push_back({dx0, std::round(bottomAt(dx0)), 8});
    } else {
        c.push_back({w / 2, h, 400});
    }
    c.push_back({0, side, drawer ? 14.0 : 20.0});
    return RoundedOutline(c);
}

void SpeakerGrille(Image& img, const Rect& r, const Theme& t) {
    Deck(img, r, 8, t.plate, r.Inset(-2));
    for (int y = r.y + 6; y + 3 < r.Bottom() - 3; y += 6)
        for (int x = r.x + 6 + ((y - r.y) / 6 % 2) * 3; x + 3 < r.Right() - 3; x += 6)
            Fill(img, Circle(x + 1.5, y + 1.5, 1.6), Darken(t.plate, 0.45), Rect{x - 1, y - 1, 6, 6});
}

void PearlDecorate(const Layout& l, const Theme& t, Image& img, int state) {
    const int off = ContentOffset(l, state);
    const Rect all{0, 0, img.Width(), img.Height()};
    auto R = [&](int x, int y, int w, int h) { return Rect{x + off, y, w, h}; };
    const bool drawer = state == kDown || state == kAll;

    Deck(img, R(254, 28, 94, 86), 8, t.plate, all);   // keypad
    Deck(img, R(348, 28, 36, 86), 8, t.plate, all);   // channel rocker
    Deck(img, R(388, 28, 36, 176), 10, t.plate, all);  // volume column
    Deck(img, R(16, 114, 236, 82), 8, t.plate, all);   // transport, sources, functions
    const Rect& ts = l.timeShift;
    Deck(img, Rect{ts.x - 4, ts.y - 3, ts.w + 8, ts.h + 6}, 7, t.plate, all);
    SpeakerGrille(img, R(262, 122, 116, 72), t);
    DrawTextCentred(img, R(300, 200, 84, 9), "GLIMVALE", Font::Small, t.print, 1, true);

    Glass(img, R(20, 32, 224, 72), t, 4);
    const Rgb label = LabelInk(t);
    HLine(img, 24 + off, 240 + off, 64, t.lcdGhost);
    HLine(img, 24 + off, 240 + off, 85, t.lcdGhost);
    TimeColons(img, l, t, off);
    ClockIcon(img, 165.5 + off, 75, 5, label);
    DrawText(img, 28 + off, 92, "TIME", Font::Tiny, label);
    DrawText(img, 112 + off, 92, "SIZE", Font::Tiny, label);
    DrawText(img, 184 + off, 92, "B", Font::Tiny, label);

    if (state == kLorR || state == kAll) {
        Well(img, Rect{l.lorrXOffset, l.lorrYOffset, l.lorrWinW, l.lorrWinH}, t);
        DrawTextCentred(img, Rect{l.lorrXOffset, l.lorrYOffset + l.lorrWinH + 5, l.lorrWinW, 7}, "CHANNELS", Font::Tiny, t.print);
    }
    if (drawer) {
        Well(img, Rect{l.downXOffset + off, l.downYOffset, l.downWinW, l.downWinH}, t);
        DrawText(img, 300 + off, 398, "CAPTURED FILES", Font::Tiny, t.print);
    }
}

FaceStyle PearlStyle(int index) {
    if (index == kClose || index == kHidePanel || index == kHelp || index == kLeftOpen) return FaceStyle::Round;
    return CommonStyle(index);
}

// ---- skin 3: ember -----------------------------------------------------------
// A slim angular body in charcoal and orange with an amber LCD; the channel
// list opens on the right and every file key lives in the drawer.

Theme EmberTheme() {
    Theme t;
    t.outside = Hex(0x0b080d);
    t.rim = Hex(0x060505);
    t.bodyTop = Hex(0x3e3738);
    t.bodyBottom = Hex(0x1b1718);
    t.grain = 0.06;
    t.brushed = false;
    t.plate = Hex(0x141112);
    t.print = Hex(0xc98a52);
    t.logo = Hex(0xff9a3c);
    t.lcdGlass = Hex(0x140d07);
    t.lcdInk = Hex(0xffb23a);
    t.lcdGhost = Mix(t.lcdGlass, t.lcdInk, 0.1);
    t.lcdRed = Hex(0xff4b3a);
    t.bezel = Hex(0x2a2223);
    t.well = Hex(0x0c0a0a);
    t.key = {Hex(0x4a4142), Hex(0x282223), Hex(0xffd29a)};
    t.keyHover = {Hex(0x5e5251), Hex(0x342b2b), Hex(0xfff3e0)};
    t.keyPressed = {Hex(0x181414), Hex(0x2a2425), Hex(0xff8a1f)};
    t.accent = {Hex(0xffa04a), Hex(0xd5601a), Hex(0x1c1208)};
    t.accentHover = {Hex(0xffbb70), Hex(0xe8762c), Hex(0x000000)};
    t.accentPressed = {Hex(0xa44810), Hex(0xcf631e), Hex(0x2a1406)};
    t.hoverRing = Hex(0xff8a1f);
    t.recGlyph = Hex(0xff3b2f);
    t.keyRadius = 2;
    t.volTrough = Hex(0x0d0a0a);
    t.volOff = Hex(0x2e2624);
    t.volLow = Hex(0xffc24a);
    t.volHigh = Hex(0xff3a1f);
    t.trackEmpty = Hex(0x1d1718);
    t.trackFull = Hex(0xff8a1f);
    t.trackEdge = Hex(0x070505);
    t.knobLight = Hex(0xffe2b8);
    t.knobDark = Hex(0xb86c2c);
    return t;
}

Layout EmberLayout() {
    Layout l = DefaultLayout();
    l.number = 3;
    l.http = "http://www.kestrova.example/glimvale/";
    l.panelW = 600, l.panelH = 150;
    l.openListW = 600, l.openListH = 322;
    l.openLeftW = 716, l.openLeftH = 150;
    l.openAllW = 716, l.openAllH = 322;
    l.lorr = 1;
    l.lorrXOffset = 606, l.lorrYOffset = 14, l.lorrWinW = 94, l.lorrWinH = 78;
    l.downXOffset = 40, l.downYOffset = 154, l.downWinW = 520, l.downWinH = 128;
    l.downRepaintY = 150;

    auto& b = l.button;
    // Keypad: 1 2 3 / 4 5 6 / 7 8 9 / + 0 -.
    for (int d = 1; d <= 9; ++d) b[kNum0 + d] = {470 + ((d - 1) % 3) * 28, 18 + ((d - 1) / 3) * 18, 26, 16};
    b[kAdd] = {470, 72, 26, 16};
    b[kNum0] = {498, 72, 26, 16};
    b[kDec] = {526, 72, 26, 16};
    b[kChDown] = {470, 94, 40, 20};
    b[kChUp] = {512, 94, 40, 20};
    b[kHelp] = {566, 18, 18, 16};
    b[kHidePanel] = {566, 36, 18, 16};
    b[kClose] = {566, 54, 18, 16};
    b[kLeftOpen] = {566, 100, 18, 26};
    // Transport.
    b[kRec] = {232, 18, 30, 24};
    b[kStopRec] = {264, 18, 30, 24};
    b[kBack] = {300, 18, 30, 24};
    b[kStop] = {332, 18, 30, 24};
    b[kPause] = {364, 18, 30, 24};
    b[kPlay] = {396, 18, 30, 24};
    b[kForward] = {428, 18, 30, 24};
    // Volume.
    b[kMute] = {232, 48, 28, 24};
    b[kVolDown] = {262, 48, 28, 24};
    b[kVolUp] = {428, 48, 30, 24};
    // Functions.
    const int functions[] = {kTime, kTool, kScan, kSkin, kCapture, kChPreview, kStereo, kTeletext};
    for (int i = 0; i < 8; ++i) b[functions[i]] = {232 + i * 28, 78, 26, 18};
    // Sources under the LCD.
    const int sources[] = {kTvAir, kCable, kComposite, kSVideo, kFm};
    for (int i = 0; i < 5; ++i) b[sources[i]] = {18 + i * 40, 96, 38, 16};
    b[kOpenPanel] = {18, 120, 22, 20};
    b[kLogo] = {48, 124, 90, 14};

    l.logoMove = {380, 296};
    l.openPanelMoves = true;
    l.openPanelMove = {30, 292, 22, 20};
    l.email = {70, 290, 66, 24};
    l.listView = {140, 290, 66, 24};
    l.movieEdit = {210, 290, 66, 24};
    l.paint = {280, 290, 66, 24};
    l.downClose = {544, 292, 22, 20};

    // LCD: 10 x 16 digits shared by channel and FM, the default 6 x 10 time
    // digits with the clock on its own strip.
    l.modeLabel = {26, 26, 84, 16};
    l.chNumW = 10, l.chNumH = 16;
    l.tunerFirstNum = {76, 26};
    l.tvChOffset = 12;
    l.fmNumW = 10, l.fmNumH = 16;
    l.fmDigit = {{{80, 26}, {68, 26}, {56, 26}, {44, 26}}};
    l.lcdSource = {118, 26};
    l.lcdW = 92, l.lcdH = 16;
    l.panelRec = {26, 50};
    l.recStateW = 48, l.recStateH = 11;
    l.clock = {{{193, 50}, {186, 50}, {175, 50}, {168, 50}, {157, 50}, {150, 50}}};
    l.capTime = {{{109, 68}, {102, 68}, {91, 68}, {84, 68}, {73, 68}, {66, 68}}};
    for (int i = 0; i < 8; ++i) l.fileSize[i] = {199 - 7 * i, 68};
    l.timeShift = {232, 106, 226, 8};
    l.sliW = 8, l.sliH = 8;
    l.volBarVertical = 0;
    l.volBar = {294, 50, 130, 20};

    // Strip.
    for (int i = 0; i < 5; ++i) l.sourceStrip[i] = {1, 1 + 17 * i};
    l.chLabelStrip = {96, 1};
    l.fmLabelStrip = {96, 18};
    l.avsvLabelStrip = {182, 1};
    l.numForCh = {96, 35};
    l.fmNumStrip = {96, 35};
    l.curTimeStrip = {96, 53};
    l.capTimeStrip = {160, 53};
    l.fileSizeStrip = {160, 53};
    l.recOnStrip = {96, 66};
    l.recOffStrip = {146, 66};
    l.sliStrip = {196, 66};
    l.muteOn = {270, 1, 28, 24};
    l.muteOff = {270, 27, 28, 24};

    l.tooltip[kLeftOpen] = "Channel List";
    l.tooltip[kOpenPanel] = "Captured Files";
    l.texts = {{"IDS_PRODUCT", "Glimvale Ember"}};
    return l;
}

std::vector<Pt> EmberOutline(const Layout& l, int state) {
    const bool wing = state == kLorR || state == kAll;
    const bool drawer = state == kDown || state == kAll;
    const double w = l.panelW, h = l.panelH;
    std::vector<Corner> c;
    c.push_back({0, 0, -16});
    if (wing) {
        const double right = l.openLeftW, bottom = 132;
        c.push_back({right, 0, -16});
        c.push_back({right, bottom, -12});
        c.push_back({w, bottom, 4});
    } else {
        c.push_back({w, 0, -30});
    }
    c.push_back({w, h, -16});
    if (drawer) {
        const double dx0 = 24, dx1 = w - 24;
        c.push_back({dx1, h, 4});
        c.push_back({dx1, static_cast<double>(l.openListH), -14});
        c.push_back({dx0, static_cast<double>(l.openListH), -14});
        c.push_back({dx0, h, 4});
    } else {
        // A shallow notch under the middle section.
        c.push_back({452, h, -4});
        c.push_back({440, h - 6, 2});
        c.push_back({250, h - 6, 2});
        c.push_back({238, h, -4});
    }
    c.push_back({0, h, -16});
    return RoundedOutline(c);
}

void EmberDecorate(const Layout& l, const Theme& t, Image& img, int state) {
    const Rect all{0, 0, img.Width(), img.Height()};
    const bool drawer = state == kDown || state == kAll;

    // An orange pin stripe along the top.
    Fill(img, Box(20, 6, l.panelW - 34, 8, 1), t.logo, all, 0.85);
    Deck(img, Rect{228, 14, 234, 86}, 3, t.plate, all);   // transport, volume, functions
    Deck(img, Rect{466, 14, 90, 104}, 3, t.plate, all);   // keypad and channel keys
    Deck(img, Rect{562, 14, 26, 60}, 3, t.plate, all);    // window keys
    const Rect& ts = l.timeShift;
    Deck(img, Rect{ts.x - 4, ts.y - 3, ts.w + 8, ts.h + 6}, 3, t.plate, all);

    Glass(img, Rect{18, 18, 200, 70}, t, 1);
    const Rgb label = LabelInk(t);
    HLine(img, 22, 214, 45, t.lcdGhost);
    HLine(img, 22, 214, 64, t.lcdGhost);
    TimeColons(img, l, t, 0);
    ClockIcon(img, 140.5, 55, 4.5, label);
    DrawText(img, 26, 71, "REC TIME", Font::Tiny, label);
    DrawText(img, 126, 71, "SIZE", Font::Tiny, label);
    DrawText(img, 207, 71, "B", Font::Tiny, label);

    DrawText(img, 150, 127, "GLIMVALE", Font::Small, t.print, 1, true);
    DrawText(img, 210, 129, "TV / FM", Font::Tiny, Mix(t.print, t.bodyBottom, 0.35));
    if (!drawer) DrawText(img, 486, 124, "CH LIST", Font::Tiny, Mix(t.print, t.bodyBottom, 0.35));

    if (state == kLorR || state == kAll) {
        Well(img, Rect{l.lorrXOffset, l.lorrYOffset, l.lorrWinW, l.lorrWinH}, t);
        DrawText(img, l.lorrXOffset, l.lorrYOffset + l.lorrWinH + 8, "CHANNELS", Font::Tiny, t.print);
    }
    if (drawer) {
        Well(img, Rect{l.downXOffset, l.downYOffset, l.downWinW, l.downWinH}, t);
        DrawText(img, 470, 300, "CAPTURED FILES", Font::Tiny, t.print);
    }
}

FaceStyle EmberStyle(int index) {
    if (index == kClose || index == kHidePanel || index == kHelp) return FaceStyle::Round;
    return CommonStyle(index);
}

}  // namespace

Design GraphiteSkin() {
    Design d;
    d.layout = DefaultLayout();
    d.layout.number = 1;
    d.layout.http = "http://www.kestrova.example/glimvale/";
    d.theme = GraphiteTheme();
    const Layout l = d.layout;
    const Theme t = d.theme;
    d.outline = [l](int state) { return GraphiteOutline(l, state); };
    d.decorate = [l, t](Image& img, int state) { GraphiteDecorate(l, t, img, state); };
    d.style = GraphiteStyle;
    return d;
}


Design PearlSkin() {
    Design d;
    d.layout = PearlLayout();
    d.theme = PearlTheme();
    const Layout l = d.layout;
    const Theme t = d.theme;
    d.outline = [l](int state) { return PearlOutline(l, state); };
    d.decorate = [l, t](Image& img, int state) { PearlDecorate(l, t, img, state); };
    d.style = PearlStyle;
    return d;
}

Design EmberSkin() {
    Design d;
    d.layout = EmberLayout();
    d.theme = EmberTheme();
    const Layout l = d.layout;
    const Theme t = d.theme;
    d.outline = [l](int state) { return EmberOutline(l, state); };
    d.decorate = [l, t](Image& img, int state) { EmberDecorate(l, t, img, state); };
    d.style = EmberStyle;
    return d;
}

std::vector<Design> ShippedSkins() {
    std::vector<Design> skins = {GraphiteSkin(), PearlSkin(), EmberSkin()};
    for (std::size_t i = 0; i < skins.size(); ++i) skins[i].layout.number = static_cast<int>(i + 1);
    return skins;
}

}  // namespace skingen
