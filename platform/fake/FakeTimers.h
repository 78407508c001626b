// Virtual window timers on the FakeClock.  Like SetTimer, a timer fires
// again every period until it is stopped, and starting a running identifier
// restarts it with the new period.  Nothing fires by itself: the test moves
// time with Advance, which fires the due timers in order of their due time
// (ties in the order they were started) through the handler.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "platform/Timers.h"
#include "platform/fake/FakeClock.h"

namespace platform::fake {

class FakeTimers final : public Timers {
public:
    using Handler = std::function<void(WindowId w, std::uint32_t id)>;

    explicit FakeTimers(FakeClock& clock) : clock_(clock) {}
    void SetHandler(Handler h) { handler_ = std::move(h); }

    void Start(WindowId w, std::uint32_t id, std::uint32_t periodMs) override;
    void Stop(WindowId w, std::uint32_t id) override;

    bool Running(WindowId w, std::uint32_t id) const { return timers_.count({w, id}) != 0; }
    std::optional<std::uint32_t> Period(WindowId w, std::uint32_t id) const;
    std::optional<std::uint64_t> DueAt(WindowId w, std::uint32_t id) const;

    // Moves the clock forward by ms, firing every timer that falls due on
    // the way at its due time.  Returns the number of firings.
    int Advance(std::uint64_t ms);
    // Fires the timers already due at the current time (after a blocking
    // wait moved the clock), without moving it further.
    int FireDue();

    // Every firing so far, in order.
    const std::vector<std::pair<WindowId, std::uint32_t>>& Fired() const { return fired_; }

private:
    struct Entry {
        std::uint32_t period;
        std::uint64_t due;
        std::uint64_t seq;
    };
    using Key = std::pair<WindowId, std::uint32_t>;
    bool FireNext(std::uint64_t until);

    FakeClock& clock_;
    Handler handler_;
    std::map<Key, Entry> timers_;
    std::vector<Key> fired_;
    std::uint64_t seq_ = 0;
};

}  // namespace platform::fake
