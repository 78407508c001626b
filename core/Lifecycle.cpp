#include "core/Lifecycle.h"

#include <algorithm>
#include <string>

#include "core/Startup.h"

namespace core {

namespace {

std::int32_t ReadInt(platform::ProfileStore& ini, const char* section, const char* key, std::int32_t def) {
    return static_cast<std::int32_t>(ini.ReadInt(section, key, def));
}

// A picture value of 0 (or none) becomes "50".
std::int32_t SeedPictureValue(platform::ProfileStore& ini, const char* key) {
    std::int32_t v = ReadInt(ini, "VideoProcAmp", key, 0);
    if (v == 0) {
        ini.WriteText("VideoProcAmp", key, "50");
        v = 50;
    }
    return v;
}

// Until a scan has run, every channel of the band is in its list.
void SeedChannelList(platform::ProfileStore& ini, const char* section, const char* currentKey, std::int32_t low,
                     std::int32_t high) {
    if (ini.ReadText(section, "ALREADYSCAN", "FALSE", 260) != "FALSE") return;
    ini.WriteText(section, "ALREADYSCAN", "FALSE");
    ini.WriteText("TVTuner", currentKey, "8");
    const std::int32_t first = std::max(low, 0);
    const std::int32_t last = std::min(high, kHighestChannelNumber);
    for (std::int32_t n = first; n <= last; ++n) ini.WriteText(section, std::to_string(n), "TRUE");
}

}  // namespace

void PostSourceCommand(PanelContext& ctx) {
    if (const std::uint16_t command = SourceCommandFor(ReadInputSource(ctx.settings))) ctx.PostToSelf(command);
}

void OnCreate(PanelContext& ctx, platform::WindowId self) {
    ctx.panel = self;
    PanelSession& s = ctx.s;
    platform::ProfileStore& ini = ctx.settings;

    // 1. No fully-scanned list: it must not be used.
    if (ReadInt(ini, "FREQCHLIST", "ALLCH", 0) < 1) ini.WriteText("vemla", "UseFullScan", "FALSE");
    // 2-3.
    s.FileListOpen = 0;
    ReadInt(ctx.panelIni, "Panel", "HavePanel", 1);
    s.SkinNumber = ReadInt(ctx.panelIni, "Panel", "PanelNow", 1);
    // 4.
    ctx.parts.ApplyRegion(1);
    ctx.parts.LoadSkin(1);
    ctx.parts.LoadPanelLayout();
    ctx.parts.CreateTooltips();
    ctx.parts.AddTrayIcon();
    // 5.
    s.Brightness = SeedPictureValue(ini, "BrightnessValue");
    s.Hue = SeedPictureValue(ini, "HueValue");
    s.Contrast = SeedPictureValue(ini, "ContrastValue");
    s.Saturation = SeedPictureValue(ini, "SaturationValue");
    // 6-7. The mixer rebuilds the two sections.
    ini.DeleteSection("AudioDevice");
    ini.DeleteSection("Audio");
    s.MixerAvailable = ctx.mixer.InitSoundCardMixer(self, false) ? 1 : 0;
    // 8. First run: the user chooses the country.
    if (ReadInt(ini, "ZUNTO", "CountryCode", 0) == 0) {
        ctx.host.RunCountryDialog(ctx);
        ctx.mixer.InitSoundCardMixer(self, true);
    }
    // 9. The FM band follows the country.
    const std::int32_t country = ReadInt(ini, "ZUNTO", "CountryCode", 0);
    if (ReadInt(ini, "TVTuner", "FMChannel", 0) == 0) ini.WriteText("TVTuner", "FMChannel", country == 81 ? "760" : "875");
    // 10.
    const std::int32_t maxCable = ReadInt(ini, "ZUNTO", "Max", 0);
    const std::int32_t maxAir = ReadInt(ini, "ZUNTO", "Maxair", 0);
    const std::int32_t minCable = ReadInt(ini, "ZUNTO", "Min", 0);
    const std::int32_t minAir = ReadInt(ini, "ZUNTO", "Minair", 0);
    // 11. Multi-channel preview.
    if (ini.ReadText("SURFING", "TIME", "FALSE", 260) == "FALSE") ini.WriteText("SURFING", "TIME", "4");
    if (ini.ReadText("SURFING", "WIN", "FALSE", 260) == "FALSE") ini.WriteText("SURFING", "WIN", "2 x 2");
    // 12-13.
    SeedChannelList(ini, "CHANNELLISTAIR", "TVChannelAir", minAir, maxAir);
    SeedChannelList(ini, "CHANNELLIST", "TVChannelCable", minCable, maxCable);
    // 14-15.
    s.Volume = ReadInt(ini, "AudioProcAmp", "VolumeValue", 128);
    ini.WriteText("AudioProcAmp", "VolumeValue", std::to_string(s.Volume));
    ctx.mixer.SetMixerVolume(s.Volume);
    ctx.parts.DrawVolumeBar();
    s.Muted = 0;
    ctx.parts.DrawMuteButton(false);
    // 16.
    PostSourceCommand(ctx);
    // 17.
    s.Standby = 0;
    ctx.windows.Show(self, platform::win::kSwShowNormal);
    s.PanelShown = 1;
    ctx.windows.SetForeground(self);
}

void OnDestroy(PanelContext& ctx) {
    if (ctx.destroyed) return;
    ctx.destroyed = true;
    ctx.timers.Stop(ctx.panel, kClockTimer);
    ctx.parts.DestroyFileListWindow();
    ctx.parts.DestroyTooltipWindow();
    ctx.parts.DestroyChannelListWindow();
    ctx.parts.RemoveTrayIcon();
    ctx.parts.ReleaseSkin();
    if (ctx.power) ctx.power->Restore();
    ctx.host.PostQuit(0);
}

}  // namespace core
