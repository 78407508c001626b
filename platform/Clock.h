// Clock: monotonic milliseconds for time-outs, local wall-clock time for the
// LCD clock, and the blocking waits some flows take (the whole panel waits).
#pragma once

#include <cstdint>

namespace platform {

struct LocalTime {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::uint64_t NowMs() = 0;     // monotonic, arbitrary origin
    virtual LocalTime Local() = 0;         // local time of day
    virtual void SleepMs(std::uint32_t ms) = 0;
};

}  // namespace platform
