#include "quiz/everyone.h"

#include "quiz/play.h"
#include "quiz/round/everyone.h"
#include "quiz/round/groups.h"

namespace lornel::quiz {

void JudgeAnswers(Context& ctx) { round::BeginMarking(ctx.round); }

void ToggleMark(Context& ctx, int g) { round::ToggleMark(ctx.round, g); }

// One step for the whole class: undo takes every group's points back at once.
void AwardMarks(Context& ctx) {
  Round& r = ctx.round;
  if (!round::EveryoneAnswering(r) || !r.buzz.marking) return;
  const Round before = r;
  const int question = r.open;
  const Points points = PointsNow(ctx, question);
  const std::vector<int> given = round::AwardMarked(r, points);
  std::string groups;
  for (int g : given) groups += (groups.empty() ? "" : "、") + std::string(round::GroupNumeral(g));
  if (!given.empty()) ctx.sounds.Play(platform::Sound::Correct);
  Scored(ctx,
         QuestionName(question) + " " +
             (given.empty() ? "无人答对" : groups + "组 " + PointsWords(points)),
         before);
}

}  // namespace lornel::quiz
