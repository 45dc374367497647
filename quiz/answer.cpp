#include "quiz/answer.h"

#include "judging/judge.h"
#include "judging/text.h"
#include "quiz/board.h"
#include "quiz/countdown.h"
#include "quiz/groups.h"
#include "quiz/tables.h"
#include "ui/message.h"

namespace lornel::quiz {
namespace {

constexpr int kShakePeriod = 50;
constexpr int kAnswerBoxRest = 80;  // its left in the answer panel

// One shake: where the answer box goes from each place, and whether it ends there.
struct ShakeStep {
  int from, to;
  bool last;
};
constexpr ShakeStep kShake[] = {{80, 75, false}, {75, 85, false}, {85, 74, false}, {74, 80, true}};

// The question whose panel is up; 0 when none is.
int OpenQuestionNumber(const MainForm& main) {
  for (const Question& q : kQuestions)
    if (main.IsVisible(q.panel)) return q.n;
  return 0;
}

// The file is read at the moment of checking, as the board reads the main
// answer when a question opens: an edit made meanwhile counts.
bool IsAccepted(Context& ctx, const std::string& typed) {
  const judging::Rules rules = judging::ReadRules(ctx.host, ctx.configPath);
  if (judging::Accepts(typed, ctx.main.Text(MainId::CorrectAnswer), rules)) return true;
  const int n = OpenQuestionNumber(ctx.main);
  for (const std::string& other : judging::ReadOtherAnswers(ctx.host, ctx.configPath, n))
    if (judging::Accepts(typed, other, rules)) return true;
  return false;
}

}  // namespace

void EndAsCorrect(Context& ctx) {
  const MainForm& main = ctx.main;
  CountdownStop(main);
  StopShake(main);
  const int question = OpenQuestionNumber(main);  // CloseQuestion hides which one it was
  CloseQuestion(ctx);
  ctx.sounds.Play(platform::Sound::Correct);
  ui::ShowMessage(ctx.host, "回答正确！", ui::kMbOk | ui::kMbIconInformation, "恭喜");
  UncoverAnswer(main);
  AwardPoints(ctx, question);
}

// A shake still under way would, once the board is back, raise "请选题！"
// over "回答正确！"; it ends here with the box at rest.
void StopShake(const MainForm& main) {
  main.SetInterval(MainId::ShakeTimer, 0);
  main.SetLeft(MainId::AnswerBox, kAnswerBoxRest);
}

std::string FoldCase(std::string_view text) { return judging::FoldCase(text); }

void CheckAnswer(Context& ctx) {
  const MainForm& main = ctx.main;
  const std::string typed = main.Text(MainId::AnswerBox);
  if (typed.empty()) {
    // On an empty board the shake's own "请选题！" would come up over the hint.
    StopShake(main);
    ui::ShowMessage(ctx.host, "答案这么空合适嘛？", ui::kMbOk | ui::kMbIconInformation, "小提示");
    return;
  }
  if (!IsAccepted(ctx, typed)) {
    ctx.sounds.Play(platform::Sound::Wrong);
    main.SetInterval(MainId::ShakeTimer, kShakePeriod);
    return;
  }
  EndAsCorrect(ctx);
}

void ShakeTick(Context& ctx) {
  const MainForm& main = ctx.main;
  if (main.IsEnabled(MainId::QuestionButton1)) {
    main.SetInterval(MainId::ShakeTimer, 0);
    ui::ShowMessage(ctx.host, "请选题！", ui::kMbOk);
    return;
  }
  const int x = main.Left(MainId::AnswerBox);
  for (const ShakeStep& step : kShake) {
    if (step.from != x) continue;
    main.SetLeft(MainId::AnswerBox, step.to);
    if (step.last) main.SetInterval(MainId::ShakeTimer, 0);
    return;
  }
}

void RevealAnswer(Context& ctx) {
  // A click queued before the guard's first tick still arrives; once a
  // countdown has started the reveal is over for the run, as the guard means.
  if (ctx.main.Interval(MainId::RevealGuard) > 0) return;
  StopShake(ctx.main);
  const platform::MessageResult pressed =
      ui::ShowMessage(ctx.host, "确定显示答案吗？", ui::kMbYesNo, "小提示");
  if (pressed != platform::MessageResult::Yes) return;
  UncoverAnswer(ctx.main);
}

void UncoverAnswer(const MainForm& main) {
  main.Disable(MainId::CheckButton);
  main.Hide(MainId::AnswerCover);
  main.Enable(MainId::NextQuestionButton);
}

}  // namespace lornel::quiz
