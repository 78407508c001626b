// The TV window link: found before every use, commands to a missing window
// are lost, and the program is started with its path quoted.
#include <gtest/gtest.h>

#include "platform/WinConst.h"
#include "platform/fake/FakeFiles.h"
#include "platform/fake/FakeProcesses.h"
#include "platform/fake/FakeProfile.h"
#include "platform/fake/FakeWindows.h"
#include "tvlink/TvLink.h"

namespace {

namespace win = platform::win;

class TvLinkTest : public testing::Test {
protected:
    platform::fake::FakeWindows windows;
    platform::fake::FakeProcesses processes;
    platform::fake::FakeFiles files;
    platform::fake::MemoryProfile winIni;
    std::uintptr_t last = 0;
    tvlink::TvLink tv{windows, processes, winIni, files, last};
};

TEST_F(TvLinkTest, StartsTheProgramFromTheInstallationDirectoryQuoted) {
    struct Case {
        const char* apDirectory;  // nullptr: key missing
        const char* currentDir;
        int show;
        const char* commandLine;
    } cases[] = {
        {"C:\\Program Files\\Glimvale", "C:\\", 0, "\"C:\\Program Files\\Glimvale\\video.ex_\""},
        {"D:\\TV", "C:\\", 5, "\"D:\\TV\\video.ex_\""},
        {nullptr, "C:\\My Programs\\TV Card", 0, "\"C:\\My Programs\\TV Card\\video.ex_\""},
        {"", "E:\\tv", 5, "\"E:\\tv\\video.ex_\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.commandLine);
        winIni.SetText(c.apDirectory ? std::string("[AP]\r\n222APDirectory=") + c.apDirectory + "\r\n" : "");
        files.SetCurrentDirectoryValue(c.currentDir);
        EXPECT_TRUE(tv.Start(c.show));
        ASSERT_FALSE(processes.Runs().empty());
        EXPECT_EQ(processes.Runs().back().commandLine, c.commandLine);
        EXPECT_EQ(processes.Runs().back().showCommand, c.show);
    }
}

TEST_F(TvLinkTest, LooksTheWindowUpForEveryCommand) {
    // Missing: nothing goes anywhere.
    EXPECT_FALSE(tv.Post(8000, 12));
    EXPECT_EQ(tv.Send(2002), 0);
    EXPECT_FALSE(tv.PostWindowMessage(win::kWmClose));
    EXPECT_TRUE(windows.Log().empty());

    const auto first = windows.Add("Kestrova Zunto", "Tv");
    windows.Add("Other", "Tv");  // same title, other class: not the TV window
    EXPECT_TRUE(tv.Post(8000, 12));
    tv.Send(2002);
    EXPECT_EQ(last, first);
    const std::vector<platform::fake::LoggedCommand> expected = {{8000, 12, true}, {2002, 0, false}};
    EXPECT_EQ(windows.CommandsTo(first), expected);

    // The program restarted: its new window is found, the old one is gone.
    windows.Remove(first);
    const auto second = windows.Add("Kestrova Zunto", "Tv");
    EXPECT_TRUE(tv.Post(2010, 100));
    EXPECT_TRUE(windows.Received(second, 2010));

    // PostToLast does not look again.
    windows.Remove(second);
    EXPECT_FALSE(tv.PostToLast(2011));
    EXPECT_EQ(last, second);
}

}  // namespace
