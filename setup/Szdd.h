// The "SZDD" compressed file format: the one the platform's LZ expansion
// reads and version-aware installation expands (sources conventionally
// named with a trailing "_").  Layout: the eight magic bytes, the method
// 'A', the replaced last character of the file name (0 when unknown), the
// expanded length (32 bits, little-endian), then LZSS data over a
// 4096-byte window that starts filled with blanks and is written from
// position 4080.  Each flag byte governs eight items, lowest bit first: 1 a
// literal byte; 0 a two-byte reference, position = b0 | (b1 & 0xF0) << 4,
// length = (b1 & 0x0F) + 3.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace setup::szdd {

inline constexpr std::size_t kHeaderSize = 14;

bool IsCompressed(std::span<const std::uint8_t> data);

// The expanded bytes, exactly as many as the header states (bytes an
// encoder leaves after them are ignored); none when the data is not SZDD,
// uses another method, or ends before the stated length is reached.
std::optional<std::vector<std::uint8_t>> Expand(std::span<const std::uint8_t> data);

// The name the header restores: "QOR.ex_" with 'e' gives "QOR.exe"; a name
// without the trailing "_" or a header without the character keeps the name.
std::string ExpandedName(const std::string& compressedName, std::span<const std::uint8_t> data);

}  // namespace setup::szdd
