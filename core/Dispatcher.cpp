#include "core/Dispatcher.h"

#include <algorithm>
#include <initializer_list>
#include <string>

#include "core/Lifecycle.h"
#include "core/Sources.h"

namespace core {

namespace {

namespace win = platform::win;

constexpr std::uint16_t kTimeShiftPass[] = {40005, 40006, 40017, 40029, 40030, 40031, 40032, 40038,
                                            40113, 40301, 40315, 40323, 40324, 40325, 46101};
constexpr std::uint16_t kPlaybackPass[] = {32775, 40005, 40006, 40017, 40029, 40030, 40031, 40032, 40037,
                                           40113, 40121, 40201, 40301, 40315, 40323, 40324, 40325, 40327};
constexpr std::uint16_t kRecordingPass[] = {40005, 40006, 40016, 40114, 40124, 40201,
                                            40311, 40312, 40314, 40323, 40324, 40325};
constexpr std::uint16_t kTransport[] = {40017, 40029, 40030, 40031, 40032, 40301};

template <std::size_t N>
bool In(const std::uint16_t (&list)[N], std::uint16_t id) {
    return std::find(std::begin(list), std::end(list), id) != std::end(list);
}

std::int32_t ReadInt(platform::ProfileStore& ini, const char* section, const char* key, std::int32_t def) {
    return static_cast<std::int32_t>(ini.ReadInt(section, key, def));
}

std::string ReadText(platform::ProfileStore& ini, const char* section, const char* key, const char* def = "") {
    return ini.ReadText(section, key, def, 260);
}

std::string ScheduleWindowTitle(PanelContext& ctx) {
    return ctx.panelIni.ReadText("Panel", "IDS_VESPERO_DIALOG", "Schedule Recording Settings", 50);
}

void ShowIf(PanelContext& ctx, platform::WindowId w, int command) {
    if (w != 0) ctx.windows.Show(w, command);
}

// --- Picture and sound values of the adjust modes ------------------------------

struct PictureValue {
    std::int32_t PanelSession::*field;
    const char* key;
    std::uint16_t adjustId;  // shown by the TV window while adjusting
    std::uint16_t setId;
};
constexpr PictureValue kPicture[] = {
    {&PanelSession::Brightness, "BrightnessValue", 2013, 40200},
    {&PanelSession::Contrast, "ContrastValue", 2014, 40201},
    {&PanelSession::Hue, "HueValue", 2015, 40203},
    {&PanelSession::Saturation, "SaturationValue", 2016, 40202},
};

struct SoundValue {
    std::int32_t PanelSession::*field;
    const char* key;
    std::int32_t def;
    std::uint16_t tvId;
    void (MixerControl::*apply)(int);
};
constexpr SoundValue kSound[] = {
    {&PanelSession::Balance, "BalanceValue", 128, 40212, &MixerControl::SetMixerBalance},
    {&PanelSession::Bass, "BassValue", 0, 40210, &MixerControl::SetMixerBass},
    {&PanelSession::Treble, "TrebleValue", 0, 40211, &MixerControl::SetMixerTreble},
};

const PictureValue& PictureFor(std::int32_t mode) { return kPicture[std::clamp(mode, 1, 4) - 1]; }
const SoundValue& SoundFor(std::int32_t mode) { return kSound[std::clamp(mode, 1, 3) - 1]; }

void EndPictureAdjust(PanelContext& ctx) {
    ctx.timers.Stop(ctx.panel, kTimerPictureEnd);
    ctx.s.PictureNext = 1;
    ctx.s.PictureAdjusting = 0;
}

void EndSoundAdjust(PanelContext& ctx) {
    ctx.timers.Stop(ctx.panel, kTimerSoundEnd);
    ctx.s.SoundNext = 1;
    ctx.s.SoundAdjusting = 0;
}

void PictureAdjustKey(PanelContext& ctx) {
    PanelSession& s = ctx.s;
    if (s.FmMode || s.Standby || !ctx.tv.Exists()) return;
    EndSoundAdjust(ctx);
    const std::int32_t mode = std::clamp(s.PictureNext, 1, 4);
    const PictureValue& v = PictureFor(mode);
    s.PictureAdjustMode = mode;
    s.PictureNext = mode == 4 ? 1 : mode + 1;
    s.PictureAdjusting = 1;
    // The stepping goes on from what the TV window is shown now.
    s.*v.field = ReadInt(ctx.settings, "VideoProcAmp", v.key, 50);
    ctx.tv.Post(v.adjustId, s.*v.field);
    ctx.timers.Start(ctx.panel, kTimerPictureEnd, kAdjustTimeoutMs);
}

void SoundAdjustKey(PanelContext& ctx) {
    PanelSession& s = ctx.s;
    if (s.FmMode || s.Standby || !ctx.tv.Exists()) return;
    EndPictureAdjust(ctx);
    const std::int32_t mode = std::clamp(s.SoundNext, 1, 3);
    const SoundValue& v = SoundFor(mode);
    s.*v.field = ReadInt(ctx.settings, "AudioProcAmp", v.key, v.def);
    ctx.tv.Post(v.tvId, s.*v.field);
    s.SoundAdjustMode = mode;
    s.SoundNext = mode == 3 ? 1 : mode + 1;
    s.SoundAdjusting = 1;
    ctx.timers.Start(ctx.panel, kTimerSoundEnd, kAdjustTimeoutMs);
}

void PictureStep(PanelContext& ctx, bool up) {
    PanelSession& s = ctx.s;
    ctx.timers.Start(ctx.panel, kTimerPictureEnd, kAdjustTimeoutMs);
    const PictureValue& v = PictureFor(s.PictureAdjustMode);
    std::int32_t& value = s.*v.field;
    const std::int32_t before = value;
    if (up && value < 100) ++value;
    if (!up && value > 0) --value;
    if (value == before) return;
    ctx.tv.Post(v.adjustId, value);
    ctx.tv.Post(v.setId, value);
    ctx.settings.WriteText("VideoProcAmp", v.key, std::to_string(value));
}

void SoundStep(PanelContext& ctx, bool up) {
    PanelSession& s = ctx.s;
    ctx.timers.Start(ctx.panel, kTimerSoundEnd, kAdjustTimeoutMs);
    const SoundValue& v = SoundFor(s.SoundAdjustMode);
    std::int32_t& value = s.*v.field;
    const std::int32_t before = value;
    if (up && value < 255) ++value;
    if (!up && value > 0) --value;
    if (value == before) return;
    ctx.settings.WriteText("AudioProcAmp", v.key, std::to_string(value));
    ctx.tv.Post(v.tvId, value);
    (ctx.mixer.*v.apply)(value);
}

// Up (40323) and Down (40324): the active adjust mode, else the volume.
void UpDownKey(PanelContext& ctx, bool up) {
    PanelSession& s = ctx.s;
    if (s.Standby) return;
    const platform::WindowId focus = ctx.host.KeyboardFocus();
    if (focus != 0 && (focus == s.FileListWindow || focus == s.ChannelListWindow)) return;
    if (s.PictureAdjusting && !s.SoundAdjusting) {
        ctx.timers.Start(ctx.panel, up ? kTimerPictureUp : kTimerPictureDown, 1);
    } else if (!s.PictureAdjusting && !s.SoundAdjusting) {
        ctx.PostToSelf(up ? 40006 : 40005);
    } else if (s.SoundAdjusting && !s.PictureAdjusting) {
        ctx.timers.Start(ctx.panel, up ? kTimerSoundUp : kTimerSoundDown, 1);
    }
}

// --- Volume and mute -------------------------------------------------------------

void VolumeStep(PanelContext& ctx, bool up) {
    PanelSession& s = ctx.s;
    if (s.Standby) return;
    const std::int32_t before = s.Volume;
    if (up && s.Volume < 220) s.Volume = (s.Volume / 10) * 10 + 10;
    if (!up && s.Volume > 9) s.Volume = (s.Volume / 10) * 10 - 10;
    if (s.Volume != before) {
        ctx.parts.DrawVolumeBar();
        ctx.mixer.SetMixerVolume(s.Volume);
        ctx.settings.WriteText("AudioProcAmp", "VolumeValue", std::to_string(s.Volume));
        if (s.Muted) {
            s.Muted = 0;
            ctx.parts.DrawMuteButton(false);
        }
    }
    if (!s.TimeShifting && !s.PlayingBack && !s.FmMode && ctx.tv.Exists()) ctx.tv.Send(2010, s.Volume);
}

void Mute(PanelContext& ctx) {
    PanelSession& s = ctx.s;
    if (s.Standby || !s.MixerAvailable) return;
    if (s.Muted) {
        ctx.mixer.SetMixerVolume(s.Volume);
        s.Muted = 0;
        ctx.parts.DrawMuteButton(false);
        ctx.tv.PostToLast(2012);
    } else {
        ctx.mixer.SetMixerVolume(0);
        s.Muted = 1;
        ctx.parts.DrawMuteButton(true);
        ctx.tv.PostToLast(2011);
    }
}

// --- Source switch -----------------------------------------------------------------

void SetModeFlags(PanelSession& s, const SourceInfo& src) {
    switch (src.source) {
        case Source::AvIn:
        case Source::SVideo:
            s.VideoInMode = 1;
            s.FmMode = 0;
            break;
        case Source::Air:
        case Source::Cable:
            s.VideoInMode = 0;
            s.FmMode = 0;
            s.AirMode = src.source == Source::Air ? 1 : 0;
            break;
        case Source::Fm:
            s.FmMode = 1;
            s.VideoInMode = 0;
            s.AirMode = 0;
            break;
    }
    s.SourceCode = src.sourceCode;
}

// After the TV window had to be started for air or cable: an automatic scan
// when the band was never scanned.
bool FirstScanWanted(PanelContext& ctx, Source source) {
    platform::ProfileStore& ini = ctx.settings;
    if (ReadText(ini, "vemla", "UseFullScan") != "TRUE") {
        return ReadText(ini, source == Source::Air ? "CHANNELLISTAIR" : "CHANNELLIST", "ALREADYSCAN") == "FALSE";
    }
    return ReadText(ini, "FREQCHLIST", "SCANDONE") != "TRUE";
}

void SwitchSource(PanelContext& ctx, const SourceInfo& src) {
    PanelSession& s = ctx.s;
    const bool fm = src.source == Source::Fm;
    const bool tuner = src.source == Source::Air || src.source == Source::Cable;

    if (fm) {
        ctx.tv.Send(42227);  // the TV window answers with 42227 (FmSupported)
        if (!s.FmSupported || s.Scanning()) return;
    }

    // An acknowledgement can never come from a TV window that is not there.
    if (s.AwaitingTv && !ctx.tv.Exists()) s.AwaitingTv = 0;

    if (!s.AwaitingTv) {
        s.FmDigitStep = 0;
        ctx.settings.WriteText("ZuntoCrossbar", "InputSource", std::to_string(static_cast<int>(src.source)));
        const platform::WindowId tvWindow = ctx.tv.Find();
        s.AwaitingTv = 1;
        const bool started = tvWindow == 0;
        if (!started) {
            SetModeFlags(s, src);
            if (fm) {
                ctx.mixer.SetMixerVolume(0);
                ctx.windows.Show(tvWindow, win::kSwHide);
                ctx.tv.Send(src.tvCommand);
                ctx.mixer.SetMixerVolume(s.Volume);
            } else {
                ctx.tv.Send(src.tvCommand);
                if (src.source == Source::SVideo) ctx.windows.Show(tvWindow, win::kSwShow);
            }
        } else {
            const bool shown = src.source == Source::AvIn || src.source == Source::SVideo;
            ctx.tv.Start(shown ? win::kSwShow : win::kSwHide);
            SetModeFlags(s, src);
            s.Standby = 0;
            ctx.tv.Find();
        }

        if (tuner) {
            s.ChannelNow = ReadInt(ctx.settings, "TVTuner", src.source == Source::Air ? "TVChannelAir" : "TVChannelCable", 0);
            ctx.settings.WriteText("TVTuner", "TVChannel", std::to_string(s.ChannelNow));
            ctx.parts.DrawModeLabel(LcdLabel::Channel);
            ctx.parts.DrawChannelNumber(s.ChannelNow);
        } else if (fm) {
            s.FmFrequency = static_cast<std::int32_t>(ctx.settings.ReadInt("TVTuner", "FMChannel", 0) & 0xFFFF);
            ctx.parts.DrawModeLabel(LcdLabel::Fm);
            ctx.parts.DrawFmFrequency(s.FmFrequency);
        } else {
            ctx.parts.DrawModeLabel(LcdLabel::VideoIn);
        }

        if (tuner && started && FirstScanWanted(ctx, src.source)) {
            ctx.clock.SleepMs(kFirstScanWaitMs);
            ctx.PostToSelf(40044);
        }
        ctx.parts.DrawSourceIndicator(src.source);
        if (s.ChannelListOpen) ctx.parts.RefreshChannelList();
    }

    // In every case: the channel buttons' tooltips follow the band.
    const std::string section =
        std::to_string(static_cast<std::int32_t>(ctx.panelIni.ReadInt("Panel", "PanelNow", 1))) + "PANEL_BTN";
    if (fm) {
        ctx.parts.SetChannelTooltips(ctx.panelIni.ReadText(section, "IDS_FREQDOWN", "Frequency Down", 260),
                                     ctx.panelIni.ReadText(section, "IDS_FREQUP", "Frequency Up", 260));
    } else {
        ctx.parts.SetChannelTooltips(ctx.panelIni.ReadText(section, "IDS_CHDOWN", "Channel down", 260),
                                     ctx.panelIni.ReadText(section, "IDS_CHUP", "Channel up", 260));
    }
    ctx.parts.RecreateTooltips();
    ctx.windows.SetFocus(ctx.panel);

    if (src.source == Source::AvIn || src.source == Source::SVideo) {
        if (s.ChannelListOpen) ctx.SendToSelf(40316);
    } else if (fm && ReadText(ctx.settings, "CHANNELLISTFM", "FM").empty()) {
        ctx.clock.SleepMs(kFirstScanWaitMs);
        ctx.PostToSelf(40044);
    }
}

// 40319 (key I): the next source in the order FM, air, cable, AV-in, S-Video.
void CycleSource(PanelContext& ctx) {
    PanelSession& s = ctx.s;
    if (s.Standby || !ctx.tv.Exists()) return;
    // The source that follows codes 1..4, and the command that selects it.
    struct Next {
        int code;
        std::uint16_t command;
    };
    static constexpr Next kNext[] = {{2, 40012}, {3, 40034}, {4, 40010}, {5, 40011}};
    if (s.SourceCode >= 1 && s.SourceCode <= 4) {
        const Next& n = kNext[s.SourceCode - 1];
        s.SourceCode = n.code;
        ctx.PostToSelf(n.command);
    } else if (s.SourceCode == 5) {
        s.SourceCode = 1;
        ctx.tv.Send(42227);
        if (s.FmSupported) {
            ctx.PostToSelf(40039);
        } else {
            s.SourceCode = 2;
            ctx.PostToSelf(40012);
        }
    }
}

// --- Panel visibility ------------------------------------------------------------------

void ShowOrHidePanel(PanelContext& ctx) {  // 32771
    PanelSession& s = ctx.s;
    if (s.Scanning()) return;
    if (s.PanelShown) {
        ShowIf(ctx, s.FileListWindow, win::kSwHide);
        ctx.windows.Show(ctx.panel, win::kSwHide);
        s.PanelShown = 0;
    } else {
        ShowIf(ctx, s.FileListWindow, s.FileListOpen ? win::kSwShow : win::kSwHide);
        ctx.windows.Show(ctx.panel, win::kSwShow);
        s.PanelShown = 1;
        ctx.windows.SetForeground(ctx.panel);
        if (!ctx.tv.Exists()) PostSourceCommand(ctx);
    }
}

void Standby(PanelContext& ctx) {  // 40018
    PanelSession& s = ctx.s;
    if (s.Scanning()) return;
    if (s.FileListOpen) ctx.PostToSelf(40117);
    const bool tvRunning = ctx.tv.Exists();
    s.PanelShown = 0;
    ctx.windows.Show(ctx.panel, win::kSwHide);
    ShowIf(ctx, s.FileListWindow, win::kSwHide);
    s.Standby = 1;
    if (tvRunning) ctx.tv.PostWindowMessage(win::kWmClose);
    if (s.ChannelListOpen) ctx.SendToSelf(40316);
    ShowIf(ctx, s.ChannelListWindow, win::kSwHide);
}

void ClosePanel(PanelContext& ctx) {  // 32772
    PanelSession& s = ctx.s;
    if (s.Scanning()) return;
    ctx.settings.WriteText("VideoProcAmp", "BrightnessValue", std::to_string(s.Brightness));
    ctx.settings.WriteText("VideoProcAmp", "ContrastValue", std::to_string(s.Contrast));
    ctx.settings.WriteText("VideoProcAmp", "HueValue", std::to_string(s.Hue));
    ctx.settings.WriteText("VideoProcAmp", "SaturationValue", std::to_string(s.Saturation));
    ctx.tv.PostWindowMessage(win::kWmClose);
    OnDestroy(ctx);
}

void ListWindowsRequest(PanelContext& ctx, std::intptr_t lParam) {  // 40326
    PanelSession& s = ctx.s;
    s.ListHidden = static_cast<std::int32_t>(lParam);
    if (lParam == 1) {
        ShowIf(ctx, s.FileListWindow, win::kSwHide);
        ShowIf(ctx, s.ChannelListWindow, win::kSwHide);
    } else {
        if (s.FileListOpen) ShowIf(ctx, s.FileListWindow, win::kSwShow);
        if (s.ChannelListOpen) ShowIf(ctx, s.ChannelListWindow, win::kSwShow);
    }
    if (s.SkinNumber >= 3 && s.SkinNumber <= 5) {
        if (const platform::WindowId tvWindow = ctx.tv.Find()) ctx.windows.SetTopmost(tvWindow, false);
    }
    const bool top = ReadText(ctx.settings, "vemla", "AlwaysOnTop") == "TRUE";
    ctx.windows.SetTopmost(ctx.panel, top);
    if (const platform::WindowId tvWindow = ctx.tv.Find()) ctx.windows.SetTopmost(tvWindow, top);
}

// --- Outside programs ----------------------------------------------------------------

void ScheduleRecording(PanelContext& ctx) {  // 40041
    PanelSession& s = ctx.s;
    if (s.Standby || s.SchedulerLaunched) return;
    s.SchedulerLaunched = ctx.windows.Find("", ScheduleWindowTitle(ctx)) != 0 ? 1 : 0;
    ctx.processes.Run(tvlink::ProgramCommandLine(tvlink::InstallationDirectory(ctx.winIni, ctx.files), "Vespero.exe"),
                      win::kSwShow);
}

void ScheduleQuery(PanelContext& ctx, std::intptr_t lParam) {  // 42222
    PanelSession& s = ctx.s;
    const platform::WindowId schedule = ctx.windows.Find("", ScheduleWindowTitle(ctx));
    if (lParam != 0) {
        ctx.tv.Send(42227);
        if (schedule) ctx.windows.Send(schedule, 40042, static_cast<std::uintptr_t>(s.FmSupported), 0);
    } else if (schedule) {
        ctx.windows.Send(schedule, 40040, (s.Recording || s.TimeShifting) ? 0 : 1, 0);
    }
}

void OpenWebSite(PanelContext& ctx) {  // 44001
    const std::string address =
        ctx.panelIni.ReadText("Panel", std::to_string(ctx.s.SkinNumber) + "PANEL_HTTP", "", 260);
    const auto root = platform::RegRoot::LocalMachine;
    if (!ctx.registry.KeyExists(root, kAppPathsIexplore)) return;
    std::string directory = ctx.registry.ReadString(root, kAppPathsIexplore, "Path").value_or("");
    directory = directory.substr(0, directory.find(';'));
    ctx.processes.Run(tvlink::ProgramCommandLine(directory, "iexplore.exe", address), win::kSwShow);
    ctx.windows.SetForeground(ctx.panel);
}

void TimeShiftStartToPlayback(PanelContext& ctx) {  // 46101
    const platform::WindowId playback = ctx.windows.Find(kPlaybackClass, kPlaybackTitle);
    if (playback == 0) return;
    const TimeOfDay& t = ctx.s.TimeShiftStart;
    ctx.windows.Post(playback, win::kWmCommand, win::MakeCommandWParam(46001), t.second);
    ctx.windows.Post(playback, win::kWmCommand, win::MakeCommandWParam(46002), t.minute);
    ctx.windows.Post(playback, win::kWmCommand, win::MakeCommandWParam(46003), t.hour);
}

}  // namespace

bool PassesGates(const PanelSession& s, std::uint16_t id) {
    if (s.TimeShifting && !In(kTimeShiftPass, id)) return false;
    if (s.PlayingBack && !In(kPlaybackPass, id)) return false;
    if (!s.TimeShifting && !s.PlayingBack && In(kTransport, id)) return false;
    if (s.Recording && !In(kRecordingPass, id)) return false;
    return true;
}

bool Dispatch(PanelContext& ctx, std::uint16_t id, std::intptr_t lParam) {
    if (!PassesGates(ctx.s, id)) return true;
    PanelSession& s = ctx.s;
    PanelParts& parts = ctx.parts;
    const auto value = static_cast<std::int32_t>(lParam);

    if (const SourceInfo* src = SourceByCommand(id)) {
        SwitchSource(ctx, *src);
        return true;
    }
    if (id >= 40100 && id <= 40109) {
        if (!s.Standby && !s.AwaitingTv) parts.DigitEntry(id - 40100);
        return true;
    }

    switch (id) {
        case 105:
            if (!s.Scanning()) ctx.host.DestroyPanel();
            break;
        case 32771:
            ShowOrHidePanel(ctx);
            break;
        case 32772:
            ClosePanel(ctx);
            break;
        case 32775: case 32776: case 32777: case 32778: case 32779:
        case 40118: case 40119: case 40120: case 40121:
            parts.FileListCommand(id);
            break;
        case 40002:
            parts.ShowAboutBox();
            break;
        case 40005:
        case 40006:
            VolumeStep(ctx, id == 40006);
            break;
        case 40007:
        case 40008:
            if (s.Standby || s.AwaitingTv) break;
            s.FmDigitStep = 0;
            if (s.FmMode) {
                ctx.timers.Start(ctx.panel, id == 40008 ? kTimerFmUp : kTimerFmDown, 400);
            } else if (!s.VideoInMode) {
                ctx.timers.Start(ctx.panel, id == 40008 ? kTimerChannelUp : kTimerChannelDown, 1);
            }
            break;
        case 40009:
            if (s.Scanning()) break;
            if (const platform::WindowId tvWindow = ctx.tv.Find()) {
                if (s.FmMode) {
                    ctx.windows.Show(tvWindow, win::kSwHide);
                } else {
                    ctx.tv.Post(40214);
                }
            }
            ctx.windows.Show(ctx.panel, win::kSwMinimize);
            break;
        case 40014:
            parts.AddCurrentChannel();
            break;
        case 40015:
            parts.RemoveCurrentChannel();
            break;
        case 40016:
            parts.RecordToggle();
            break;
        case 40017: case 40029: case 40030: case 40031: case 40032:
            parts.Transport(id);
            break;
        case 40018:
            Standby(ctx);
            break;
        case 40037:
            Mute(ctx);
            break;
        case 40038:
            parts.TimeShiftToggle();
            break;
        case 40040:
            parts.Snapshot();
            break;
        case 40041:
            ScheduleRecording(ctx);
            break;
        case 40042: {
            if (s.Standby || s.VideoInMode || s.FmMode || s.Scanning() || s.AwaitingTv) break;
            // Without a TV window nobody would ever end the preview.
            const platform::WindowId tvWindow = ctx.tv.Find();
            if (tvWindow == 0) break;
            s.AwaitingTv = 1;
            ctx.windows.SetFocus(tvWindow);
            s.PreviewOn = 1;
            ctx.tv.Post(2021);
            break;
        }
        case 40043:
            if (!s.Standby && !s.FmMode && !s.Scanning()) parts.ShowSettingsSheet();
            break;
        case 40044:
            parts.ScanCommand(lParam);
            break;
        case 40045:
            parts.ChangeSkin();
            break;
        case 40110:
            if (s.FmMode) {
                parts.DrawFmFrequency(value);
            } else {
                parts.DrawChannelNumber(value);
                s.ChannelNow = value;
            }
            break;
        case 40111:
            s.AirScanning = s.CableScanning = s.FmScanning = 0;
            s.AwaitingTv = 0;
            if (!s.FmMode) parts.ScanEndedForTvPage();
            if (s.ChannelListOpen) parts.RefreshChannelList();
            break;
        case 40112:
            parts.RecallChannel();
            break;
        case 40113:
            s.AwaitingTv = 0;
            break;
        case 40114:
            s.Recording = value;
            break;
        case 40115:
            s.PreviewOn = 0;
            break;
        case 40116:
            s.SchedulerLaunched = 0;
            break;
        case 40117:
            parts.ToggleFileList();
            break;
        case 40122:
            parts.Teletext();
            break;
        case 40123:
            parts.ShowAudioDialog();
            break;
        case 40124:
            parts.AddCapturedFile();
            break;
        case 40125:
            s.FileListOpen = 0;
            break;
        case 40201:
            parts.DrawFileSize(value);
            break;
        case 40301:
            parts.MoveTimeShiftKnob(lParam);
            break;
        case 40311:
            parts.DrawCaptureTime(value / 1000);
            break;
        case 40312:
            s.RecordToggleReady = 1;
            parts.DrawFileSize(0);
            parts.DrawCaptureTime(0);
            break;
        case 40314:
            s.SnapshotPending = 0;
            break;
        case 40315:
            parts.DrawCaptureTime(value);
            if (!s.PlayingBack) ctx.PostToSelf(40301, value / 6 - 1);
            break;
        case 40316:
            parts.ToggleChannelList();
            break;
        case 40318:
            if (s.FmMode || s.Standby || !ctx.tv.Exists()) break;
            ctx.PostToSelf(s.AirMode == 0 ? 40012 : 40034);
            break;
        case 40319:
            CycleSource(ctx);
            break;
        case 40320:
            SoundAdjustKey(ctx);
            break;
        case 40321:
            PictureAdjustKey(ctx);
            break;
        case 40322:
            if (!s.FmMode && !s.Standby) ctx.tv.Send(45000, 0);
            break;
        case 40323:
        case 40324:
            UpDownKey(ctx, id == 40323);
            break;
        case 40325:
            if (s.Standby || s.FmMode) break;
            if (s.ChannelListOpen) ctx.SendToSelf(40316);
            ctx.windows.SetFocus(ctx.tv.Find());
            ctx.tv.PostWindowMessage(win::kWmLButtonDblClk, 0, 0);
            break;
        case 40326:
            ListWindowsRequest(ctx, lParam);
            break;
        case 40327:
            parts.MovePlaybackKnob(lParam);
            break;
        case 42222:
            ScheduleQuery(ctx, lParam);
            break;
        case 42223:
            s.SchedulerPresent = value;
            break;
        case 42224:
            parts.DrawChannelNumber(value);
            if (ReadText(ctx.settings, "vemla", "UseFullScan") != "TRUE") {
                ctx.settings.WriteText("TVTuner", s.AirMode ? "TVChannelAir" : "TVChannelCable", std::to_string(value));
            }
            break;
        case 42225:
            s.AudioModeMask = value;
            break;
        case 42227:
            s.FmSupported = value;
            break;
        case 42228:
            PostSourceCommand(ctx);
            break;
        case 44000:
            if (s.Scanning()) break;
            ctx.windows.Show(ctx.panel, win::kSwShow);
            s.PanelShown = 1;
            if (!ctx.tv.Exists()) PostSourceCommand(ctx);
            parts.RepaintPanel();
            break;
        case 44001:
            OpenWebSite(ctx);
            break;
        case 44002:
            if (s.ChannelListOpen) parts.RefreshChannelList();
            break;
        case 46101:
            TimeShiftStartToPlayback(ctx);
            break;
        case 46102:
            parts.ClearAudioDialogFlag();
            break;
        case 46103:
            parts.ClearTvPageFlag();
            break;
        case 46203:
        case 46204:
            parts.StoreRecordPageValue(id, lParam);
            break;
        case 51222:
            if (lParam == 0) {
                ctx.mixer.SetMixerVolume(0);
            } else if (!s.Muted) {
                ctx.mixer.SetMixerVolume(s.Volume);
            }
            break;
        default:
            return false;
    }
    return true;
}

void OnTimer(PanelContext& ctx, std::uint32_t id) {
    PanelSession& s = ctx.s;
    PanelParts& parts = ctx.parts;
    // One-shot timers are stopped as they fire.
    auto once = [&] { ctx.timers.Stop(ctx.panel, id); };
    switch (id) {
        case kTimerButtonRepeat:
            parts.ButtonRepeatTimer();
            break;
        case kTimerNumberEntry:
            once();
            parts.CommitChannelNumber();
            break;
        case kTimerChannelDown:
        case kTimerChannelUp:
            once();
            parts.ChannelStep(id == kTimerChannelUp);
            break;
        case kTimerPictureEnd:
            EndPictureAdjust(ctx);
            break;
        case kTimerSoundEnd:
            EndSoundAdjust(ctx);
            break;
        case kTimerPictureDown:
        case kTimerPictureUp:
            once();
            PictureStep(ctx, id == kTimerPictureUp);
            break;
        case kTimerSoundDown:
        case kTimerSoundUp:
            once();
            SoundStep(ctx, id == kTimerSoundUp);
            break;
        case kTimerFmUp:
        case kTimerFmDown:
            once();
            parts.FmStep(id == kTimerFmUp);
            break;
        case kTimerTimeShiftBar:
            parts.TimeShiftBarTimer();
            break;
        case kTimerSeekSettle:
            once();
            s.SeekPending = 0;
            break;
        case kTimerDeviceCheck:  // keeps running
            if (!ctx.tv.Exists()) ctx.PostToSelf(32772);
            break;
        case kTimerRecordReady:
            once();
            s.RecordToggleReady = 1;
            break;
        case 40313:
            parts.DrawClock();
            break;
        default:
            break;
    }
}

void OnHotkey(PanelContext& ctx, int id) {
    PanelSession& s = ctx.s;
    if (id != 0 || s.Busy() || s.AwaitingTv) return;
    if (!s.Standby) {
        ctx.SendToSelf(40018);
        s.PanelShown = 0;
        ctx.windows.Show(ctx.panel, win::kSwHide);
    } else {
        ctx.windows.Show(ctx.panel, win::kSwShow);
        ctx.windows.Post(ctx.panel, win::kWmPaint, 0, 0);
        s.PanelShown = 1;
        ctx.windows.SetForeground(ctx.panel);
        PostSourceCommand(ctx);
    }
}

void OnDeviceChange(PanelContext& ctx) { ctx.timers.Start(ctx.panel, kTimerDeviceCheck, kDeviceCheckMs); }

}  // namespace core
