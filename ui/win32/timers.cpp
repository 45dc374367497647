// Timers: one WM_TIMER per timer control. Windows keeps no phase across a
// KillTimer, so a stop notes how far the next tick still was and a resume
// sets a one-off timer for that rest before the interval takes over again.
#include <windows.h>

#include <algorithm>

#include "ui/win32/form.h"

namespace lornel::win32 {
namespace {

constexpr UINT_PTR kTimerEvent = 1;

void Start(Control& c, int first) {
  c.nextTick = GetTickCount64() + static_cast<ULONGLONG>(first);
  SetTimer(c.hwnd, kTimerEvent, static_cast<UINT>(first), nullptr);
}

}  // namespace

void Win32Form::SetInterval(int id, int milliseconds) {
  Control& c = controls_[id];
  if (milliseconds == c.interval) return;  // a running timer keeps its next tick
  if (c.interval > 0) {
    KillTimer(c.hwnd, kTimerEvent);
    if (milliseconds <= 0) {
      const ULONGLONG now = GetTickCount64();
      c.rest = c.nextTick > now
                   ? static_cast<int>(std::min<ULONGLONG>(c.nextTick - now, c.interval))
                   : 0;
    }
  }
  c.interval = milliseconds;
  c.resuming = false;
  if (milliseconds > 0) Start(c, milliseconds);
}

void Win32Form::KillTimers() {
  for (Control& c : controls_)
    if (c.interval > 0 && c.hwnd) KillTimer(c.hwnd, kTimerEvent);
}

int Win32Form::Interval(int id) const { return controls_[id].interval; }

void Win32Form::ResumeInterval(int id, int milliseconds) {
  Control& c = controls_[id];
  if (c.interval > 0 || c.rest < 0 || milliseconds <= 0) return SetInterval(id, milliseconds);
  c.interval = milliseconds;
  c.resuming = c.rest < milliseconds;
  Start(c, std::min(c.rest, milliseconds));
}

// A late WM_TIMER does not move the ticks after it (they stay a whole number
// of intervals from the start), unless it came later than the next was due.
void Win32Form::OnTimer(Control& c) {
  if (c.interval <= 0) return;
  const ULONGLONG now = GetTickCount64();
  if (c.resuming) {
    c.resuming = false;
    Start(c, c.interval);
    return;
  }
  c.nextTick = std::max(c.nextTick + static_cast<ULONGLONG>(c.interval), now);
}

}  // namespace lornel::win32
