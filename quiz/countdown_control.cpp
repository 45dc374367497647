#include "quiz/countdown_control.h"

#include "quiz/play.h"
#include "quiz/round/countdown.h"

namespace lornel::quiz {

void ToggleCountdownPause(Context& ctx) { round::ToggleCountdownPause(ctx.round); }

void CountdownMenu(Context& ctx) {
  const Countdown& c = ctx.round.countdown;
  const MainForm& main = ctx.main;
  main.SetCommandState(MainCommand::PauseCountdown,
                       {round::CountdownPaused(ctx.round) ? "继续倒计时" : "", c.on()});
  main.SetCommandState(MainCommand::AddTenSeconds, {"", c.on()});
  main.SetCommandState(MainCommand::TakeTenSeconds, {"", c.on() && c.left > round::kLeastLeft});
  Commit(ctx);
  main.PopupMenu(MainMenu::Countdown);
}

// Timers tick on under the open menu: a time-out meanwhile leaves nothing to change.
void AddTenSeconds(Context& ctx) {
  if (ctx.round.countdown.on()) round::AddCountdownTime(ctx.round, round::kTimeStep);
}

void TakeTenSeconds(Context& ctx) {
  if (ctx.round.countdown.on()) round::TakeCountdownTime(ctx.round, round::kTimeStep);
}

}  // namespace lornel::quiz
