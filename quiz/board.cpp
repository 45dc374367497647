#include "quiz/board.h"

#include "config/answer_ways.h"
#include "config/group_settings.h"
#include "config/question_kinds.h"
#include "config/quiz_file.h"
#include "quiz/play.h"
#include "quiz/round/board.h"
#include "quiz/round/buzzing.h"
#include "quiz/round/countdown.h"
#include "quiz/round/draw.h"

namespace lornel::quiz {
namespace {

round::WaySettings WaySettingsOf(const config::QuizFile& quiz, int n) {
  const config::BuzzSettings buzz = config::BuzzSettingsOf(quiz);
  return {config::WayOf(quiz, n),       config::GroupsInPlay(quiz),    buzz.seconds,
          Points::Of(buzz.foulPenalty), Points::Of(buzz.wrongPenalty), buzz.keys,
          quiz.CountdownValue(n)};
}

}  // namespace

// Read at each opening: a title, answer or picture changed meanwhile shows
// now, and so do the groups in play and "随机".
void OpenQuestion(Context& ctx, int n) {
  if (!QuestionOffered(ctx.round, n) || n < 1 || n > kQuestionCount) return;
  const config::QuizFile quiz = config::ReadQuizFile(ctx.host, ctx.configPath);
  round::OpenQuestion(ctx.round, n,
                      {quiz.Title(n), quiz.Answer(n), quiz.PictureValue(n), quiz.PicturePath(n),
                       config::AskedQuestionOf(quiz, n)});
  round::TakeGroupSettings(ctx.round.draw, config::GroupsInPlay(quiz), config::RandomGroupOn(quiz));
  round::EndDraw(ctx.round.draw);  // the last pick's highlight stays with its question
  // Buzz-in waits for "开始抢答"; all groups at once answer from now on.
  round::AnswerBy(ctx.round, WaySettingsOf(quiz, n));
  if (ctx.round.buzz.way == AnswerWay::Everyone) CountdownCheck(ctx, ctx.round.buzz.countdownValue);
}

void CancelQuestion(Context& ctx) {
  // A buzz's or the whole class's countdown runs while its question can still be left.
  round::CountdownStop(ctx.round);
  round::CancelQuestion(ctx.round);
}

void NextQuestion(Context& ctx) {
  const Round before = ctx.round;
  const int question = ctx.round.open;
  if (round::NextQuestion(ctx.round)) Scored(ctx, QuestionName(question) + " 锁定", before);
}

}  // namespace lornel::quiz
