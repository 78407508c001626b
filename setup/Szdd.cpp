#include "setup/Szdd.h"

#include <algorithm>
#include <array>

namespace setup::szdd {

namespace {
constexpr std::uint8_t kMagic[8] = {'S', 'Z', 'D', 'D', 0x88, 0xF0, 0x27, 0x33};
constexpr std::size_t kWindow = 4096;
constexpr std::size_t kStart = kWindow - 16;
}  // namespace

bool IsCompressed(std::span<const std::uint8_t> data) {
    return data.size() >= sizeof kMagic && std::equal(std::begin(kMagic), std::end(kMagic), data.begin());
}

std::optional<std::vector<std::uint8_t>> Expand(std::span<const std::uint8_t> data) {
    if (data.size() < kHeaderSize || !IsCompressed(data) || data[8] != 'A') return std::nullopt;
    const std::uint32_t length = static_cast<std::uint32_t>(data[10]) | (static_cast<std::uint32_t>(data[11]) << 8) |
                                 (static_cast<std::uint32_t>(data[12]) << 16) |
                                 (static_cast<std::uint32_t>(data[13]) << 24);
    // Every input byte yields at most 18 / 2 output bytes, so a stated length
    // beyond that cannot be reached: refuse it before allocating anything.
    const std::uint64_t reachable = static_cast<std::uint64_t>(data.size() - kHeaderSize) * 9;
    if (length > reachable) return std::nullopt;

    std::array<std::uint8_t, kWindow> window;
    window.fill(' ');
    std::size_t pos = kStart;
    std::vector<std::uint8_t> out;
    out.reserve(length);
    std::size_t in = kHeaderSize;
    auto put = [&](std::uint8_t c) {
        out.push_back(c);
        window[pos] = c;
        pos = (pos + 1) & (kWindow - 1);
    };
    while (out.size() < length) {
        if (in >= data.size()) return std::nullopt;
        const std::uint8_t flags = data[in++];
        for (int bit = 0; bit < 8 && out.size() < length; ++bit) {
            if (flags & (1u << bit)) {
                if (in >= data.size()) return std::nullopt;
                put(data[in++]);
            } else {
                if (in + 1 >= data.size()) return std::nullopt;
                const std::size_t b0 = data[in++];
                const std::size_t b1 = data[in++];
                std::size_t from = b0 | ((b1 & 0xF0) << 4);
                const std::size_t count = (b1 & 0x0F) + 3;
                for (std::size_t k = 0; k < count && out.size() < length; ++k) {
                    put(window[from]);
                    from = (from + 1) & (kWindow - 1);
                }
            }
        }
    }
    return out;
}

std::string ExpandedName(const std::string& compressedName, std::span<const std::uint8_t> data) {
    if (compressedName.empty() || compressedName.back() != '_' || data.size() < kHeaderSize || !IsCompressed(data) ||
        data[9] == 0) {
        return compressedName;
    }
    std::string name = compressedName;
    name.back() = static_cast<char>(data[9]);
    return name;
}

}  // namespace setup::szdd
