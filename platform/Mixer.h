// Sound-card mixer (shape): the device's source lines with their mute
// switches and the master volume, balance, bass and treble controls.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

struct MixerLine {
    std::string shortName;
    std::uint32_t muteControlId = 0;
};

class Mixer {
public:
    virtual ~Mixer() = default;
    virtual bool Open() = 0;                                   // false: no device
    virtual std::vector<MixerLine> SourceLinesWithMute() = 0;
    virtual bool SetControl(std::uint32_t controlId, std::uint32_t value) = 0;
    virtual std::optional<std::uint32_t> GetControl(std::uint32_t controlId) = 0;
    virtual bool SetVolume(std::uint32_t value0to65535) = 0;
};

}  // namespace platform
