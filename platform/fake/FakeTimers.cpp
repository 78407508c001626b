#include "platform/fake/FakeTimers.h"

#include <algorithm>

namespace platform::fake {

void FakeTimers::Start(WindowId w, std::uint32_t id, std::uint32_t periodMs) {
    const std::uint32_t period = std::max<std::uint32_t>(periodMs, 1);
    timers_[{w, id}] = Entry{period, clock_.NowMs() + period, seq_++};
}

void FakeTimers::Stop(WindowId w, std::uint32_t id) { timers_.erase({w, id}); }

std::optional<std::uint32_t> FakeTimers::Period(WindowId w, std::uint32_t id) const {
    auto it = timers_.find({w, id});
    if (it == timers_.end()) return std::nullopt;
    return it->second.period;
}

std::optional<std::uint64_t> FakeTimers::DueAt(WindowId w, std::uint32_t id) const {
    auto it = timers_.find({w, id});
    if (it == timers_.end()) return std::nullopt;
    return it->second.due;
}

bool FakeTimers::FireNext(std::uint64_t until) {
    auto next = timers_.end();
    for (auto it = timers_.begin(); it != timers_.end(); ++it) {
        if (it->second.due > until) continue;
        if (next == timers_.end() || it->second.due < next->second.due ||
            (it->second.due == next->second.due && it->second.seq < next->second.seq)) {
            next = it;
        }
    }
    if (next == timers_.end()) return false;
    const Key key = next->first;
    if (next->second.due > clock_.NowMs()) clock_.Advance(next->second.due - clock_.NowMs());
    // Re-arm before the handler runs: the handler may stop or restart it.
    next->second.due = clock_.NowMs() + next->second.period;
    next->second.seq = seq_++;
    fired_.push_back(key);
    if (handler_) handler_(key.first, key.second);
    return true;
}

int FakeTimers::Advance(std::uint64_t ms) {
    const std::uint64_t until = clock_.NowMs() + ms;
    int n = 0;
    while (FireNext(until)) ++n;
    if (clock_.NowMs() < until) clock_.Advance(until - clock_.NowMs());
    return n;
}

int FakeTimers::FireDue() {
    const std::uint64_t now = clock_.NowMs();
    int n = 0;
    while (FireNext(now)) ++n;
    return n;
}

}  // namespace platform::fake
