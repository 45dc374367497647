#include "quiz/buzz.h"

#include "quiz/play.h"
#include "quiz/round/buzzing.h"

namespace lornel::quiz {

void PressBuzzKey(Context& ctx, int g, std::uint32_t time) {
  Round& r = ctx.round;
  const Round before = r;
  const std::string who = GroupName(g) + " " + QuestionName(r.open);
  switch (round::PressBuzzKey(r, g, time)) {
    case round::Pressed::Foul:
      ctx.sounds.Play(platform::Sound::Wrong);
      Scored(ctx, who + " 犯规" + PenaltyWords(r.buzz.foulPenalty), before);
      break;
    case round::Pressed::Won:
      Scored(ctx, who + " 抢到", before);
      CountdownCheck(ctx, r.buzz.countdownValue);
      break;
    case round::Pressed::Queued:
    case round::Pressed::Ignored:
      break;
  }
}

void StartBuzz(Context& ctx) {
  if (round::StartBuzz(ctx.round)) ctx.sounds.Play(platform::Sound::Go);
}

}  // namespace lornel::quiz
