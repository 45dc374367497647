#include "quiz/settings_check.h"

#include "quiz/play.h"

namespace lornel::quiz {

void ConfigCheckOnStart(Context& ctx) { BeginQuiz(ctx); }

void ResumeLesson(Context& ctx) {
  if (!ctx.offered) return;
  const SavedLesson lesson = *ctx.offered;
  if (!BeginQuiz(ctx)) return;
  ctx.round.scores = lesson.scores;
  ctx.round.draw.drawn = lesson.drawn;
  if (lesson.questions == ctx.questions)
    ctx.round.locked = lesson.locked;
  else
    ctx.round.note = "题目有改动，只恢复了各组的分数";
  ctx.offered.reset();
  ctx.round.resumeOffer.clear();
}

}  // namespace lornel::quiz
