#include "skin/tests/SkinFixture.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace skin::test {

std::string SkinsDir() { return std::string(QOR_SOURCE_DIR) + "/skins"; }

std::string ShippedPanelIni() {
    std::ifstream in(SkinsDir() + "/QorPFile.ini", std::ios::binary);
    if (!in) throw std::runtime_error("the shipped panel INI is missing");
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

Image ShippedPicture(int skinNumber, const std::string& file) {
    const std::string path = SkinsDir() + "/panelbmp" + std::to_string(skinNumber) + "/" + file;
    std::optional<Image> image = ReadBmpFile(path);
    if (!image) throw std::runtime_error("cannot read " + path);
    return *image;
}

namespace {

SkinServices Services(SkinWorld& w) {
    return SkinServices{w.panelIni, w.winIni,  w.settings, w.graphics, w.view,
                        w.region,   w.tooltips, w.windows, w.timers,   w.clock};
}

}  // namespace

SkinWorld::SkinWorld(const std::string& panelIniText) : skin(Services(*this), session) {
    panelIni.SetText(panelIniText);
    winIni.WriteText("AP", "222APDirectory", SkinsDir());
    panel = windows.Add("Kestrova Glimvale", "Panel");
    skin.SetPanelWindow(panel);
    view.SetPaintHandler([this] { skin.Paint(); });
}

void SkinWorld::Create() {
    session.SkinNumber = ReadPanelNow(panelIni);
    skin.ApplyRegion(kStateBase);
    skin.LoadSkin(kStateBase);
    skin.LoadPanelLayout();
    skin.CreateTooltips();
    skin.Paint();
}

}  // namespace skin::test
