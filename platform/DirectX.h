// The DirectX level of the machine, as the classic DirectDraw-based probe
// reports it.
#pragma once

#include <cstdint>

namespace platform {

// Levels: 0, 0x100, 0x200, 0x300, 0x500, 0x600, 0x601, 0x700, 0x800.
constexpr std::uint32_t kDirectXLevel8 = 0x800;

class DirectXProbe {
public:
    virtual ~DirectXProbe() = default;
    virtual std::uint32_t ProbeDirectXLevel() = 0;
};

}  // namespace platform
