// Helpers of the Wine tests that run window programs on the prefix's desktop
// and drive them with qordrive: waiting for a condition, reading logs line by
// line, and a fixture with a folder of its own, the driver and a stand-in
// panel window that records the commands it receives.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/wine/WineRun.h"

namespace winetest {

inline constexpr int kWmDestroy = 2;
inline constexpr int kWmClose = 16;
inline constexpr int kWmCommand = 273;

inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

inline std::string Joined(const std::vector<std::string>& lines) {
    std::string all = "got:";
    for (const std::string& l : lines) all += "\n  " + l;
    return all;
}

// Polls until check() holds or the time is up; the result of the last check.
template <typename Check>
bool Eventually(Check&& check, int timeoutMs = 5000) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (check()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return check();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

class DesktopTest : public testing::Test {
protected:
    static constexpr const char* kPanelClass = "Kestrova Glimvale";
    static constexpr const char* kPanelTitle = "Panel";

    // A fresh folder named after the test; the driver present.
    void SetUp() override {
        driver_ = Win64BinDir() + "/qordrive.exe";
        ASSERT_TRUE(std::filesystem::exists(driver_)) << driver_ << " missing: build the win64 preset first";
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "-" + info->name();
        for (char& c : name) {
            if (c == '/') c = '_';
        }
        dir_ = std::filesystem::temp_directory_path() / ("qor-" + std::to_string(getpid()) + "-" + name);
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }

    void TearDown() override {
        panel_.Stop();
        if (!dir_.empty()) std::filesystem::remove_all(dir_);
    }

    static bool HaveDisplay() { return std::getenv("DISPLAY") != nullptr; }

    RunResult Drive(const std::vector<std::string>& args) { return RunWine(driver_, args, 30); }

    // A copy of a win64 program in the test's folder, so that its log lands there.
    std::string CopyProgram(const std::string& name) {
        const std::filesystem::path from = std::filesystem::path(Win64BinDir()) / name;
        EXPECT_TRUE(std::filesystem::exists(from)) << from << " missing: build the win64 preset first";
        std::filesystem::copy_file(from, dir_ / name, std::filesystem::copy_options::overwrite_existing);
        return (dir_ / name).string();
    }

    // A window of a run that was cut short would answer in place of ours.
    void CloseLeftOver(const std::string& cls, const std::string& title) {
        if (Drive({"find", cls, title}).exitCode != 0) return;
        Drive({"post", cls, title, std::to_string(kWmClose), "0", "0"});
        ASSERT_EQ(Drive({"gone", cls, title, "5000"}).exitCode, 0) << "a left-over " << title << " window stays";
    }

    // A qordrive "listen" window in the panel's place.
    void StartPanel() {
        CloseLeftOver(kPanelClass, kPanelTitle);
        if (HasFatalFailure()) return;
        panel_ = RunWineBackground(driver_, {"listen", kPanelClass, kPanelTitle, "120000"}, 150);
        ASSERT_TRUE(panel_.Started());
        ASSERT_EQ(Drive({"wait", kPanelClass, kPanelTitle, "20000"}).exitCode, 0) << "panel stand-in did not come up";
    }

    std::vector<std::string> PanelLog() { return Lines(panel_.Output()); }
    std::vector<std::string> LogBeside(const std::string& file) { return Lines(ReadFile((dir_ / file).string())); }

    std::string driver_;
    std::filesystem::path dir_;
    BackgroundProcess panel_;
};

}  // namespace winetest
