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

// "回答超时！！" first, with the question still up; then it closes locked.
void TimeOut(Context& ctx) {
  Round& r = ctx.round;
  const Round before = r;
  round::CountdownStop(r);
  ctx.sounds.Play(platform::Sound::TimeOut);
  Tell(ctx, "回答超时！！", ui::kMbOk | ui::kMbIconInformation, "很遗憾！");
  round::UncoverAnswer(r);
  const int question = r.open;
  round::CloseQuestion(r);
  Scored(ctx, QuestionName(question) + " 超时", before);
}

// Buzz-in's own time ran out with no group answering: as a time-out, with its own words.
void NoBuzz(Context& ctx) {
  Round& r = ctx.round;
  const Round before = r;
  round::CountdownStop(r);
  ctx.sounds.Play(platform::Sound::TimeOut);
  Tell(ctx, "无人抢答", ui::kMbOk | ui::kMbIconInformation, "很遗憾！");
  round::UncoverAnswer(r);
  const int question = r.open;
  round::CloseQuestion(r);
  Scored(ctx, QuestionName(question) + " 无人抢答", before);
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
        NoBuzz(ctx);
      else if (!round::BeginMarking(ctx.round))  // all groups at once: the marks come up
        TimeOut(ctx);
      break;
    case round::Tick::Ignored:
    case round::Tick::StoodStill:
      break;
  }
}

}  // namespace lornel::quiz
