#include "skin/Bmp.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

namespace skin {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kCoreHeaderSize = 12;
constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;
// Far beyond any panel picture; keeps a garbage header from asking for gigabytes.
constexpr std::int64_t kMaxSide = 32768;
constexpr std::int64_t kMaxPixels = 64LL * 1024 * 1024;

std::uint16_t U16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

std::uint32_t U32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::int32_t S32(const std::uint8_t* p) { return static_cast<std::int32_t>(U32(p)); }

void Put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF));
}

// One colour channel described by a bit mask, scaled to 0..255.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t max = 0;

    explicit Channel(std::uint32_t m = 0) : mask(m) {
        if (mask == 0) return;
        while (((mask >> shift) & 1u) == 0) ++shift;
        max = mask >> shift;
    }
    // A mask must be one run of ones.
    bool Valid() const { return mask != 0 && (max & (max + 1)) == 0; }
    std::uint8_t Extract(std::uint32_t v) const {
        if (max == 0) return 0;
        std::uint32_t raw = (v & mask) >> shift;
        return static_cast<std::uint8_t>((raw * 255u + max / 2) / max);
    }
};

bool Fail(std::string* error, const char* why) {
    if (error) *error = why;
    return false;
}

}  // namespace

Image::Image(int width, int height, Rgb fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {
    if (width_ == 0 || height_ == 0) {
        width_ = height_ = 0;
        pixels_.clear();
    }
}

Rgb Image::Get(int x, int y) const {
    if (!Contains(x, y)) return {};
    return pixels_[static_cast<std::size_t>(y) * width_ + x];
}

void Image::Set(int x, int y, Rgb c) {
    if (!Contains(x, y)) return;
    pixels_[static_cast<std::size_t>(y) * width_ + x] = c;
}

void Image::FillRect(int x, int y, int w, int h, Rgb c) {
    int x0 = std::max(x, 0), y0 = std::max(y, 0);
    int x1 = std::min<long long>(static_cast<long long>(x) + w, width_);
    int y1 = std::min<long long>(static_cast<long long>(y) + h, height_);
    for (int yy = y0; yy < y1; ++yy)
        for (int xx = x0; xx < x1; ++xx) pixels_[static_cast<std::size_t>(yy) * width_ + xx] = c;
}

void Image::Blit(int dx, int dy, int w, int h, const Image& src, int sx, int sy) {
    if (w <= 0 || h <= 0) return;
    // Clip against the source, then against the destination, moving both corners together.
    auto clip = [&](int& a, int& b, int& len, int limitA, int limitB) {
        if (a < 0) { b -= a; len += a; a = 0; }
        if (b < 0) { a -= b; len += b; b = 0; }
        len = std::min(len, std::min(limitA - a, limitB - b));
    };
    clip(sx, dx, w, src.width_, width_);
    clip(sy, dy, h, src.height_, height_);
    if (w <= 0 || h <= 0) return;
    if (&src == this) {
        Image copy = src.Crop(sx, sy, w, h);
        Blit(dx, dy, w, h, copy, 0, 0);
        return;
    }
    for (int row = 0; row < h; ++row) {
        const Rgb* from = &src.pixels_[static_cast<std::size_t>(sy + row) * src.width_ + sx];
        std::copy(from, from + w, &pixels_[static_cast<std::size_t>(dy + row) * width_ + dx]);
    }
}

Image Image::Crop(int x, int y, int w, int h) const {
    Image out(w, h);
    out.Blit(0, 0, w, h, *this, x, y);
    return out;
}

std::vector<std::uint8_t> EncodeBmp(const Image& image) {
    const int w = image.Width(), h = image.Height();
    const std::uint32_t stride = (static_cast<std::uint32_t>(w) * 3 + 3) & ~3u;
    const std::uint32_t dataSize = stride * static_cast<std::uint32_t>(h);
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize;
    std::vector<std::uint8_t> out;
    out.reserve(offset + dataSize);
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + dataSize);
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, kInfoHeaderSize);
    Put32(out, static_cast<std::uint32_t>(w));
    Put32(out, static_cast<std::uint32_t>(h));  // positive: bottom-up
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, kBiRgb);
    Put32(out, dataSize);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            Rgb c = image.Get(x, y);
            out.push_back(c.b);
            out.push_back(c.g);
            out.push_back(c.r);
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(w) * 3; pad < stride; ++pad) out.push_back(0);
    }
    return out;
}

std::optional<Image> DecodeBmp(std::span<const std::uint8_t> bytes, std::string* error) {
    const std::uint8_t* p = bytes.data();
    const std::size_t size = bytes.size();
    if (size < kFileHeaderSize + 4 || p[0] != 'B' || p[1] != 'M') {
        Fail(error, "not a bitmap file");
        return std::nullopt;
    }
    const std::uint32_t dataOffset = U32(p + 10);
    const std::uint32_t headerSize = U32(p + kFileHeaderSize);
    const bool core = headerSize == kCoreHeaderSize;
    if (!core && (headerSize < kInfoHeaderSize || headerSize > 1024)) {
        Fail(error, "unknown bitmap header");
        return std::nullopt;
    }
    if (size < kFileHeaderSize + headerSize) {
        Fail(error, "truncated header");
        return std::nullopt;
    }
    const std::uint8_t* h = p + kFileHeaderSize;
    std::int64_t width, height;
    int bits;
    std::uint32_t compression = kBiRgb, colorsUsed = 0;
    if (core) {
        width = U16(h + 4);
        height = U16(h + 6);
        if (U16(h + 8) != 1) {
            Fail(error, "planes must be 1");
            return std::nullopt;
        }
        bits = U16(h + 10);
    } else {
        width = S32(h + 4);
        height = S32(h + 8);
        if (U16(h + 12) != 1) {
            Fail(error, "planes must be 1");
            return std::nullopt;
        }
        bits = U16(h + 14);
        compression = U32(h + 16);
        colorsUsed = U32(h + 32);
    }
    const bool topDown = height < 0;
    if (topDown) height = -height;
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide || width * height > kMaxPixels) {
        Fail(error, "bad picture size");
        return std::nullopt;
    }
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) {
        Fail(error, "unsupported bit count");
        return std::nullopt;
    }
    if (compression != kBiRgb && !(compression == kBiBitfields && (bits == 16 || bits == 32))) {
        Fail(error, "compressed bitmaps are not supported");
        return std::nullopt;
    }

    // Colour masks for the direct-colour forms.
    std::size_t tableStart = kFileHeaderSize + headerSize;
    Channel red, green, blue;
    if (bits == 16 || bits == 32) {
        if (compression == kBiBitfields) {
            const std::uint8_t* m = h + kInfoHeaderSize;
            if (headerSize == kInfoHeaderSize) {
                if (size < tableStart + 12) {
                    Fail(error, "truncated colour masks");
                    return std::nullopt;
                }
                m = p + tableStart;
                tableStart += 12;
            }
            red = Channel(U32(m));
            green = Channel(U32(m + 4));
            blue = Channel(U32(m + 8));
            if (!red.Valid() || !green.Valid() || !blue.Valid()) {
                Fail(error, "bad colour masks");
                return std::nullopt;
            }
        } else if (bits == 16) {
            red = Channel(0x7C00);
            green = Channel(0x03E0);
            blue = Channel(0x001F);
        } else {
            red = Channel(0x00FF0000);
            green = Channel(0x0000FF00);
            blue = Channel(0x000000FF);
        }
    }

    // Palette for the indexed forms.
    std::vector<Rgb> palette;
    if (bits <= 8) {
        const std::uint32_t maxColors = 1u << bits;
        std::uint32_t count = colorsUsed == 0 ? maxColors : colorsUsed;
        if (count > maxColors) {
            Fail(error, "palette too large");
            return std::nullopt;
        }
        const std::size_t entry = core ? 3 : 4;
        if (size < tableStart + count * entry) {
            Fail(error, "truncated palette");
            return std::nullopt;
        }
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::uint8_t* e = p + tableStart + i * entry;
            palette.push_back(Rgb{e[2], e[1], e[0]});
        }
        tableStart += count * entry;
    }

    const std::uint64_t stride = ((static_cast<std::uint64_t>(width) * bits + 31) / 32) * 4;
    if (dataOffset < tableStart || dataOffset > size || size - dataOffset < stride * static_cast<std::uint64_t>(height)) {
        Fail(error, "truncated pixel data");
        return std::nullopt;
    }

    Image image(static_cast<int>(width), static_cast<int>(height));
    for (std::int64_t row = 0; row < height; ++row) {
        const std::uint8_t* line = p + dataOffset + stride * static_cast<std::uint64_t>(row);
        const int y = static_cast<int>(topDown ? row : height - 1 - row);
        for (int x = 0; x < width; ++x) {
            Rgb c;
            switch (bits) {
            case 1:
            case 4:
            case 8: {
                const int perByte = 8 / bits;
                const std::uint8_t byte = line[x / perByte];
                const int shift = 8 - bits * (x % perByte + 1);
                const std::uint32_t index = (byte >> shift) & ((1u << bits) - 1);
                // An index past the palette shows black, as the display would.
                if (index < palette.size()) c = palette[index];
                break;
            }
            case 16: {
                const std::uint32_t v = U16(line + 2 * x);
                c = Rgb{red.Extract(v), green.Extract(v), blue.Extract(v)};
                break;
            }
            case 24:
                c = Rgb{line[3 * x + 2], line[3 * x + 1], line[3 * x]};
                break;
            default: {
                const std::uint32_t v = U32(line + 4 * x);
                c = Rgb{red.Extract(v), green.Extract(v), blue.Extract(v)};
                break;
            }
            }
            image.Set(x, y, c);
        }
    }
    return image;
}

bool WriteBmpFile(const std::string& path, const Image& image) {
    const std::vector<std::uint8_t> bytes = EncodeBmp(image);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

std::optional<Image> ReadBmpFile(const std::string& path, std::string* error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        Fail(error, "cannot open file");
        return std::nullopt;
    }
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    in.seekg(0, std::ios::beg);
    std::vector<std::uint8_t> bytes(size > 0 ? static_cast<std::size_t>(size) : 0);
    if (!bytes.empty() && !in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()))) {
        Fail(error, "cannot read file");
        return std::nullopt;
    }
    return DecodeBmp(bytes, error);
}

}  // namespace skin
