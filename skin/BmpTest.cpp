#include "skin/Bmp.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace skin {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& b, std::uint16_t v) {
    b.push_back(v & 0xFF);
    b.push_back(v >> 8);
}
void Put32(Bytes& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back((v >> (8 * i)) & 0xFF);
}

// A bitmap file put together field by field, independently of the writer.
struct BmpFields {
    int width = 0;
    int height = 0;  // negative: top-down
    int bits = 24;
    std::uint32_t compression = 0;
    std::vector<std::uint32_t> palette;  // 0x00RRGGBB
    std::vector<std::uint32_t> masks;    // after a 40-byte header (BI_BITFIELDS)
    std::vector<Bytes> rows;             // file order, unpadded
};

Bytes Build(const BmpFields& s) {
    Bytes pixels;
    for (const Bytes& row : s.rows) {
        pixels.insert(pixels.end(), row.begin(), row.end());
        while ((pixels.size() % 4) != 0) pixels.push_back(0);
    }
    const std::uint32_t offset = 14 + 40 + 4 * static_cast<std::uint32_t>(s.masks.size() + s.palette.size());
    Bytes b{'B', 'M'};
    Put32(b, offset + static_cast<std::uint32_t>(pixels.size()));
    Put32(b, 0);
    Put32(b, offset);
    Put32(b, 40);
    Put32(b, static_cast<std::uint32_t>(s.width));
    Put32(b, static_cast<std::uint32_t>(s.height));
    Put16(b, 1);
    Put16(b, static_cast<std::uint16_t>(s.bits));
    Put32(b, s.compression);
    Put32(b, static_cast<std::uint32_t>(pixels.size()));
    Put32(b, 0);
    Put32(b, 0);
    Put32(b, static_cast<std::uint32_t>(s.palette.size()));
    Put32(b, 0);
    for (std::uint32_t m : s.masks) Put32(b, m);
    for (std::uint32_t c : s.palette) Put32(b, c);
    b.insert(b.end(), pixels.begin(), pixels.end());
    return b;
}

Image Sample(int w, int h) {
    Image img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.Set(x, y, Rgb{static_cast<std::uint8_t>(x * 37 + y), static_cast<std::uint8_t>(y * 53 + 7),
                              static_cast<std::uint8_t>((x ^ y) * 11)});
    return img;
}

TEST(BmpWriter, RoundTripsAndUsesBottomUpPaddedRows) {
    for (int w : {1, 2, 3, 4, 5, 13}) {
        const Image img = Sample(w, 3);
        const Bytes file = EncodeBmp(img);
        const std::size_t stride = (w * 3 + 3) / 4 * 4;
        ASSERT_EQ(file.size(), 54 + stride * 3) << w;
        EXPECT_EQ(file[0], 'B');
        EXPECT_EQ(file[10], 54);                 // pixel data offset
        EXPECT_EQ(file[22] | file[23] << 8, 3);  // positive height: bottom-up
        EXPECT_EQ(file[28], 24);
        EXPECT_EQ(file[30], 0);  // BI_RGB
        // First stored row is the bottom row, blue first; padding is zero.
        const Rgb bottomLeft = img.Get(0, 2);
        EXPECT_EQ(file[54], bottomLeft.b);
        EXPECT_EQ(file[55], bottomLeft.g);
        EXPECT_EQ(file[56], bottomLeft.r);
        for (std::size_t i = w * 3; i < stride; ++i) EXPECT_EQ(file[54 + i], 0) << w;

        const auto back = DecodeBmp(file);
        ASSERT_TRUE(back.has_value()) << w;
        EXPECT_EQ(*back, img) << w;
    }
}

TEST(BmpWriter, FileRoundTrip) {
    const auto path = (std::filesystem::temp_directory_path() / "qor_bmp_roundtrip.bmp").string();
    const Image img = Sample(7, 5);
    ASSERT_TRUE(WriteBmpFile(path, img));
    std::string error;
    const auto back = ReadBmpFile(path, &error);
    std::filesystem::remove(path);
    ASSERT_TRUE(back.has_value()) << error;
    EXPECT_EQ(*back, img);
    EXPECT_FALSE(ReadBmpFile(path).has_value());  // gone now
}

struct DecodeCase {
    const char* name;
    BmpFields fields;
    std::vector<Rgb> expected;  // row-major from the top
};

TEST(BmpReader, DecodesOtherForms) {
    const Rgb red{255, 0, 0}, green{0, 255, 0}, blue{0, 0, 255}, white{255, 255, 255}, black{};
    const std::vector<DecodeCase> cases = {
        {"8-bit palette, bottom-up",
         {3, 2, 8, 0, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF}, {}, {{3, 2, 1}, {0, 1, 2}}},
         {red, green, blue, white, blue, green}},
        {"8-bit index past the palette shows black", {2, 1, 8, 0, {0xFF0000}, {}, {{0, 9}}}, {red, black}},
        {"4-bit palette, top-down", {3, -1, 4, 0, {0x000000, 0xFF0000, 0x0000FF}, {}, {{0x12, 0x00}}}, {red, blue, black}},
        {"1-bit palette", {3, 1, 1, 0, {0x000000, 0xFFFFFF}, {}, {{0xA0}}}, {white, black, white}},
        {"24-bit top-down", {2, -2, 24, 0, {}, {}, {{0, 0, 255, 0, 255, 0}, {255, 0, 0, 255, 255, 255}}},
         {red, green, blue, white}},
        {"32-bit BI_RGB ignores the fourth byte", {2, 1, 32, 0, {}, {}, {{0, 0, 255, 77, 255, 0, 0, 0}}}, {red, blue}},
        {"32-bit bit fields",
         {2, 1, 32, 3, {}, {0x000000FF, 0x0000FF00, 0x00FF0000}, {{255, 0, 0, 0, 0, 255, 0, 0}}},
         {red, green}},
        {"16-bit 5-5-5", {2, 1, 16, 0, {}, {}, {{0x00, 0x7C, 0x1F, 0x00}}}, {red, blue}},
    };
    for (const DecodeCase& c : cases) {
        std::string error;
        const auto img = DecodeBmp(Build(c.fields), &error);
        ASSERT_TRUE(img.has_value()) << c.name << ": " << error;
        const int w = c.fields.width, h = std::abs(c.fields.height);
        ASSERT_EQ(img->Width(), w) << c.name;
        ASSERT_EQ(img->Height(), h) << c.name;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) EXPECT_EQ(img->Get(x, y), c.expected[y * w + x]) << c.name << " at " << x << "," << y;
    }
}

TEST(BmpReader, RefusesMalformedFiles) {
    const Bytes good = EncodeBmp(Sample(5, 4));
    auto patched = [&](std::size_t at, std::vector<std::uint8_t> bytes) {
        Bytes b = good;
        for (std::size_t i = 0; i < bytes.size(); ++i) b[at + i] = bytes[i];
        return b;
    };
    struct Case {
        const char* name;
        Bytes bytes;
    };
    const std::vector<Case> cases = {
        {"empty", {}},
        {"magic only", {'B', 'M'}},
        {"wrong magic", patched(0, {'P', 'K'})},
        {"unknown header size", patched(14, {20, 0, 0, 0})},
        {"zero width", patched(18, {0, 0, 0, 0})},
        {"negative width", patched(18, {0xFF, 0xFF, 0xFF, 0xFF})},
        {"absurd height", patched(22, {0xFF, 0xFF, 0xFF, 0x7F})},
        {"two planes", patched(26, {2, 0})},
        {"7 bits per pixel", patched(28, {7, 0})},
        {"run-length compressed", patched(30, {1, 0, 0, 0})},
        {"pixel data offset past the end", patched(10, {0xFF, 0xFF, 0, 0})},
        {"pixel data offset inside the header", patched(10, {20, 0, 0, 0})},
        {"palette larger than the bit count allows",
         Build({2, 1, 1, 0, {0, 1, 2}, {}, {{0}}})},
        {"bit fields with a gap in a mask", Build({1, 1, 32, 3, {}, {0x00F0F000, 0xFF00, 0xFF}, {{0, 0, 0, 0}}})},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(DecodeBmp(c.bytes, &error).has_value()) << c.name;
        if (!c.bytes.empty()) {
            EXPECT_FALSE(error.empty()) << c.name;
        }
    }
    // Every truncation of a valid file is refused.
    for (std::size_t n = 0; n < good.size(); ++n)
        EXPECT_FALSE(DecodeBmp(std::span(good.data(), n)).has_value()) << "cut at " << n;
}

TEST(BmpReader, SurvivesGarbage) {
    // Random headers and bodies behind a valid magic: any answer is fine, a crash is not.
    std::mt19937 rng(1234);
    const Bytes good = Build({3, 2, 8, 0, {0xFF0000, 0x00FF00}, {}, {{0, 1, 0}, {1, 0, 1}}});
    for (int round = 0; round < 3000; ++round) {
        Bytes b = good;
        const int flips = 1 + static_cast<int>(rng() % 6);
        for (int i = 0; i < flips; ++i) b[2 + rng() % (b.size() - 2)] = static_cast<std::uint8_t>(rng());
        b.resize(rng() % (b.size() + 8));
        if (auto img = DecodeBmp(b)) {
            EXPECT_GT(img->Width() * img->Height(), 0);
        }
    }
    Bytes noise(300);
    for (auto& v : noise) v = static_cast<std::uint8_t>(rng());
    EXPECT_FALSE(DecodeBmp(noise).has_value());
}

TEST(Image, FillBlitAndClipping) {
    Image img(4, 3, Rgb{1, 1, 1});
    img.FillRect(-2, 1, 4, 10, Rgb{9, 9, 9});  // clipped to x 0..1, y 1..2
    EXPECT_EQ(img.Get(0, 0), (Rgb{1, 1, 1}));
    EXPECT_EQ(img.Get(1, 2), (Rgb{9, 9, 9}));
    EXPECT_EQ(img.Get(2, 1), (Rgb{1, 1, 1}));

    Image src(2, 2);
    src.Set(0, 0, Rgb{10, 0, 0});
    src.Set(1, 0, Rgb{20, 0, 0});
    src.Set(0, 1, Rgb{30, 0, 0});
    src.Set(1, 1, Rgb{40, 0, 0});
    Image dst(3, 3);
    dst.Blit(2, -1, 2, 2, src, 0, 0);  // only src (0,1) lands, at (2,0)
    EXPECT_EQ(dst.Get(2, 0), (Rgb{30, 0, 0}));
    EXPECT_EQ(dst.Get(2, 1), Rgb{});
    dst.Blit(0, 0, 5, 5, src, 1, 1);  // source clipped to one pixel
    EXPECT_EQ(dst.Get(0, 0), (Rgb{40, 0, 0}));
    EXPECT_EQ(dst.Get(1, 0), Rgb{});

    // Overlapping copy within one picture reads the source before writing.
    Image row(4, 1);
    for (int x = 0; x < 4; ++x) row.Set(x, 0, Rgb{static_cast<std::uint8_t>(x), 0, 0});
    row.Blit(1, 0, 3, 1, row, 0, 0);
    EXPECT_EQ(row.Get(1, 0).r, 0);
    EXPECT_EQ(row.Get(2, 0).r, 1);
    EXPECT_EQ(row.Get(3, 0).r, 2);

    EXPECT_EQ(img.Get(-1, 0), Rgb{});
    EXPECT_EQ(img.Crop(3, 2, 2, 2).Get(1, 1), Rgb{});
}

}  // namespace
}  // namespace skin
