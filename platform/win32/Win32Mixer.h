// The sound-card mixer on the multimedia mixer functions of winmm.  Without a
// mixer device (no sound card) Open fails and every other call does nothing:
// no lines, no speakers, sets and gets fail.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include "platform/Mixer.h"
#include "platform/win32/Handles.h"

namespace platform::win32 {

struct MixerHandleTraits {  // mixerOpen
    using Handle = HMIXER;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { ::mixerClose(h); }
};
using UniqueMixer = UniqueHandle<MixerHandleTraits>;

class Win32Mixer final : public Mixer {
public:
    bool Open() override;  // device 0, no notifications
    // The source lines of the speaker destination that have a mute switch,
    // in line order.
    std::vector<MixerLine> SourceLinesWithMute() override;
    // One value for every channel.  Controls with several items (selectors)
    // are refused.
    bool SetControl(std::uint32_t controlId, std::uint32_t value) override;
    std::optional<std::uint32_t> GetControl(std::uint32_t controlId) override;
    // The speaker line's volume control, every channel the same value.
    bool SetVolume(std::uint32_t value0to65535) override;

    std::uint32_t DeviceCount() override;
    bool OpenDevice(std::uint32_t index, WindowId notify) override;
    std::optional<std::string> ProductName() override;
    std::optional<MixerSpeakers> Speakers() override;
    // As many values as the control's line has channels: missing ones repeat
    // the last level given, surplus ones are left out.
    bool SetControlChannels(std::uint32_t controlId, const std::vector<std::uint32_t>& levels) override;

private:
    HMIXEROBJ Object() const { return reinterpret_cast<HMIXEROBJ>(mixer_.get()); }
    std::optional<MIXERLINEA> SpeakerLine();
    std::optional<MIXERCONTROLA> ControlOfType(DWORD lineId, DWORD type);
    struct LineControl {
        MIXERCONTROLA control;
        DWORD lineId;
    };
    std::optional<LineControl> ControlById(std::uint32_t controlId);
    bool SetDetails(const MIXERCONTROLA& control, const std::vector<DWORD>& values);

    UniqueMixer mixer_;
    UINT device_ = 0;
};

}  // namespace platform::win32
