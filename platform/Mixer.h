// Sound-card mixer (shape): the device's source lines with their mute
// switches and the master volume, balance, bass and treble controls.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Windows.h"

namespace platform {

struct MixerLine {
    std::string shortName;
    std::uint32_t muteControlId = 0;
};

// The speaker destination line of the open device: its channel count and the
// ids of its level controls (absent when the line has no such control; an id
// may be 0).
struct MixerSpeakers {
    std::uint32_t channels = 0;
    std::optional<std::uint32_t> volumeControl;
    std::optional<std::uint32_t> bassControl;
    std::optional<std::uint32_t> trebleControl;
};

class Mixer {
public:
    virtual ~Mixer() = default;
    virtual bool Open() = 0;                                   // false: no device
    virtual std::vector<MixerLine> SourceLinesWithMute() = 0;
    virtual bool SetControl(std::uint32_t controlId, std::uint32_t value) = 0;
    virtual std::optional<std::uint32_t> GetControl(std::uint32_t controlId) = 0;
    virtual bool SetVolume(std::uint32_t value0to65535) = 0;

    // Choosing among several devices, and per-channel levels.  The defaults
    // describe a single device that Open() opens.
    virtual std::uint32_t DeviceCount() { return 1; }
    // Opens device `index` in place of the one open; `notify` (0: none)
    // receives the device's change notifications.
    virtual bool OpenDevice(std::uint32_t index, WindowId notify) { return index == 0 && Open(); }
    // Product name of the open device; absent when it cannot be read.
    virtual std::optional<std::string> ProductName() { return std::nullopt; }
    // The open device's speaker destination; absent when it has none.
    virtual std::optional<MixerSpeakers> Speakers() { return std::nullopt; }
    // One level per channel, channel 0 first (left, right); a control that
    // keeps one value for all channels takes the first.
    virtual bool SetControlChannels(std::uint32_t controlId, const std::vector<std::uint32_t>& levels) {
        return !levels.empty() && SetControl(controlId, levels.front());
    }
};

}  // namespace platform
