// The real clock, on the standard library (used on every platform).
#pragma once

#include "platform/Clock.h"

namespace platform {

class StdClock final : public Clock {
public:
    std::uint64_t NowMs() override;
    LocalTime Local() override;
    void SleepMs(std::uint32_t ms) override;
};

}  // namespace platform
