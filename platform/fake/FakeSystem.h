// System settings for tests: a settable screen size and the three power
// settings, with a log of every change the code under test made.
#pragma once

#include <map>
#include <utility>
#include <vector>

#include "platform/System.h"

namespace platform::fake {

class FakeSystem final : public System {
public:
    int ScreenWidth() override { return width_; }
    int ScreenHeight() override { return height_; }
    int GetPower(PowerSetting s) override { return power_[s]; }
    void SetPower(PowerSetting s, int value) override {
        power_[s] = value;
        sets_.emplace_back(s, value);
    }

    void SetScreen(int w, int h) { width_ = w, height_ = h; }
    // Seeds a value without logging it (the state before the program ran).
    void SeedPower(PowerSetting s, int value) { power_[s] = value; }
    int Power(PowerSetting s) const {
        auto it = power_.find(s);
        return it == power_.end() ? 0 : it->second;
    }
    const std::vector<std::pair<PowerSetting, int>>& PowerSets() const { return sets_; }

private:
    int width_ = 1024, height_ = 768;
    std::map<PowerSetting, int> power_;
    std::vector<std::pair<PowerSetting, int>> sets_;
};

}  // namespace platform::fake
