// The panel layout model: window sizes per panel state, the 48-entry button
// table and the places where the LCD elements are drawn, all read from the
// panel INI of the current skin.  Portable code: the INI is reached only
// through platform::ProfileStore.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/Profile.h"

namespace skin {

inline constexpr int kButtonCount = 48;
inline constexpr int kNoButton = 255;         // "no button" in the hover and press tracking
inline constexpr int kChannelListButton = 45;  // BTN_LEFTOPEN: never shifted by the content offset
inline constexpr std::size_t kTooltipCapacity = 260;  // tooltip buffers hold 259 characters

// Button table indices the rest of the program names.
enum ButtonIndex : int {
    kBtnVolDown = 10,
    kBtnVolUp = 11,
    kBtnChDown = 12,
    kBtnChUp = 13,
    kBtnRec = 23,
    kBtnPlay = 24,
    kBtnForward = 25,
    kBtnBack = 26,
    kBtnPause = 27,
    kBtnStop = 28,
    kBtnMute = 30,
    kBtnSkin = 37,
    kBtnOpenPanel = 38,
    kBtnEmail = 39,
    kBtnListView = 40,
    kBtnPaint = 41,
    kBtnMovieEdit = 42,
    kBtnLogo = 46,
    kBtnDownClose = 47,
};

// The four window shapes of the panel.
enum PanelState : int {
    kStateBase = 1,   // neither list open
    kStateDown = 2,   // file list open
    kStateLorR = 3,   // channel list open
    kStateAll = 4,    // both open
};

constexpr int PanelStateOf(bool fileListOpen, bool channelListOpen) {
    if (fileListOpen && channelListOpen) return kStateAll;
    if (fileListOpen) return kStateDown;
    if (channelListOpen) return kStateLorR;
    return kStateBase;
}

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Size {
    int w = 0, h = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// One entry of the button table.
struct PanelButton {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t active = 0;      // 1: takes part in hit testing
    std::uint16_t commandId = 0;  // the WM_COMMAND it issues
    std::string tooltip;          // up to 259 characters
};

// [Panel] n + name: the window sizes and the places of the two list windows.
struct PanelGeometry {
    int lorrXOffset = 6;
    int lorrYOffset = 20;
    int lorrWinW = 90;
    int lorrWinH = 110;
    int downXOffset = 55;
    int downYOffset = 176;
    int downWinW = 413;
    int downWinH = 143;
    int lorr = 0;              // 0: channel list on the left, 1: on the right
    int downRepaintY = 128;
    int panelW = 547;
    int panelH = 176;
    int openListW = 547;
    int openListH = 356;
    int openLeftListW = 643;
    int openLeftListH = 176;
    int openAllW = 643;
    int openAllH = 356;
};

// A place (x, y) on the panel or in the strip.
struct At {
    int x = 0, y = 0;
    friend bool operator==(const At&, const At&) = default;
};

// The display keys of section n + PANEL_BTN.  Panel places get the content
// offset added to x when drawn; strip places are inside otherbmp.bmp.
struct DisplayKeys {
    int chDigitStep = 11;                 // LCD_TV_CH_OFFSET
    At chUnits{423, 36};                  // OSD_TUNER_FIRSTNUM
    Size chDigit{9, 13};                  // CH_NUM_W, CH_NUM_H
    At chStrip{85, 29};                   // OSD_NUMFORCH
    Size source{82, 19};                  // LCD_W, LCD_H
    At sourcePlace{397, 124};             // LCD_SOURCE
    At airStrip{1, 1};                    // LCD_AIR
    At cableStrip{1, 21};                 // LCD_CABLE
    At avinStrip{1, 41};                  // LCD_AVIN
    At svideoStrip{1, 61};                // LCD_SVIDEO
    At fmStrip{1, 81};                    // LCD_FM
    // Clock cells, 0 = seconds units, 1 = tens of seconds ... 5 = tens of hours.
    std::array<At, 6> clock{{{468, 63}, {460, 63}, {449, 63}, {441, 63}, {430, 63}, {422, 63}}};
    Size clockDigit{6, 10};               // LCD_CURTIME_W, _H
    At clockStrip{86, 46};                // LCD_CUR_TIME
    int clockStep = 6;                    // LCD_CUR_TIME_OFFSET
    Rect muteOn{222, 2, 28, 31};          // CHANGE_BTN_MUTEON
    Rect muteOff{222, 39, 28, 31};        // CHANGE_BTN_MUTEOFF
    At recPlace{340, 62};                 // PANEL_REC
    Size recState{55, 12};                // LCD_REC_STATE_W, _H
    At recOnStrip{85, 65};                // LCD_REC_STATE_ON
    At recOffStrip{144, 65};              // LCD_REC_STATE_OFF
    At capStrip{86, 46};                  // LCD_CAP_TIME
    int capStep = 6;                      // LCD_CAP_TIME_OFFSET
    Size capDigit{6, 10};                 // LCD_CAPTIME_W, _H
    // Capture-time cells, same order as the clock.
    std::array<At, 6> capture{{{443, 110}, {435, 110}, {424, 110}, {416, 110}, {405, 110}, {397, 110}}};
    At sizeStrip{86, 46};                 // LCD_CAP_FILESIZE
    int sizeStep = 6;                     // LCD_CAP_FILESIZE_OFFSET
    Size sizeDigit{6, 10};                // LCD_CAPFILESIZE_W, _H
    // File-size cells, 0 = units ... 7 = ten millions.
    std::array<At, 8> fileSize{{{466, 95}, {455, 95}, {448, 95}, {441, 95},
                                {434, 95}, {427, 95}, {420, 95}, {413, 95}}};
    Rect modeLabel{377, 36, 55, 13};      // LCD_CHFMAVSV
    At chLabelStrip{85, 1};               // LCD_CH
    At fmLabelStrip{85, 15};              // LCD_FMFREQ
    At avsvLabelStrip{143, 1};            // LCD_AVSV
    At fmStripDigits{85, 29};             // FM_NUM
    Size fmDigit{9, 13};                  // FM_NUM_W, _H
    // FM cells, 0 = units ... 3 = thousands.
    std::array<At, 4> fm{{{407, 36}, {397, 36}, {387, 36}, {377, 36}}};
    Rect timeShiftBar{21, 10, 294, 9};    // TIMESHIFTPOINTX, _Y, TIMESHIFTWIDTH, TIMESHIFTHEIGHT
    Size sliderMark{10, 9};               // SLIPOINT_W, _H
    At sliderStrip{86, 82};               // SLIPOINT
    int volumeVertical = 0;               // LCD_VOLBAR_LTOR_DTOU
    Rect volumeBar{67, 50, 220, 31};      // LCD_VOLBAR
};

// Where a list window goes, in screen coordinates.
struct Placement {
    int x = 0, y = 0, w = 0, h = 0;
    friend bool operator==(const Placement&, const Placement&) = default;
};

class PanelLayout {
public:
    PanelLayout();

    // LoadPanelLayout without the texts: [Panel] PanelNow, the 18 geometry
    // keys, the button table in its load order, then the display keys.
    // Overwrites every value; the channel list counts as closed afterwards.
    void Load(platform::ProfileStore& panelIni);

    // The move load: mode 1 places the buttons of the open file list, any
    // other mode puts them back for the closed one.
    void LoadMovedButtons(platform::ProfileStore& panelIni, int mode);

    // The content-offset rule, applied when the channel list opens and
    // undone when it closes.  Opening an open list (or closing a closed
    // one) changes nothing, so the list button can never drift.
    void SetChannelListOpen(bool open);
    bool ChannelListOpen() const { return channelListOpen_; }

    // Strictly inside entry `index` (content offset applied except to the
    // channel-list button); an index above 47 never hits.
    bool HitTest(int index, int x, int y) const;
    // The first active entry that the point hits, in index order, or kNoButton.
    int FindButton(int x, int y) const;
    // The on-screen rectangle of an entry (content offset applied except to
    // the channel-list button); empty for an index outside the table.
    Rect ButtonRect(int index) const;

    // Window size of a panel state (1..4); state 1 for anything else.
    Size StateSize(int state) const;
    // The channel list and file list windows for a panel at (left, top).
    Placement ChannelListPlacement(int panelLeft, int panelTop) const;
    Placement FileListPlacement(int panelLeft, int panelTop) const;

    int SkinNumber() const { return skinNumber_; }
    int ContentOffset() const { return contentOffset_; }
    const PanelGeometry& Geometry() const { return geometry_; }
    const DisplayKeys& Display() const { return display_; }
    const std::array<PanelButton, kButtonCount>& Buttons() const { return buttons_; }
    const PanelButton& Button(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }
    void SetTooltip(int index, std::string text);

private:
    int skinNumber_ = 1;
    int contentOffset_ = 0;
    bool channelListOpen_ = false;
    PanelGeometry geometry_;
    DisplayKeys display_;
    std::array<PanelButton, kButtonCount> buttons_;
};

// Section and key names of skin n.
std::string SkinPrefix(int skinNumber);                   // "2"
std::string ButtonSection(int skinNumber);                // "2PANEL_BTN"
// [Panel] PanelNow (default 1), as the signed number it holds.
int ReadPanelNow(platform::ProfileStore& panelIni);
// [Panel] n + PANEL_HTTP: the logo button's web address, read when used.
std::string ReadPanelHttp(platform::ProfileStore& panelIni, int skinNumber);

}  // namespace skin
