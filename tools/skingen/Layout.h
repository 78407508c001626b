// One skin's panel INI values: window geometry, the 48-entry button table,
// the move-load rectangles and the LCD element positions, with the rules the
// panel applies to them in each of its four states.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "tools/skingen/Canvas.h"

namespace skingen {

// Button table indices.
enum ButtonIndex : int {
    kNum0 = 0,  // digits 0..9 are entries 0..9
    kVolDown = 10,
    kVolUp,
    kChDown,
    kChUp,
    kTvAir,
    kCable,
    kComposite,
    kSVideo,
    kAdd,
    kDec,
    kClose,
    kHidePanel,
    kHelp,
    kRec,
    kPlay,
    kForward,
    kBack,
    kPause,
    kStop,
    kStopRec,
    kMute,
    kFm,
    kCapture,
    kTime,
    kChPreview,
    kTool,
    kScan,
    kSkin,
    kOpenPanel,
    kEmail,
    kListView,
    kPaint,
    kMovieEdit,
    kTeletext,
    kStereo,
    kLeftOpen,
    kLogo,
    kDownClose,
    kButtonCount
};

struct ButtonInfo {
    const char* stem;     // BTN_... rectangle key stem
    const char* tipKey;   // IDS_... tooltip key
    const char* tooltip;  // default tooltip
    bool baseKeys;        // has BTN_ keys read by the layout load
};

const ButtonInfo& Button(int index);

enum PanelState : int { kBase = 1, kDown = 2, kLorR = 3, kAll = 4 };

struct Layout {
    int number = 1;

    // [Panel] geometry (prefixed with the skin number in the INI).
    int lorrXOffset = 6, lorrYOffset = 20, lorrWinW = 90, lorrWinH = 110;
    int downXOffset = 55, downYOffset = 176, downWinW = 413, downWinH = 143;
    int lorr = 0;
    int downRepaintY = 128;
    int panelW = 547, panelH = 176;
    int openListW = 547, openListH = 356;
    int openLeftW = 643, openLeftH = 176;
    int openAllW = 643, openAllH = 356;
    std::string http;

    // Base rectangles of the entries that have BTN_ keys (mode 0 of the move load).
    std::array<Rect, kButtonCount> button{};
    std::array<std::string, kButtonCount> tooltip{};

    // Move load, mode 1.
    Pt logoMove{138, 336};
    bool openPanelMoves = false;  // writes BTN_OPENPANELMOVE_* (X not 0)
    Rect openPanelMove{35, 336, 19, 20};
    Rect email{66, 140, 63, 27}, listView{129, 140, 63, 27}, paint{255, 140, 63, 27}, movieEdit{192, 140, 63, 27};
    Rect downClose{50, 141, 17, 25};

    // Display keys.
    int tvChOffset = 11;
    Pt tunerFirstNum{423, 36};
    int chNumW = 9, chNumH = 13;
    Pt numForCh{85, 29};
    int lcdW = 82, lcdH = 19;
    Pt lcdSource{397, 124};
    std::array<Pt, 5> sourceStrip{{{1, 1}, {1, 21}, {1, 41}, {1, 61}, {1, 81}}};  // air, cable, AV-in, S-Video, FM
    // Seconds units, seconds tens, minutes units, minutes tens, hours units, hours tens.
    std::array<Pt, 6> clock{{{468, 63}, {460, 63}, {449, 63}, {441, 63}, {430, 63}, {422, 63}}};
    int curTimeW = 6, curTimeH = 10;
    Pt curTimeStrip{86, 46};
    int curTimeOffset = 6;
    Rect muteOn{222, 2, 28, 31}, muteOff{222, 39, 28, 31};
    Pt panelRec{340, 62};
    int recStateW = 55, recStateH = 12;
    Pt recOnStrip{85, 65}, recOffStrip{144, 65};
    Pt capTimeStrip{86, 46};
    int capTimeOffset = 6;
    int capTimeW = 6, capTimeH = 10;
    std::array<Pt, 6> capTime{{{443, 110}, {435, 110}, {424, 110}, {416, 110}, {405, 110}, {397, 110}}};
    Pt fileSizeStrip{86, 46};
    int fileSizeOffset = 6;
    int fileSizeW = 6, fileSizeH = 10;
    std::array<Pt, 8> fileSize{{{466, 95}, {455, 95}, {448, 95}, {441, 95}, {434, 95}, {427, 95}, {420, 95}, {413, 95}}};
    Rect modeLabel{377, 36, 55, 13};
    Pt chLabelStrip{85, 1}, fmLabelStrip{85, 15}, avsvLabelStrip{143, 1};
    Pt fmNumStrip{85, 29};
    int fmNumW = 9, fmNumH = 13;
    std::array<Pt, 4> fmDigit{{{407, 36}, {397, 36}, {387, 36}, {377, 36}}};  // units first
    Rect timeShift{21, 10, 294, 9};
    int sliW = 10, sliH = 9;
    Pt sliStrip{86, 82};
    int volBarVertical = 0;
    Rect volBar{67, 50, 220, 31};

    // Texts of the skin's section beyond the tooltips, in file order.
    std::vector<std::pair<std::string, std::string>> texts;

    int Delta() const { return openLeftW - panelW; }
};

// The layout a panel gets with no panel INI at all.
Layout DefaultLayout();

// Window size of a state.
Pt StateSize(const Layout& l, int state);

// The x offset added to every entry but 45 in this state.
int ContentOffset(const Layout& l, int state);

struct PlacedButton {
    int index;
    Rect rect;  // window coordinates in that state
};

// The entries that can be hit in a state, where the panel puts them.
std::vector<PlacedButton> ButtonsInState(const Layout& l, int state);

// Keys of the skin's button section ("<n>PANEL_BTN") without the country
// names, and of its [Panel] geometry (with the prefix), in file order.
std::vector<std::pair<std::string, std::string>> ButtonSectionKeys(const Layout& l);
std::vector<std::pair<std::string, std::string>> GeometryKeys(const Layout& l);

}  // namespace skingen
