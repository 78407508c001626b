// The sound-card mixer operations the panel's core calls.  The settings
// subsystem implements them over platform/Mixer.h; tests record the calls.
#pragma once

#include "platform/Windows.h"

namespace core {

class MixerControl {
public:
    virtual ~MixerControl() = default;
    // Opens the mixer and rebuilds [AudioDevice]/[Audio]; learn = the user
    // has just chosen a country, so the input line is taken up again.
    // False when no mixer could be opened.
    virtual bool InitSoundCardMixer(platform::WindowId owner, bool learn) = 0;
    virtual void SetMixerVolume(int volume) = 0;    // 0..220
    virtual void SetMixerBalance(int balance) = 0;  // 0..255, 128 centre
    virtual void SetMixerBass(int bass) = 0;        // 0..255
    virtual void SetMixerTreble(int treble) = 0;    // 0..255
    virtual void SetInputLineMute(int mute) = 0;    // 1 mutes the tuner's input line
};

}  // namespace core
