#include "quiz/board.h"

#include "config/config.h"
#include "quiz/keyboard.h"
#include "quiz/picture_view.h"
#include "quiz/tables.h"

namespace lornel::quiz {
namespace {

constexpr int kLockPeriod = 1;  // as often as the system's timer allows

void EnableAllQuestionButtons(const MainForm& main) {
  for (const Question& q : kQuestions) main.Enable(q.button);
}

// Only the open question's picture is held; it goes with its panel.
void HideAllQuestionPanels(const MainForm& main) {
  for (const Question& q : kQuestions) {
    main.SetPicture(q.label, "", "");  // nothing to do for a label without one
    main.Hide(q.panel);
  }
}

// Read at each opening, as the title is: a picture changed meanwhile shows now.
void ShowQuestionPicture(Context& ctx, const Question& question) {
  const std::string value = config::ReadConfigValue(
      ctx.host, ctx.configPath, config::kPictureSection, config::QuestionPictureKey(question.n));
  quiz::ShowQuestionPicture(ctx.main.form(), int(question.label), ctx.configPath, value);
}

// Input comes before WM_TIMER: a click right after "回答超时！！" can change the
// board before the scan's tick, which would then lock all fourteen (after
// OpenQuestion) or none (after NextQuestion). The pending scan sees the board
// as CloseQuestion left it.
void FinishLockScan(Context& ctx) {
  if (ctx.main.Interval(MainId::LockScanTimer) > 0) LockScanTick(ctx);
}

}  // namespace

void OpenQuestion(Context& ctx, int n) {
  const Question* question = FindQuestion(n);
  if (!question) return;
  FinishLockScan(ctx);
  const MainForm& main = ctx.main;
  main.Show(MainId::GroupPanel);
  for (const Question& q : kQuestions) main.Disable(q.button);
  main.Show(question->panel);
  main.Show(MainId::AnswerCover);
  main.SetText(question->label,
               config::ReadConfigValue(ctx.host, ctx.configPath, config::kTitleSection,
                                       config::QuestionTitleKey(n)));
  ShowQuestionPicture(ctx, *question);
  main.SetText(MainId::CorrectAnswer,
               config::ReadConfigValue(ctx.host, ctx.configPath, config::kAnswerSection,
                                       config::QuestionAnswerKey(n)));
  main.Enable(MainId::CheckButton);
  main.Disable(MainId::NextQuestionButton);
  main.SetText(MainId::AnswerBox, "");
  ShowLetterLayer(main);
}

void CloseQuestion(Context& ctx) {
  const MainForm& main = ctx.main;
  EnableAllQuestionButtons(main);
  for (const Question& q : kQuestions)
    if (main.IsVisible(q.panel)) main.Disable(q.button);
  main.SetInterval(MainId::LockScanTimer, kLockPeriod);
  HideAllQuestionPanels(main);
}

void CancelQuestion(Context& ctx) {
  FinishLockScan(ctx);
  const MainForm& main = ctx.main;
  EnableAllQuestionButtons(main);
  HideAllQuestionPanels(main);
  main.Hide(MainId::GroupPanel);
}

void NextQuestion(Context& ctx) {
  // As in RevealAnswer: the guard keeps "继续选题" out of reach once it runs,
  // even for a click that came before its first tick.
  if (ctx.main.Interval(MainId::RevealGuard) > 0) return;
  FinishLockScan(ctx);
  const MainForm& main = ctx.main;
  main.SetText(MainId::AnswerBox, "");
  main.SetText(MainId::CorrectAnswer, "");
  main.Show(MainId::AnswerCover);
  EnableAllQuestionButtons(main);
  // Only a revealed question still has its panel up; it is locked here.
  for (const Question& q : kQuestions)
    if (main.IsVisible(q.panel)) main.SetInterval(q.lockTimer, kLockPeriod);
  HideAllQuestionPanels(main);
  main.Hide(MainId::GroupPanel);
}

void LockScanTick(Context& ctx) {
  const MainForm& main = ctx.main;
  for (const Question& q : kQuestions)
    if (!main.IsEnabled(q.button)) main.SetInterval(q.lockTimer, kLockPeriod);
  // One tick only, found or not: after a correct answer that followed
  // "重新选题" nothing is disabled, and a scan left running would lock all
  // fourteen questions once the next OpenQuestion disables the board.
  main.SetInterval(MainId::LockScanTimer, 0);
}

void LockTick(Context& ctx, int n) {
  if (const Question* question = FindQuestion(n)) ctx.main.Disable(question->button);
}

bool IsQuestionOpen(const Context& ctx) { return OpenQuestionNumber(ctx) != 0; }

int OpenQuestionNumber(const Context& ctx) {
  for (const Question& q : kQuestions)
    if (ctx.main.IsVisible(q.panel)) return q.n;
  return 0;
}

}  // namespace lornel::quiz
