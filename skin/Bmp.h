// Device-independent bitmap files and an in-memory RGB picture.
//
// The writer produces what the panel loads from a skin directory: 24-bit
// uncompressed (BI_RGB) pictures stored bottom-up, each row padded to a
// multiple of four bytes. The reader accepts those and the other common
// uncompressed forms: 1-, 4- and 8-bit palettized, 16-, 24- and 32-bit,
// bottom-up or top-down, with BI_BITFIELDS masks for 16 and 32 bits. It
// never trusts the header: a truncated or malformed file is refused.
//
// Portable code: no Windows headers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace skin {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A width x height picture of RGB pixels, row 0 at the top.
class Image {
public:
    Image() = default;
    Image(int width, int height, Rgb fill = {});

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // Pixel access; Get outside the picture gives black, Set outside does nothing.
    Rgb Get(int x, int y) const;
    void Set(int x, int y, Rgb c);

    // Fills the part of the rectangle that lies inside the picture.
    void FillRect(int x, int y, int w, int h, Rgb c);

    // Copies w x h pixels from (sx, sy) of src to (dx, dy) of this picture,
    // clipped to both pictures (like BitBlt with SRCCOPY). src may be *this;
    // overlapping copies behave as if the source were copied first.
    void Blit(int dx, int dy, int w, int h, const Image& src, int sx, int sy);

    // A new picture holding the given rectangle (parts outside are black).
    Image Crop(int x, int y, int w, int h) const;

    friend bool operator==(const Image&, const Image&) = default;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Rgb> pixels_;
};

// The bytes of a 24-bit BI_RGB bottom-up bitmap file of the picture
// (resolution fields 2835 pixels per metre, that is 72 dpi).
std::vector<std::uint8_t> EncodeBmp(const Image& image);

// Decodes a bitmap file; nullopt (and a reason in *error when given) for
// anything it cannot read completely.
std::optional<Image> DecodeBmp(std::span<const std::uint8_t> bytes, std::string* error = nullptr);

bool WriteBmpFile(const std::string& path, const Image& image);
std::optional<Image> ReadBmpFile(const std::string& path, std::string* error = nullptr);

}  // namespace skin
