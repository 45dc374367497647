#include "quiz/answer.h"

#include "config/quiz_file.h"
#include "judging/judge.h"
#include "judging/text.h"
#include "quiz/play.h"
#include "quiz/round/answer.h"
#include "quiz/round/choosing.h"
#include "quiz/tables.h"
#include "ui/message.h"

namespace lornel::quiz {
namespace {

// The rules and the other answers are read at the moment of checking, as the
// main answer was when the question opened: an edit made meanwhile counts.
bool IsAccepted(Context& ctx, const std::string& typed) {
  const config::QuizFile quiz = config::ReadQuizFile(ctx.host, ctx.configPath);
  const judging::Rules rules = quiz.Rules();
  if (judging::Accepts(typed, ctx.round.expected, rules)) return true;
  for (const std::string& other : quiz.OtherAnswers(ctx.round.open))
    if (judging::Accepts(typed, other, rules)) return true;
  return false;
}

}  // namespace

void CheckAnswer(Context& ctx) {
  if (!ctx.round.checkArmed) return;  // a click queued before the question ended
  // A choice question is judged by the Round's choice, which the box only shows.
  const bool choice = round::AsksChoice(ctx.round);
  const std::string typed =
      choice ? round::ChosenText(ctx.round.choice) : ctx.main.Text(MainId::AnswerBox);
  if (typed.empty()) {
    // On an empty board the shake's own "请选题！" would come up over the hint.
    round::StopShake(ctx.round);
    Tell(ctx, "答案这么空合适嘛？", ui::kMbOk | ui::kMbIconInformation, "小提示");
    return;
  }
  if (choice ? !round::ChosenRight(ctx.round.choice) : !IsAccepted(ctx, typed)) {
    ctx.sounds.Play(platform::Sound::Wrong);
    round::StartShake(ctx.round);
    PassTheTurn(ctx);
    return;
  }
  EndAsCorrect(ctx, false);
}

void ShakeTick(Context& ctx) {
  if (!round::ShakeTick(ctx.round)) Tell(ctx, "请选题！", ui::kMbOk);
}

void RevealAnswer(Context& ctx) {
  // A click queued before the guard went up still arrives; once a countdown
  // has started the reveal is over for the run.
  if (!RevealOffered(ctx.round)) return;
  round::StopShake(ctx.round);
  if (Tell(ctx, "确定显示答案吗？", ui::kMbYesNo, "小提示") != platform::MessageResult::Yes) return;
  round::UncoverAnswer(ctx.round);
}

}  // namespace lornel::quiz
