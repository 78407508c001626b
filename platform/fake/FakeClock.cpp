#include "platform/fake/FakeClock.h"

namespace platform::fake {

LocalTime FakeClock::Local() {
    // Time of day moves with the virtual milliseconds; the date stays.
    const std::uint64_t secs = (now_ - baseMs_) / 1000 + static_cast<std::uint64_t>(base_.hour * 3600 + base_.minute * 60 + base_.second);
    LocalTime t = base_;
    t.hour = static_cast<int>((secs / 3600) % 24);
    t.minute = static_cast<int>((secs / 60) % 60);
    t.second = static_cast<int>(secs % 60);
    return t;
}

}  // namespace platform::fake
