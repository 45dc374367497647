#include "quiz/countdown_control.h"

#include <algorithm>

#include "quiz/countdown.h"
#include "quiz/number_text.h"
#include "quiz/tables.h"

namespace lornel::quiz {
namespace {

using quiz::MainId;

constexpr const char* kPausedText = "倒计时已暂停";
constexpr ui::Colour kPausedColour = ui::Hex(0x808080);
constexpr int kStep = 10;  // seconds more or less
constexpr int kLeastLeft = 1;

bool IsRunning(const MainForm& main) { return main.Interval(MainId::CountdownTimer) != 0; }
bool IsOn(const MainForm& main) { return IsRunning(main) || IsCountdownPaused(main); }

const ui::Row& TableRow(MainId id) { return MainTable()[static_cast<int>(id)]; }

void ShowRemaining(const MainForm& main) {
  main.SetText(MainId::CountdownNumber, IntegerText(main.Position(MainId::CountdownBar)));
}

void Pause(const MainForm& main) {
  main.SetInterval(MainId::CountdownTimer, 0);
  // In its first second the number still shows the last countdown's: show what is left.
  ShowRemaining(main);
  main.SetTextColour(MainId::CountdownNumber, kPausedColour);
  main.SetText(MainId::InfoText, kPausedText);
}

// The second under way when paused goes on where it stood, so the time-out
// still comes one running second after the number shows 0.
void Resume(const MainForm& main) {
  EndCountdownPause(main);
  main.ResumeInterval(MainId::CountdownTimer, kCountdownPeriod);
}

// The range moves with the time left, so the bar still shows what part of it is left.
// The larger of the two goes first: the bar shows the position pulled inside its range.
void AddTime(const MainForm& main, int seconds) {
  const int left = main.Position(MainId::CountdownBar);
  const int length = main.RangeMax(MainId::CountdownBar);
  main.SetRangeMax(MainId::CountdownBar, length + seconds);
  main.SetPosition(MainId::CountdownBar, left + seconds);
  ShowRemaining(main);
}

void TakeTime(const MainForm& main, int seconds) {
  const int left = main.Position(MainId::CountdownBar);
  const int taken = std::clamp(left - kLeastLeft, 0, seconds);
  if (taken == 0) return;
  main.SetPosition(MainId::CountdownBar, left - taken);
  main.SetRangeMax(MainId::CountdownBar, main.RangeMax(MainId::CountdownBar) - taken);
  ShowRemaining(main);
}

}  // namespace

bool IsCountdownPaused(const MainForm& main) {
  return !IsRunning(main) && main.Text(MainId::InfoText) == kPausedText;
}

void EndCountdownPause(const MainForm& main) {
  if (!IsCountdownPaused(main)) return;
  main.SetTextColour(MainId::CountdownNumber, TableRow(MainId::CountdownNumber).textColour);
  main.SetText(MainId::InfoText, TableRow(MainId::InfoText).caption);
}

void ToggleCountdownPause(Context& ctx) {
  if (IsCountdownPaused(ctx.main))
    Resume(ctx.main);
  else if (IsRunning(ctx.main))
    Pause(ctx.main);
}

void CountdownMenu(Context& ctx) {
  const MainForm& main = ctx.main;
  const bool on = IsOn(main);
  main.SetCommandState(MainCommand::PauseCountdown,
                       {IsCountdownPaused(main) ? "继续倒计时" : "", on});
  main.SetCommandState(MainCommand::AddTenSeconds, {"", on});
  main.SetCommandState(MainCommand::TakeTenSeconds,
                       {"", on && main.Position(MainId::CountdownBar) > kLeastLeft});
  main.PopupMenu(MainMenu::Countdown);
}

// Timers tick on under the open menu: a time-out meanwhile leaves nothing to change.
void AddTenSeconds(Context& ctx) {
  if (IsOn(ctx.main)) AddTime(ctx.main, kStep);
}

void TakeTenSeconds(Context& ctx) {
  if (IsOn(ctx.main)) TakeTime(ctx.main, kStep);
}

}  // namespace lornel::quiz
