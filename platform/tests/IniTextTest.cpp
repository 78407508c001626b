// The profile rules, case by case.  The same cases run against the system's
// own functions under Wine in the differential test (tests/wine).
#include <gtest/gtest.h>

#include "platform/fake/FakeProfile.h"

namespace {

using platform::fake::MemoryProfile;

const char* const kSample =
    "lead-in line\r\n"
    "  [ Sec A ]  \r\n"
    "\r\n"
    " Key1 = \"quoted value\" \r\n"
    "key2=abc\r\n"
    "; comment\r\n"
    "noequals\r\n"
    "flag=true\r\n"
    "[sec b]\r\n"
    "x=1\r\n"
    "=empty name\r\n"
    "=second empty\r\n"
    "[Sec A]\r\n"
    "key3=in the duplicate section\r\n";

struct ReadCase {
    const char* section;
    const char* key;
    const char* def;
    std::size_t capacity;
    const char* expected;
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.section << '/' << c.key << '/' << c.capacity; }

class ReadText : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadText, GivesWhatTheSystemGives) {
    MemoryProfile p;
    p.SetText(kSample);
    const ReadCase& c = GetParam();
    EXPECT_EQ(p.ReadText(c.section, c.key, c.def, c.capacity), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadText, testing::Values(
    ReadCase{"Sec A", "key1", "d", 100, "quoted value"},       // blanks trimmed, quotes removed
    ReadCase{"SEC A", "KEY2", "d", 100, "abc"},                // names match without regard to case
    ReadCase{" sec a ", " key2 ", "d", 100, "abc"},            // names trimmed
    ReadCase{"Sec A", "flag", "d", 100, "true"},               // values keep their case
    ReadCase{"Sec A", "key3", "d", 100, "d"},                  // the first of duplicate sections wins
    ReadCase{"Sec A", "noequals", "d", 100, "d"},              // a line without "=" has no value
    ReadCase{"Sec A", "missing", "d", 100, "d"},
    ReadCase{"missing", "key2", "d", 100, "d"},
    ReadCase{"sec b", "", "d", 100, "empty name"},
    ReadCase{"Sec A", "key1", "d", 5, "quot"},                 // cut to capacity - 1
    ReadCase{"Sec A", "key1", "d", 13, "quoted valu"},         // cut short: the last character goes
    ReadCase{"Sec A", "key1", "d", 14, "quoted value"},
    ReadCase{"Sec A", "key2", "d", 1, ""},
    ReadCase{"Sec A", "key2", "d", 0, ""},
    ReadCase{"Sec A", "missing", "\"qd\"", 100, "qd"},         // the default is quote-stripped too
    ReadCase{"Sec A", "missing", "trail   ", 100, "trail"},    // and loses trailing spaces
    ReadCase{"Sec A", "missing", "   ", 100, " "},             // but never its first character
    ReadCase{"", "lead-in line", "d", 100, "d"}));

struct IntCase {
    const char* value;
    std::uint32_t expected;
};

void PrintTo(const IntCase& c, std::ostream* os) { *os << c.value; }

class ReadInt : public testing::TestWithParam<IntCase> {};

TEST_P(ReadInt, TakesTheLeadingNumber) {
    MemoryProfile p;
    p.SetText(std::string("[s]\r\nk=") + GetParam().value + "\r\n");
    EXPECT_EQ(p.ReadInt("s", "k", 99), GetParam().expected) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadInt, testing::Values(
    IntCase{"128", 128}, IntCase{"  -12x", 4294967284u}, IntCase{"+7", 7}, IntCase{"12abc", 12},
    IntCase{"abc", 0}, IntCase{"", 99}, IntCase{"\"12\"", 12}, IntCase{"0x10", 16},
    IntCase{"0X10", 0}, IntCase{"0b101", 5}, IntCase{"0o17", 15}, IntCase{"4294967297", 1},
    IntCase{"-", 0}, IntCase{"\x1a" "7", 7}));

TEST(ReadInt, MissingKeyGivesTheDefault) {
    MemoryProfile p;
    EXPECT_EQ(p.ReadInt("s", "k", -1), 4294967295u);
}

struct WriteCase {
    const char* name;
    const char* before;
    void (*op)(MemoryProfile&);
    const char* after;
    int writes;
};

void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.name; }

class Write : public testing::TestWithParam<WriteCase> {};

TEST_P(Write, RewritesTheFileAsTheSystemDoes) {
    MemoryProfile p;
    p.SetText(GetParam().before);
    GetParam().op(p);
    EXPECT_EQ(p.Text(), GetParam().after);
    EXPECT_EQ(p.Writes(), GetParam().writes);
}

const char* const kDup = "[s]\r\na=1\r\n[t]\r\nb=2\r\n[S]\r\nc=3\r\na=4\r\n";

INSTANTIATE_TEST_SUITE_P(Cases, Write, testing::Values(
    WriteCase{"same value leaves the file alone", "[s]\na = 1\n\n[t]\nb=2",
              [](MemoryProfile& p) { p.WriteText("s", "a", "1"); }, "[s]\na = 1\n\n[t]\nb=2", 0},
    WriteCase{"a change regenerates the file", "[s]\na = 1\n\n[t]\nb=2",
              [](MemoryProfile& p) { p.WriteText("s", "a", " 1 "); }, "[s]\r\na=1 \r\n[t]\r\nb=2\r\n", 1},
    WriteCase{"new key to the end of its section, new section to the end", "[s]\r\na=1\r\n[t]\r\nb=2\r\n",
              [](MemoryProfile& p) { p.WriteText("s", "z", ""); p.WriteText("NEW", "k", "v"); },
              "[s]\r\na=1\r\nz=\r\n[t]\r\nb=2\r\n[NEW]\r\nk=v\r\n", 2},
    WriteCase{"new names keep what follows their leading blanks", "",
              [](MemoryProfile& p) { p.WriteText(" s ", " k ", "v"); }, "[s ]\r\nk =v\r\n", 1},
    WriteCase{"a write goes to the first of duplicate sections", kDup,
              [](MemoryProfile& p) { p.WriteText("s", "c", "9"); },
              "[s]\r\na=1\r\nc=9\r\n[t]\r\nb=2\r\n[S]\r\nc=3\r\na=4\r\n", 1},
    WriteCase{"a delete searches every section of the name", kDup,
              [](MemoryProfile& p) { p.DeleteKey("s", "c"); }, "[s]\r\na=1\r\n[t]\r\nb=2\r\n[S]\r\na=4\r\n", 1},
    WriteCase{"delete names are not trimmed", kDup,
              [](MemoryProfile& p) { p.DeleteKey(" s ", "a"); p.DeleteKey("s", " a"); p.DeleteSection(" s"); },
              kDup, 0},
    WriteCase{"a section delete takes the first of its name", kDup,
              [](MemoryProfile& p) { p.DeleteSection("S"); }, "[t]\r\nb=2\r\n[S]\r\nc=3\r\na=4\r\n", 1},
    WriteCase{"lines without a value, comments and the lead-in are kept",
              "junk\r\n[s]\r\n; note\r\nbare\r\nk=1",
              [](MemoryProfile& p) { p.WriteText("s", "k", "2"); }, "junk\r\n[s]\r\n; note\r\nbare\r\nk=2\r\n", 1},
    WriteCase{"a second nameless key in a row is dropped", "[s]\r\n=a\r\n=b\r\nk=1\r\n",
              [](MemoryProfile& p) { p.WriteText("s", "k", "2"); }, "[s]\r\n=a\r\nk=2\r\n", 1},
    WriteCase{"deleting the only section leaves an empty file", "[s]\r\na=1\r\n",
              [](MemoryProfile& p) { p.DeleteSection("s"); }, "", 1},
    WriteCase{"a UTF-8 mark stays in front", "\xEF\xBB\xBF[s]\r\na=1\r\n",
              [](MemoryProfile& p) { p.WriteText("s", "b", "2"); }, "\xEF\xBB\xBF[s]\r\na=1\r\nb=2\r\n", 1}),
    [](const testing::TestParamInfo<WriteCase>& i) {
        std::string n = i.param.name;
        for (char& c : n) if (!isalnum(static_cast<unsigned char>(c))) c = '_';
        return n;
    });

}  // namespace
