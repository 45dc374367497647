#include "quiz/countdown_control.h"

#include <vector>

#include "quiz/play.h"
#include "quiz/round/countdown.h"

namespace lornel::quiz {
namespace {

enum Item { kPauseOrResume, kAdd, kTakeAway };

}  // namespace

void ToggleCountdownPause(Context& ctx) { round::ToggleCountdownPause(ctx.round); }

void CountdownMenu(Context& ctx) {
  const Countdown& c = ctx.round.countdown;
  const bool on = c.on();
  const std::vector<ui::Form::MenuItem> items = {
      {round::CountdownPaused(ctx.round) ? "继续倒计时" : "暂停倒计时", on},
      {"加 10 秒", on},
      {"减 10 秒", on && c.left > round::kLeastLeft},
  };
  Commit(ctx);
  const int chosen = ctx.main.form().PopupMenu(items);
  // Timers tick on under the open menu: a time-out meanwhile leaves nothing to change.
  if (!ctx.round.countdown.on()) return;
  switch (chosen) {
    case kPauseOrResume:
      round::ToggleCountdownPause(ctx.round);
      break;
    case kAdd:
      round::AddCountdownTime(ctx.round, round::kTimeStep);
      break;
    case kTakeAway:
      round::TakeCountdownTime(ctx.round, round::kTimeStep);
      break;
    default:
      break;
  }
}

}  // namespace lornel::quiz
