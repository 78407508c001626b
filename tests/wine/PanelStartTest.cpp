// The panel program end to end under Wine: installed by hand into the
// prefix with the real KvTV.dll and the TV window stand-in, started, driven
// with qordrive, and checked through the windows it makes and the settings
// file it writes.
#include <filesystem>
#include <string>

#include "tests/wine/InstalledPanel.h"

namespace fs = std::filesystem;
using namespace winetest;

namespace {

class PanelStart : public InstalledPanelTest {};

TEST_F(PanelStart, FirstStartSeedsTheSettingsPlacesThePanelAndStartsTheTvWindowHidden) {
    Settings("[ZUNTO]\r\nCountryCode=81\r\nMinair=1\r\nMaxair=3\r\nMin=13\r\nMax=14\r\n");
    StartQor();
    if (HasFatalFailure()) return;

    int sw = 0, sh = 0;
    ASSERT_EQ(std::sscanf(Drive({"screen"}).output.c_str(), "%d %d", &sw, &sh), 2);
    const std::string expected = std::to_string(sw / 2 - 547 / 2) + " " + std::to_string(sh - 176 - 40) + " 547 176\n";
    EXPECT_EQ(Drive({"rect", kPanelClass, kPanelTitle}).output, expected);

    ASSERT_EQ(Drive({"wait", kTvClass, kTvTitle, "20000"}).exitCode, 0) << "the TV window was not started";
    EXPECT_EQ(Drive({"visible", kTvClass, kTvTitle}).output, "0\n");

    struct Key {
        const char* section;
        const char* key;
        const char* value;
    } const keys[] = {
        {"TVTuner", "FMChannel", "760"},      {"TVTuner", "TVChannelAir", "8"},   {"TVTuner", "TVChannelCable", "8"},
        {"CHANNELLISTAIR", "ALREADYSCAN", "FALSE"}, {"CHANNELLISTAIR", "1", "TRUE"}, {"CHANNELLISTAIR", "3", "TRUE"},
        {"CHANNELLISTAIR", "4", "(missing)"}, {"CHANNELLIST", "ALREADYSCAN", "FALSE"}, {"CHANNELLIST", "13", "TRUE"},
        {"CHANNELLIST", "14", "TRUE"},        {"CHANNELLIST", "12", "(missing)"},  {"VideoProcAmp", "BrightnessValue", "50"},
        {"VideoProcAmp", "ContrastValue", "50"}, {"VideoProcAmp", "HueValue", "50"}, {"VideoProcAmp", "SaturationValue", "50"},
        {"AudioProcAmp", "VolumeValue", "128"}, {"SURFING", "TIME", "4"},       {"SURFING", "WIN", "2 x 2"},
        {"vemla", "UseFullScan", "FALSE"},
    };
    for (const Key& k : keys) EXPECT_EQ(Setting(k.section, k.key), k.value) << k.section << " " << k.key;

    // Close (tray menu "Close"): the TV window goes with the panel.
    ASSERT_EQ(Drive({"command", kPanelClass, kPanelTitle, "32772", "0"}).exitCode, 0);
    EXPECT_TRUE(qor_.WaitForExit(15000));
    EXPECT_EQ(qor_.ExitCode(), 0);
    EXPECT_EQ(Drive({"gone", kPanelClass, kPanelTitle, "5000"}).exitCode, 0);
    EXPECT_EQ(Drive({"gone", kTvClass, kTvTitle, "10000"}).exitCode, 0);
}

TEST_F(PanelStart, ASecondStartHandsTheStoredSourceToTheRunningPanel) {
    Settings("[ZUNTO]\r\nCountryCode=49\r\nMinair=2\r\nMaxair=4\r\nMin=1\r\nMax=2\r\n"
             "[CHANNELLIST]\r\nALREADYSCAN=TRUE\r\n[ZuntoCrossbar]\r\nInputSource=3\r\n");
    StartQor();
    if (HasFatalFailure()) return;
    ASSERT_EQ(Drive({"wait", kTvClass, kTvTitle, "20000"}).exitCode, 0);
    const fs::path log = install_ / "video.log";

    const RunResult second = RunWine(Qor(), {}, 60);
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_TRUE(Eventually([&] { return ReadFile(log.string()).find("WM_COMMAND 2003 0 sent") != std::string::npos; },
                           10000))
        << Joined(Lines(ReadFile(log.string())));
    EXPECT_FALSE(qor_.Exited()) << "the first panel must keep running";
}

TEST_F(PanelStart, WithoutTheFrequencyLibraryItSaysSoAndExits) {
    fs::remove(fs::path(prefix_) / "drive_c" / "windows" / "system32" / "KvTV.dll");
    Settings("[ZUNTO]\r\nCountryCode=49\r\n");
    qor_ = RunWineBackground(Qor(), {}, 60);
    ASSERT_TRUE(qor_.Started());
    ASSERT_EQ(Drive({"wait", "#32770", "Error", "30000"}).exitCode, 0) << "no message box";
    EXPECT_NE(Drive({"find", kPanelClass, kPanelTitle}).exitCode, 0) << "no panel window may exist";
    Drive({"command", "#32770", "Error", "1", "0"});  // OK
    ASSERT_TRUE(qor_.WaitForExit(15000));
    EXPECT_EQ(qor_.ExitCode(), 0);
    EXPECT_NE(Drive({"find", kTvClass, kTvTitle}).exitCode, 0);
}

}  // namespace
