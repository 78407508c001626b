#include "skin/TextStore.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "platform/fake/FakeProfile.h"

namespace skin {
namespace {

using platform::fake::MemoryProfile;

TextStore Loaded(const std::string& iniText, int skinNumber = 1) {
    MemoryProfile ini;
    ini.SetText(iniText);
    TextStore store;
    store.Load(ini, skinNumber);
    return store;
}

TEST(TextStore, EveryKeyDefaultsToItsEnglishTextWithinItsLimit) {
    const TextStore store = Loaded("");
    std::set<std::pair<TextGroup, std::string>> seen;
    for (const TextDef& d : TextTable()) {
        SCOPED_TRACE(d.key);
        EXPECT_EQ(store.Text(d.group, d.key), d.text);
        EXPECT_LE(std::string(d.text).size(), d.max);
        EXPECT_TRUE(seen.insert({d.group, d.key}).second) << "listed twice in one group";
    }
}

struct OverrideCase {
    const char* ini;
    TextGroup group;
    const char* key;
    std::string expected;
};

TEST(TextStore, SkinTextsReplaceDefaultsAndAreCutToTheirLimit) {
    const std::string longMin(300, 'm');
    const OverrideCase cases[] = {
        {"[1PANEL_BTN]\nIDCRADIO1=Automatisch\n", TextGroup::CountryDialog, "IDCRADIO1", "Automatisch"},
        {"[1PANEL_BTN]\nIDCRADIO1=Automatisch\n", TextGroup::CountryDialog, "IDCRADIO2", "Select Country Code:"},
        {"[1PANEL_BTN]\nIDCSTATICMIN=", TextGroup::TvPage, "IDCSTATICMIN", std::string(9, 'm')},
        {"[1PANEL_BTN]\nBIDOK=Einverstanden\n", TextGroup::AboutBox, "BIDOK", "Einversta"},
        {"[1PANEL_BTN]\nIDS_PRODUCT=" , TextGroup::Tray, "IDS_PRODUCT", std::string(29, 'm')},
        {"[1PANEL_BTN]\nIDCCHECKTIMESHIFT=", TextGroup::MiscPage, "IDCCHECKTIMESHIFT", std::string(249, 'm')},
        // Present but empty: an empty text, not the default.
        {"[1PANEL_BTN]\nIDCSTATICMAX=\n", TextGroup::TvPage, "IDCSTATICMAX", ""},
        // The key is named without regard to case.
        {"[1panel_btn]\nidcstaticfine=Feinabstimmung\n", TextGroup::VideoPage, "IDCSTATICFINE", "Feinabstimmung"},
        // The schedule program's window title lives in [Panel] without prefix.
        {"[1PANEL_BTN]\nIDS_VESPERO_DIALOG=wrong\n[Panel]\nIDS_VESPERO_DIALOG=Zeitplan\n", TextGroup::OtherWindow,
         "IDS_VESPERO_DIALOG", "Zeitplan"},
        {"[1PANEL_BTN]\nIDS_VESPERO_DIALOG=wrong\n", TextGroup::OtherWindow, "IDS_VESPERO_DIALOG",
         "Schedule Recording Settings"},
        // Another skin's section is not read.
        {"[2PANEL_BTN]\nIDMEDIT=Bearbeiten\n", TextGroup::FileBrowser, "IDMEDIT", "Edit"},
    };
    for (const OverrideCase& c : cases) {
        SCOPED_TRACE(c.key);
        std::string ini = c.ini;
        if (ini.back() == '=') ini += longMin + "\n";
        EXPECT_EQ(Loaded(ini).Text(c.group, c.key), c.expected);
    }
}

TEST(TextStore, TheEditButtonKeyIsReadOncePerDialogWithItsOwnLimitAndDefault) {
    const TextStore defaults = Loaded("");
    EXPECT_EQ(defaults.Text(TextGroup::AudioDialog, "IDCBUTTONEDITNAME"), "Enter");
    EXPECT_EQ(defaults.Text(TextGroup::TvPage, "IDCBUTTONEDITNAME"), "Input");

    const TextStore skinned = Loaded("[1PANEL_BTN]\nIDCBUTTONEDITNAME=" + std::string(40, 'e') + "\n");
    EXPECT_EQ(skinned.Text(TextGroup::AudioDialog, "IDCBUTTONEDITNAME"), std::string(29, 'e'));
    EXPECT_EQ(skinned.Text(TextGroup::TvPage, "IDCBUTTONEDITNAME"), std::string(40, 'e'));
}

TEST(TextStore, ASkinWithoutTextsBringsEveryDefaultBackAtOnce) {
    MemoryProfile ini;
    ini.SetText("[1PANEL_BTN]\nIDCRADIO1=Automatisch\nALLSETTINGS=Einstellungen\nIDMDESTROY=Beenden\n");
    TextStore store;
    store.Load(ini, 1);
    ASSERT_EQ(store.Text("ALLSETTINGS"), "Einstellungen");
    store.Load(ini, 2);
    EXPECT_EQ(store.Text("IDCRADIO1"), "Auto Detect OS Country Code");
    EXPECT_EQ(store.Text("ALLSETTINGS"), "Settings");
    EXPECT_EQ(store.Text("IDMDESTROY"), "Close");
}

TEST(TextStore, DialogsGetCaptionAndControlsOfTheirOwnGroup) {
    const TextStore store = Loaded("[1PANEL_BTN]\nIDDDIALOGEDITNAME=Name\nIDOKSVAE=Sichern\n");
    const std::vector<ControlText> expected = {
        {kCaption, "Name"}, {1127, "Channel/Frequency:"}, {1126, "Name:"}, {1, "Sichern"}, {2, "Close"},
    };
    EXPECT_EQ(store.ControlTexts(TextGroup::ChannelName), expected);

    const std::vector<ControlText> menu = {
        {32775, "Edit"}, {32778, "E-mail"}, {32776, "Save as"}, {32777, "Delete"}, {32779, "Delete All"},
    };
    EXPECT_EQ(store.ControlTexts(TextGroup::FileBrowser), menu);
    EXPECT_EQ(store.Text("NOSUCHKEY"), "");
}

struct TooltipCase {
    const char* ini;
    bool fm;
    const char* down;
    const char* up;
};

TEST(TextStore, ChannelButtonTooltipsFollowTheBand) {
    const TooltipCase cases[] = {
        {"", true, "Frequency Down", "Frequency Up"},
        {"", false, "Channel down", "Channel up"},
        {"[1PANEL_BTN]\nIDS_FREQUP=Frequenz hoch\nIDS_CHUP=Kanal hoch\n", true, "Frequency Down", "Frequenz hoch"},
        {"[1PANEL_BTN]\nIDS_FREQUP=Frequenz hoch\nIDS_CHUP=Kanal hoch\n", false, "Channel down", "Kanal hoch"},
    };
    for (const TooltipCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.ini << " fm=" << c.fm);
        MemoryProfile ini;
        ini.SetText(c.ini);
        const auto [down, up] = ReadChannelTooltips(ini, 1, c.fm);
        EXPECT_EQ(down, c.down);
        EXPECT_EQ(up, c.up);
    }
}

}  // namespace
}  // namespace skin
