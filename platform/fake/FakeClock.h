// A virtual clock for tests: time moves only when the test (or a blocking
// wait of the code under test) moves it.
#pragma once

#include "platform/Clock.h"

namespace platform::fake {

class FakeClock final : public Clock {
public:
    std::uint64_t NowMs() override { return now_; }
    LocalTime Local() override;
    void SleepMs(std::uint32_t ms) override { Advance(ms); slept_ += ms; }

    void Advance(std::uint64_t ms) { now_ += ms; }
    void SetLocal(LocalTime t) { base_ = t; baseMs_ = now_; }
    std::uint64_t SleptMs() const { return slept_; }

private:
    std::uint64_t now_ = 0;
    std::uint64_t slept_ = 0;
    LocalTime base_{2026, 1, 1, 12, 0, 0};
    std::uint64_t baseMs_ = 0;
};

}  // namespace platform::fake
