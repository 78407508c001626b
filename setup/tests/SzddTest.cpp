// The expander against files the system's own compressor wrote, against
// the system's own expander, and against damaged input.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include <unistd.h>

#include "setup/Szdd.h"

namespace {

namespace fs = std::filesystem;
using setup::szdd::Expand;

bool HaveTool(const char* name) {
    return std::system((std::string("command -v ") + name + " >/dev/null 2>&1").c_str()) == 0;
}

std::vector<std::uint8_t> ReadFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path& p, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(p, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

class SzddFiles : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HaveTool("mscompress") || !HaveTool("msexpand")) GTEST_SKIP() << "mscompress/msexpand not installed";
        dir_ = fs::temp_directory_path() / ("szdd-test-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    // Compresses with mscompress; gives the compressed bytes.
    std::vector<std::uint8_t> Compress(const std::string& name, const std::vector<std::uint8_t>& content) {
        WriteFile(dir_ / name, content);
        const std::string cmd = "cd '" + dir_.string() + "' && mscompress '" + name + "' >/dev/null 2>&1";
        EXPECT_EQ(std::system(cmd.c_str()), 0);
        return ReadFile(dir_ / (name + "_"));
    }
    std::vector<std::uint8_t> SystemExpand(const std::string& name) {
        const std::string cmd = "cd '" + dir_.string() + "' && msexpand < '" + name + "_' > '" + name + ".out' 2>/dev/null";
        EXPECT_EQ(std::system(cmd.c_str()), 0);
        return ReadFile(dir_ / (name + ".out"));
    }
    fs::path dir_;
};

std::vector<std::uint8_t> Sample(const std::string& kind, std::size_t size) {
    std::vector<std::uint8_t> out(size);
    std::mt19937 rng(static_cast<unsigned>(size));
    for (std::size_t i = 0; i < size; ++i) {
        if (kind == "random") {
            out[i] = static_cast<std::uint8_t>(rng());
        } else if (kind == "text") {
            static const char line[] = "[CHANNELLISTAIR]\r\nChannel21=TRUE\r\n";
            out[i] = static_cast<std::uint8_t>(line[i % (sizeof line - 1)]);
        } else if (kind == "blanks") {
            out[i] = ' ';   // matches the window's initial content
        } else {            // mixed: runs and noise, references across the whole window
            out[i] = (i / 700) % 2 ? static_cast<std::uint8_t>(rng() % 4) : static_cast<std::uint8_t>(i % 251);
        }
    }
    return out;
}

struct Content {
    const char* kind;
    std::size_t size;
};

class SzddRoundTrip : public SzddFiles, public ::testing::WithParamInterface<Content> {};

TEST_P(SzddRoundTrip, ExpandsWhatTheCompressorWroteLikeTheSystemExpander) {
    const auto original = Sample(GetParam().kind, GetParam().size);
    const auto compressed = Compress("QOR.exe", original);
    ASSERT_TRUE(setup::szdd::IsCompressed(compressed));
    const auto expanded = Expand(compressed);
    ASSERT_TRUE(expanded.has_value());
    EXPECT_EQ(*expanded, original);
    EXPECT_EQ(*expanded, SystemExpand("QOR.exe"));
}

// mscompress itself mangles inputs shorter than 16 bytes, so the
// hand-encoded cases below cover those.
INSTANTIATE_TEST_SUITE_P(Contents, SzddRoundTrip, ::testing::Values(
    Content{"text", 16}, Content{"text", 17}, Content{"text", 9000},
    Content{"random", 5000}, Content{"blanks", 3000}, Content{"mixed", 70000}));

// Damaged or foreign input never expands and never reads past its end.
struct Damage {
    const char* name;
    void (*apply)(std::vector<std::uint8_t>&);
};

class SzddDamaged : public SzddFiles, public ::testing::WithParamInterface<Damage> {};

TEST_P(SzddDamaged, IsRefused) {
    auto data = Compress("a.txt", Sample("mixed", 20000));
    GetParam().apply(data);
    EXPECT_FALSE(Expand(data).has_value());
}

INSTANTIATE_TEST_SUITE_P(Cases, SzddDamaged, ::testing::Values(
    Damage{"cut_in_data", [](std::vector<std::uint8_t>& d) { d.resize(d.size() / 2); }},
    Damage{"cut_in_header", [](std::vector<std::uint8_t>& d) { d.resize(12); }},
    Damage{"wrong_magic", [](std::vector<std::uint8_t>& d) { d[3] = 'X'; }},
    Damage{"other_method", [](std::vector<std::uint8_t>& d) { d[8] = 'B'; }},
    Damage{"length_beyond_reach", [](std::vector<std::uint8_t>& d) { d[13] = 0x7F; }}),
    [](const auto& info) { return std::string(info.param.name); });

// Hand-encoded streams: literals, references into the blank-filled
// window, a reference that overlaps what it writes, a header length that
// ends the output inside a reference, and an empty file.
struct Encoded {
    const char* name;
    std::vector<std::uint8_t> body;   // after the header
    std::uint32_t length;
    std::string expected;
};

class SzddEncoded : public ::testing::TestWithParam<Encoded> {};

TEST_P(SzddEncoded, Expands) {
    const Encoded& c = GetParam();
    std::vector<std::uint8_t> data = {'S', 'Z', 'D', 'D', 0x88, 0xF0, 0x27, 0x33, 'A', 0,
                                      static_cast<std::uint8_t>(c.length), static_cast<std::uint8_t>(c.length >> 8), 0, 0};
    data.insert(data.end(), c.body.begin(), c.body.end());
    const auto out = Expand(data);
    ASSERT_TRUE(out.has_value());
    EXPECT_EQ(std::string(out->begin(), out->end()), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, SzddEncoded, ::testing::Values(
    Encoded{"empty", {}, 0, ""},
    Encoded{"literals", {0x07, 'a', 'b', 'c'}, 3, "abc"},
    Encoded{"blank_window", {0x00, 0x00, 0x02}, 5, "     "},
    Encoded{"overlapping_run", {0x01, 'x', 0xF0, 0xF4}, 8, "xxxxxxxx"},
    Encoded{"stops_at_length", {0x01, 'x', 0xF0, 0xFF}, 4, "xxxx"},
    Encoded{"trailing_bytes_ignored", {0x03, 'o', 'k', 0xFF, 'z', 'z'}, 2, "ok"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SzddName, HeaderRestoresTheLastCharacter) {
    std::vector<std::uint8_t> header = {'S', 'Z', 'D', 'D', 0x88, 0xF0, 0x27, 0x33, 'A', 'e', 0, 0, 0, 0};
    EXPECT_EQ(setup::szdd::ExpandedName("QOR.ex_", header), "QOR.exe");
    EXPECT_EQ(setup::szdd::ExpandedName("QOR.exe", header), "QOR.exe");
    header[9] = 0;   // the compressor did not record it
    EXPECT_EQ(setup::szdd::ExpandedName("Video.ex_", header), "Video.ex_");
}

}  // namespace
