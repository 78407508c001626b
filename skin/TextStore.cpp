#include "skin/TextStore.h"

#include "skin/PanelLayout.h"

namespace skin {
namespace {

const std::vector<TextDef> kTexts = {
    // Channel button tooltips while FM is selected
    {TextGroup::Tooltip, "IDS_FREQDOWN", 259, "Frequency Down", kNoControl},
    {TextGroup::Tooltip, "IDS_FREQUP", 259, "Frequency Up", kNoControl},
    // About box
    {TextGroup::AboutBox, "ABOUTBOX_CAPTION", 99, "About", kCaption},
    {TextGroup::AboutBox, "IDCVISION", 259, kProductNotice, 1177},
    {TextGroup::AboutBox, "BIDOK", 9, "OK", 1},
    // Audio settings dialog
    {TextGroup::AudioDialog, "AUDIOSETTINGS_CAPTION", 99, "Audio Settings", kCaption},
    {TextGroup::AudioDialog, "IDCBALANCE", 19, "Balance:", 1116},
    {TextGroup::AudioDialog, "IDCBASS", 19, "Bass:", 1114},
    {TextGroup::AudioDialog, "IDCTREBLE", 19, "Treble:", 1118},
    {TextGroup::AudioDialog, "IDCVOLUME", 19, "Volume:", 1120},
    {TextGroup::AudioDialog, "IDS_AUDIORECEPTION", 49, "Audio Reception", 1221},
    {TextGroup::AudioDialog, "OSD_AUDIOAUTODETECT", 29, "Auto detect stereo", 1220},
    {TextGroup::AudioDialog, "OSD_MONO", 29, "Mono", 1104},
    {TextGroup::AudioDialog, "OSD_STEREO", 29, "Stereo", 1103},
    {TextGroup::AudioDialog, "OSD_LANGUAGEA", 29, "Language A", 1108},
    {TextGroup::AudioDialog, "OSD_LANGUAGEB", 29, "Language B", 1105},
    {TextGroup::AudioDialog, "OSD_LANGUAGEC", 29, "Language C", 1109},
    {TextGroup::AudioDialog, "IDCBUTTONEDITNAME", 29, "Enter", 1123},
    {TextGroup::AudioDialog, "IDCBTNDEFAULT", 19, "Default", 1122},
    {TextGroup::AudioDialog, "IDCBUTTONAUDIO", 39, "713X Chip  Audio Settings", 1138},
    {TextGroup::AudioDialog, "BAUDIOIDOK", 19, "Close", 1},
    // Country dialog
    {TextGroup::CountryDialog, "IDCCOUNCODE", 49, "Country Code", 1183},
    {TextGroup::CountryDialog, "IDCCODE", 49, "Code:", 1184},
    {TextGroup::CountryDialog, "IDCRADIO1", 99, "Auto Detect OS Country Code", 1100},
    {TextGroup::CountryDialog, "IDCRADIO2", 99, "Select Country Code:", 1101},
    {TextGroup::CountryDialog, "IDOKCOUNTRY", 49, "OK", 1},
    {TextGroup::CountryDialog, "IDCAUDIOSETCOUNTRY", 49, "Audio Setting", 1181},
    // Channel name dialog
    {TextGroup::ChannelName, "IDDDIALOGEDITNAME", 49, "Edit", kCaption},
    {TextGroup::ChannelName, "IDCSTATICCH", 49, "Channel/Frequency:", 1127},
    {TextGroup::ChannelName, "IDCSTATICNAME", 49, "Name:", 1126},
    {TextGroup::ChannelName, "IDOKSVAE", 49, "Save", 1},
    {TextGroup::ChannelName, "IDCANCELCLOSE", 49, "Close", 2},
    // Settings property sheet
    {TextGroup::SettingsSheet, "ALLSETTINGS", 99, "Settings", kCaption},
    {TextGroup::SettingsSheet, "IDS_TVSETTING", 49, "TV settings", kNoControl},
    {TextGroup::SettingsSheet, "IDS_VIDEOSETTING", 49, "Video Settings", kNoControl},
    {TextGroup::SettingsSheet, "IDS_RECORDSETTING", 49, "Record Settings", kNoControl},
    {TextGroup::SettingsSheet, "IDS_MISC", 49, "Misc Page", kNoControl},
    {TextGroup::SettingsSheet, "IDS_FUSCAN", 49, "Fully Scan", kNoControl},
    // TV settings page
    {TextGroup::TvPage, "IDCTVCARD", 99, "TV Card Device :", 1185},
    {TextGroup::TvPage, "IDCCATEGORY", 49, "Category", 1186},
    {TextGroup::TvPage, "IDCRADIOAIR", 49, "Air", 1002},
    {TextGroup::TvPage, "IDCRADIOCABLE", 49, "Cable", 1003},
    {TextGroup::TvPage, "IDCCOUNTRY", 49, "Country", 1004},
    {TextGroup::TvPage, "IDCRADIOAUTODETECT", 49, "Auto Detect", 1005},
    {TextGroup::TvPage, "IDCRADIOSELECTCOUNTRY", 49, "Select Country", 1006},
    {TextGroup::TvPage, "IDCCOUNTRYCODE", 49, "Country Code:", 1008},
    {TextGroup::TvPage, "IDCBUTTONVDOSTAND", 49, "Video Standard", 1139},
    {TextGroup::TvPage, "IDCCHANNELEDIT", 49, "Channel Editing", 1011},
    {TextGroup::TvPage, "IDCCHNO", 49, "Channel now :", 1187},
    {TextGroup::TvPage, "IDCSTATICCHANGE", 49, "Edit this channel name:", 1039},
    {TextGroup::TvPage, "IDCBUTTONEDITNAME", 49, "Input", 1098},
    {TextGroup::TvPage, "IDCCHLIST", 49, "Channel List :", 1134},
    {TextGroup::TvPage, "IDCNUMBUTTONUP1", 9, "Up", 1028},
    {TextGroup::TvPage, "IDCNUMBUTTONDOWN1", 9, "Down", 1027},
    {TextGroup::TvPage, "IDCNUMBUTTONENTER", 9, "Enter", 1024},
    {TextGroup::TvPage, "IDCNUMBUTTONADD", 49, "Add this channel", 1029},
    {TextGroup::TvPage, "IDCNUMBUTTONDELETE", 49, "Delete this channel", 1030},
    {TextGroup::TvPage, "IDCNUMBUTTONAUTOSCAN", 49, "Auto Scan", 1031},
    {TextGroup::TvPage, "IDCSTATICMIN", 9, "Min :", 1188},
    {TextGroup::TvPage, "IDCSTATICMAX", 9, "Max :", 1189},
    {TextGroup::TvPage, "IDCFINETUNECH", 49, "Fine tuning", 1129},
    {TextGroup::TvPage, "IDCBUTTONFREQDEF", 19, "Default", 1135},
    {TextGroup::TvPage, "IDCBUTTONSAVEFORFREQ", 49, "Save this Frequency", 1133},
    // Video settings page
    {TextGroup::VideoPage, "IDCSTATICFINE", 49, "Fine Adjustment", 1047},
    {TextGroup::VideoPage, "IDCSTATICBRIN", 49, "Brightness", 1210},
    {TextGroup::VideoPage, "IDCCONTRAST", 49, "Contrast", 1056},
    {TextGroup::VideoPage, "IDCSTATICHUE", 49, "Hue", 1057},
    {TextGroup::VideoPage, "IDCSTATICSATURATION", 49, "Saturation", 1058},
    {TextGroup::VideoPage, "IDCBUTTONDEFAULT", 49, "Default", 1054},
    // Record settings page
    {TextGroup::RecordPage, "IDCSTATICRECFORMAT", 49, "Video Format", 1072},
    {TextGroup::RecordPage, "IDCSTATICRBR", 49, "Recording BitRate", 1200},
    {TextGroup::RecordPage, "IDCSTATICBR", 49, "Video BitRate", 1055},
    {TextGroup::RecordPage, "IDCSTATICABR", 49, "Audio BitRate", 1212},
    {TextGroup::RecordPage, "IDCSTATICWORDDIR", 49, "Working Directory", 1077},
    {TextGroup::RecordPage, "IDCBUTTONBROWSE2", 49, "Browse", 1209},
    {TextGroup::RecordPage, "IDCSTATICCS", 49, "Capture Settings", 1201},
    {TextGroup::RecordPage, "IDCSTATICSFR", 49, "Stream Format", 1202},
    {TextGroup::RecordPage, "IDCSTATICOS", 49, "Output Size", 1203},
    // Misc settings page
    {TextGroup::MiscPage, "IDCSTATICTIMESHIFT", 49, "TimeShift Recording", 1079},
    {TextGroup::MiscPage, "IDCCHECKTIMESHIFT", 249, "After TimeShift recording,don't save the temp file.", 1080},
    {TextGroup::MiscPage, "IDCSTATICWD", 49, "Working Directory", 1204},
    {TextGroup::MiscPage, "IDCBUTTONBROWSE", 49, "Browse", 1078},
    {TextGroup::MiscPage, "IDCSTATICOUTSI", 49, "Output Size", 1206},
    {TextGroup::MiscPage, "IDCSTATICBIT", 49, "BitRate", 1207},
    {TextGroup::MiscPage, "IDCSTATICSNAPSHOT", 49, "SnapShot settings", 1081},
    {TextGroup::MiscPage, "IDCSTATICSNAPSHOTSET", 49, "Number of SnapShot :", 1082},
    {TextGroup::MiscPage, "IDCSTATICTP", 49, "TV and Panel", 1208},
    {TextGroup::MiscPage, "IDCALWAYSONTOP", 49, "Always On Top", 1126},
    {TextGroup::MiscPage, "IDCCHANNELSURFING", 49, "Multi-Channel Preview", 1012},
    {TextGroup::MiscPage, "IDCSTATICSURFING", 49, "Preview Time :", 1040},
    {TextGroup::MiscPage, "IDCSTATICSURFINGWIN", 49, "Number of Preview Channels:", 1044},
    {TextGroup::MiscPage, "IDC_VSGROUP", 49, "AV IN/S-VIDEO", 1217},
    {TextGroup::MiscPage, "IDC_VSTANDARD", 49, "Video Standard", 1215},
    // Fully scan page
    {TextGroup::FullScanPage, "IDCCHECKFULLYSCAN", 199, "Use Fully Scan Channel List", 1144},
    {TextGroup::FullScanPage, "IDCSTATICFMIN", 19, "Min Freq.", 1193},
    {TextGroup::FullScanPage, "IDCSTATICFMAX", 19, "Max Freq.", 1194},
    {TextGroup::FullScanPage, "IDCBFUSCAN", 99, "Min Freq. to Max Freq. Scan (each 250000Hz)", 1159},
    {TextGroup::FullScanPage, "IDCSTATICCE", 49, "Channel Edit", 1195},
    {TextGroup::FullScanPage, "IDCSTATICCL", 49, "Channel List:", 1196},
    {TextGroup::FullScanPage, "IDCSTATICCN", 49, "Channel Num:", 1197},
    {TextGroup::FullScanPage, "IDCSTATICKI", 49, "Key In This Channel Name:", 1198},
    {TextGroup::FullScanPage, "IDCSTATICFRE", 49, "Frequency:", 1199},
    {TextGroup::FullScanPage, "IDCSAVEFREQSET", 49, "Save or Add a new channel", 1162},
    {TextGroup::FullScanPage, "IDCFUSCDEL", 49, "Remove this Channel", 1154},
    // Fully scan state dialog
    {TextGroup::FullScanState, "IDD_DFREQSCANCAPTION", 49, "Fully Scan State", kCaption},
    {TextGroup::FullScanState, "IDCTAKETIME", 249, "Fully Scan will take about 15 min...", 1190},
    {TextGroup::FullScanState, "IDCSTATICFNOW", 49, "Frequency now:", 1191},
    {TextGroup::FullScanState, "IDCSTATICFOUND", 49, "State:", 1192},
    {TextGroup::FullScanState, "IDOKSTARTSCAN", 49, "Start Scan", 1},
    {TextGroup::FullScanState, "IDCANCELSTOPSCAN", 49, "Stop Scan", 2},
    // Scan prompts: caption, then text
    {TextGroup::ScanPrompt, "AUTOSCANCMBC", 49, "AutoScan", kNoControl},
    {TextGroup::ScanPrompt, "AUTOSCANCMB", 249, "AutoScan Cable will start now.It will take few minutes.PLEASE wait...", kNoControl},
    {TextGroup::ScanPrompt, "AUTOSCANCMBCS", 49, "Stop AutoScan", kNoControl},
    {TextGroup::ScanPrompt, "AUTOSCANCMBS", 249, "Are you sure to Stop AutoScan Cable?", kNoControl},
    {TextGroup::ScanPrompt, "AUTOSCANAMBC", 49, "AutoScan", kNoControl},
    {TextGroup::ScanPrompt, "AUTOSCANAMB", 249, "AutoScan Air will start now.It will take few minutes.PLEASE wait...", kNoControl},
    {TextGroup::ScanPrompt, "AUTOSCANAMBCS", 49, "Stop AutoScan", kNoControl},
    {TextGroup::ScanPrompt, "AUTOSCANAMBS", 249, "Are you sure to Stop AutoScan Air?", kNoControl},
    {TextGroup::ScanPrompt, "AUTOSCANFMBC", 49, "AutoScan", kNoControl},
    {TextGroup::ScanPrompt, "AUTOSCANFMB", 249, "AutoScan FM will start now.It will take few minutes.PLEASE wait...", kNoControl},
    {TextGroup::ScanPrompt, "AUTOSCANFMBCS", 49, "Stop AutoScan", kNoControl},
    {TextGroup::ScanPrompt, "AUTOSCANFMBS", 249, "Are you sure to Stop AutoScan FM?", kNoControl},
    {TextGroup::ScanPrompt, "FULLYSCANFMBC", 49, "FullyScan", kNoControl},
    {TextGroup::ScanPrompt, "FULLYSCANFMB", 249, "FullyScan will start now.It will take few minutes.PLEASE wait...", kNoControl},
    // Captured files browser: column headers, then the context menu's items
    {TextGroup::FileBrowser, "IDS_FILENAME", 49, "File name", kNoControl},
    {TextGroup::FileBrowser, "IDS_FILESIZE", 49, "File size", kNoControl},
    {TextGroup::FileBrowser, "IDS_FILETYPE", 49, "File type", kNoControl},
    {TextGroup::FileBrowser, "IDS_FILETIME", 49, "Last WriteTime", kNoControl},
    {TextGroup::FileBrowser, "IDS_FULLPATH", 49, "File Path", kNoControl},
    {TextGroup::FileBrowser, "IDMEDIT", 49, "Edit", 32775},
    {TextGroup::FileBrowser, "IDMPEMAIL", 49, "E-mail", 32778},
    {TextGroup::FileBrowser, "IDMSAVEAS", 49, "Save as", 32776},
    {TextGroup::FileBrowser, "IDMDELETE", 49, "Delete", 32777},
    {TextGroup::FileBrowser, "IDMDELETEALL", 49, "Delete All", 32779},
    // Tray menu and tip
    {TextGroup::Tray, "IDMOPENALLFILE", 49, "Open the TV", 44000},
    {TextGroup::Tray, "IDMDESTROY", 49, "Close", 32772},
    {TextGroup::Tray, "IDS_PRODUCT", 29, "Glimvale", kNoControl},
    // Other windows
    {TextGroup::OtherWindow, "IDS_VESPERO_DIALOG", 49, "Schedule Recording Settings", kNoControl},
    // Read but shown nowhere
    {TextGroup::Unshown, "OSD_MONOA", 29, "Mono (LANG A)", kNoControl},
    {TextGroup::Unshown, "OSD_MONOB", 29, "Mono (LANG B)", kNoControl},
    {TextGroup::Unshown, "OSD_MONOC", 29, "Mono (LANG C)", kNoControl},
    {TextGroup::Unshown, "OSD_STEREOA", 29, "Stereo (LANG A)", kNoControl},
    {TextGroup::Unshown, "OSD_STEREOB", 29, "Stereo (LANG B)", kNoControl},
    {TextGroup::Unshown, "OSD_STEREOC", 29, "Stereo (LANG C)", kNoControl},
    {TextGroup::Unshown, "IDCAUDIOINPUTSOURCE", 99, "Audio Input Source:", kNoControl},
    {TextGroup::Unshown, "IDCSoundCardSetting", 99, "Sound Card Setting", kNoControl},
    {TextGroup::Unshown, "IDCDEVICE", 49, "TV Card Device", kNoControl},
    {TextGroup::Unshown, "IDCINPUTSOURCE", 49, "Audio Input Source:", kNoControl},
};

const std::string kEmpty;

}  // namespace

const std::vector<TextDef>& TextTable() { return kTexts; }

TextStore::TextStore() {
    texts_.reserve(kTexts.size());
    for (const TextDef& d : kTexts) texts_.emplace_back(d.text);
}

void TextStore::Load(platform::ProfileStore& panelIni, int skinNumber) {
    const std::string section = ButtonSection(skinNumber);
    for (std::size_t i = 0; i < kTexts.size(); ++i) {
        const TextDef& d = kTexts[i];
        const bool panelSection = d.group == TextGroup::OtherWindow;
        texts_[i] = panelIni.ReadText(panelSection ? "Panel" : section, d.key, d.text, d.max + 1);
    }
}

const std::string& TextStore::Text(TextGroup group, std::string_view key) const {
    for (std::size_t i = 0; i < kTexts.size(); ++i) {
        if (kTexts[i].group == group && key == kTexts[i].key) return texts_[i];
    }
    return kEmpty;
}

const std::string& TextStore::Text(std::string_view key) const {
    for (std::size_t i = 0; i < kTexts.size(); ++i) {
        if (key == kTexts[i].key) return texts_[i];
    }
    return kEmpty;
}

std::vector<ControlText> TextStore::ControlTexts(TextGroup group) const {
    std::vector<ControlText> out;
    for (std::size_t i = 0; i < kTexts.size(); ++i) {
        if (kTexts[i].group == group && kTexts[i].control != kNoControl) out.push_back({kTexts[i].control, texts_[i]});
    }
    return out;
}

std::pair<std::string, std::string> ReadChannelTooltips(platform::ProfileStore& panelIni, int skinNumber, bool fm) {
    const std::string section = ButtonSection(skinNumber);
    if (fm) {
        return {panelIni.ReadText(section, "IDS_FREQDOWN", "Frequency Down", kTooltipCapacity),
                panelIni.ReadText(section, "IDS_FREQUP", "Frequency Up", kTooltipCapacity)};
    }
    return {panelIni.ReadText(section, "IDS_CHDOWN", "Channel down", kTooltipCapacity),
            panelIni.ReadText(section, "IDS_CHUP", "Channel up", kTooltipCapacity)};
}

}  // namespace skin
