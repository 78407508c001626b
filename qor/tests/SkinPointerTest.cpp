// The mouse over the real skin: the panel's input handling on fakes, hit
// testing and drawing through the shipped skin 1, checked on the pixels of
// the screen.
#include <gtest/gtest.h>

#include "core/PanelEvents.h"
#include "core/tests/PanelFixture.h"
#include "platform/fake/FakePanelInput.h"
#include "qor/SkinPointerParts.h"
#include "skin/tests/SkinFixture.h"

namespace {

using skin::Image;
using skin::Rect;

class SkinPointer : public coretest::PanelTest {
protected:
    SkinPointer() { skinWorld.Create(); }

    Rect ButtonRect(int index) const { return skinWorld.skin.Layout().ButtonRect(index); }
    // What the screen shows of a button, and what each picture holds there.
    Image OnScreen(int index) {
        const Rect r = ButtonRect(index);
        return skin::test::Cell(skinWorld.Screen(), r.x, r.y, r.w, r.h);
    }
    Image In(const Image& picture, int index) const {
        const Rect r = ButtonRect(index);
        return skin::test::Cell(picture, r.x, r.y, r.w, r.h);
    }
    void MoveOnto(int index, bool leftDown = false) {
        const Rect r = ButtonRect(index);
        events.MouseMove(r.x + r.w / 2, r.y + r.h / 2, leftDown);
    }

    skin::test::SkinWorld skinWorld;
    qor::SkinPointerParts pointer{skinWorld.skin};
    platform::fake::FakePanelInput input;
    core::PanelEvents events{ctx, pointer, input};
};

TEST_F(SkinPointer, RecordKeepsItsHoverLookWhileThePointerIsOnPlay) {
    const Image& normal = skinWorld.Normal();
    const Image& hover = skinWorld.Hover();
    ASSERT_NE(In(normal, skin::kBtnRec), In(hover, skin::kBtnRec));
    ASSERT_NE(In(normal, skin::kBtnPlay), In(hover, skin::kBtnPlay));

    MoveOnto(skin::kBtnRec);
    EXPECT_EQ(session.HeldButton, skin::kBtnRec);
    EXPECT_EQ(OnScreen(skin::kBtnRec), In(hover, skin::kBtnRec));

    MoveOnto(skin::kBtnPlay);
    EXPECT_EQ(session.HeldButton, skin::kBtnPlay);
    EXPECT_EQ(OnScreen(skin::kBtnRec), In(hover, skin::kBtnRec)) << "Record lost its hover look";
    EXPECT_EQ(OnScreen(skin::kBtnPlay), In(normal, skin::kBtnPlay)) << "PLAY shows the playback state only";

    // Off every button: the panel is painted again from its backing store.
    events.MouseMove(2, 150, false);
    EXPECT_EQ(input.Invalidated().size(), 1u);
    skinWorld.view.Repaint();
    EXPECT_EQ(OnScreen(skin::kBtnRec), In(normal, skin::kBtnRec));
}

TEST_F(SkinPointer, ChannelUpShowsPressedWhileDownAndHoverAfterTheClick) {
    MoveOnto(skin::kBtnChUp);
    const Rect r = ButtonRect(skin::kBtnChUp);
    events.ButtonDown(r.x + r.w / 2, r.y + r.h / 2);
    EXPECT_EQ(OnScreen(skin::kBtnChUp), In(skinWorld.Pressed(), skin::kBtnChUp));

    events.ButtonUp(r.x + r.w / 2, r.y + r.h / 2);
    EXPECT_EQ(OnScreen(skin::kBtnChUp), In(skinWorld.Hover(), skin::kBtnChUp));
    // The command of the shipped table's entry 13.
    ASSERT_FALSE(ToPanel().empty());
    EXPECT_EQ(ToPanel().front().id, 40008);
}

TEST_F(SkinPointer, TheVolumeBarFollowsTheMouseOnTheShippedBar) {
    const skin::Rect bar = skinWorld.skin.Layout().Display().volumeBar;
    events.ButtonDown(bar.x + bar.w / 4, bar.y + bar.h / 2);
    EXPECT_EQ(session.Volume, (bar.w / 4) * 220 / bar.w);
    EXPECT_EQ(Setting("AudioProcAmp", "VolumeValue"), std::to_string(session.Volume));
}

}  // namespace
