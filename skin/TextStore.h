// The UI text table: every text the user sees outside the skin pictures,
// with its English default, its length limit and where it is shown.  A skin
// may replace any of them in its section of the panel INI (and so carry a
// translation); the store is filled once per layout load, and dialogs and
// menus read it when they open.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Profile.h"

namespace skin {

// Where a text is shown.
enum class TextGroup {
    Tooltip,          // replacement tooltips of the channel buttons
    AboutBox,         // dialog 103
    AudioDialog,      // dialog 1263
    CountryDialog,    // dialog 312
    ChannelName,      // dialog 1327
    SettingsSheet,    // the property sheet's caption and page titles
    TvPage,           // page 105
    VideoPage,        // page 295
    RecordPage,       // page 296
    MiscPage,         // page 1264
    FullScanPage,     // page 107
    FullScanState,    // dialog 1325
    ScanPrompt,       // message boxes of the auto and fully scans
    FileBrowser,      // column headers and the context menu 412
    Tray,             // tray menu 133 and the tray tip
    OtherWindow,      // titles of outside windows
    Unshown,          // part of the file format, shown nowhere
};

// The control a text goes to: a control id, a menu command, the caption of
// its dialog, or nothing.
inline constexpr int kCaption = -1;
inline constexpr int kNoControl = 0;

struct TextDef {
    TextGroup group;
    const char* key;
    std::size_t max;   // characters kept
    const char* text;  // English default
    int control;       // control id or menu command, kCaption, kNoControl
};

// The full table, in load order.
const std::vector<TextDef>& TextTable();

struct ControlText {
    int control;
    std::string text;
    friend bool operator==(const ControlText&, const ControlText&) = default;
};

class TextStore {
public:
    TextStore();  // every text at its default

    // LoadTexts: every key of the table from section n + PANEL_BTN of skin n
    // (IDS_VESPERO_DIALOG from [Panel]), in table order.  A missing key
    // gives the default, a present but empty one an empty text.
    void Load(platform::ProfileStore& panelIni, int skinNumber);

    // The text of a key in a group; empty when the table has no such entry.
    const std::string& Text(TextGroup group, std::string_view key) const;
    // The first entry with that key (the key IDCBUTTONEDITNAME exists twice:
    // ask by group for the TV page's one).
    const std::string& Text(std::string_view key) const;

    // The texts a dialog or menu sets when it opens: caption (kCaption),
    // controls and menu items of one group, in table order.
    std::vector<ControlText> ControlTexts(TextGroup group) const;

private:
    std::vector<std::string> texts_;  // parallel to TextTable()
};

// The channel down/up tooltips for the selected band, read again from the
// panel INI: IDS_FREQDOWN / IDS_FREQUP while FM is selected, IDS_CHDOWN /
// IDS_CHUP for the TV sources.  first = down, second = up.
std::pair<std::string, std::string> ReadChannelTooltips(platform::ProfileStore& panelIni, int skinNumber, bool fm);

// The About box's product line when the skin gives none.
inline constexpr const char* kProductNotice = "Glimvale TV/FM Tuner Panel, version 1.0";

}  // namespace skin
