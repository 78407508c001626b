// System settings (shape): the screen size and the three power settings the
// panel suppresses while it runs (SystemParametersInfoA).
#pragma once

namespace platform {

enum class PowerSetting { ScreenSaveActive, LowPowerActive, PowerOffActive };

class System {
public:
    virtual ~System() = default;
    virtual int ScreenWidth() = 0;
    virtual int ScreenHeight() = 0;
    virtual int GetPower(PowerSetting s) = 0;
    // Sets with the flags that update the user profile and broadcast the change.
    virtual void SetPower(PowerSetting s, int value) = 0;
};

}  // namespace platform
