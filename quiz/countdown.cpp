#include "quiz/countdown.h"

#include "quiz/play.h"
#include "quiz/round/answer.h"
#include "quiz/round/board.h"
#include "quiz/round/buzzing.h"
#include "quiz/round/countdown.h"
#include "quiz/round/everyone.h"
#include "ui/message.h"

namespace lornel::quiz {
namespace {

// The time ran out with no answer: the words first, with the question still
// up; then it closes locked. The step is named by `step` for undo.
void TimeOut(Context& ctx, const char* words, const char* step) {
  Round& r = ctx.round;
  const Round before = r;
  round::CountdownStop(r);
  ctx.sounds.Play(platform::Sound::TimeOut);
  Tell(ctx, words, ui::kMbOk | ui::kMbIconInformation, "很遗憾！");
  round::UncoverAnswer(r);
  const int question = r.open;
  round::CloseQuestion(r);
  Scored(ctx, QuestionName(question) + " " + step, before);
}

}  // namespace

void CountdownTick(Context& ctx) {
  switch (round::CountdownTick(ctx.round)) {
    case round::Tick::Counted:
      if (ctx.round.countdown.left < round::kLastSecondsTicking)
        ctx.sounds.Play(platform::Sound::Tick);
      break;
    case round::Tick::TimedOut:
      if (round::NobodyBuzzed(ctx.round))
        TimeOut(ctx, "无人抢答", "无人抢答");
      else if (!round::BeginMarking(ctx.round))  // all groups at once: the marks come up
        TimeOut(ctx, "回答超时！！", "超时");
      break;
    case round::Tick::Ignored:
    case round::Tick::StoodStill:
      break;
  }
}

}  // namespace lornel::quiz
