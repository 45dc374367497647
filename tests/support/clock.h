// Virtual time for the in-memory backend. Timers of every fake window are
// scheduled here; advancing the clock delivers their ticks in time order and
// then runs what handlers posted (deferred closes, injected keys), as the
// message loop would. Advancing from inside a handler (a message box's modal
// loop) delivers ticks re-entrantly, as Windows does.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

namespace lornel::fake {

class Clock {
 public:
  using Tick = std::function<void()>;
  // Windows raises timers of less than USER_TIMER_MINIMUM no faster than this.
  static constexpr int kMinimumPeriod = 10;

  std::int64_t now() const { return now_; }

  // Starts (or restarts) a periodic timer; the first tick comes one period
  // later, or `first` (>= 0) milliseconds later when given.
  int Start(int period, Tick tick, int first = -1);
  void Stop(int timer);
  // Milliseconds until the timer's next tick.
  std::int64_t DueIn(int timer) const { return timers_.at(timer).due - now_; }
  bool Running(int timer) const { return timers_.count(timer) > 0; }

  // Runs after the current event, in the next turn of the message loop.
  void Post(std::function<void()> action) { posted_.push_back(std::move(action)); }
  void RunPosted();

  void Advance(std::int64_t milliseconds);
  std::int64_t ticksDelivered() const { return ticksDelivered_; }

 private:
  struct Timer {
    std::int64_t due;
    int period;
    Tick tick;
  };
  std::int64_t now_ = 0;
  int nextTimer_ = 1;
  std::map<int, Timer> timers_;
  std::vector<std::function<void()>> posted_;
  std::int64_t ticksDelivered_ = 0;
};

}  // namespace lornel::fake
