#include "quiz/countdown.h"

#include "config/config.h"
#include "quiz/answer.h"
#include "quiz/board.h"
#include "quiz/countdown_control.h"
#include "quiz/number_text.h"
#include "quiz/tables.h"
#include "ui/message.h"

namespace lornel::quiz {
namespace {

constexpr int kGuardPeriod = 1;
// The last seconds before the time-out tick: the display turning to 4, 3, 2, 1, 0.
constexpr int kTickingSeconds = 5;
constexpr const char* kCountdownOff = "0";  // compared as text: "00" still counts down

}  // namespace

// The position goes first: the bar then shows it inside the old range until
// the maximum follows, which is what the first second of a countdown shows.
void CountdownPrepare(Context& ctx, const std::string& value) {
  const int seconds = config::TextToInteger(value);
  ctx.main.SetPosition(MainId::CountdownBar, seconds);
  ctx.main.SetRangeMax(MainId::CountdownBar, seconds);
}

void CountdownStart(Context& ctx, const std::string& value) {
  if (value == kCountdownOff) return;
  ctx.main.SetInterval(MainId::CountdownTimer, kCountdownPeriod);
  ctx.main.SetInterval(MainId::RevealGuard, kGuardPeriod);
}

void CountdownTick(Context& ctx) {
  const MainForm& main = ctx.main;
  const int remaining = main.Position(MainId::CountdownBar);
  if (remaining != 0) {
    // Revealed and choosing a group again: time stands still.
    if (!main.IsVisible(MainId::AnswerCover) && main.IsVisible(MainId::GroupPanel)) return;
    main.SetPosition(MainId::CountdownBar, remaining - 1);
    main.SetText(MainId::CountdownNumber, IntegerText(main.Position(MainId::CountdownBar)));
    if (remaining - 1 < kTickingSeconds) ctx.sounds.Play(platform::Sound::Tick);
    return;
  }
  TimeOut(ctx);
}

void CountdownStop(const MainForm& main) {
  main.SetInterval(MainId::CountdownTimer, 0);
  EndCountdownPause(main);
}

void TimeOut(Context& ctx) {
  const MainForm& main = ctx.main;
  CountdownStop(main);
  ctx.sounds.Play(platform::Sound::TimeOut);
  ui::ShowMessage(ctx.host, "回答超时！！", ui::kMbOk | ui::kMbIconInformation, "很遗憾！");
  UncoverAnswer(main);
  CloseQuestion(ctx);
}

void RevealGuardTick(Context& ctx) {
  ctx.main.Disable(MainId::NextQuestionButton);
  ctx.main.Disable(MainId::RevealButton);
}

}  // namespace lornel::quiz
