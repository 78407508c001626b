// The panel's sound-card control.  Opening the mixer is real (device 0 of
// the multimedia mixer); the level arithmetic of volume, balance, bass,
// treble and the tuner input line's mute switch belongs to the audio
// settings and is not carried by the program yet, so those calls change
// nothing.  With no mixer device (as under Wine here) the panel runs with
// MixerAvailable = 0, which is the behaviour the panel defines for that case.
#pragma once

#include "core/MixerControl.h"
#include "platform/win32/Win32Mixer.h"

namespace qor {

class SoundCardMixer final : public core::MixerControl {
public:
    bool InitSoundCardMixer(platform::WindowId, bool) override { return mixer_.Open(); }
    void SetMixerVolume(int) override {}
    void SetMixerBalance(int) override {}
    void SetMixerBass(int) override {}
    void SetMixerTreble(int) override {}
    void SetInputLineMute(int) override {}

private:
    platform::win32::Win32Mixer mixer_;
};

}  // namespace qor
