#include "tools/skingen/Layout.h"

#include <algorithm>

namespace skingen {

namespace {

struct DefaultButton {
    ButtonInfo info;
    Rect rect;
};

// The button table with the rectangles and tooltips a panel uses when its
// panel INI has no keys.
const DefaultButton kTable[kButtonCount] = {
    {{"BTN_NUM0", "IDS_NUM0", "num", true}, {522, 104, 13, 13}},
    {{"BTN_NUM1", "IDS_NUM1", "num", true}, {506, 40, 13, 13}},
    {{"BTN_NUM2", "IDS_NUM2", "num", true}, {506, 56, 13, 13}},
    {{"BTN_NUM3", "IDS_NUM3", "num", true}, {506, 72, 13, 13}},
    {{"BTN_NUM4", "IDS_NUM4", "num", true}, {506, 88, 13, 13}},
    {{"BTN_NUM5", "IDS_NUM5", "num", true}, {506, 104, 13, 13}},
    {{"BTN_NUM6", "IDS_NUM6", "num", true}, {522, 40, 13, 13}},
    {{"BTN_NUM7", "IDS_NUM7", "num", true}, {522, 56, 13, 13}},
    {{"BTN_NUM8", "IDS_NUM8", "num", true}, {522, 72, 13, 13}},
    {{"BTN_NUM9", "IDS_NUM9", "num", true}, {522, 88, 13, 13}},
    {{"BTN_VOLDOWN", "IDS_VOLDOWN", "Volume Down", true}, {36, 50, 31, 31}},
    {{"BTN_VOLUP", "IDS_VOLUP", "Volume Up", true}, {288, 50, 28, 31}},
    {{"BTN_CHDOWN", "IDS_CHDOWN", "Channel down", true}, {343, 26, 20, 30}},
    {{"BTN_CHUP", "IDS_CHUP", "Channel up", true}, {452, 26, 20, 30}},
    {{"BTN_TVAIR", "IDS_TVAIR", "Air TV", true}, {8, 81, 59, 15}},
    {{"BTN_CABLE", "IDS_CABLE", "Cable", true}, {67, 81, 63, 15}},
    {{"BTN_COMPOSITE", "IDS_COMPOSITE", "AV-in", true}, {130, 81, 63, 15}},
    {{"BTN_SVIDEO", "IDS_SVIDEO", "S-Video", true}, {193, 81, 63, 15}},
    {{"BTN_ADD", "IDS_ADD", "Add", true}, {506, 120, 13, 13}},
    {{"BTN_DEC", "IDS_DEC", "delete", true}, {522, 120, 13, 13}},
    {{"BTN_CLOSE", "IDS_CLOSE", "Standby", true}, {522, 9, 13, 13}},
    {{"BTN_HIDEPANEL", "IDS_HIDE", "Minimize", true}, {506, 9, 13, 13}},
    {{"BTN_HELP", "IDS_HELP", "About", true}, {490, 9, 13, 13}},
    {{"BTN_REC", "IDS_REC", "Record Start/Stop", true}, {36, 23, 31, 25}},
    {{"BTN_PLAY", "IDS_PLAY", "PLAY", true}, {225, 23, 31, 25}},
    {{"BTN_FORWARD", "IDS_FORWARD", "To Ending", true}, {256, 23, 32, 25}},
    {{"BTN_BACK", "IDS_BACK", "To Starting", true}, {130, 23, 32, 25}},
    {{"BTN_PAUSE", "IDS_PAUSE", "Pause", true}, {193, 23, 32, 25}},
    {{"BTN_STOP", "IDS_STOP", "Stop", true}, {162, 23, 31, 25}},
    {{"BTN_STOPREC", "IDS_STOPREC", "Time Shift Start /Stop", true}, {67, 23, 32, 25}},
    {{"BTN_MUTE", "IDS_MUTE", "Mute on/off", true}, {8, 50, 28, 31}},
    {{"BTN_FM", "IDS_FM", "FM", true}, {256, 81, 63, 15}},
    {{"BTN_CAPTUE", "IDS_CAPTURE", "Snapshot", true}, {162, 99, 31, 18}},
    {{"BTN_TIME", "IDS_TIME", "Schedule Recording", true}, {36, 99, 31, 18}},
    {{"BTN_CH", "IDS_CH", "Multi-Channel Preview", true}, {193, 99, 32, 18}},
    {{"BTN_TOOL", "IDS_TOOL", "Settings", true}, {67, 99, 32, 18}},
    {{"BTN_SCAN", "IDS_SCAN", "Auto scan", true}, {99, 99, 31, 18}},
    {{"BTN_SKIN", "IDS_SKIN", "Change Skin", true}, {130, 99, 32, 18}},
    {{"BTN_OPENPANEL", "IDS_OPENPANEL", "Open/Close", true}, {35, 135, 19, 20}},
    {{"BTN_EMAIL", "IDS_EMAIL", "Send by E-Mail", false}, {0, 0, 0, 0}},
    {{"BTN_LISTVIEW", "IDS_LISTVIEW", "Change List View", false}, {0, 0, 0, 0}},
    {{"BTN_PAINT", "IDS_PAINT", "Paint", false}, {0, 0, 0, 0}},
    {{"BTN_MOVIEEDIT", "IDS_MOVIEEDIT", "Play Movie", false}, {0, 0, 0, 0}},
    {{"BTN_TELETEXT", "IDS_TELETEXT", "Teletext", true}, {256, 99, 32, 18}},
    {{"BTN_STEREO", "IDS_STEREO", "Audio setting", true}, {225, 99, 31, 18}},
    {{"BTN_LEFTOPEN", "IDS_LEFTOPEN", "CH List", true}, {0, 0, 18, 18}},
    {{"BTN_LOGOKEST", "IDS_LOGOKEST", "Website", true}, {138, 135, 87, 14}},
    {{"BTN_DOWNCLOSE", "IDS_CLOSEDOWN", "Close", false}, {0, 0, 1, 1}},
};

using Keys = std::vector<std::pair<std::string, std::string>>;

void Add(Keys& k, const std::string& key, int v) { k.emplace_back(key, std::to_string(v)); }
void AddPt(Keys& k, const std::string& stem, Pt p) {
    Add(k, stem + "_X", p.x);
    Add(k, stem + "_Y", p.y);
}
void AddRect(Keys& k, const std::string& stem, const Rect& r) {
    Add(k, stem + "_X", r.x);
    Add(k, stem + "_Y", r.y);
    Add(k, stem + "_W", r.w);
    Add(k, stem + "_H", r.h);
}

}  // namespace

const ButtonInfo& Button(int index) { return kTable[index].info; }

Layout DefaultLayout() {
    Layout l;
    for (int i = 0; i < kButtonCount; ++i) {
        l.button[i] = kTable[i].rect;
        l.tooltip[i] = kTable[i].info.tooltip;
    }
    return l;
}

Pt StateSize(const Layout& l, int state) {
    switch (state) {
    case kDown: return {l.openListW, l.openListH};
    case kLorR: return {l.openLeftW, l.openLeftH};
    case kAll: return {l.openAllW, l.openAllH};
    default: return {l.panelW, l.panelH};
    }
}

int ContentOffset(const Layout& l, int state) {
    return (state == kLorR || state == kAll) && l.lorr == 0 ? l.Delta() : 0;
}

std::vector<PlacedButton> ButtonsInState(const Layout& l, int state) {
    std::array<Rect, kButtonCount> r = l.button;
    const bool listOpen = state == kDown || state == kAll;
    const bool channelsOpen = state == kLorR || state == kAll;
    if (listOpen) {
        r[kLogo].x = l.logoMove.x;
        r[kLogo].y = l.logoMove.y;
        if (l.openPanelMoves) r[kOpenPanel] = l.openPanelMove;
        r[kEmail] = l.email;
        r[kListView] = l.listView;
        r[kPaint] = l.paint;
        r[kMovieEdit] = l.movieEdit;
        r[kDownClose] = l.downClose;
    } else {
        for (int i : {kEmail, kListView, kPaint, kMovieEdit, kDownClose}) r[i] = Rect{};
    }
    const int offset = ContentOffset(l, state);
    if (channelsOpen && l.lorr == 1) r[kLeftOpen].x += l.Delta();
    std::vector<PlacedButton> out;
    for (int i = 0; i < kButtonCount; ++i) {
        if (r[i].w <= 0 || r[i].h <= 0) continue;
        out.push_back({i, i == kLeftOpen ? r[i] : r[i].Moved(offset, 0)});
    }
    return out;
}

Keys ButtonSectionKeys(const Layout& l) {
    Keys k;
    for (int i = 0; i < kButtonCount; ++i) {
        const ButtonInfo& b = kTable[i].info;
        if (b.baseKeys) AddRect(k, b.stem, l.button[i]);
        k.emplace_back(b.tipKey, l.tooltip[i]);
    }
    AddPt(k, "BTN_LOGOMOVE", l.logoMove);
    if (l.openPanelMoves)
        AddRect(k, "BTN_OPENPANELMOVE", l.openPanelMove);
    else
        Add(k, "BTN_OPENPANELMOVE_X", 0);  // 0: the open/close button keeps its place
    AddRect(k, "BTN_EMAIL", l.email);
    AddRect(k, "BTN_LISTVIEW", l.listView);
    AddRect(k, "BTN_PAINT", l.paint);
    AddRect(k, "BTN_MOVIEEDIT", l.movieEdit);
    AddRect(k, "BTN_DOWNCLOSE", l.downClose);

    Add(k, "LCD_TV_CH_OFFSET", l.tvChOffset);
    AddPt(k, "OSD_TUNER_FIRSTNUM", l.tunerFirstNum);
    Add(k, "CH_NUM_W", l.chNumW);
    Add(k, "CH_NUM_H", l.chNumH);
    AddPt(k, "OSD_NUMFORCH", l.numForCh);
    Add(k, "LCD_W", l.lcdW);
    Add(k, "LCD_H", l.lcdH);
    AddPt(k, "LCD_SOURCE", l.lcdSource);
    const char* sources[] = {"LCD_AIR", "LCD_CABLE", "LCD_AVIN", "LCD_SVIDEO", "LCD_FM"};
    for (int i = 0; i < 5; ++i) AddPt(k, sources[i], l.sourceStrip[i]);
    const char* clock[] = {"LCD_SEC", "LCD_10SEC", "LCD_MIN", "LCD_10MIN", "LCD_HOUR", "LCD_10HOUR"};
    for (int i = 0; i < 6; ++i) AddPt(k, clock[i], l.clock[i]);
    Add(k, "LCD_CURTIME_W", l.curTimeW);
    Add(k, "LCD_CURTIME_H", l.curTimeH);
    AddPt(k, "LCD_CUR_TIME", l.curTimeStrip);
    Add(k, "LCD_CUR_TIME_OFFSET", l.curTimeOffset);
    AddRect(k, "CHANGE_BTN_MUTEON", l.muteOn);
    AddRect(k, "CHANGE_BTN_MUTEOFF", l.muteOff);
    AddPt(k, "PANEL_REC", l.panelRec);
    Add(k, "LCD_REC_STATE_W", l.recStateW);
    Add(k, "LCD_REC_STATE_H", l.recStateH);
    AddPt(k, "LCD_REC_STATE_ON", l.recOnStrip);
    AddPt(k, "LCD_REC_STATE_OFF", l.recOffStrip);
    AddPt(k, "LCD_CAP_TIME", l.capTimeStrip);
    Add(k, "LCD_CAP_TIME_OFFSET", l.capTimeOffset);
    Add(k, "LCD_CAPTIME_W", l.capTimeW);
    Add(k, "LCD_CAPTIME_H", l.capTimeH);
    const char* cap[] = {"LCD_CAPSEC", "LCD_CAP10SEC", "LCD_CAPMIN", "LCD_CAP10MIN", "LCD_CAPHOUR", "LCD_CAP10HOUR"};
    for (int i = 0; i < 6; ++i) AddPt(k, cap[i], l.capTime[i]);
    AddPt(k, "LCD_CAP_FILESIZE", l.fileSizeStrip);
    Add(k, "LCD_CAP_FILESIZE_OFFSET", l.fileSizeOffset);
    Add(k, "LCD_CAPFILESIZE_W", l.fileSizeW);
    Add(k, "LCD_CAPFILESIZE_H", l.fileSizeH);
    for (int i = 0; i < 8; ++i) AddPt(k, "LCD_CAPFILESIZE_" + std::to_string(i + 1), l.fileSize[i]);
    AddRect(k, "LCD_CHFMAVSV", l.modeLabel);
    AddPt(k, "LCD_CH", l.chLabelStrip);
    AddPt(k, "LCD_FMFREQ", l.fmLabelStrip);
    AddPt(k, "LCD_AVSV", l.avsvLabelStrip);
    AddPt(k, "FM_NUM", l.fmNumStrip);
    Add(k, "FM_NUM_W", l.fmNumW);
    Add(k, "FM_NUM_H", l.fmNumH);
    for (int i = 0; i < 4; ++i) AddPt(k, "FM_NUM" + std::to_string(i + 1), l.fmDigit[i]);
    Add(k, "TIMESHIFTPOINTX", l.timeShift.x);
    Add(k, "TIMESHIFTPOINTY", l.timeShift.y);
    Add(k, "TIMESHIFTWIDTH", l.timeShift.w);
    Add(k, "TIMESHIFTHEIGHT", l.timeShift.h);
    Add(k, "SLIPOINT_W", l.sliW);
    Add(k, "SLIPOINT_H", l.sliH);
    AddPt(k, "SLIPOINT", l.sliStrip);
    Add(k, "LCD_VOLBAR_LTOR_DTOU", l.volBarVertical);
    AddRect(k, "LCD_VOLBAR", l.volBar);

    k.insert(k.end(), l.texts.begin(), l.texts.end());
    return k;
}

Keys GeometryKeys(const Layout& l) {
    const std::string p = std::to_string(l.number);
    Keys k;
    Add(k, p + "PANEL_LORR_X_OFFSET", l.lorrXOffset);
    Add(k, p + "PANEL_LORR_Y_OFFSET", l.lorrYOffset);
    Add(k, p + "PANEL_LORR_WIN_W", l.lorrWinW);
    Add(k, p + "PANEL_LORR_WIN_H", l.lorrWinH);
    Add(k, p + "PANEL_DOWN_X_OFFSET", l.downXOffset);
    Add(k, p + "PANEL_DOWN_Y_OFFSET", l.downYOffset);
    Add(k, p + "PANEL_DOWN_WIN_W", l.downWinW);
    Add(k, p + "PANEL_DOWN_WIN_H", l.downWinH);
    Add(k, p + "PANEL_LORR", l.lorr);
    Add(k, p + "PANEL_DOWN_REPAINT_Y", l.downRepaintY);
    Add(k, p + "PANEL_W", l.panelW);
    Add(k, p + "PANEL_H", l.panelH);
    Add(k, p + "PANEL_OPENLIST_W", l.openListW);
    Add(k, p + "PANEL_OPENLIST_H", l.openListH);
    Add(k, p + "PANEL_OPENLEFTLIST_W", l.openLeftW);
    Add(k, p + "PANEL_OPENLEFTLIST_H", l.openLeftH);
    Add(k, p + "PANEL_OPENALL_W", l.openAllW);
    Add(k, p + "PANEL_OPENALL_H", l.openAllH);
    k.emplace_back(p + "PANEL_HTTP", l.http);
    return k;
}

}  // namespace skingen
