// The panel window's creation (first-run seeding, mixer, country, stored
// source) and destruction.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "core/tests/PanelFixture.h"

namespace {

namespace win = platform::win;
using platform::fake::LoggedCommand;
using Keys = std::map<std::pair<std::string, std::string>, std::string>;

// Every key of an INI text, by section and key as written.
Keys AllKeys(const std::string& text) {
    Keys keys;
    std::istringstream in(text);
    std::string line, section;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() > 1 && line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
        } else if (const auto eq = line.find('='); eq != std::string::npos) {
            keys[{section, line.substr(0, eq)}] = line.substr(eq + 1);
        }
    }
    return keys;
}

class Creation : public coretest::PanelTest {};

TEST_F(Creation, FirstRunWithEmptySettingsSeedsEveryKey) {
    struct Case {
        const char* iCountry;
        const char* name;      // country name in the panel INI
        const char* position;  // in the table
        const char* fm;
        const char* standard;
        const char* analog;
        const char* minFreq;
        const char* maxFreq;
        const char* range;
        int minAir, maxAir, minCable, maxCable;
    } cases[] = {
        {"81", "Japan", "109", "760", "1", "NTSC", "55250000", "801250000", "5000000", 1, 62, 1, 63},
        {"49", "Germany", "80", "875", "4", "PAL", "45000000", "863250000", "3000000", 2, 69, 1, 41},
    };
    PanelIni().WriteText("1PANEL_BTN", "110", "Japan");
    PanelIni().WriteText("1PANEL_BTN", "81", "Germany");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Settings().SetText("");
        WinIni().WriteText("intl", "iCountry", c.iCountry);
        ctx.destroyed = false;
        windows.ClearLog();

        Create();

        Keys expected = {
            {{"vemla", "UseFullScan"}, "FALSE"},
            {{"VideoProcAmp", "BrightnessValue"}, "50"},
            {{"VideoProcAmp", "HueValue"}, "50"},
            {{"VideoProcAmp", "ContrastValue"}, "50"},
            {{"VideoProcAmp", "SaturationValue"}, "50"},
            {{"ZUNTO", "DefCodePos"}, c.position},
            {{"ZUNTO", "CountryCode"}, c.iCountry},
            {{"ZUNTO", "DEFAULTCOUNTRY"}, c.iCountry},
            {{"ZUNTO", "CodePos"}, c.position},
            {{"ZUNTO", "DEFAULTNAME"}, c.name},
            {{"ZUNTO", "MaxFreq"}, c.maxFreq},
            {{"ZUNTO", "MinFreq"}, c.minFreq},
            {{"ZUNTO", "Range"}, c.range},
            {{"vemla", "AnalogStandard"}, c.analog},
            {{"VideoStandard", "VideoStandard"}, c.standard},
            {{"AudioFormat", "AudioFormat"}, "2"},
            {{"ZUNTO", "Maxair"}, std::to_string(c.maxAir)},
            {{"ZUNTO", "Minair"}, std::to_string(c.minAir)},
            {{"ZUNTO", "Max"}, std::to_string(c.maxCable)},
            {{"ZUNTO", "Min"}, std::to_string(c.minCable)},
            {{"TVTuner", "FMChannel"}, c.fm},
            {{"SURFING", "TIME"}, "4"},
            {{"SURFING", "WIN"}, "2 x 2"},
            {{"CHANNELLISTAIR", "ALREADYSCAN"}, "FALSE"},
            {{"TVTuner", "TVChannelAir"}, "8"},
            {{"CHANNELLIST", "ALREADYSCAN"}, "FALSE"},
            {{"TVTuner", "TVChannelCable"}, "8"},
            {{"AudioProcAmp", "VolumeValue"}, "128"},
        };
        for (int n = c.minAir; n <= c.maxAir; ++n) expected[{"CHANNELLISTAIR", std::to_string(n)}] = "TRUE";
        for (int n = c.minCable; n <= c.maxCable; ++n) expected[{"CHANNELLIST", std::to_string(n)}] = "TRUE";
        EXPECT_EQ(AllKeys(Settings().Text()), expected);

        // Cable (the default source) is asked for once the loop runs.
        EXPECT_EQ(windows.CommandsTo(panel), (std::vector<LoggedCommand>{{40034, 0, true}}));
        windows.DropQueued();
    }
    EXPECT_EQ(host.countryDialogs, 2);
    EXPECT_EQ(session.Volume, 128);
    EXPECT_EQ(session.Brightness, 50);
    EXPECT_EQ(session.MixerAvailable, 1);
    EXPECT_EQ(session.PanelShown, 1);
    EXPECT_EQ(windows.LastShow(panel), win::kSwShowNormal);
    EXPECT_EQ(windows.Foreground(), panel);
}

TEST_F(Creation, OrderOfTheParts) {
    Settings().WriteText("ZUNTO", "CountryCode", "49");
    mixer.opens = false;
    Create();
    EXPECT_EQ(parts.calls, (std::vector<std::string>{"ApplyRegion(1)", "LoadSkin(1)", "LoadPanelLayout", "CreateTooltips",
                                                     "AddTrayIcon", "DrawVolumeBar", "DrawMuteButton(0)"}));
    // No country dialog: the mixer opens once, without learning.
    EXPECT_EQ(mixer.calls, (std::vector<std::string>{"InitSoundCardMixer(no)", "SetMixerVolume(128)"}));
    EXPECT_EQ(session.MixerAvailable, 0);
    EXPECT_EQ(host.countryDialogs, 0);
}

TEST_F(Creation, ExistingSettingsAreKept) {
    Settings().SetText(
        "[ZUNTO]\r\nCountryCode=49\r\nMin=1\r\nMax=41\r\n"
        "[TVTuner]\r\nFMChannel=1017\r\nTVChannelAir=30\r\n"
        "[VideoProcAmp]\r\nBrightnessValue=70\r\nContrastValue=0\r\n"
        "[AudioProcAmp]\r\nVolumeValue=200\r\n"
        "[SURFING]\r\nTIME=7\r\nWIN=3 x 3\r\n"
        "[CHANNELLISTAIR]\r\nALREADYSCAN=TRUE\r\n5=FALSE\r\n"
        "[AudioDevice]\r\n0=Line\r\n1=None\r\n[Audio]\r\n0=17\r\n1=0\r\n");
    PanelIni().WriteText("Panel", "PanelNow", "2");
    Create();
    EXPECT_EQ(Setting("TVTuner", "FMChannel"), "1017");
    EXPECT_EQ(Setting("TVTuner", "TVChannelAir"), "30");
    EXPECT_EQ(Setting("CHANNELLISTAIR", "5"), "FALSE");
    EXPECT_EQ(Setting("CHANNELLIST", "ALREADYSCAN"), "FALSE");  // cable was never scanned
    EXPECT_EQ(Setting("CHANNELLIST", "41"), "TRUE");
    EXPECT_EQ(Setting("SURFING", "TIME"), "7");
    EXPECT_EQ(Setting("SURFING", "WIN"), "3 x 3");
    EXPECT_EQ(Setting("VideoProcAmp", "BrightnessValue"), "70");
    EXPECT_EQ(Setting("VideoProcAmp", "ContrastValue"), "50");
    EXPECT_EQ(Setting("AudioDevice", "0"), "<none>");
    EXPECT_EQ(Setting("Audio", "0"), "<none>");
    EXPECT_EQ(session.Brightness, 70);
    EXPECT_EQ(session.Contrast, 50);
    EXPECT_EQ(session.Volume, 200);
    EXPECT_EQ(session.SkinNumber, 2);
    EXPECT_EQ(mixer.calls.back(), "SetMixerVolume(200)");
}

TEST_F(Creation, FullScanListIsOnlyUsedWhenOneExists) {
    struct Case {
        const char* allch;  // nullptr: missing
        const char* useFullScan;
    } cases[] = {{nullptr, "FALSE"}, {"0", "FALSE"}, {"-1", "FALSE"}, {"3", "TRUE"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.allch ? c.allch : "missing");
        Settings().SetText("[ZUNTO]\r\nCountryCode=49\r\n[vemla]\r\nUseFullScan=TRUE\r\n");
        if (c.allch) Settings().WriteText("FREQCHLIST", "ALLCH", c.allch);
        Create();
        EXPECT_EQ(Setting("vemla", "UseFullScan"), c.useFullScan);
    }
}

TEST_F(Creation, StoredSourceIsSelected) {
    struct Case {
        const char* inputSource;  // nullptr: missing
        std::uint16_t command;    // 0: nothing posted
    } cases[] = {{nullptr, 40034}, {"1", 40010}, {"2", 40011}, {"3", 40034}, {"4", 40012}, {"5", 40039}, {"9", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.inputSource ? c.inputSource : "missing");
        Settings().SetText("[ZUNTO]\r\nCountryCode=49\r\n");
        if (c.inputSource) Settings().WriteText("ZuntoCrossbar", "InputSource", c.inputSource);
        windows.ClearLog();
        Create();
        const auto sent = windows.CommandsTo(panel);
        if (c.command) {
            EXPECT_EQ(sent, (std::vector<LoggedCommand>{{c.command, 0, true}}));
        } else {
            EXPECT_TRUE(sent.empty());
        }
        windows.DropQueued();
    }
}

// Channel numbers have three digits at most: a damaged range cannot make
// the start-up write billions of keys.
TEST_F(Creation, DamagedChannelRangeIsBounded) {
    Settings().SetText("[ZUNTO]\r\nCountryCode=49\r\nMinair=-5\r\nMaxair=2147483647\r\nMin=3\r\nMax=1\r\n");
    Create();
    EXPECT_EQ(Setting("CHANNELLISTAIR", "0"), "TRUE");
    EXPECT_EQ(Setting("CHANNELLISTAIR", "999"), "TRUE");
    EXPECT_EQ(Setting("CHANNELLISTAIR", "1000"), "<none>");
    EXPECT_EQ(Setting("CHANNELLISTAIR", "-1"), "<none>");
    EXPECT_EQ(Setting("CHANNELLIST", "1"), "<none>");  // empty range
}

TEST_F(Creation, DestroyReleasesEverythingOnce) {
    Settings().WriteText("ZUNTO", "CountryCode", "49");
    Create();
    timers.Start(panel, core::kClockTimer, core::kClockPeriodMs);
    parts.Clear();
    windows.Send(panel, win::kWmDestroy, 0, 0);
    windows.Send(panel, win::kWmDestroy, 0, 0);
    EXPECT_EQ(parts.calls, (std::vector<std::string>{"DestroyFileListWindow", "DestroyTooltipWindow",
                                                     "DestroyChannelListWindow", "RemoveTrayIcon", "ReleaseSkin"}));
    EXPECT_FALSE(timers.Running(panel, core::kClockTimer));
    EXPECT_EQ(host.quits, std::vector<int>{0});
}

}  // namespace
