// The same sequences of profile operations through our store (native
// initool) and through the system's functions (win64 initool under Wine),
// from copies of the same file: every printed result, every exit code and the
// resulting file must be identical byte for byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/wine/WineRun.h"

namespace fs = std::filesystem;
using namespace winetest;

namespace {

using Ops = std::vector<std::vector<std::string>>;  // each: operation, then the arguments after FILE

struct Case {
    const char* name;
    const char* initial;  // nullptr: the file does not exist
    Ops ops;
};

const std::string kLong = std::string(45, 'a') + "Z";

const Case kCases[] = {
    {"true_is_not_TRUE", "[vemla]\r\nAlwaysOnTop=true\r\nUseFullScan=TRUE\r\n",
     {{"get", "vemla", "AlwaysOnTop", "", "260"}, {"get", "VEMLA", "usefullscan", "", "260"},
      {"set", "vemla", "AlwaysOnTop", "TRUE"}, {"get", "vemla", "AlwaysOnTop", "", "260"}}},
    {"cut_to_capacity", "[vemla]\r\nCaptureBitRate=0123456789012345678901234567890123456789XYZ\r\nAnalogStandard=NTSC-EXTENDED\r\n",
     {{"get", "vemla", "CaptureBitRate", "", "40"}, {"get", "vemla", "AnalogStandard", "", "10"},
      {"get", "vemla", "AnalogStandard", "", "1"}, {"get", "vemla", "AnalogStandard", "", "0"},
      {"get", "vemla", "missing", kLong, "10"}}},
    {"missing_file", nullptr,
     {{"get", "ZuntoCrossbar", "InputSource", "3", "260"}, {"getint", "ZuntoCrossbar", "InputSource", "3"},
      {"delkey", "ZuntoCrossbar", "InputSource"}, {"delsection", "ZuntoCrossbar"},
      {"set", "ZuntoCrossbar", "InputSource", "4"}, {"getint", "ZuntoCrossbar", "InputSource", "3"}}},
    {"whole_section_delete", "[CHANNELLIST]\r\n2=TRUE\r\n3=FALSE\r\n[TVTuner]\r\nTVChannel=8\r\n[channellist]\r\n4=TRUE\r\n",
     {{"delsection", "ChannelList"}, {"get", "CHANNELLIST", "4", "none", "260"}, {"delsection", "channellist"},
      {"delsection", "TVTuner"}, {"delsection", "TVTuner"}}},
    {"numbers", "[n]\r\na=128\r\nb=  -12x\r\nc=+7\r\nd=0x1F\r\ne=0X1F\r\nf=4294967297\r\ng=\r\nh=abc\r\ni=\"12\"\r\nj=0b101\r\nk=0o17\r\nl=-\r\nm=007\r\no=2147483648\r\np=-2147483649\r\n",
     {{"getint", "n", "a", "5"}, {"getint", "n", "b", "5"}, {"getint", "n", "c", "5"}, {"getint", "n", "d", "5"},
      {"getint", "n", "e", "5"}, {"getint", "n", "f", "5"}, {"getint", "n", "g", "5"}, {"getint", "n", "h", "5"},
      {"getint", "n", "i", "5"}, {"getint", "n", "j", "5"}, {"getint", "n", "k", "5"}, {"getint", "n", "l", "5"},
      {"getint", "n", "m", "5"}, {"getint", "n", "o", "5"}, {"getint", "n", "p", "5"}, {"getint", "n", "x", "-1"}}},
    {"blanks_and_quotes", "  [ Sec A ]  \r\n\t Key1 \t=  \"quoted value\"  \r\nk2='single'\r\nk3=\"\r\nk4=''\r\nk5='mixed\"\r\nk6=\" inner \"\r\n",
     {{"get", "sec a", "key1", "d", "100"}, {"get", " Sec A ", " KEY1 ", "d", "13"}, {"get", "Sec A", "k2", "d", "100"},
      {"get", "Sec A", "k3", "d", "100"}, {"get", "Sec A", "k4", "d", "100"}, {"get", "Sec A", "k4", "d", "1"},
      {"get", "Sec A", "k5", "d", "100"}, {"get", "Sec A", "k6", "d", "100"}, {"get", "Sec A", "nokey", "\"qd\"", "100"},
      {"get", "Sec A", "nokey", "trail   ", "100"}, {"get", "Sec A", "nokey", "   ", "100"},
      {"set", "Sec A", "k7", "   lead and trail   "}, {"get", "Sec A", "k7", "d", "100"}}},
    {"duplicates", "[s]\r\na=1\r\na=2\r\n[t]\r\nb=2\r\n[S]\r\nc=3\r\na=4\r\n",
     {{"get", "s", "a", "d", "10"}, {"get", "s", "c", "d", "10"}, {"set", "s", "c", "9"}, {"delkey", "s", "c"},
      {"delkey", "s", "c"}, {"delkey", "S", "a"}, {"delsection", "s"}, {"get", "s", "c", "d", "10"}}},
    {"mixed_case", "[VideoProcAmp]\r\nBrightnessValue=40\r\n",
     {{"getint", "videoprocamp", "BRIGHTNESSVALUE", "0"}, {"set", "VIDEOPROCAMP", "brightnessvalue", "60"},
      {"set", "videoProcAmp", "HueValue", "50"}, {"get", "VideoProcAmp", "huevalue", "", "260"}}},
    {"empty_values", "[s]\r\nempty=\r\nblank=   \r\n",
     {{"get", "s", "empty", "def", "260"}, {"getint", "s", "empty", "7"}, {"get", "s", "blank", "def", "260"},
      {"set", "s", "new", ""}, {"set", "s", "empty", ""}, {"get", "s", "new", "def", "260"}}},
    {"keys_without_equals", "lead-in\r\n[s]\r\n; comment\r\nbare key\r\nk=1\r\n[t]\r\n=first\r\n=second\r\n",
     {{"get", "s", "bare key", "def", "260"}, {"get", "", "lead-in", "def", "260"}, {"get", "t", "", "def", "260"},
      {"set", "s", "bare key", "now"}, {"get", "s", "bare key", "def", "260"}}},
    {"no_final_newline", "[s]\r\na=1\r\n[t]\r\nb=last",
     {{"get", "t", "b", "d", "260"}, {"set", "t", "c", "3"}, {"set", "s", "a", "1"}}},
    {"line_ends_and_blank_lines", "[s]\n\na=1\r\rb=2\r\n\r\n\r\n[t]\n\x1a" "c=3\x1a\n\tk\t=\tv\t\n",
     {{"get", "s", "b", "d", "260"}, {"get", "t", "c", "d", "260"}, {"get", "t", "k", "d", "260"},
      {"set", "s", "a", "1"}, {"set", "s", "a", "2"}}},
    {"odd_headers", "[a]b]\r\nx=1\r\n[unclosed\r\ny=2\r\n[]\r\nz=3\r\n[ ]\r\nw=4\r\n[s] trailing\r\nv=5\r\n",
     {{"get", "a]b", "x", "d", "10"}, {"get", "a]b", "[unclosed", "d", "10"}, {"get", "a]b", "y", "d", "10"},
      {"get", "", "z", "d", "10"}, {"get", "s", "v", "d", "10"}, {"set", "s", "v", "6"}}},
    {"new_names_with_blanks", "[s]\r\nk=1\r\n",
     {{"set", " new ", " key ", "v"}, {"get", "new", "key", "d", "10"}, {"set", "new", "key", "w"},
      {"delkey", "new ", "key "}}},
    {"utf8_mark", "\xEF\xBB\xBF[s]\r\na=1\r\n",
     {{"get", "s", "a", "d", "10"}, {"set", "s", "b", "2"}}},
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class ProfileDifferential : public testing::TestWithParam<Case> {};

TEST_P(ProfileDifferential, OurStoreMatchesTheSystem) {
    const Case& c = GetParam();
    const std::string nativeTool = QOR_NATIVE_INITOOL;
    const std::string wineTool = Win64BinDir() + "/initool.exe";
    ASSERT_TRUE(fs::exists(wineTool)) << wineTool << " missing: build the win64 preset first";

    const fs::path base = fs::temp_directory_path() / ("profdiff-" + std::to_string(getpid()) + "-" + c.name);
    fs::remove_all(base);
    const fs::path ours = base / "ours" / "test.ini";
    const fs::path theirs = base / "theirs" / "test.ini";
    fs::create_directories(ours.parent_path());
    fs::create_directories(theirs.parent_path());
    if (c.initial != nullptr) {
        WriteFile(ours, c.initial);
        WriteFile(theirs, c.initial);
    }

    for (const auto& op : c.ops) {
        std::vector<std::string> nativeArgs{nativeTool, op[0], ours.string()};
        std::vector<std::string> wineArgs{op[0], WinePath(theirs.string())};
        for (std::size_t i = 1; i < op.size(); ++i) {
            nativeArgs.push_back(op[i]);
            wineArgs.push_back(op[i]);
        }
        const RunResult a = winetest::Run(nativeArgs);
        const RunResult b = RunWine(wineTool, wineArgs);
        std::string what;
        for (const auto& s : op) what += "[" + s + "] ";
        EXPECT_EQ(a.exitCode, b.exitCode) << what;
        EXPECT_EQ(a.output, b.output) << what;
        ASSERT_EQ(fs::exists(ours), fs::exists(theirs)) << what;
        if (fs::exists(ours)) {
            ASSERT_EQ(ReadFile(ours), ReadFile(theirs)) << "file after " << what;
        }
    }
    fs::remove_all(base);
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileDifferential, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& i) { return std::string(i.param.name); });

}  // namespace
