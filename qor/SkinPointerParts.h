// The skin's answers to the panel's input handling: hit testing on the
// button table, where the volume and time-shift bars lie, the buttons'
// looks and the tray menu's texts.  Portable: the program and its tests
// use it alike.
#pragma once

#include <string>

#include "core/PanelEvents.h"
#include "skin/PanelSkin.h"

namespace qor {

class SkinPointerParts final : public core::PointerParts {
public:
    explicit SkinPointerParts(skin::PanelSkin& skin) : skin_(skin) {}

    int FindButton(int x, int y) override { return skin_.Layout().FindButton(x, y); }
    std::uint16_t ButtonCommand(int index) override {
        if (index < 0 || index >= skin::kButtonCount) return 0;
        return skin_.Layout().Button(index).commandId;
    }
    core::PointerGeometry Geometry() override {
        const skin::PanelLayout& layout = skin_.Layout();
        const skin::DisplayKeys& d = layout.Display();
        core::PointerGeometry g;
        g.volumeBar = {d.volumeBar.x + layout.ContentOffset(), d.volumeBar.y, d.volumeBar.w, d.volumeBar.h};
        g.volumeVertical = d.volumeVertical == 1;
        g.timeShiftBar = {d.timeShiftBar.x, d.timeShiftBar.y, d.timeShiftBar.w, d.timeShiftBar.h};
        g.knobWidth = d.sliderMark.w;
        return g;
    }
    void DrawButton(int index, int look) override { skin_.DrawButton(index, look); }
    void ShowHover(int held, int now) override { skin_.ShowHover(held, now); }
    void ShowReleased(int index) override { skin_.ShowReleased(index); }
    // The transport looks and the playback knob come with the recording
    // and playback control; until then the buttons keep the look they show.
    void DrawTransportPlaying() override {}
    void DrawPlaybackKnob(int) override {}
    std::string TrayOpenText() override { return skin_.Texts().Text(skin::TextGroup::Tray, "IDMOPENALLFILE"); }
    std::string TrayCloseText() override { return skin_.Texts().Text(skin::TextGroup::Tray, "IDMDESTROY"); }

private:
    skin::PanelSkin& skin_;
};

}  // namespace qor
