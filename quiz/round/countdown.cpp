#include "quiz/round/countdown.h"

#include <algorithm>

namespace lornel::quiz::round {
namespace {

using State = Countdown::State;

constexpr int kProgressLimit = 32767;  // the bar's numbers, as a 16-bit range holds them

int Clamped(int seconds) { return std::clamp(seconds, 0, kProgressLimit); }

}  // namespace

void CountdownPrepare(Round& r, int seconds) {
  r.countdown.left = r.countdown.total = Clamped(seconds);
  ++r.countdown.prepares;
}

void CountdownStart(Round& r, const std::string& value) {
  if (value == "0") return;
  r.countdown.state = State::Running;
  ++r.countdown.starts;
  r.revealGuard = true;
}

Tick CountdownTick(Round& r) {
  Countdown& c = r.countdown;
  if (c.state != State::Running) return Tick::Ignored;
  if (c.left == 0) return Tick::TimedOut;
  if (r.answerUncovered && r.choosingGroup) return Tick::StoodStill;
  c.shown = --c.left;
  return Tick::Counted;
}

void CountdownStop(Round& r) { r.countdown.state = State::Off; }

bool CountdownPaused(const Round& r) { return r.countdown.state == State::Paused; }

void ToggleCountdownPause(Round& r) {
  Countdown& c = r.countdown;
  if (c.state == State::Paused) {
    c.state = State::Running;
  } else if (c.state == State::Running) {
    c.state = State::Paused;
    // In its first second the number still shows the last countdown's.
    c.shown = c.left;
  }
}

void HoldCountdown(Round& r) {
  if (r.countdown.state == State::Running) r.countdown.state = State::Held;
}

void ReleaseCountdown(Round& r) {
  if (r.countdown.state == State::Held) r.countdown.state = State::Running;
}

void AddCountdownTime(Round& r, int seconds) {
  Countdown& c = r.countdown;
  c.total = Clamped(c.total + seconds);
  c.left = Clamped(c.left + seconds);
  c.shown = c.left;
}

bool TakeCountdownTime(Round& r, int seconds) {
  Countdown& c = r.countdown;
  const int taken = std::clamp(c.left - kLeastLeft, 0, seconds);
  if (taken == 0) return false;
  c.left -= taken;
  c.total = Clamped(c.total - taken);
  c.shown = c.left;
  return true;
}

}  // namespace lornel::quiz::round
