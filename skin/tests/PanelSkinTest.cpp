// Skin pictures, window shape, tooltips, button looks and the skin change,
// on the shipped skins.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "platform/WinConst.h"
#include "skin/tests/SkinFixture.h"

namespace skin::test {
namespace {

using platform::Point;

std::string SkinFile(int skin, const std::string& file) {
    return SkinsDir() + "\\panelbmp" + std::to_string(skin) + "\\" + file;
}

bool Loaded(const SkinWorld& w, const std::string& path) {
    const auto& paths = w.graphics.LoadedPaths();
    return std::find(paths.begin(), paths.end(), path) != paths.end();
}

Image ButtonCell(const Image& picture, const Rect& r) { return Cell(picture, r.x, r.y, r.w, r.h); }

// --- Pictures -----------------------------------------------------------------------

TEST(SkinPictures, EachStateLoadsItsThreePicturesAndTheStrip) {
    const struct {
        int state;
        const char* normal;
        const char* hover;
        const char* pressed;
    } cases[] = {
        {kStateBase, "panel.bmp", "panelover.bmp", "panelbdown.bmp"},
        {kStateDown, "paneldown.bmp", "paneldownover.bmp", "paneldownbdown.bmp"},
        {kStateLorR, "panellorr.bmp", "panellorrover.bmp", "panellorrbdown.bmp"},
        {kStateAll, "panelall.bmp", "panelallover.bmp", "panelallbdown.bmp"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        SkinWorld w;
        w.skin.LoadPanelLayout();
        w.skin.LoadSkin(c.state);
        const std::vector<std::string> expected = {SkinFile(1, c.normal), SkinFile(1, c.hover),
                                                   SkinFile(1, c.pressed), SkinFile(1, "otherbmp.bmp")};
        EXPECT_EQ(w.graphics.LoadedPaths(), expected);
        EXPECT_EQ(w.Normal(), ShippedPicture(1, c.normal));
        EXPECT_EQ(w.Hover(), ShippedPicture(1, c.hover));
        EXPECT_EQ(w.Pressed(), ShippedPicture(1, c.pressed));
        EXPECT_EQ(w.Strip(), ShippedPicture(1, "otherbmp.bmp"));
        EXPECT_EQ(w.view.CursorLoads(), 1);
    }
}

TEST(SkinPictures, AMissingSkinDirectoryGivesABlankPanelOfTheStateSize) {
    SkinWorld w;
    w.winIni.WriteText("AP", "222APDirectory", SkinsDir() + "/nowhere");
    w.Create();
    ASSERT_TRUE(w.skin.Surfaces().Loaded());
    EXPECT_EQ(w.Normal(), Image(547, 176));
    EXPECT_EQ(w.Screen(), Image(547, 176));
    w.skin.DrawChannelNumber(12);  // drawing from a blank strip is harmless
    w.skin.DrawVolumeBar();
    EXPECT_EQ(w.Screen(), Image(547, 176));
}

TEST(SkinPictures, AlwaysOnTopOnlyForTheExactTextTrue) {
    const std::pair<const char*, bool> cases[] = {{"TRUE", true}, {"true", false}, {"", false}, {"True", false}};
    for (const auto& [value, topmost] : cases) {
        SCOPED_TRACE(value);
        SkinWorld w;
        const platform::WindowId tv = w.windows.Add("Kestrova Zunto", "Tv");
        w.windows.SetTopmost(w.panel, !topmost);
        w.windows.SetTopmost(tv, !topmost);
        w.settings.WriteText("vemla", "AlwaysOnTop", value);
        w.skin.LoadSkin(kStateBase);
        EXPECT_EQ(w.windows.Topmost(w.panel), topmost);
        EXPECT_EQ(w.windows.Topmost(tv), topmost);
    }
}

TEST(SkinPictures, ReleaseDropsSurfacesAndCursorsAndDrawingThenDoesNothing) {
    SkinWorld w;
    w.Create();
    w.skin.ReleaseSkin();
    EXPECT_FALSE(w.skin.Surfaces().normal);
    EXPECT_FALSE(w.view.CursorsLoaded());
    w.graphics.ClearLog();
    w.skin.DrawClock();
    w.skin.DrawVolumeBar();
    w.skin.DrawMuteButton(true);
    w.skin.DrawButton(kBtnChUp, kLookHover);
    w.skin.Paint();
    EXPECT_TRUE(w.graphics.Blits().empty());
}

TEST(SkinPictures, RepaintCopiesTheBackingStoreAtTheStateSize) {
    SkinWorld w;
    w.session.FileListOpen = 1;
    w.skin.LoadPanelLayout();
    w.skin.EnterCurrentState();
    EXPECT_EQ(w.view.Width(), 547);
    EXPECT_EQ(w.view.Height(), 356);
    w.graphics.ClearLog();
    w.skin.Paint();
    ASSERT_EQ(w.graphics.BlitsInto(w.view.Screen()).size(), 1u);
    fake::BlitRecord b = w.graphics.BlitsInto(w.view.Screen())[0];
    EXPECT_EQ((Rect{b.dx, b.dy, b.w, b.h}), (Rect{0, 0, 547, 356}));
    EXPECT_EQ(w.Screen(), ShippedPicture(1, "paneldown.bmp"));

    // While a snapshot is pending only the band below the repaint line.
    w.session.SnapshotPending = 1;
    w.graphics.ClearLog();
    w.skin.Paint();
    b = w.graphics.BlitsInto(w.view.Screen()).at(0);
    EXPECT_EQ((Rect{b.dx, b.dy, b.w, b.h}), (Rect{0, 128, 547, 356 - 128}));
    EXPECT_EQ(b.sy, 128);
}

// --- Window shape ----------------------------------------------------------------------

std::string PolygonSection(int count, int keys) {
    std::string text = "[Panel1Point]\nHavePoint=" + std::to_string(count) + "\n";
    for (int i = 1; i <= keys; ++i) text += std::to_string(i) + "=" + std::to_string(i) + "\n";
    return text;
}

TEST(SkinRegion, ThePolygonOfTheStateBecomesTheWindowShape) {
    SkinWorld w("[Panel1Point]\nHavePoint=4\n1=0\n2=0\n3=547\n4=0\n5=547\n6=176\n7=0\n8=176\n");
    w.skin.ApplyRegion(kStateBase);
    ASSERT_TRUE(w.region.HasShape(w.panel));
    EXPECT_EQ(w.region.Shape(w.panel), (std::vector<Point>{{0, 0}, {547, 0}, {547, 176}, {0, 176}}));
}

TEST(SkinRegion, VertexCountIsLimitedAndEmptyPolygonsKeepTheShape) {
    const struct {
        const char* name;
        std::string ini;
        std::optional<std::size_t> vertices;  // none: the shape is left alone
    } cases[] = {
        {"absent", "", std::nullopt},
        {"zero", PolygonSection(0, 8), std::nullopt},
        {"negative", PolygonSection(-3, 8), std::nullopt},
        {"three", PolygonSection(3, 6), 3},
        {"keys missing", PolygonSection(5, 4), 5},
        {"200", PolygonSection(200, 400), 200},
        {"above 200", PolygonSection(250, 500), 200},
        {"absurd", PolygonSection(2147483647, 10), 200},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SkinWorld w(c.ini);
        const std::vector<Point> polygon = ReadRegionPolygon(w.panelIni, 1, kStateBase);
        w.skin.ApplyRegion(kStateBase);
        if (!c.vertices) {
            EXPECT_TRUE(polygon.empty());
            EXPECT_TRUE(w.region.Attempts().empty());
            continue;
        }
        ASSERT_EQ(polygon.size(), *c.vertices);
        EXPECT_EQ(polygon.front(), (Point{1, 2}));
        if (*c.vertices == 5) {
            EXPECT_EQ(polygon.back(), (Point{0, 0}));  // missing keys read 0
        }
        ASSERT_EQ(w.region.Attempts().size(), 1u);
        EXPECT_EQ(w.region.Attempts()[0], polygon);
    }
}

TEST(SkinRegion, EachStateReadsItsOwnSectionOfTheCurrentSkin) {
    const std::pair<int, const char*> cases[] = {
        {kStateBase, "Panel2Point"}, {kStateDown, "Panel2DownPoint"},
        {kStateLorR, "Panel2LorRPoint"}, {kStateAll, "Panel2ALLPoint"}};
    for (const auto& [state, section] : cases) {
        SCOPED_TRACE(section);
        SkinWorld w(std::string("[") + section + "]\nHavePoint=3\n1=" + std::to_string(state) +
                    "\n2=0\n3=9\n4=0\n5=9\n6=9\n");
        w.session.SkinNumber = 2;
        w.skin.ApplyRegion(state);
        ASSERT_TRUE(w.region.HasShape(w.panel));
        EXPECT_EQ(w.region.Shape(w.panel)[0], (Point{state, 0}));
    }
}

TEST(SkinRegion, AFailedRegionLeavesThePreviousShape) {
    SkinWorld w;  // the shipped polygons
    w.skin.ApplyRegion(kStateBase);
    const std::vector<Point> base = w.region.Shape(w.panel);
    w.region.FailNext(true);
    w.skin.ApplyRegion(kStateDown);
    EXPECT_EQ(w.region.Shape(w.panel), base);
}

// --- Tooltips ----------------------------------------------------------------------------

TEST(SkinTooltips, OneToolPerButtonWithItsRectangleTextAndTheDelays) {
    SkinWorld w;
    w.Create();
    ASSERT_NE(w.session.TooltipWindow, 0u);
    const platform::TooltipSpec& plan = w.tooltips.Tips(w.session.TooltipWindow);
    EXPECT_EQ(w.tooltips.Owner(w.session.TooltipWindow), w.panel);
    ASSERT_EQ(plan.tools.size(), 48u);
    EXPECT_EQ(plan.tools[13].id, 13u);
    EXPECT_EQ(plan.tools[13].rect, (platform::ToolRect{452, 26, 20, 30}));
    EXPECT_EQ(plan.tools[13].text, "Channel up");
    EXPECT_EQ(plan.initialDelayMs, 1000);
    EXPECT_EQ(plan.autoPopMs, 2500);
    EXPECT_EQ(plan.reshowMs, 1000);
}

TEST(SkinTooltips, RecreatingReplacesTheWindowAndFollowsTheButtons) {
    SkinWorld w;
    w.Create();
    const platform::WindowId first = w.session.TooltipWindow;
    w.skin.SetChannelListOpen(true);
    w.skin.SetChannelTooltips("Frequency Down", "Frequency Up");
    w.skin.RecreateTooltips();
    EXPECT_FALSE(w.tooltips.Exists(first));
    EXPECT_EQ(w.tooltips.LiveCount(), 1u);
    const platform::TooltipSpec& plan = w.tooltips.Tips(w.session.TooltipWindow);
    EXPECT_EQ(plan.tools[13].rect, (platform::ToolRect{452 + 96, 26, 20, 30}));
    EXPECT_EQ(plan.tools[13].text, "Frequency Up");
    EXPECT_EQ(plan.tools[12].text, "Frequency Down");
    EXPECT_EQ(plan.tools[45].rect, (platform::ToolRect{0, 0, 18, 18}));
}

TEST(SkinTooltips, WithoutATooltipWindowNothingIsRecreated) {
    SkinWorld w;
    w.tooltips.FailCreate(true);
    w.Create();
    EXPECT_EQ(w.session.TooltipWindow, 0u);
    w.tooltips.FailCreate(false);
    w.skin.RecreateTooltips();
    EXPECT_EQ(w.tooltips.Created(), 1);
    EXPECT_EQ(w.session.TooltipWindow, 0u);
    w.skin.DestroyTooltips();
    EXPECT_EQ(w.tooltips.Destroyed(), 0);
}

// --- Button looks ---------------------------------------------------------------------------

TEST(SkinButtons, EachLookCopiesTheButtonFromItsPictureToTheScreenOnly) {
    SkinWorld w;
    w.Create();
    const Rect rec = w.skin.Layout().ButtonRect(kBtnRec);
    const Image* pictures[] = {&w.Normal(), &w.Pressed(), &w.Hover()};
    ASSERT_NE(ButtonCell(w.Normal(), rec), ButtonCell(w.Hover(), rec));
    ASSERT_NE(ButtonCell(w.Normal(), rec), ButtonCell(w.Pressed(), rec));
    const Image normalBefore = w.Normal();
    for (int look : {kLookHover, kLookPressed, kLookNormal, kLookHover}) {
        SCOPED_TRACE(look);
        w.skin.DrawButton(kBtnRec, look);
        EXPECT_EQ(ButtonCell(w.Screen(), rec), ButtonCell(*pictures[look], rec));
    }
    EXPECT_EQ(w.Normal(), normalBefore);

    w.graphics.ClearLog();
    w.skin.DrawButton(48, kLookHover);
    w.skin.DrawButton(kNoButton, kLookNormal);
    w.skin.DrawButton(kBtnRec, 3);
    w.skin.DrawButton(kBtnRec, -1);
    EXPECT_TRUE(w.graphics.Blits().empty());
}

TEST(SkinButtons, HoverLookStaysOnRecordWhenThePointerMovesOntoPlay) {
    SkinWorld w;
    w.Create();
    const Rect rec = w.skin.Layout().ButtonRect(kBtnRec);
    const Rect play = w.skin.Layout().ButtonRect(kBtnPlay);

    w.skin.ShowHover(kNoButton, kBtnRec);
    EXPECT_EQ(ButtonCell(w.Screen(), rec), ButtonCell(w.Hover(), rec));
    w.skin.ShowHover(kBtnRec, kBtnPlay);  // a transport button takes no hover look
    EXPECT_EQ(ButtonCell(w.Screen(), rec), ButtonCell(w.Hover(), rec));
    EXPECT_EQ(ButtonCell(w.Screen(), play), ButtonCell(w.Normal(), play));
    w.skin.ShowReleased(kBtnPlay);  // nor on release
    EXPECT_EQ(ButtonCell(w.Screen(), play), ButtonCell(w.Normal(), play));

    // Leaving every button repaints the panel: Record is normal again.
    w.skin.DrawButton(kBtnPlay, kLookNormal);
    w.view.Repaint();
    EXPECT_EQ(ButtonCell(w.Screen(), rec), ButtonCell(w.Normal(), rec));

    w.skin.ShowHover(kNoButton, kBtnChUp);
    w.skin.DrawButton(kBtnChUp, kLookPressed);
    w.skin.ShowReleased(kBtnChUp);
    const Rect up = w.skin.Layout().ButtonRect(kBtnChUp);
    EXPECT_EQ(ButtonCell(w.Screen(), up), ButtonCell(w.Hover(), up));
}

TEST(SkinButtons, ButtonsAreDrawnAtTheirShiftedPlaceWhileTheListIsOpenOnTheLeft) {
    SkinWorld w;
    w.Create();
    w.session.ChannelListOpen = 1;
    w.skin.SetChannelListOpen(true);
    w.skin.EnterCurrentState();
    const Rect up = w.skin.Layout().ButtonRect(kBtnChUp);
    EXPECT_EQ(up.x, 452 + 96);
    w.skin.DrawButton(kBtnChUp, kLookHover);
    EXPECT_EQ(ButtonCell(w.Screen(), up), ButtonCell(ShippedPicture(1, "panellorrover.bmp"), up));
    ASSERT_NE(ButtonCell(w.Hover(), up), ButtonCell(w.Normal(), up));
}

// --- Skin change ----------------------------------------------------------------------------

struct CycleCase {
    const char* name;
    std::optional<int> havePanel;
    std::optional<int> panelNow;
    std::optional<int> next;  // none: nothing happens
};

// A created panel whose clock runs, with a TV window to tell about changes.
struct ChangeWorld : SkinWorld {
    ChangeWorld(std::optional<int> havePanel, std::optional<int> panelNow) {
        panelIni.DeleteKey("Panel", "HavePanel");
        panelIni.DeleteKey("Panel", "PanelNow");
        if (havePanel) panelIni.WriteText("Panel", "HavePanel", std::to_string(*havePanel));
        if (panelNow) panelIni.WriteText("Panel", "PanelNow", std::to_string(*panelNow));
        tv = windows.Add("Kestrova Zunto", "Tv");
        Create();
        timers.Start(panel, kClockTimer, kClockPeriodMs);
        timers.Advance(100);
        graphics.ClearLog();
        writesBefore = panelIni.Writes();
    }

    platform::WindowId tv = 0;
    int writesBefore = 0;
};

TEST(SkinChange, CyclesThroughTheInstalledSkins) {
    const CycleCase cases[] = {
        {"no HavePanel", std::nullopt, 1, std::nullopt},
        {"one skin", 1, 1, std::nullopt},
        {"next", 3, 1, 2},
        {"PanelNow absent", 3, std::nullopt, 2},
        {"last wraps", 3, 3, 1},
        {"beyond the last", 3, 5, 1},
        {"below the first", 3, -4, 1},
    };
    for (const CycleCase& c : cases) {
        SCOPED_TRACE(c.name);
        ChangeWorld w(c.havePanel, c.panelNow);
        w.skin.ChangeSkin();
        if (!c.next) {
            EXPECT_EQ(w.panelIni.Writes(), w.writesBefore);
            EXPECT_TRUE(w.graphics.LoadedPaths().empty());
            EXPECT_FALSE(w.windows.Received(w.tv, kSkinChangedCommand));
            EXPECT_EQ(w.timers.DueAt(w.panel, kClockTimer), std::optional<std::uint64_t>(333));
            continue;
        }
        EXPECT_EQ(w.panelIni.ReadText("Panel", "PanelNow", "", 20), std::to_string(*c.next));
        EXPECT_EQ(w.session.SkinNumber, *c.next);
        EXPECT_EQ(w.skin.Layout().SkinNumber(), *c.next);
        EXPECT_TRUE(Loaded(w, SkinFile(*c.next, "panel.bmp")));
        EXPECT_EQ(w.timers.Period(w.panel, kClockTimer), std::optional<std::uint32_t>(333));
        EXPECT_EQ(w.timers.DueAt(w.panel, kClockTimer), std::optional<std::uint64_t>(100 + 333));
        const auto commands = w.windows.CommandsTo(w.tv);
        ASSERT_FALSE(commands.empty());
        EXPECT_EQ(commands.back(), (platform::fake::LoggedCommand{kSkinChangedCommand, 0, true}));
        EXPECT_EQ(w.tooltips.LiveCount(), 1u);
        EXPECT_EQ(w.tooltips.Created(), 2);
    }
}

TEST(SkinChange, BothListsStayOpenWithTheNewSkinsPicturesShapeAndSize) {
    ChangeWorld w(3, 1);
    w.session.FileListOpen = 1;
    w.session.ChannelListOpen = 1;
    w.skin.LoadMovedButtons(1);
    w.skin.SetChannelListOpen(true);
    w.skin.EnterCurrentState();
    w.graphics.ClearLog();

    w.skin.ChangeSkin();

    const std::vector<std::string> expected = {SkinFile(2, "panelall.bmp"), SkinFile(2, "panelallover.bmp"),
                                               SkinFile(2, "panelallbdown.bmp"), SkinFile(2, "otherbmp.bmp")};
    EXPECT_EQ(w.graphics.LoadedPaths(), expected);
    const PanelGeometry& g = w.skin.Layout().Geometry();
    EXPECT_EQ(w.view.Width(), g.openAllW);
    EXPECT_EQ(w.view.Height(), g.openAllH);
    EXPECT_EQ(w.region.Shape(w.panel), ReadRegionPolygon(w.panelIni, 2, kStateAll));
    EXPECT_EQ(w.skin.Layout().ContentOffset(), g.openLeftListW - g.panelW);
    EXPECT_TRUE(w.skin.Layout().ChannelListOpen());
    // The file-list buttons of the new skin are in place.
    const PanelButton& email = w.skin.Layout().Button(kBtnEmail);
    EXPECT_EQ(email.x, static_cast<int>(w.panelIni.ReadInt("2PANEL_BTN", "BTN_EMAIL_X", 66)));
    EXPECT_GT(email.width, 0);
}

TEST(SkinChange, TheLcdKeepsVolumeMuteFaceChannelAndFmTooltips) {
    ChangeWorld w(3, 1);
    w.session.Volume = 110;
    w.session.Muted = 1;
    w.session.ChannelNow = 125;
    w.session.AirMode = 1;
    w.skin.ChangeSkin();

    // Everything drawn comes from skin 2 now, into screen and backing store.
    const Image strip = ShippedPicture(2, "otherbmp.bmp");
    const DisplayKeys& d = w.skin.Layout().Display();
    const Rect mute = w.skin.Layout().ButtonRect(kBtnMute);
    EXPECT_EQ(ButtonCell(w.Screen(), mute), Cell(strip, d.muteOff.x, d.muteOff.y, mute.w, mute.h));
    EXPECT_EQ(ButtonCell(w.Normal(), mute), Cell(strip, d.muteOff.x, d.muteOff.y, mute.w, mute.h));
    const At units = d.chUnits;
    EXPECT_EQ(Cell(w.Screen(), units.x, units.y, d.chDigit.w, d.chDigit.h),
              Cell(strip, d.chStrip.x + 5 * d.chDigit.w, d.chStrip.y, d.chDigit.w, d.chDigit.h));
    EXPECT_EQ(Cell(w.Screen(), d.sourcePlace.x, d.sourcePlace.y, d.source.w, d.source.h),
              Cell(strip, d.airStrip.x, d.airStrip.y, d.source.w, d.source.h));
    const Rect bar = d.volumeBar;
    const Rect filled = d.volumeVertical == 1 ? Rect{bar.x, bar.y + bar.h - 110 * bar.h / 220, bar.w, 110 * bar.h / 220}
                                               : Rect{bar.x, bar.y, 110 * bar.w / 220, bar.h};
    EXPECT_EQ(ButtonCell(w.Screen(), filled), ButtonCell(w.Hover(), filled));

    // In FM the channel buttons keep their frequency tooltips.
    w.session.FmMode = 1;
    w.session.FmFrequency = 1080;
    w.skin.ChangeSkin();
    const platform::TooltipSpec& plan = w.tooltips.Tips(w.session.TooltipWindow);
    EXPECT_EQ(plan.tools[kBtnChUp].text, "Frequency Up");
    EXPECT_EQ(plan.tools[kBtnChDown].text, "Frequency Down");
}

}  // namespace
}  // namespace skin::test
