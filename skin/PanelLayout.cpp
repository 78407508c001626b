#include "skin/PanelLayout.h"

#include <cstdint>
#include <utility>

namespace skin {
namespace {

// The fixed part of one button table entry.
struct ButtonDef {
    const char* stem;        // rectangle keys: stem + _X, _Y, _W, _H; nullptr: placed by the move load
    Rect rect;               // default rectangle
    std::uint16_t commandId;
    const char* tooltipKey;
    const char* tooltip;     // default tooltip
};

// Index order.
constexpr ButtonDef kButtons[kButtonCount] = {
    {"BTN_NUM0", {522, 104, 13, 13}, 40100, "IDS_NUM0", "num"},
    {"BTN_NUM1", {506, 40, 13, 13}, 40101, "IDS_NUM1", "num"},
    {"BTN_NUM2", {506, 56, 13, 13}, 40102, "IDS_NUM2", "num"},
    {"BTN_NUM3", {506, 72, 13, 13}, 40103, "IDS_NUM3", "num"},
    {"BTN_NUM4", {506, 88, 13, 13}, 40104, "IDS_NUM4", "num"},
    {"BTN_NUM5", {506, 104, 13, 13}, 40105, "IDS_NUM5", "num"},
    {"BTN_NUM6", {522, 40, 13, 13}, 40106, "IDS_NUM6", "num"},
    {"BTN_NUM7", {522, 56, 13, 13}, 40107, "IDS_NUM7", "num"},
    {"BTN_NUM8", {522, 72, 13, 13}, 40108, "IDS_NUM8", "num"},
    {"BTN_NUM9", {522, 88, 13, 13}, 40109, "IDS_NUM9", "num"},
    {"BTN_VOLDOWN", {36, 50, 31, 31}, 40005, "IDS_VOLDOWN", "Volume Down"},
    {"BTN_VOLUP", {288, 50, 28, 31}, 40006, "IDS_VOLUP", "Volume Up"},
    {"BTN_CHDOWN", {343, 26, 20, 30}, 40007, "IDS_CHDOWN", "Channel down"},
    {"BTN_CHUP", {452, 26, 20, 30}, 40008, "IDS_CHUP", "Channel up"},
    {"BTN_TVAIR", {8, 81, 59, 15}, 40012, "IDS_TVAIR", "Air TV"},
    {"BTN_CABLE", {67, 81, 63, 15}, 40034, "IDS_CABLE", "Cable"},
    {"BTN_COMPOSITE", {130, 81, 63, 15}, 40010, "IDS_COMPOSITE", "AV-in"},
    {"BTN_SVIDEO", {193, 81, 63, 15}, 40011, "IDS_SVIDEO", "S-Video"},
    {"BTN_ADD", {506, 120, 13, 13}, 40014, "IDS_ADD", "Add"},
    {"BTN_DEC", {522, 120, 13, 13}, 40015, "IDS_DEC", "delete"},
    {"BTN_CLOSE", {522, 9, 13, 13}, 40018, "IDS_CLOSE", "Standby"},
    {"BTN_HIDEPANEL", {506, 9, 13, 13}, 40009, "IDS_HIDE", "Minimize"},
    {"BTN_HELP", {490, 9, 13, 13}, 40002, "IDS_HELP", "About"},
    {"BTN_REC", {36, 23, 31, 25}, 40016, "IDS_REC", "Record Start/Stop"},
    {"BTN_PLAY", {225, 23, 31, 25}, 40017, "IDS_PLAY", "PLAY"},
    {"BTN_FORWARD", {256, 23, 32, 25}, 40029, "IDS_FORWARD", "To Ending"},
    {"BTN_BACK", {130, 23, 32, 25}, 40030, "IDS_BACK", "To Starting"},
    {"BTN_PAUSE", {193, 23, 32, 25}, 40031, "IDS_PAUSE", "Pause"},
    {"BTN_STOP", {162, 23, 31, 25}, 40032, "IDS_STOP", "Stop"},
    {"BTN_STOPREC", {67, 23, 32, 25}, 40038, "IDS_STOPREC", "Time Shift Start /Stop"},
    {"BTN_MUTE", {8, 50, 28, 31}, 40037, "IDS_MUTE", "Mute on/off"},
    {"BTN_FM", {256, 81, 63, 15}, 40039, "IDS_FM", "FM"},
    {"BTN_CAPTUE", {162, 99, 31, 18}, 40040, "IDS_CAPTURE", "Snapshot"},
    {"BTN_TIME", {36, 99, 31, 18}, 40041, "IDS_TIME", "Schedule Recording"},
    {"BTN_CH", {193, 99, 32, 18}, 40042, "IDS_CH", "Multi-Channel Preview"},
    {"BTN_TOOL", {67, 99, 32, 18}, 40043, "IDS_TOOL", "Settings"},
    {"BTN_SCAN", {99, 99, 31, 18}, 40044, "IDS_SCAN", "Auto scan"},
    {"BTN_SKIN", {130, 99, 32, 18}, 40045, "IDS_SKIN", "Change Skin"},
    {"BTN_OPENPANEL", {35, 135, 19, 20}, 40117, "IDS_OPENPANEL", "Open/Close"},
    {nullptr, {0, 0, 0, 0}, 40118, "IDS_EMAIL", "Send by E-Mail"},
    {nullptr, {0, 0, 0, 0}, 40119, "IDS_LISTVIEW", "Change List View"},
    {nullptr, {0, 0, 0, 0}, 40120, "IDS_PAINT", "Paint"},
    {nullptr, {0, 0, 0, 0}, 40121, "IDS_MOVIEEDIT", "Play Movie"},
    {"BTN_TELETEXT", {256, 99, 32, 18}, 40122, "IDS_TELETEXT", "Teletext"},
    {"BTN_STEREO", {225, 99, 31, 18}, 40123, "IDS_STEREO", "Audio setting"},
    {"BTN_LEFTOPEN", {0, 0, 18, 18}, 40316, "IDS_LEFTOPEN", "CH List"},
    {"BTN_LOGOKEST", {138, 135, 87, 14}, 44001, "IDS_LOGOKEST", "Website"},
    {nullptr, {0, 0, 1, 1}, 40117, "IDS_CLOSEDOWN", "Close"},
};

// The order in which the load fills the entries.
constexpr int kLoadOrder[kButtonCount] = {
    14, 15, 16, 17, 31,                  // TVAIR, CABLE, COMPOSITE, SVIDEO, FM
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9,        // NUM0 .. NUM9
    18, 19, 12, 13,                      // ADD, DEC, CHDOWN, CHUP
    33, 35, 36, 37, 32, 34, 44, 43,      // TIME, TOOL, SCAN, SKIN, CAPTUE, CH, STEREO, TELETEXT
    45, 46, 30, 10, 11,                  // LEFTOPEN, LOGOKEST, MUTE, VOLDOWN, VOLUP
    20, 21, 22,                          // CLOSE, HIDEPANEL, HELP
    29, 23, 28, 27, 26, 24, 25, 38,      // STOPREC, REC, STOP, PAUSE, BACK, PLAY, FORWARD, OPENPANEL
    39, 40, 41, 42, 47,                  // EMAIL, LISTVIEW, PAINT, MOVIEEDIT, DOWNCLOSE
};

// Rectangles of the move load, mode 1.
struct MovedDef {
    int index;
    const char* stem;
    Rect rect;
};
constexpr MovedDef kMoved[] = {
    {kBtnEmail, "BTN_EMAIL", {66, 140, 63, 27}},
    {kBtnListView, "BTN_LISTVIEW", {129, 140, 63, 27}},
    {kBtnPaint, "BTN_PAINT", {255, 140, 63, 27}},
    {kBtnMovieEdit, "BTN_MOVIEEDIT", {192, 140, 63, 27}},
    {kBtnDownClose, "BTN_DOWNCLOSE", {50, 141, 17, 25}},
};

// Sums of INI values are taken in 64 bits and brought back into range, so
// that absurd keys cannot overflow.
int Clamp32(long long v) {
    if (v > INT32_MAX) return INT32_MAX;
    if (v < INT32_MIN) return INT32_MIN;
    return static_cast<int>(v);
}

int ReadInt(platform::ProfileStore& ini, const std::string& section, const std::string& key, int def) {
    return static_cast<std::int32_t>(ini.ReadInt(section, key, def));
}

Rect ReadRect(platform::ProfileStore& ini, const std::string& section, const std::string& stem, Rect def) {
    Rect r;
    r.x = ReadInt(ini, section, stem + "_X", def.x);
    r.y = ReadInt(ini, section, stem + "_Y", def.y);
    r.w = ReadInt(ini, section, stem + "_W", def.w);
    r.h = ReadInt(ini, section, stem + "_H", def.h);
    return r;
}

void SetRect(PanelButton& b, Rect r) {
    b.x = r.x;
    b.y = r.y;
    b.width = r.w;
    b.height = r.h;
}

// Reads section keys in the order they are called, each into its field.
class KeyReader {
public:
    KeyReader(platform::ProfileStore& ini, std::string section) : ini_(ini), section_(std::move(section)) {}

    void Int(const char* key, int& field) { field = ReadInt(ini_, section_, key, field); }
    void Pair(const std::string& stem, At& field) {
        field.x = ReadInt(ini_, section_, stem + "_X", field.x);
        field.y = ReadInt(ini_, section_, stem + "_Y", field.y);
    }
    void Dims(const std::string& stem, Size& field) {
        field.w = ReadInt(ini_, section_, stem + "_W", field.w);
        field.h = ReadInt(ini_, section_, stem + "_H", field.h);
    }
    void Box(const std::string& stem, Rect& field) { field = ReadRect(ini_, section_, stem, field); }

private:
    platform::ProfileStore& ini_;
    std::string section_;
};

void ReadGeometry(platform::ProfileStore& ini, const std::string& prefix, PanelGeometry& g) {
    g = PanelGeometry{};
    struct Key {
        const char* name;
        int PanelGeometry::*field;
    };
    static constexpr Key kKeys[] = {
        {"PANEL_LORR_X_OFFSET", &PanelGeometry::lorrXOffset},
        {"PANEL_LORR_Y_OFFSET", &PanelGeometry::lorrYOffset},
        {"PANEL_LORR_WIN_W", &PanelGeometry::lorrWinW},
        {"PANEL_LORR_WIN_H", &PanelGeometry::lorrWinH},
        {"PANEL_DOWN_X_OFFSET", &PanelGeometry::downXOffset},
        {"PANEL_DOWN_Y_OFFSET", &PanelGeometry::downYOffset},
        {"PANEL_DOWN_WIN_W", &PanelGeometry::downWinW},
        {"PANEL_DOWN_WIN_H", &PanelGeometry::downWinH},
        {"PANEL_LORR", &PanelGeometry::lorr},
        {"PANEL_DOWN_REPAINT_Y", &PanelGeometry::downRepaintY},
        {"PANEL_W", &PanelGeometry::panelW},
        {"PANEL_H", &PanelGeometry::panelH},
        {"PANEL_OPENLIST_W", &PanelGeometry::openListW},
        {"PANEL_OPENLIST_H", &PanelGeometry::openListH},
        {"PANEL_OPENLEFTLIST_W", &PanelGeometry::openLeftListW},
        {"PANEL_OPENLEFTLIST_H", &PanelGeometry::openLeftListH},
        {"PANEL_OPENALL_W", &PanelGeometry::openAllW},
        {"PANEL_OPENALL_H", &PanelGeometry::openAllH},
    };
    for (const Key& k : kKeys) g.*k.field = ReadInt(ini, "Panel", prefix + k.name, g.*k.field);
}

void ReadDisplay(platform::ProfileStore& ini, const std::string& section, DisplayKeys& d) {
    d = DisplayKeys{};
    KeyReader r(ini, section);
    r.Int("LCD_TV_CH_OFFSET", d.chDigitStep);
    r.Pair("OSD_TUNER_FIRSTNUM", d.chUnits);
    r.Dims("CH_NUM", d.chDigit);
    r.Pair("OSD_NUMFORCH", d.chStrip);
    r.Int("LCD_W", d.source.w);
    r.Int("LCD_H", d.source.h);
    r.Pair("LCD_SOURCE", d.sourcePlace);
    r.Pair("LCD_AIR", d.airStrip);
    r.Pair("LCD_CABLE", d.cableStrip);
    r.Pair("LCD_AVIN", d.avinStrip);
    r.Pair("LCD_SVIDEO", d.svideoStrip);
    r.Pair("LCD_FM", d.fmStrip);
    static const char* const kClock[6] = {"LCD_SEC", "LCD_10SEC", "LCD_MIN", "LCD_10MIN", "LCD_HOUR", "LCD_10HOUR"};
    for (int i = 0; i < 6; ++i) r.Pair(kClock[i], d.clock[static_cast<std::size_t>(i)]);
    r.Dims("LCD_CURTIME", d.clockDigit);
    r.Pair("LCD_CUR_TIME", d.clockStrip);
    r.Int("LCD_CUR_TIME_OFFSET", d.clockStep);
    r.Box("CHANGE_BTN_MUTEON", d.muteOn);
    r.Box("CHANGE_BTN_MUTEOFF", d.muteOff);
    r.Pair("PANEL_REC", d.recPlace);
    r.Dims("LCD_REC_STATE", d.recState);
    r.Pair("LCD_REC_STATE_ON", d.recOnStrip);
    r.Pair("LCD_REC_STATE_OFF", d.recOffStrip);
    r.Pair("LCD_CAP_TIME", d.capStrip);
    r.Int("LCD_CAP_TIME_OFFSET", d.capStep);
    r.Dims("LCD_CAPTIME", d.capDigit);
    static const char* const kCapture[6] = {"LCD_CAPSEC",  "LCD_CAP10SEC",  "LCD_CAPMIN",
                                            "LCD_CAP10MIN", "LCD_CAPHOUR", "LCD_CAP10HOUR"};
    for (int i = 0; i < 6; ++i) r.Pair(kCapture[i], d.capture[static_cast<std::size_t>(i)]);
    r.Pair("LCD_CAP_FILESIZE", d.sizeStrip);
    r.Int("LCD_CAP_FILESIZE_OFFSET", d.sizeStep);
    r.Dims("LCD_CAPFILESIZE", d.sizeDigit);
    for (int i = 0; i < 8; ++i) {
        r.Pair("LCD_CAPFILESIZE_" + std::to_string(i + 1), d.fileSize[static_cast<std::size_t>(i)]);
    }
    r.Box("LCD_CHFMAVSV", d.modeLabel);
    r.Pair("LCD_CH", d.chLabelStrip);
    r.Pair("LCD_FMFREQ", d.fmLabelStrip);
    r.Pair("LCD_AVSV", d.avsvLabelStrip);
    r.Pair("FM_NUM", d.fmStripDigits);
    r.Dims("FM_NUM", d.fmDigit);
    for (int i = 0; i < 4; ++i) r.Pair("FM_NUM" + std::to_string(i + 1), d.fm[static_cast<std::size_t>(i)]);
    r.Int("TIMESHIFTPOINTX", d.timeShiftBar.x);
    r.Int("TIMESHIFTPOINTY", d.timeShiftBar.y);
    r.Int("TIMESHIFTWIDTH", d.timeShiftBar.w);
    r.Int("TIMESHIFTHEIGHT", d.timeShiftBar.h);
    r.Dims("SLIPOINT", d.sliderMark);
    r.Pair("SLIPOINT", d.sliderStrip);
    r.Int("LCD_VOLBAR_LTOR_DTOU", d.volumeVertical);
    r.Box("LCD_VOLBAR", d.volumeBar);
}

}  // namespace

std::string SkinPrefix(int skinNumber) { return std::to_string(skinNumber); }

std::string ButtonSection(int skinNumber) { return SkinPrefix(skinNumber) + "PANEL_BTN"; }

int ReadPanelNow(platform::ProfileStore& panelIni) { return ReadInt(panelIni, "Panel", "PanelNow", 1); }

std::string ReadPanelHttp(platform::ProfileStore& panelIni, int skinNumber) {
    return panelIni.ReadText("Panel", SkinPrefix(skinNumber) + "PANEL_HTTP", "", 260);
}

PanelLayout::PanelLayout() {
    for (int i = 0; i < kButtonCount; ++i) {
        const ButtonDef& def = kButtons[i];
        PanelButton& b = buttons_[static_cast<std::size_t>(i)];
        SetRect(b, def.rect);
        b.active = 1;
        b.commandId = def.commandId;
        b.tooltip = def.tooltip;
    }
}

void PanelLayout::Load(platform::ProfileStore& ini) {
    skinNumber_ = ReadPanelNow(ini);
    const std::string prefix = SkinPrefix(skinNumber_);
    const std::string section = ButtonSection(skinNumber_);
    contentOffset_ = 0;
    channelListOpen_ = false;

    ReadGeometry(ini, prefix, geometry_);

    for (int index : kLoadOrder) {
        const ButtonDef& def = kButtons[index];
        PanelButton& b = buttons_[static_cast<std::size_t>(index)];
        SetRect(b, def.stem ? ReadRect(ini, section, def.stem, def.rect) : def.rect);
        b.tooltip = ini.ReadText(section, def.tooltipKey, def.tooltip, kTooltipCapacity);
        b.active = 1;
        b.commandId = def.commandId;
    }

    ReadDisplay(ini, section, display_);
}

void PanelLayout::LoadMovedButtons(platform::ProfileStore& ini, int mode) {
    const std::string section = ButtonSection(skinNumber_);
    PanelButton& logo = buttons_[kBtnLogo];
    PanelButton& open = buttons_[kBtnOpenPanel];
    const Rect openBase = kButtons[kBtnOpenPanel].rect;

    if (mode == 1) {
        logo.x = ReadInt(ini, section, "BTN_LOGOMOVE_X", 138);
        logo.y = ReadInt(ini, section, "BTN_LOGOMOVE_Y", 336);

        if (ReadInt(ini, section, "BTN_OPENPANELMOVE_X", 0) != 0) {
            SetRect(open, ReadRect(ini, section, "BTN_OPENPANELMOVE", {35, 336, 19, 20}));
        } else {
            SetRect(open, ReadRect(ini, section, "BTN_OPENPANEL", openBase));
        }
        open.active = 1;
        open.commandId = kButtons[kBtnOpenPanel].commandId;
        open.tooltip = ini.ReadText(section, "IDS_OPENPANEL", kButtons[kBtnOpenPanel].tooltip, kTooltipCapacity);

        for (const MovedDef& m : kMoved) {
            SetRect(buttons_[static_cast<std::size_t>(m.index)], ReadRect(ini, section, m.stem, m.rect));
        }
        return;
    }

    const Rect logoBase = kButtons[kBtnLogo].rect;
    logo.x = ReadInt(ini, section, "BTN_LOGOKEST_X", logoBase.x);
    logo.y = ReadInt(ini, section, "BTN_LOGOKEST_Y", logoBase.y);
    SetRect(open, ReadRect(ini, section, "BTN_OPENPANEL", openBase));
    for (const MovedDef& m : kMoved) SetRect(buttons_[static_cast<std::size_t>(m.index)], Rect{});
}

void PanelLayout::SetChannelListOpen(bool open) {
    if (open == channelListOpen_) return;
    channelListOpen_ = open;
    const long long delta = static_cast<long long>(geometry_.openLeftListW) - geometry_.panelW;
    PanelButton& listButton = buttons_[kChannelListButton];
    if (geometry_.lorr == 0) {
        contentOffset_ = open ? Clamp32(delta) : 0;
    } else if (geometry_.lorr == 1) {
        contentOffset_ = 0;
        listButton.x = Clamp32(listButton.x + (open ? delta : -delta));
    }
}

bool PanelLayout::HitTest(int index, int x, int y) const {
    if (index < 0 || index >= kButtonCount) return false;
    const PanelButton& b = buttons_[static_cast<std::size_t>(index)];
    const long long left = static_cast<long long>(b.x) + (index == kChannelListButton ? 0 : contentOffset_);
    const long long top = b.y;
    return x > left && y > top && x < left + b.width && y < top + b.height;
}

int PanelLayout::FindButton(int x, int y) const {
    for (int i = 0; i < kButtonCount; ++i) {
        if (buttons_[static_cast<std::size_t>(i)].active == 1 && HitTest(i, x, y)) return i;
    }
    return kNoButton;
}

Rect PanelLayout::ButtonRect(int index) const {
    if (index < 0 || index >= kButtonCount) return {};
    const PanelButton& b = buttons_[static_cast<std::size_t>(index)];
    const int offset = index == kChannelListButton ? 0 : contentOffset_;
    return {Clamp32(static_cast<long long>(b.x) + offset), b.y, b.width, b.height};
}

Size PanelLayout::StateSize(int state) const {
    const PanelGeometry& g = geometry_;
    switch (state) {
        case kStateDown: return {g.openListW, g.openListH};
        case kStateLorR: return {g.openLeftListW, g.openLeftListH};
        case kStateAll: return {g.openAllW, g.openAllH};
        default: return {g.panelW, g.panelH};
    }
}

Placement PanelLayout::ChannelListPlacement(int panelLeft, int panelTop) const {
    const PanelGeometry& g = geometry_;
    return {Clamp32(static_cast<long long>(panelLeft) + g.lorrXOffset),
            Clamp32(static_cast<long long>(panelTop) + g.lorrYOffset), g.lorrWinW, g.lorrWinH};
}

Placement PanelLayout::FileListPlacement(int panelLeft, int panelTop) const {
    const PanelGeometry& g = geometry_;
    return {Clamp32(static_cast<long long>(panelLeft) + g.downXOffset + contentOffset_),
            Clamp32(static_cast<long long>(panelTop) + g.downYOffset), g.downWinW, g.downWinH};
}

void PanelLayout::SetTooltip(int index, std::string text) {
    if (index < 0 || index >= kButtonCount) return;
    buttons_[static_cast<std::size_t>(index)].tooltip = std::move(text);
}

}  // namespace skin
