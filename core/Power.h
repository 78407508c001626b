// The three power settings the panel keeps away while it runs: read and
// suppressed at start (power-off, low-power, screen saver), given back once
// on whatever way the program ends (WM_DESTROY, or the guard's end on every
// early exit).
#pragma once

#include "platform/System.h"

namespace core {

class PowerGuard {
public:
    // Start-up steps 1-3: read each setting, and set it to 0 where it was 1.
    explicit PowerGuard(platform::System& system);
    ~PowerGuard() { Restore(); }
    PowerGuard(const PowerGuard&) = delete;
    PowerGuard& operator=(const PowerGuard&) = delete;

    // Power-off, then low-power, then screen saver back to the saved values,
    // each set unconditionally; only the first call does anything.
    void Restore();
    bool Restored() const { return restored_; }

private:
    platform::System& system_;
    int powerOff_ = 0, lowPower_ = 0, screenSave_ = 0;
    bool restored_ = false;
};

}  // namespace core
