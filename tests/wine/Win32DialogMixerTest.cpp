// The dialog view and the sound-card mixer of the Win32 platform layer under
// Wine.  The dialog view runs on a real modal dialog in dialogviewprobe.exe
// (an edit box, a static text, a plain and a sorted list box, a drop-down
// list, a trackbar, a check box, two radio buttons and a push button); each
// case is a sequence of steps with the lines the reading steps must print and
// the dialog's result.  The mixer is asked through qordrive; these machines
// have no sound card, so what runs is the no-device path.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/wine/DesktopTest.h"
#include "tests/wine/WineRun.h"

using namespace winetest;

namespace {

struct DialogCase {
    const char* name;
    std::vector<std::string> steps;
    std::vector<std::string> printed;
    int result;
};

// Test names, not bytes, in the test runner's listing.
void PrintTo(const DialogCase& c, std::ostream* os) { *os << c.name; }

const std::string kLong(3000, 'x');

const std::vector<DialogCase> kDialogCases = {
    {"Texts",
     {"set:1001:hello: world", "get:1001", "set:1009:a label", "get:1009", "set:1001:", "get:1001",
      "set:1001:" + kLong, "get:1001", "get:4242", "close:1"},
     {"get:1001 = hello: world", "get:1009 = a label", "get:1001 = ", "get:1001 = " + kLong, "get:4242 = "},
     1},
    {"EnableAndCheck",
     {"enable:1008:0", "enabled:1008", "enable:1008:1", "enabled:1008", "check:1005:1", "checked:1005",
      "check:1005:0", "checked:1005", "check:1007:1", "checked:1007", "checked:1006", "checked:4242", "close:2"},
     {"enabled:1008 = 0", "enabled:1008 = 1", "checked:1005 = 1", "checked:1005 = 0", "checked:1007 = 1",
      "checked:1006 = 0", "checked:4242 = 0"},
     2},
    {"ListBox",
     {"add:1002:one", "add:1002:two", "add:1002:three", "select:1002:1", "selection:1002", "item:1002:2",
      "select:1002:3", "selection:1002", "select:1002:2", "select:1002:-1", "selection:1002", "item:1002:3",
      "item:1002:-1", "select:1002:0", "reset:1002", "selection:1002", "item:1002:0", "add:1002:again", "close:3"},
     {"add:1002:one = 0", "add:1002:two = 1", "add:1002:three = 2", "selection:1002 = 1", "item:1002:2 = three",
      "selection:1002 = -1", "selection:1002 = -1", "item:1002:3 = ", "item:1002:-1 = ", "selection:1002 = -1",
      "item:1002:0 = ", "add:1002:again = 0"},
     3},
    {"ComboBox",
     {"add:1003:one", "add:1003:two", "add:1003:three", "select:1003:1", "selection:1003", "item:1003:2",
      "select:1003:3", "selection:1003", "select:1003:2", "select:1003:-1", "selection:1003", "item:1003:3",
      "item:1003:-1", "select:1003:0", "reset:1003", "selection:1003", "item:1003:0", "add:1003:again", "close:4"},
     {"add:1003:one = 0", "add:1003:two = 1", "add:1003:three = 2", "selection:1003 = 1", "item:1003:2 = three",
      "selection:1003 = -1", "selection:1003 = -1", "item:1003:3 = ", "item:1003:-1 = ", "selection:1003 = -1",
      "item:1003:0 = ", "add:1003:again = 0"},
     4},
    // A sorted list gives each new item its place in the order.
    {"SortedList",
     {"add:1010:pear", "add:1010:apple", "add:1010:fig", "item:1010:0", "item:1010:1", "item:1010:2", "close:5"},
     {"add:1010:pear = 0", "add:1010:apple = 0", "add:1010:fig = 1", "item:1010:0 = apple", "item:1010:1 = fig",
      "item:1010:2 = pear"},
     5},
    {"Slider",
     {"range:1004:0:255", "pos:1004:128", "getpos:1004", "pos:1004:300", "getpos:1004", "pos:1004:-5", "getpos:1004",
      "pos:1004:255", "range:1004:0:220", "getpos:1004", "close:6"},
     {"getpos:1004 = 128", "getpos:1004 = 255", "getpos:1004 = 0", "getpos:1004 = 220"},
     6},
    // List and slider steps on controls of another kind, or on missing ids,
    // change nothing and read as empty.
    {"WrongKindOfControl",
     {"set:1001:keep", "add:1001:zz", "selection:1001", "item:1001:0", "reset:1001", "range:1001:0:9",
      "pos:1001:5", "getpos:1001", "get:1001", "add:1004:zz", "getpos:1002", "add:4242:zz", "getpos:4242",
      "close:7"},
     {"add:1001:zz = -1", "selection:1001 = -1", "item:1001:0 = ", "getpos:1001 = 0", "get:1001 = keep",
      "add:1004:zz = -1", "getpos:1002 = 0", "add:4242:zz = -1", "getpos:4242 = 0"},
     7},
};

class Win32DialogView : public DesktopTest, public testing::WithParamInterface<DialogCase> {};

TEST_P(Win32DialogView, StepsOnARealDialog) {
    if (!HaveDisplay()) GTEST_SKIP() << "needs an X display (DISPLAY unset)";
    const std::string probe = Win64BinDir() + "/dialogviewprobe.exe";
    ASSERT_TRUE(std::filesystem::exists(probe)) << probe << " missing: build the win64 preset first";
    const DialogCase& c = GetParam();
    const RunResult r = RunWine(probe, c.steps, 60);
    EXPECT_EQ(r.exitCode, c.result);
    EXPECT_EQ(Lines(r.output), c.printed);
}

INSTANTIATE_TEST_SUITE_P(Cases, Win32DialogView, testing::ValuesIn(kDialogCases),
                         [](const testing::TestParamInfo<DialogCase>& i) { return std::string(i.param.name); });

class Win32Mixer : public DesktopTest {};

TEST_F(Win32Mixer, WithoutADeviceNothingOpensAndEveryCallFails) {
    const RunResult r = Drive({"mixer"});
    ASSERT_EQ(r.exitCode, 0);
    if (r.output.rfind("devices 0\n", 0) != 0) GTEST_SKIP() << "this machine has a mixer device:\n" << r.output;
    EXPECT_EQ(r.output,
              "devices 0\n"
              "open 0\n"
              "product -\n"
              "speakers -\n"
              "lines 0\n"
              "get -\n"
              "set 0\n"
              "set-channels 0\n"
              "set-volume 0\n");
}

}  // namespace
