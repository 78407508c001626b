#include "skin/PanelLayout.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/fake/FakeProfile.h"

namespace skin {
namespace {

using platform::fake::MemoryProfile;

PanelLayout Loaded(const std::string& iniText) {
    MemoryProfile ini;
    ini.SetText(iniText);
    PanelLayout layout;
    layout.Load(ini);
    return layout;
}

Rect RectOf(const PanelButton& b) { return {b.x, b.y, b.width, b.height}; }

// --- Defaults --------------------------------------------------------------------

struct DefaultEntry {
    int index;
    Rect rect;
    std::uint16_t command;
    const char* tooltip;
};

TEST(PanelLayoutDefaults, WithoutAPanelIniEveryEntryHasItsDefault) {
    const PanelLayout layout = Loaded("");
    EXPECT_EQ(layout.SkinNumber(), 1);
    EXPECT_EQ(layout.StateSize(kStateBase), (Size{547, 176}));

    const DefaultEntry cases[] = {
        {13, {452, 26, 20, 30}, 40008, "Channel up"},
        {0, {522, 104, 13, 13}, 40100, "num"},
        {9, {522, 88, 13, 13}, 40109, "num"},
        {32, {162, 99, 31, 18}, 40040, "Snapshot"},
        {38, {35, 135, 19, 20}, 40117, "Open/Close"},
        {39, {0, 0, 0, 0}, 40118, "Send by E-Mail"},
        {42, {0, 0, 0, 0}, 40121, "Play Movie"},
        {45, {0, 0, 18, 18}, 40316, "CH List"},
        {46, {138, 135, 87, 14}, 44001, "Website"},
        {47, {0, 0, 1, 1}, 40117, "Close"},
    };
    for (const DefaultEntry& c : cases) {
        SCOPED_TRACE(c.index);
        const PanelButton& b = layout.Button(c.index);
        EXPECT_EQ(RectOf(b), c.rect);
        EXPECT_EQ(b.commandId, c.command);
        EXPECT_EQ(b.tooltip, c.tooltip);
    }
    for (const PanelButton& b : layout.Buttons()) EXPECT_EQ(b.active, 1);
}

TEST(PanelLayoutDefaults, StateSizesAndListPlacesFollowTheGeometryKeys) {
    const PanelLayout layout = Loaded("");
    EXPECT_EQ(layout.StateSize(kStateDown), (Size{547, 356}));
    EXPECT_EQ(layout.StateSize(kStateLorR), (Size{643, 176}));
    EXPECT_EQ(layout.StateSize(kStateAll), (Size{643, 356}));
    EXPECT_EQ(layout.ChannelListPlacement(100, 200), (Placement{106, 220, 90, 110}));
    EXPECT_EQ(layout.FileListPlacement(100, 200), (Placement{155, 376, 413, 143}));
}

// --- Key names per skin --------------------------------------------------------------

TEST(PanelLayoutKeys, SkinNumberSelectsEveryPrefixedKey) {
    const PanelLayout layout = Loaded(
        "[Panel]\nPanelNow=2\n1PANEL_W=600\n2PANEL_H=200\n2PANEL_OPENALL_W=700\n"
        "[1PANEL_BTN]\nBTN_CHUP_X=10\nIDS_CHUP=one\n"
        "[2PANEL_BTN]\nBTN_CHUP_Y=5\nIDS_CHUP=Kanal hoch\nBTN_CAPTURE_X=1\nBTN_CAPTUE_X=77\n"
        "IDS_CAPTUE=wrong\nIDS_CAPTURE=Foto\nLCD_VOLBAR_W=110\n");
    EXPECT_EQ(layout.SkinNumber(), 2);
    EXPECT_EQ(layout.StateSize(kStateBase), (Size{547, 200}));  // 1PANEL_W is not skin 2's
    EXPECT_EQ(layout.StateSize(kStateAll), (Size{700, 356}));
    EXPECT_EQ(RectOf(layout.Button(kBtnChUp)), (Rect{452, 5, 20, 30}));
    EXPECT_EQ(layout.Button(kBtnChUp).tooltip, "Kanal hoch");
    EXPECT_EQ(layout.Button(32).x, 77);
    EXPECT_EQ(layout.Button(32).tooltip, "Foto");
    EXPECT_EQ(layout.Display().volumeBar, (Rect{67, 50, 110, 31}));
}

TEST(PanelLayoutKeys, IntegerKeysFollowTheProfileNumberRules) {
    const PanelLayout layout = Loaded("[1PANEL_BTN]\nBTN_CHUP_X=12abc\nBTN_CHUP_W=wide\nBTN_CHDOWN_Y=\n");
    EXPECT_EQ(layout.Button(kBtnChUp).x, 12);
    EXPECT_EQ(layout.Button(kBtnChUp).width, 0);
    EXPECT_EQ(layout.Button(kBtnChDown).y, 26);  // empty value: the default
    EXPECT_FALSE(layout.HitTest(kBtnChUp, 13, 27));
}

TEST(PanelLayoutKeys, LongTooltipsAreCutTo259Characters) {
    const PanelLayout layout = Loaded("[1PANEL_BTN]\nIDS_REC=" + std::string(400, 'r') + "\n");
    EXPECT_EQ(layout.Button(kBtnRec).tooltip, std::string(259, 'r'));
}

TEST(PanelLayoutKeys, AReloadReplacesEveryValueOfTheOldSkin) {
    MemoryProfile ini;
    ini.SetText("[Panel]\nPanelNow=1\n1PANEL_W=500\n[1PANEL_BTN]\nIDS_CHUP=eins\nBTN_CHUP_X=1\n");
    PanelLayout layout;
    layout.Load(ini);
    layout.SetChannelListOpen(true);
    ini.WriteText("Panel", "PanelNow", "2");
    layout.Load(ini);
    EXPECT_EQ(layout.StateSize(kStateBase).w, 547);
    EXPECT_EQ(RectOf(layout.Button(kBtnChUp)), (Rect{452, 26, 20, 30}));
    EXPECT_EQ(layout.Button(kBtnChUp).tooltip, "Channel up");
    EXPECT_EQ(layout.ContentOffset(), 0);
    EXPECT_FALSE(layout.ChannelListOpen());
}

// --- Hit test -------------------------------------------------------------------------

struct HitCase {
    int index, x, y;
    bool hit;
};

TEST(PanelLayoutHitTest, EdgesAreOutsideOnAllFourSides) {
    const PanelLayout layout = Loaded("");  // entry 13: 452, 26, 20, 30
    const HitCase cases[] = {
        {13, 452, 27, false},  // left edge
        {13, 453, 26, false},  // top edge
        {13, 453, 27, true},   // one pixel inside
        {13, 471, 55, true},   // last pixel inside
        {13, 472, 55, false},  // right edge
        {13, 471, 56, false},  // bottom edge
        {45, 1, 1, true},
        {45, 0, 0, false},
        {47, 0, 0, false},  // 0, 0, 1, 1 holds no point at all
        {48, 453, 27, false},
        {255, 1, 1, false},
        {-1, 1, 1, false},
    };
    for (const HitCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.index << " at " << c.x << "," << c.y);
        EXPECT_EQ(layout.HitTest(c.index, c.x, c.y), c.hit);
    }
}

TEST(PanelLayoutHitTest, TheFirstActiveEntryInIndexOrderWins) {
    // Entry 30 (mute) laid over entry 10 (volume down): the lower index wins.
    const PanelLayout layout = Loaded("[1PANEL_BTN]\nBTN_MUTE_X=36\n");
    EXPECT_EQ(layout.FindButton(40, 60), kBtnVolDown);
    EXPECT_EQ(layout.FindButton(20, 60), kNoButton);  // where mute used to be
    EXPECT_EQ(layout.FindButton(453, 27), kBtnChUp);
}

// --- Move load ------------------------------------------------------------------------

TEST(PanelLayoutMoveLoad, FileListButtonsOnlyExistWhileTheListIsOpen) {
    MemoryProfile ini;
    ini.SetText("[1PANEL_BTN]\nBTN_EMAIL_X=66\nBTN_EMAIL_Y=140\nBTN_EMAIL_W=63\nBTN_EMAIL_H=27\n"
                "BTN_DOWNCLOSE_X=300\nBTN_LOGOKEST_W=50\n");
    PanelLayout layout;
    layout.Load(ini);
    layout.LoadMovedButtons(ini, 0);
    EXPECT_EQ(layout.FindButton(80, 150), kNoButton);

    layout.LoadMovedButtons(ini, 1);
    EXPECT_EQ(layout.FindButton(80, 150), kBtnEmail);
    const Rect opened[] = {{66, 140, 63, 27}, {129, 140, 63, 27}, {255, 140, 63, 27}, {192, 140, 63, 27}};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(RectOf(layout.Button(kBtnEmail + i)), opened[i]) << i;
    EXPECT_EQ(RectOf(layout.Button(kBtnDownClose)), (Rect{300, 141, 17, 25}));
    EXPECT_EQ(RectOf(layout.Button(kBtnLogo)), (Rect{138, 336, 50, 14}));  // size stays

    layout.LoadMovedButtons(ini, 0);
    for (int i : {39, 40, 41, 42, 47}) EXPECT_EQ(RectOf(layout.Button(i)), (Rect{})) << i;
    EXPECT_EQ(RectOf(layout.Button(kBtnLogo)), (Rect{138, 135, 50, 14}));
    EXPECT_EQ(layout.FindButton(80, 150), kNoButton);
}

struct OpenPanelCase {
    const char* keys;
    Rect opened;
};

TEST(PanelLayoutMoveLoad, OpenCloseButtonMovesOnlyWithANonZeroMoveKey) {
    const OpenPanelCase cases[] = {
        {"", {35, 135, 19, 20}},
        {"BTN_OPENPANELMOVE_X=0\nBTN_OPENPANELMOVE_Y=300\n", {35, 135, 19, 20}},
        {"BTN_OPENPANELMOVE_X=40\n", {40, 336, 19, 20}},
        {"BTN_OPENPANELMOVE_X=40\nBTN_OPENPANELMOVE_Y=320\nBTN_OPENPANELMOVE_W=30\nBTN_OPENPANELMOVE_H=9\n",
         {40, 320, 30, 9}},
        {"BTN_OPENPANEL_X=20\nBTN_OPENPANEL_Y=150\n", {20, 150, 19, 20}},
    };
    for (const OpenPanelCase& c : cases) {
        SCOPED_TRACE(c.keys);
        MemoryProfile ini;
        ini.SetText(std::string("[1PANEL_BTN]\n") + c.keys + "IDS_OPENPANEL=Dateien\n");
        PanelLayout layout;
        layout.Load(ini);
        layout.LoadMovedButtons(ini, 1);
        const PanelButton& b = layout.Button(kBtnOpenPanel);
        EXPECT_EQ(RectOf(b), c.opened);
        EXPECT_EQ(b.commandId, 40117);
        EXPECT_EQ(b.tooltip, "Dateien");
        EXPECT_EQ(b.active, 1);
    }
}

// --- Content offset and the channel-list button -------------------------------------

TEST(PanelLayoutChannelList, ListOnTheLeftShiftsEveryButtonButTheListButton) {
    PanelLayout layout = Loaded("");
    layout.SetChannelListOpen(true);
    EXPECT_EQ(layout.ContentOffset(), 96);
    for (int i = 0; i < kButtonCount; ++i) {
        const PanelButton& b = layout.Button(i);
        if (i == kChannelListButton || b.width < 2 || b.height < 2) continue;
        SCOPED_TRACE(i);
        EXPECT_EQ(layout.FindButton(b.x + 96 + 1, b.y + 1), i);
        EXPECT_FALSE(layout.HitTest(i, b.x + 96, b.y + 1));  // the shifted left edge
        EXPECT_EQ(layout.ButtonRect(i), (Rect{b.x + 96, b.y, b.width, b.height}));
    }
    EXPECT_TRUE(layout.HitTest(kChannelListButton, 1, 1));
    EXPECT_EQ(layout.ButtonRect(kChannelListButton), (Rect{0, 0, 18, 18}));
    EXPECT_EQ(layout.FileListPlacement(0, 0).x, 55 + 96);

    layout.SetChannelListOpen(false);
    EXPECT_EQ(layout.ContentOffset(), 0);
    EXPECT_TRUE(layout.HitTest(kBtnChUp, 453, 27));
}

TEST(PanelLayoutChannelList, ListOnTheRightMovesOnlyTheListButtonAndAlwaysBack) {
    PanelLayout layout = Loaded("[Panel]\n1PANEL_LORR=1\n");
    for (int round = 0; round < 2; ++round) {
        layout.SetChannelListOpen(true);
        layout.SetChannelListOpen(true);  // a second open does not move it further
        EXPECT_EQ(layout.Button(kChannelListButton).x, 96);
        EXPECT_EQ(layout.ContentOffset(), 0);
        EXPECT_TRUE(layout.HitTest(kChannelListButton, 97, 1));
        layout.SetChannelListOpen(false);
        EXPECT_EQ(layout.Button(kChannelListButton).x, 0);
    }
    EXPECT_TRUE(layout.HitTest(kBtnChUp, 453, 27));
}

TEST(PanelLayoutChannelList, AnyOtherSideValueChangesNothing) {
    PanelLayout layout = Loaded("[Panel]\n1PANEL_LORR=2\n");
    layout.SetChannelListOpen(true);
    EXPECT_EQ(layout.ContentOffset(), 0);
    EXPECT_EQ(layout.Button(kChannelListButton).x, 0);
}

TEST(PanelLayoutChannelList, OffsetIsTheDifferenceOfTheSkinsWidths) {
    PanelLayout layout = Loaded("[Panel]\n1PANEL_W=440\n1PANEL_OPENLEFTLIST_W=550\n");
    layout.SetChannelListOpen(true);
    EXPECT_EQ(layout.ContentOffset(), 110);
}

}  // namespace
}  // namespace skin
