#include "core/Power.h"

namespace core {

namespace {
int Suppress(platform::System& system, platform::PowerSetting s) {
    const int saved = system.GetPower(s);
    if (saved == 1) system.SetPower(s, 0);
    return saved;
}
}  // namespace

PowerGuard::PowerGuard(platform::System& system) : system_(system) {
    using platform::PowerSetting;
    powerOff_ = Suppress(system_, PowerSetting::PowerOffActive);
    lowPower_ = Suppress(system_, PowerSetting::LowPowerActive);
    screenSave_ = Suppress(system_, PowerSetting::ScreenSaveActive);
}

void PowerGuard::Restore() {
    if (restored_) return;
    restored_ = true;
    using platform::PowerSetting;
    system_.SetPower(PowerSetting::PowerOffActive, powerOff_);
    system_.SetPower(PowerSetting::LowPowerActive, lowPower_);
    system_.SetPower(PowerSetting::ScreenSaveActive, screenSave_);
}

}  // namespace core
