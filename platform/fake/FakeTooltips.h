// Tooltip windows in memory for tests: which exist, with what tools and
// delays, and how many were ever created.
#pragma once

#include <map>

#include "platform/Tooltips.h"

namespace platform::fake {

class FakeTooltips final : public TooltipControl {
public:
    WindowId Create(WindowId owner, const TooltipSpec& plan) override {
        ++created_;
        if (fail_) return 0;
        const WindowId id = next_++;
        live_[id] = Entry{owner, plan};
        return id;
    }
    void Destroy(WindowId tooltip) override {
        ++destroyed_;
        live_.erase(tooltip);
    }

    void FailCreate(bool fail) { fail_ = fail; }
    bool Exists(WindowId tooltip) const { return live_.count(tooltip) != 0; }
    std::size_t LiveCount() const { return live_.size(); }
    const TooltipSpec& Tips(WindowId tooltip) const { return live_.at(tooltip).plan; }
    WindowId Owner(WindowId tooltip) const { return live_.at(tooltip).owner; }
    int Created() const { return created_; }
    int Destroyed() const { return destroyed_; }

private:
    struct Entry {
        WindowId owner = 0;
        TooltipSpec plan;
    };
    std::map<WindowId, Entry> live_;
    WindowId next_ = 0x7000;
    int created_ = 0;
    int destroyed_ = 0;
    bool fail_ = false;
};

}  // namespace platform::fake
