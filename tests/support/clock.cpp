#include "tests/support/clock.h"

#include <algorithm>

namespace lornel::fake {

int Clock::Start(int period, Tick tick, int first) {
  const int id = nextTimer_++;
  const int effective = std::max(period, kMinimumPeriod);
  const int delay = first >= 0 ? std::max(first, kMinimumPeriod) : effective;
  timers_[id] = Timer{now_ + delay, effective, std::move(tick)};
  return id;
}

void Clock::Stop(int timer) { timers_.erase(timer); }

void Clock::RunPosted() {
  while (!posted_.empty()) {
    auto action = std::move(posted_.front());
    posted_.erase(posted_.begin());
    action();
  }
}

void Clock::Advance(std::int64_t milliseconds) {
  const std::int64_t target = now_ + std::max<std::int64_t>(milliseconds, 0);
  RunPosted();
  for (;;) {
    auto next = timers_.end();
    for (auto it = timers_.begin(); it != timers_.end(); ++it)
      if (it->second.due <= target && (next == timers_.end() || it->second.due < next->second.due))
        next = it;
    if (next == timers_.end()) break;
    now_ = std::max(now_, next->second.due);
    next->second.due += next->second.period;
    // Copy: the handler may stop or restart this very timer.
    Tick tick = next->second.tick;
    ++ticksDelivered_;
    tick();
    RunPosted();
  }
  now_ = std::max(now_, target);
}

}  // namespace lornel::fake
