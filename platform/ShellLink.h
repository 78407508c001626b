// Shell link (shortcut) files.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Hotkey word: modifier byte (high) and virtual-key code (low).
constexpr std::uint16_t kHotkeyShift = 0x01;
constexpr std::uint16_t kHotkeyControl = 0x02;
constexpr std::uint16_t kHotkeyAlt = 0x04;
constexpr std::uint16_t kVirtualKeyF5 = 0x74;
constexpr std::uint16_t MakeHotkey(std::uint16_t modifiers, std::uint16_t key) {
    return static_cast<std::uint16_t>((modifiers << 8) | key);
}

struct ShellLinkSpec {
    std::string target;
    std::string arguments;
    std::string workingDirectory;
    std::string description;
    std::string iconPath;      // empty: the target's own icon
    int iconIndex = 0;
    std::uint16_t hotkey = 0;  // 0: none
};

class ShellLinks {
public:
    virtual ~ShellLinks() = default;
    // Creates or replaces linkFile; returns the platform's result code (0 is success).
    virtual std::int32_t Create(const std::string& linkFile, const ShellLinkSpec& link) = 0;
};

}  // namespace platform
