// The Win32 implementations of the platform interfaces under Wine, through
// qordrive: registry keys and values (terminated writes, bounded reads,
// recursive deletion), files and directories, the power settings and
// starting programs.  Each table is a sequence of qordrive calls with the
// exit code and output each must give.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/wine/WineRun.h"

namespace fs = std::filesystem;
using namespace winetest;

namespace {

struct Step {
    std::vector<std::string> args;  // "@" in an argument stands for the test's own key or folder
    int exitCode;
    const char* output;             // nullptr: any output
};

class Win32Platform : public testing::Test {
protected:
    void SetUp() override {
        driver_ = Win64BinDir() + "/qordrive.exe";
        ASSERT_TRUE(fs::exists(driver_)) << driver_ << " missing: build the win64 preset first";
    }

    RunResult Drive(const std::vector<std::string>& args) { return RunWine(driver_, args, 30); }

    // Runs the steps in order, "@" replaced by at; directory listings are
    // compared in name order (the file system gives its own).
    void RunSteps(const std::vector<Step>& steps, const std::string& at) {
        for (const Step& s : steps) {
            std::vector<std::string> args;
            std::string what;
            for (const std::string& a : s.args) {
                args.push_back(Replace(a, at));
                what += "[" + args.back() + "] ";
            }
            SCOPED_TRACE(what);
            const RunResult r = Drive(args);
            EXPECT_EQ(r.exitCode, s.exitCode);
            if (s.output == nullptr) continue;
            const std::string expected = Replace(s.output, at);
            if (args[0] == "file-find") {
                EXPECT_EQ(SortedLines(r.output), SortedLines(expected));
            } else {
                EXPECT_EQ(r.output, expected);
            }
        }
    }

    static std::string Replace(std::string text, const std::string& at) {
        for (std::size_t p = text.find('@'); p != std::string::npos; p = text.find('@', p + at.size())) {
            text.replace(p, 1, at);
        }
        return text;
    }

    static std::vector<std::string> SortedLines(const std::string& text) {
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        std::sort(lines.begin(), lines.end());
        return lines;
    }

    std::string driver_;
};

const std::vector<Step> kRegistrySteps = {
    // Strings are stored with their terminating zero: 6 characters take 7 UTF-16 units.
    {{"reg-set-string", "HKCU", "@\\A", "Path", "C:\\x;y"}, 0, ""},
    {{"reg-raw", "HKCU", "@\\A", "Path"}, 0, "1 14\n"},
    {{"reg-get-string", "HKCU", "@\\A", "Path"}, 0, "C:\\x;y\n"},
    {{"reg-set-string", "HKCU", "@\\A", "Empty", ""}, 0, ""},
    {{"reg-raw", "HKCU", "@\\A", "Empty"}, 0, "1 2\n"},
    {{"reg-get-string", "HKCU", "@\\A", "Empty"}, 0, "\n"},
    // A value stored without its zero, or with one inside, still reads as a C text.
    {{"reg-set-unterminated", "HKCU", "@\\A", "Raw", "abcdef"}, 0, ""},
    {{"reg-raw", "HKCU", "@\\A", "Raw"}, 0, "1 12\n"},
    {{"reg-get-string", "HKCU", "@\\A", "Raw"}, 0, "abcdef\n"},
    {{"reg-set-unterminated", "HKCU", "@\\A", "Inner", "abc\\0def"}, 0, ""},
    {{"reg-get-string", "HKCU", "@\\A", "Inner"}, 0, "abc\n"},
    // The default value has the empty name.
    {{"reg-set-string", "HKCU", "@\\A", "-", "default text"}, 0, ""},
    {{"reg-get-string", "HKCU", "@\\A", "-"}, 0, "default text\n"},
    // DWORDs, and each reader refusing the other's type.
    {{"reg-set-dword", "HKCU", "@\\A\\B\\C", "D", "4294967295"}, 0, ""},
    {{"reg-get-dword", "HKCU", "@\\A\\B\\C", "D"}, 0, "4294967295\n"},
    {{"reg-get-string", "HKCU", "@\\A\\B\\C", "D"}, 1, ""},
    {{"reg-get-dword", "HKCU", "@\\A", "Path"}, 1, ""},
    {{"reg-get-string", "HKCU", "@\\A", "Missing"}, 1, ""},
    {{"reg-get-string", "HKCU", "@\\Nowhere", "Path"}, 1, ""},
    // Keys: creation, enumeration, value and key deletion.
    {{"reg-create", "HKCU", "@\\A\\E"}, 0, ""},
    {{"reg-exists", "HKCU", "@\\A\\E"}, 0, "1\n"},
    {{"reg-subkeys", "HKCU", "@\\A"}, 0, "B\nE\n"},
    {{"reg-subkeys", "HKCU", "@\\Nowhere"}, 0, ""},
    {{"reg-delete-value", "HKCU", "@\\A", "Raw"}, 0, ""},
    {{"reg-get-string", "HKCU", "@\\A", "Raw"}, 1, ""},
    {{"reg-delete-value", "HKCU", "@\\A", "Raw"}, 1, ""},
    {{"reg-delete-key", "HKCU", "@\\A\\B"}, 0, ""},
    {{"reg-exists", "HKCU", "@\\A\\B\\C"}, 0, "0\n"},
    {{"reg-subkeys", "HKCU", "@\\A"}, 0, "E\n"},
    // Deleting takes the whole tree; deleting a root is refused.
    {{"reg-delete-key", "HKCU", ""}, 1, ""},
    {{"reg-delete-key", "HKCU", "\\"}, 1, ""},
    {{"reg-exists", "HKCU", "Software"}, 0, "1\n"},
    {{"reg-delete-key", "HKCU", "@"}, 0, ""},
    {{"reg-exists", "HKCU", "@"}, 0, "0\n"},
    {{"reg-delete-key", "HKCU", "@"}, 1, ""},
};

TEST_F(Win32Platform, RegistryKeysAndValues) {
    const std::string key = "Software\\QorPlatformTest" + std::to_string(getpid());
    RunSteps(kRegistrySteps, key);
    Drive({"reg-delete-key", "HKCU", key});
}

const std::vector<Step> kFileSteps = {
    {{"file-find", "@\\*"}, 0, "a.txt 5 file\nb.txt 12 file\nsub 0 dir\n"},
    {{"file-find", "@\\*.txt"}, 0, "a.txt 5 file\nb.txt 12 file\n"},
    {{"file-find", "@\\*.none"}, 0, ""},
    {{"file-exists", "@\\a.txt"}, 0, "1\n"},
    {{"file-exists", "@\\sub"}, 0, "1\n"},
    {{"file-exists", "@\\b.txt"}, 0, "1\n"},
    // Copying replaces the target.
    {{"file-copy", "@\\a.txt", "@\\b.txt"}, 0, ""},
    {{"file-find", "@\\b.txt"}, 0, "b.txt 5 file\n"},
    {{"file-copy", "@\\none.txt", "@\\c.txt"}, 1, ""},
    {{"file-delete", "@\\b.txt"}, 0, ""},
    {{"file-delete", "@\\b.txt"}, 1, ""},
    {{"file-exists", "@\\b.txt"}, 0, "0\n"},
    // A directory that exists afterwards is a success; a file in the way is not.
    {{"mkdir", "@\\new"}, 0, ""},
    {{"mkdir", "@\\new"}, 0, ""},
    {{"mkdir", "@\\a.txt"}, 1, ""},
    {{"mkdir", "@\\no\\such\\parent"}, 1, ""},
    {{"file-exists", "@\\new"}, 0, "1\n"},
    {{"chdir", "@\\sub"}, 0, "@\\sub\n"},
    {{"chdir", "@\\none"}, 1, ""},
    {{"free", "@"}, 0, nullptr},
    {{"free", "Q:\\none"}, 1, ""},
    {{"windir"}, 0, "C:\\windows\n"},
    {{"sysdir"}, 0, "C:\\windows\\system32\n"},
};

TEST_F(Win32Platform, FilesAndDirectories) {
    const fs::path dir = fs::temp_directory_path() / ("qor-platform-" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "sub");
    WriteFile((dir / "a.txt").string(), "hello");
    WriteFile((dir / "b.txt").string(), "old contents");
    RunSteps(kFileSteps, WinePath(dir.string()));
    EXPECT_FALSE(fs::exists(dir / "b.txt"));
    EXPECT_TRUE(fs::is_directory(dir / "new"));

    const RunResult free = Drive({"free", WinePath(dir.string())});
    ASSERT_EQ(free.exitCode, 0);
    EXPECT_GT(std::stoull(free.output), 0u);
    fs::remove_all(dir);
}

TEST_F(Win32Platform, PowerSettingsReadBackWhatWasSet) {
    for (const char* setting : {"screensave", "lowpower", "poweroff"}) {
        SCOPED_TRACE(setting);
        const RunResult before = Drive({"power-get", setting});
        ASSERT_EQ(before.exitCode, 0);
        for (const char* value : {"1", "0"}) {
            ASSERT_EQ(Drive({"power-set", setting, value}).exitCode, 0);
            EXPECT_EQ(Drive({"power-get", setting}).output, std::string(value) + "\n");
        }
        Drive({"power-set", setting, before.output.substr(0, before.output.find('\n'))});
        EXPECT_EQ(Drive({"power-get", setting}).output, before.output);
    }
    const RunResult screen = Drive({"screen"});
    ASSERT_EQ(screen.exitCode, 0);
    unsigned w = 0, h = 0;
    ASSERT_EQ(std::sscanf(screen.output.c_str(), "%u %u", &w, &h), 2) << screen.output;
    EXPECT_GT(w, 0u);
    EXPECT_GT(h, 0u);
}

TEST_F(Win32Platform, StartsProgramsAndOpensDocuments) {
    const fs::path dir = fs::temp_directory_path() / ("qor-processes-" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string marker = "Ran" + std::to_string(getpid());

    // WinExec does not wait: the started driver writes win.ini a little later.
    const std::string commandLine = "\"" + WinePath(driver_) + "\" winini-set QorPlatformTest " + marker + " yes";
    ASSERT_EQ(Drive({"run", commandLine, "0"}).exitCode, 0);
    bool written = false;
    for (int i = 0; i < 100 && !written; ++i) {
        written = Drive({"winini-get", "QorPlatformTest", marker, "no"}).output == "yes\n";
        if (!written) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    EXPECT_TRUE(written);
    EXPECT_EQ(Drive({"run", WinePath((dir / "none.exe").string()), "0"}).exitCode, 1);

    // "open" runs a batch file with its program.
    WriteFile((dir / "doc.bat").string(), "echo opened> " + WinePath((dir / "opened.txt").string()) + "\r\n");
    ASSERT_EQ(Drive({"open", WinePath((dir / "doc.bat").string())}).exitCode, 0);
    for (int i = 0; i < 100 && !fs::exists(dir / "opened.txt"); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    EXPECT_TRUE(fs::exists(dir / "opened.txt"));
    EXPECT_EQ(Drive({"open", WinePath((dir / "none.bat").string())}).exitCode, 1);
    fs::remove_all(dir);
}

}  // namespace
