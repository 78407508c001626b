// The panel's core on fakes: every platform service in memory, the
// program's parts and mixer as call recorders, a host whose panel window is
// a fake window handled by the core, and helpers that play the message loop
// (posted messages, timers) the way the real one runs.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "channels/Country.h"
#include "channels/TableFreqLibrary.h"
#include "core/Dispatcher.h"
#include "core/Lifecycle.h"
#include "core/PanelContext.h"
#include "core/PanelWindow.h"
#include "core/Startup.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/FakeDialogView.h"
#include "platform/fake/FakeFiles.h"
#include "platform/fake/FakeProcesses.h"
#include "platform/fake/FakeProfile.h"
#include "platform/fake/RawRegistry.h"
#include "platform/fake/FakeSystem.h"
#include "platform/fake/FakeTimers.h"
#include "platform/fake/FakeWindows.h"

namespace coretest {

using platform::WindowId;

// Records every operation as text, e.g. "DrawChannelNumber(8)".
class RecordingParts final : public core::PanelParts {
public:
    std::vector<std::string> calls;
    core::PanelSize baseSize{600, 150};
    core::PanelContext* bound = nullptr;

    bool Called(const std::string& call) const;
    int Count(const std::string& call) const;
    void Clear() { calls.clear(); }

    void Bind(core::PanelContext& ctx) override { bound = &ctx, Log("Bind"); }
    void LoadPanelLayout() override { Log("LoadPanelLayout"); }
    void LoadMovedButtons(int mode) override { Log("LoadMovedButtons", mode); }
    core::PanelSize BasePanelSize() override { return baseSize; }
    void ApplyRegion(int state) override { Log("ApplyRegion", state); }
    void LoadSkin(int state) override { Log("LoadSkin", state); }
    void CreateTooltips() override { Log("CreateTooltips"); }
    void RecreateTooltips() override { Log("RecreateTooltips"); }
    void SetChannelTooltips(const std::string& down, const std::string& up) override {
        calls.push_back("SetChannelTooltips(" + down + "|" + up + ")");
    }
    void ChangeSkin() override { Log("ChangeSkin"); }
    void ReleaseSkin() override { Log("ReleaseSkin"); }
    void AddTrayIcon() override { Log("AddTrayIcon"); }
    void RemoveTrayIcon() override { Log("RemoveTrayIcon"); }
    void DestroyFileListWindow() override { Log("DestroyFileListWindow"); }
    void DestroyTooltipWindow() override { Log("DestroyTooltipWindow"); }
    void DestroyChannelListWindow() override { Log("DestroyChannelListWindow"); }
    void DrawVolumeBar() override { Log("DrawVolumeBar"); }
    void DrawMuteButton(bool muted) override { Log("DrawMuteButton", muted); }
    void DrawModeLabel(core::LcdLabel label) override { Log("DrawModeLabel", static_cast<int>(label)); }
    void DrawSourceIndicator(core::Source source) override { Log("DrawSourceIndicator", static_cast<int>(source)); }
    void DrawChannelNumber(int channel) override { Log("DrawChannelNumber", channel); }
    void DrawFmFrequency(int frequency) override { Log("DrawFmFrequency", frequency); }
    void DrawClock() override { Log("DrawClock"); }
    void DrawCaptureTime(int seconds) override { Log("DrawCaptureTime", seconds); }
    void DrawFileSize(int value) override { Log("DrawFileSize", value); }
    void RepaintPanel() override { Log("RepaintPanel"); }
    void ChannelStep(bool up) override { Log("ChannelStep", up); }
    void FmStep(bool up) override { Log("FmStep", up); }
    void DigitEntry(int digit) override { Log("DigitEntry", digit); }
    void CommitChannelNumber() override { Log("CommitChannelNumber"); }
    void RecallChannel() override { Log("RecallChannel"); }
    void AddCurrentChannel() override { Log("AddCurrentChannel"); }
    void RemoveCurrentChannel() override { Log("RemoveCurrentChannel"); }
    void ToggleChannelList() override { Log("ToggleChannelList"); }
    void RefreshChannelList() override { Log("RefreshChannelList"); }
    void ScanCommand(std::intptr_t lParam) override { Log("ScanCommand", static_cast<long long>(lParam)); }
    void ScanEndedForTvPage() override { Log("ScanEndedForTvPage"); }
    void RecordToggle() override { Log("RecordToggle"); }
    void Transport(std::uint16_t command) override { Log("Transport", command); }
    void TimeShiftToggle() override { Log("TimeShiftToggle"); }
    void Snapshot() override { Log("Snapshot"); }
    void Teletext() override { Log("Teletext"); }
    void MoveTimeShiftKnob(std::intptr_t lParam) override { Log("MoveTimeShiftKnob", static_cast<long long>(lParam)); }
    void MovePlaybackKnob(std::intptr_t lParam) override { Log("MovePlaybackKnob", static_cast<long long>(lParam)); }
    void TimeShiftBarTimer() override { Log("TimeShiftBarTimer"); }
    void ShowAboutBox() override { Log("ShowAboutBox"); }
    void ShowSettingsSheet() override { Log("ShowSettingsSheet"); }
    void ShowAudioDialog() override { Log("ShowAudioDialog"); }
    void ClearAudioDialogFlag() override { Log("ClearAudioDialogFlag"); }
    void ClearTvPageFlag() override { Log("ClearTvPageFlag"); }
    void StoreRecordPageValue(std::uint16_t command, std::intptr_t value) override {
        calls.push_back("StoreRecordPageValue(" + std::to_string(command) + "," + std::to_string(value) + ")");
    }
    void FileListCommand(std::uint16_t command) override { Log("FileListCommand", command); }
    void ToggleFileList() override { Log("ToggleFileList"); }
    void AddCapturedFile() override { Log("AddCapturedFile"); }
    void ButtonRepeatTimer() override { Log("ButtonRepeatTimer"); }

private:
    void Log(const std::string& name) { calls.push_back(name); }
    void Log(const std::string& name, long long v) { calls.push_back(name + "(" + std::to_string(v) + ")"); }
};

class RecordingMixer final : public core::MixerControl {
public:
    std::vector<std::string> calls;
    bool opens = true;

    bool InitSoundCardMixer(WindowId, bool learn) override {
        calls.push_back(std::string("InitSoundCardMixer(") + (learn ? "learn" : "no") + ")");
        return opens;
    }
    void SetMixerVolume(int v) override { calls.push_back("SetMixerVolume(" + std::to_string(v) + ")"); }
    void SetMixerBalance(int v) override { calls.push_back("SetMixerBalance(" + std::to_string(v) + ")"); }
    void SetMixerBass(int v) override { calls.push_back("SetMixerBass(" + std::to_string(v) + ")"); }
    void SetMixerTreble(int v) override { calls.push_back("SetMixerTreble(" + std::to_string(v) + ")"); }
    void SetInputLineMute(int m) override { calls.push_back("SetInputLineMute(" + std::to_string(m) + ")"); }
};

// The program's window layer: the panel window is a fake window whose
// messages go to core::HandlePanelMessage.
class FakeHost final : public core::PanelHost {
public:
    explicit FakeHost(platform::fake::FakeWindows& windows) : windows_(windows) {}

    // Knobs.
    bool libraryLoads = true;
    bool classRegisters = true;
    bool windowCreates = true;
    // The user's part of the country dialog, between opening and OK.
    std::function<void(channels::CountryDialog&, platform::fake::FakeDialogView&)> countryChoice;
    // What happens while the message loop runs (before it would block).
    std::function<void()> whileLooping;

    // What happened.
    std::vector<std::string> libraryPaths;
    std::vector<std::string> messages;
    std::vector<int> quits;
    int countryDialogs = 0;
    int destroyCalls = 0;
    std::vector<std::string> steps;  // the host operations in order
    WindowId panel = 0;

    std::unique_ptr<channels::FreqLibrary> LoadFreqLibrary(const std::string& path) override;
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    bool RegisterPanelClass() override {
        steps.push_back("RegisterPanelClass");
        return classRegisters;
    }
    WindowId CreatePanelWindow(core::PanelContext& ctx, int x, int y, int w, int h) override;
    void UpdatePanel() override { steps.push_back("UpdatePanel"); }
    void LoadAcceleratorTable() override { steps.push_back("LoadAcceleratorTable"); }
    void RegisterPanelHotkey() override { steps.push_back("RegisterPanelHotkey"); }
    int RunMessageLoop() override;
    void DestroyPanel() override;
    void PostQuit(int code) override { quits.push_back(code); }
    WindowId KeyboardFocus() override { return windows_.Focus(); }
    void RunCountryDialog(core::PanelContext& ctx) override;

    int createdX = 0, createdY = 0, createdW = 0, createdH = 0;

private:
    platform::fake::FakeWindows& windows_;
};

inline constexpr char kInstallDir[] = "C:\\Program Files\\Glimvale";
inline constexpr char kSettingsPath[] = "C:\\Program Files\\Glimvale\\QorSFile.ini";
inline constexpr char kPanelIniPath[] = "C:\\Program Files\\Glimvale\\QorPFile.ini";

// The platform and the program's parts, shared by both fixtures.
struct PanelWorld {
    PanelWorld();

    platform::fake::FakeClock clock;
    platform::fake::FakeWindows windows;
    platform::fake::FakeTimers timers{clock};
    platform::fake::FakeSystem system;
    platform::fake::FakeProcesses processes;
    platform::fake::FakeFiles files;
    platform::fake::RawRegistry registry;
    platform::fake::MemoryProfiles profiles;
    RecordingParts parts;
    RecordingMixer mixer;
    FakeHost host{windows};
    core::PanelServices services{windows, timers, clock, system, processes, files, registry, profiles,
                                 host, parts, mixer};
    core::PanelSession session;

    platform::fake::MemoryProfile& Settings() { return profiles.File(kSettingsPath); }
    platform::fake::MemoryProfile& PanelIni() { return profiles.File(kPanelIniPath); }
    platform::fake::MemoryProfile& WinIni() { return profiles.WinIniFile(); }
    std::string Setting(const std::string& section, const std::string& key) {
        return Settings().ReadText(section, key, "<none>", 1000);
    }

    // The TV window program: its window, which answers 42227 with its FM
    // capability, and its start by the panel, which makes the window appear.
    WindowId AddTv();
    void TvAppearsWhenStarted();
    WindowId Tv() { return windows.Find("Kestrova Zunto", "Tv"); }
    bool tvHasFm = true;
};

// The panel running: context built as the start-up builds it, with a panel
// window that the core handles.  WM_CREATE is not run (tests that want it
// call Create()).
class PanelTest : public testing::Test, public PanelWorld {
protected:
    PanelTest();

    void Create();  // WM_CREATE
    // Posts a command to the panel and runs the loop until it is quiet.
    void Command(std::uint16_t id, std::intptr_t lParam = 0);
    // Runs posted messages and due timers until nothing is left.
    void Pump();
    // Moves time, running the loop as the timers fire.
    void Advance(std::uint64_t ms);
    // Commands the panel sent or posted to itself, and those to the TV window.
    std::vector<platform::fake::LoggedCommand> ToPanel() const { return windows.CommandsTo(panel); }
    std::vector<platform::fake::LoggedCommand> ToTv() { return windows.CommandsTo(Tv()); }

    channels::TableFreqLibrary library;
    core::PanelContext ctx{services, session, Settings(), PanelIni()};
    WindowId panel = 0;
};

}  // namespace coretest
