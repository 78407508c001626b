// The panel installed by hand into the test prefix (tools/install-by-hand.sh)
// with the real KvTV.dll and the TV window stand-in, started and closed by
// the tests that drive it.
#pragma once

#include <filesystem>
#include <string>

#include "platform/ini/IniFileProfile.h"
#include "tests/wine/DesktopTest.h"

namespace winetest {

class InstalledPanelTest : public DesktopTest {
protected:
    static constexpr const char* kTvClass = "Kestrova Zunto";
    static constexpr const char* kTvTitle = "Tv";

    // Installs afresh; false (with the test skipped or failed) when it cannot.
    void SetUp() override {
        if (!HaveDisplay()) GTEST_SKIP() << "needs an X display (test.sh starts Xvfb)";
        DesktopTest::SetUp();
        if (HasFatalFailure()) return;
        prefix_ = std::getenv("WINEPREFIX") != nullptr ? std::getenv("WINEPREFIX")
                                                        : SourceDir() + "/build/wineprefix";
        CloseLeftOver(kPanelClass, kPanelTitle);
        CloseLeftOver(kTvClass, kTvTitle);
        const RunResult install = winetest::Run({SourceDir() + "/tools/install-by-hand.sh", Win64BinDir()});
        ASSERT_EQ(install.exitCode, 0) << install.output;
        install_ = std::filesystem::path(prefix_) / "drive_c" / "Program Files" / "TV Drovan";
        std::filesystem::remove(install_ / "video.log");
    }

    void TearDown() override {
        if (qor_.Started() && !qor_.Exited()) {
            Drive({"command", kPanelClass, kPanelTitle, "32772", "0"});
            qor_.WaitForExit(10000);
        }
        qor_.Stop();
        if (HaveDisplay()) CloseLeftOver(kTvClass, kTvTitle);
        DesktopTest::TearDown();
    }

    void Settings(const std::string& text) { WriteFile((install_ / "QorSFile.ini").string(), text); }
    std::string Setting(const char* file, const char* section, const char* key) {
        platform::ini::IniFileProfile ini((install_ / file).string());
        return ini.ReadText(section, key, "(missing)", 260);
    }
    std::string Setting(const char* section, const char* key) { return Setting("QorSFile.ini", section, key); }
    std::string Qor() const { return (install_ / "qor.exe").string(); }

    // Starts the installed panel and waits until its window is visible.
    void StartQor() {
        qor_ = RunWineBackground(Qor(), {}, 120);
        ASSERT_TRUE(qor_.Started());
        ASSERT_EQ(Drive({"wait", kPanelClass, kPanelTitle, "30000"}).exitCode, 0) << "no panel window";
        ASSERT_TRUE(Eventually([&] { return Drive({"visible", kPanelClass, kPanelTitle}).output == "1\n"; }, 10000));
    }

    std::string prefix_;
    std::filesystem::path install_;
    BackgroundProcess qor_;
};

}  // namespace winetest
