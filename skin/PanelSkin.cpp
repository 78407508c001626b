#include "skin/PanelSkin.h"

#include <algorithm>

#include "platform/WinConst.h"

namespace skin {
namespace {

constexpr std::size_t kPathCapacity = 260;

int ReadInt(platform::ProfileStore& ini, const std::string& section, const std::string& key, int def) {
    return static_cast<std::int32_t>(ini.ReadInt(section, key, def));
}

}  // namespace

StateFiles FilesOfState(int state) {
    switch (state) {
        case kStateDown: return {"paneldown.bmp", "paneldownover.bmp", "paneldownbdown.bmp"};
        case kStateLorR: return {"panellorr.bmp", "panellorrover.bmp", "panellorrbdown.bmp"};
        case kStateAll: return {"panelall.bmp", "panelallover.bmp", "panelallbdown.bmp"};
        default: return {"panel.bmp", "panelover.bmp", "panelbdown.bmp"};
    }
}

std::string SkinDirectory(const std::string& installDir, int skinNumber) {
    return installDir + "\\panelbmp" + std::to_string(skinNumber);
}

std::string RegionSection(int skinNumber, int state) {
    const char* suffix = "Point";
    switch (state) {
        case kStateDown: suffix = "DownPoint"; break;
        case kStateLorR: suffix = "LorRPoint"; break;
        case kStateAll: suffix = "ALLPoint"; break;
        default: break;
    }
    return "Panel" + std::to_string(skinNumber) + suffix;
}

std::vector<platform::Point> ReadRegionPolygon(platform::ProfileStore& ini, int skinNumber, int state) {
    const std::string section = RegionSection(skinNumber, state);
    // A polygon holds at most 200 vertices; a larger count is cut to that
    // instead of reading past the end of the polygon.
    const int count = std::min(ReadInt(ini, section, "HavePoint", 0), kMaxRegionVertices);
    std::vector<platform::Point> points;
    if (count <= 0) return points;
    points.reserve(static_cast<std::size_t>(count));
    for (int i = 1; i <= count; ++i) {
        platform::Point p;
        p.x = ReadInt(ini, section, std::to_string(2 * i - 1), 0);
        p.y = ReadInt(ini, section, std::to_string(2 * i), 0);
        points.push_back(p);
    }
    return points;
}

SourceIndicator IndicatorForInputSource(int inputSource) {
    switch (inputSource) {
        case 1: return SourceIndicator::AvIn;
        case 2: return SourceIndicator::SVideo;
        case 4: return SourceIndicator::Air;
        case 5: return SourceIndicator::Fm;
        default: return SourceIndicator::Cable;
    }
}

platform::TooltipSpec BuildTooltips(const PanelLayout& layout) {
    platform::TooltipSpec plan;
    plan.tools.reserve(kButtonCount);
    for (int i = 0; i < kButtonCount; ++i) {
        const Rect r = layout.ButtonRect(i);
        plan.tools.push_back({static_cast<unsigned>(i), {r.x, r.y, r.w, r.h}, layout.Button(i).tooltip});
    }
    return plan;
}

PanelSkin::PanelSkin(const SkinServices& services, core::PanelSession& session)
    : services_(services), session_(session), painter_(layout_, surfaces_, services_.view.Screen()) {}

// --- Layout ------------------------------------------------------------------

void PanelSkin::LoadPanelLayout() {
    layout_.Load(services_.panelIni);
    texts_.Load(services_.panelIni, layout_.SkinNumber());
    session_.SkinNumber = layout_.SkinNumber();
}

void PanelSkin::LoadMovedButtons(int mode) { layout_.LoadMovedButtons(services_.panelIni, mode); }

int PanelSkin::CurrentState() const { return PanelStateOf(session_.FileListOpen != 0, session_.ChannelListOpen != 0); }

void PanelSkin::EnterCurrentState() {
    const int state = CurrentState();
    const Size size = layout_.StateSize(state);
    services_.view.Resize(size.w, size.h);
    ApplyRegion(state);
    LoadSkin(state);
}

// --- Skin ----------------------------------------------------------------------

void PanelSkin::ApplyRegion(int state) {
    const std::vector<platform::Point> polygon = ReadRegionPolygon(services_.panelIni, session_.SkinNumber, state);
    // Without vertices, or when no region can be built, the window keeps its shape.
    if (polygon.empty()) return;
    services_.region.SetPolygon(panel_, polygon);
}

void PanelSkin::LoadSkin(int state) {
    const std::string installDir = services_.winIni.ReadText("AP", "222APDirectory", "", kPathCapacity);
    session_.SkinNumber = ReadPanelNow(services_.panelIni);
    const std::string dir = SkinDirectory(installDir, session_.SkinNumber);
    const StateFiles files = FilesOfState(state);
    const Size size = layout_.StateSize(state);

    platform::Graphics& g = services_.graphics;
    // A missing or unreadable picture leaves its surface blank.
    auto load = [&](const char* name) {
        std::unique_ptr<platform::Surface> s = g.LoadBitmapFile(dir + "\\" + name);
        return s ? std::move(s) : g.CreateSurface(size.w, size.h);
    };
    SkinSurfaces loaded;
    loaded.normal = load(files.normal);
    loaded.hover = load(files.hover);
    loaded.pressed = load(files.pressed);
    loaded.strip = load(kStripFile);
    surfaces_.Reset();
    surfaces_ = std::move(loaded);

    services_.view.LoadCursors();

    const bool topmost = services_.settings.ReadText("vemla", "AlwaysOnTop", "", kPathCapacity) == "TRUE";
    if (panel_ != 0) services_.windows.SetTopmost(panel_, topmost);
    const platform::WindowId tv = services_.windows.Find("Kestrova Zunto", "Tv");
    if (tv != 0) services_.windows.SetTopmost(tv, topmost);
}

void PanelSkin::ReleaseSkin() {
    surfaces_.Reset();
    services_.view.ReleaseCursors();
}

void PanelSkin::ChangeSkin() {
    platform::ProfileStore& ini = services_.panelIni;
    const int havePanel = ReadInt(ini, "Panel", "HavePanel", 1);
    if (havePanel < 2) return;

    services_.timers.Stop(panel_, kClockTimer);

    // A PanelNow of 0 or below names no skin either: start again at 1.
    int next = ReadPanelNow(ini);
    next = (next < 1 || next >= havePanel) ? 1 : next + 1;
    ini.WriteText("Panel", "PanelNow", std::to_string(next));

    LoadPanelLayout();

    // The panel keeps its state with the new skin's layout.
    LoadMovedButtons(session_.FileListOpen ? 1 : 0);
    if (session_.ChannelListOpen) SetChannelListOpen(true);
    const int state = CurrentState();
    const Size size = layout_.StateSize(state);
    services_.view.Resize(size.w, size.h);

    ApplyRegion(state);
    LoadSkin(state);
    services_.view.Repaint();
    services_.timers.Start(panel_, kClockTimer, kClockPeriodMs);

    RedrawDynamicParts();

    // The reload brought the channel tooltips back; FM keeps its own.
    if (session_.FmMode) {
        const auto [down, up] = ReadChannelTooltips(ini, session_.SkinNumber, true);
        SetChannelTooltips(down, up);
    }
    RecreateTooltips();

    const platform::WindowId tv = services_.windows.Find("Kestrova Zunto", "Tv");
    if (tv != 0) {
        services_.windows.Post(tv, platform::win::kWmCommand, platform::win::MakeCommandWParam(kSkinChangedCommand), 0);
    }
}

// --- Buttons -----------------------------------------------------------------------

void PanelSkin::ShowHover(int held, int now) {
    if (now == held || IsTransportButton(now)) return;
    painter_.DrawButton(held, kLookNormal);
    painter_.DrawButton(now, kLookHover);
}

void PanelSkin::ShowReleased(int index) {
    if (!IsTransportButton(index)) painter_.DrawButton(index, kLookHover);
}

// --- Tooltips ------------------------------------------------------------------------

void PanelSkin::CreateTooltips() {
    // Without a tooltip window the buttons simply work without tips.
    session_.TooltipWindow = services_.tooltips.Create(panel_, BuildTooltips(layout_));
}

void PanelSkin::RecreateTooltips() {
    if (session_.TooltipWindow == 0) return;
    services_.tooltips.Destroy(session_.TooltipWindow);
    session_.TooltipWindow = 0;
    CreateTooltips();
}

void PanelSkin::DestroyTooltips() {
    if (session_.TooltipWindow == 0) return;
    services_.tooltips.Destroy(session_.TooltipWindow);
    session_.TooltipWindow = 0;
}

void PanelSkin::SetChannelTooltips(const std::string& down, const std::string& up) {
    layout_.SetTooltip(kBtnChDown, down);
    layout_.SetTooltip(kBtnChUp, up);
}

// --- LCD -------------------------------------------------------------------------------

void PanelSkin::DrawClock() {
    const platform::LocalTime t = services_.clock.Local();
    painter_.DrawClock({t.hour, t.minute, t.second});
}

void PanelSkin::DrawCaptureTime(int seconds) {
    if (session_.TimeShifting) {
        const core::TimeOfDay& start = session_.TimeShiftStart;
        painter_.DrawTimeShiftPosition(seconds, {start.hour, start.minute, start.second});
    } else {
        painter_.DrawCaptureTime(seconds);
    }
}

void PanelSkin::RedrawDynamicParts() {
    DrawVolumeBar();
    DrawMuteButton(session_.Muted != 0);
    if (session_.FmMode) {
        DrawModeLabel(ModeLabel::Fm);
        DrawSourceIndicator(SourceIndicator::Fm);
        DrawFmFrequency(session_.FmFrequency);
    } else if (session_.VideoInMode) {
        DrawModeLabel(ModeLabel::VideoIn);
        // SourceCode 5 is S-Video, 4 AV-in.
        DrawSourceIndicator(session_.SourceCode == 5 ? SourceIndicator::SVideo : SourceIndicator::AvIn);
    } else {
        DrawModeLabel(ModeLabel::Channel);
        DrawSourceIndicator(session_.AirMode ? SourceIndicator::Air : SourceIndicator::Cable);
        DrawChannelNumber(session_.ChannelNow);
    }
}

void PanelSkin::Paint() {
    const int state = CurrentState();
    painter_.Paint(state, state == kStateDown && session_.SnapshotPending != 0);
}

}  // namespace skin
