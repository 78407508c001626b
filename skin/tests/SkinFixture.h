// A panel skin wired to in-memory platform services, with the shipped panel
// INI and skin pictures, and pixel helpers for comparing what the panel
// shows with the images of the skin's strip and pictures.
#pragma once

#include <ostream>
#include <string>

#include "core/PanelSession.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/FakeProfile.h"
#include "platform/fake/FakeRegion.h"
#include "platform/fake/FakeTimers.h"
#include "platform/fake/FakeTooltips.h"
#include "platform/fake/FakeWindows.h"
#include "skin/PanelSkin.h"
#include "skin/tests/FakeGraphics.h"

namespace skin {
// Pictures in test messages: their size, not their bytes.
inline void PrintTo(const Image& image, std::ostream* out) {
    *out << image.Width() << "x" << image.Height() << " picture";
}
}  // namespace skin

namespace skin::test {

// The shipped skins directory and the text of its panel INI.
std::string SkinsDir();
std::string ShippedPanelIni();
// A picture of the shipped skins, e.g. ShippedPicture(1, "otherbmp.bmp").
Image ShippedPicture(int skinNumber, const std::string& file);

struct SkinWorld {
    explicit SkinWorld(const std::string& panelIniText = ShippedPanelIni());

    // The window creation order: shape and pictures of state 1, the layout,
    // the tooltips, then the first paint.
    void Create();

    const Image& Screen() { return view.ScreenSurface().Pixels(); }
    const Image& Normal() const { return fake::PixelsOf(*skin.Surfaces().normal); }
    const Image& Hover() const { return fake::PixelsOf(*skin.Surfaces().hover); }
    const Image& Pressed() const { return fake::PixelsOf(*skin.Surfaces().pressed); }
    const Image& Strip() const { return fake::PixelsOf(*skin.Surfaces().strip); }

    platform::fake::MemoryProfile panelIni;
    platform::fake::MemoryProfile winIni;
    platform::fake::MemoryProfile settings;
    platform::fake::FakeWindows windows;
    platform::fake::FakeClock clock;
    platform::fake::FakeTimers timers{clock};
    platform::fake::FakeRegion region;
    platform::fake::FakeTooltips tooltips;
    fake::FakeGraphics graphics;
    fake::FakePanelView view{graphics, 547, 176};
    core::PanelSession session;
    platform::WindowId panel = 0;
    PanelSkin skin;
};

// The w x h block at (x, y) of a picture.
inline Image Cell(const Image& picture, int x, int y, int w, int h) { return picture.Crop(x, y, w, h); }

}  // namespace skin::test
