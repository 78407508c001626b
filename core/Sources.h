// The five input sources: their panel commands, [ZuntoCrossbar] InputSource
// codes, TV window commands, SourceCode values and LCD labels.
#pragma once

#include <cstdint>

#include "platform/Profile.h"

namespace core {

// [ZuntoCrossbar] InputSource codes.
enum class Source : int { AvIn = 1, SVideo = 2, Cable = 3, Air = 4, Fm = 5 };

// The mode label of the LCD.
enum class LcdLabel { Channel, Fm, VideoIn };

struct SourceInfo {
    Source source;
    std::uint16_t command;    // panel command
    std::uint16_t tvCommand;  // what the TV window is sent
    int sourceCode;           // PanelSession::SourceCode
    LcdLabel label;
};

inline constexpr SourceInfo kSources[] = {
    {Source::AvIn, 40010, 2001, 4, LcdLabel::VideoIn},
    {Source::SVideo, 40011, 2004, 5, LcdLabel::VideoIn},
    {Source::Cable, 40034, 2003, 3, LcdLabel::Channel},
    {Source::Air, 40012, 2002, 2, LcdLabel::Channel},
    {Source::Fm, 40039, 40206, 1, LcdLabel::Fm},
};

inline const SourceInfo* SourceByCommand(std::uint16_t command) {
    for (const SourceInfo& s : kSources) {
        if (s.command == command) return &s;
    }
    return nullptr;
}

inline const SourceInfo* SourceByInput(int inputSource) {
    for (const SourceInfo& s : kSources) {
        if (static_cast<int>(s.source) == inputSource) return &s;
    }
    return nullptr;
}

// The source command for an InputSource value; 0 for values outside 1..5.
inline std::uint16_t SourceCommandFor(int inputSource) {
    const SourceInfo* s = SourceByInput(inputSource);
    return s ? s->command : 0;
}

// [ZuntoCrossbar] InputSource of the settings INI (default 3, cable).
inline int ReadInputSource(platform::ProfileStore& settings) {
    return static_cast<std::int32_t>(settings.ReadInt("ZuntoCrossbar", "InputSource", 3));
}

}  // namespace core
