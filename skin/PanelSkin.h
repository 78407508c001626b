// The panel's skin: the layout and texts of the current skin, its four
// drawing surfaces for the current panel state, the window's shape, the
// tooltip window, the skin change and everything drawn on the panel.  The
// Win32 program's window procedure hands its paint, drawing and skin work
// here; the platform is reached only through the interfaces in platform/.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/PanelSession.h"
#include "platform/Clock.h"
#include "platform/PanelView.h"
#include "platform/Profile.h"
#include "platform/Region.h"
#include "platform/Surface.h"
#include "platform/Timers.h"
#include "platform/Tooltips.h"
#include "platform/Windows.h"
#include "skin/PanelLayout.h"
#include "skin/PanelPainter.h"
#include "skin/TextStore.h"

namespace skin {

inline constexpr std::uint32_t kClockTimer = 40313;
inline constexpr std::uint32_t kClockPeriodMs = 333;
inline constexpr std::uint16_t kSkinChangedCommand = 55557;  // to the TV window
inline constexpr int kMaxRegionVertices = 200;

// Cursor resources of the program, loaded with every skin.
inline constexpr int kCursorNormal = 132;
inline constexpr int kCursorPressed = 135;
inline constexpr int kCursorMove = 136;

// The three pictures of a panel state and the strip shared by all states.
struct StateFiles {
    const char* normal;
    const char* hover;
    const char* pressed;
};
StateFiles FilesOfState(int state);
inline constexpr const char* kStripFile = "otherbmp.bmp";

// D\panelbmp<n>: the skin directory of skin n under installation directory D.
std::string SkinDirectory(const std::string& installDir, int skinNumber);
// Panel<n>Point, Panel<n>DownPoint, Panel<n>LorRPoint, Panel<n>ALLPoint.
std::string RegionSection(int skinNumber, int state);
// The polygon of a state: HavePoint vertices (at most 200) from the keys
// 1, 2, ... of the state's section.  Empty when HavePoint is 0 or below.
std::vector<platform::Point> ReadRegionPolygon(platform::ProfileStore& panelIni, int skinNumber, int state);

// The indicator of an [ZuntoCrossbar] InputSource code (1 AV-in, 2 S-Video,
// 3 cable, 4 air, 5 FM).
SourceIndicator IndicatorForInputSource(int inputSource);

// The tooltip window's contents: one tool per button table entry.
platform::TooltipSpec BuildTooltips(const PanelLayout& layout);

struct SkinServices {
    platform::ProfileStore& panelIni;   // QorPFile.ini
    platform::ProfileStore& winIni;     // [AP] 222APDirectory
    platform::ProfileStore& settings;   // QorSFile.ini: [vemla] AlwaysOnTop
    platform::Graphics& graphics;
    platform::PanelView& view;
    platform::WindowRegion& region;
    platform::TooltipControl& tooltips;
    platform::Windows& windows;
    platform::Timers& timers;
    platform::Clock& clock;
};

class PanelSkin {
public:
    PanelSkin(const SkinServices& services, core::PanelSession& session);
    PanelSkin(const PanelSkin&) = delete;
    PanelSkin& operator=(const PanelSkin&) = delete;

    // The panel window, once it exists (timers, shape, tooltips, z-order).
    void SetPanelWindow(platform::WindowId panel) { panel_ = panel; }

    // --- Layout ----------------------------------------------------------
    // LoadPanelLayout: layout and texts of skin [Panel] PanelNow.
    void LoadPanelLayout();
    void LoadMovedButtons(int mode);
    Size BasePanelSize() const { return layout_.StateSize(kStateBase); }
    // The content-offset rule for the channel list opening or closing.
    void SetChannelListOpen(bool open) { layout_.SetChannelListOpen(open); }
    // The panel state of PanelSession's list flags.
    int CurrentState() const;
    // After a list opened or closed: the window takes the state's size,
    // shape and pictures.
    void EnterCurrentState();

    // --- Skin ------------------------------------------------------------
    void ApplyRegion(int state);
    void LoadSkin(int state);
    void ReleaseSkin();
    void ChangeSkin();

    // --- Buttons -----------------------------------------------------------
    void DrawButton(int index, int look) { painter_.DrawButton(index, look); }
    // The looks that follow the mouse: the pointer moved from button `held`
    // onto button `now`; a transport button does not take the hover look,
    // so the previous button keeps it.
    void ShowHover(int held, int now);
    // Released over the button: the hover look again, except for the
    // transport buttons, whose look is the playback state.
    void ShowReleased(int index);

    // --- Tooltips ------------------------------------------------------------
    void CreateTooltips();
    void RecreateTooltips();  // only when a tooltip window exists
    void DestroyTooltips();
    void SetChannelTooltips(const std::string& down, const std::string& up);

    // --- LCD and panel drawing (screen and backing store) --------------------
    void DrawVolumeBar() { painter_.DrawVolumeBar(session_.Volume); }
    void DrawMuteButton(bool muted) { painter_.DrawMuteButton(muted); }
    void DrawModeLabel(ModeLabel label) { painter_.DrawModeLabel(label); }
    void DrawSourceIndicator(SourceIndicator indicator) { painter_.DrawSourceIndicator(indicator); }
    void DrawChannelNumber(int channel) { painter_.DrawChannelNumber(channel); }
    void DrawFmFrequency(int frequency, int places = 4) { painter_.DrawFmFrequency(frequency, places); }
    void DrawClock();
    // While time-shifting, the time of day of the position; else elapsed time.
    void DrawCaptureTime(int seconds);
    void DrawFileSize(long long value) { painter_.DrawFileSize(value); }
    void DrawRecordState(bool recording) { painter_.DrawRecordState(recording); }
    // The volume bar, the mute face, the mode label, the source indicator
    // and the channel number or FM frequency, from PanelSession.
    void RedrawDynamicParts();
    // WM_PAINT.
    void Paint();

    const PanelLayout& Layout() const { return layout_; }
    const TextStore& Texts() const { return texts_; }
    const SkinSurfaces& Surfaces() const { return surfaces_; }

private:
    SkinServices services_;
    core::PanelSession& session_;
    platform::WindowId panel_ = 0;
    PanelLayout layout_;
    TextStore texts_;
    SkinSurfaces surfaces_;
    PanelPainter painter_;
};

}  // namespace skin
