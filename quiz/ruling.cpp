#include "quiz/ruling.h"

#include "quiz/answer.h"
#include "quiz/board.h"
#include "quiz/tables.h"
#include "ui/message.h"

namespace lornel::quiz {
namespace {

bool OnCheckButton(int x, int y) {
  const ui::Rect r = quiz::MainTable()[static_cast<int>(MainId::CheckButton)].rect;
  return x >= r.left && x < r.right() && y >= r.top && y < r.bottom();
}

}  // namespace

bool GroupAnswering(const Context& ctx) {
  return ctx.main.IsEnabled(MainId::CheckButton) && !ctx.main.IsVisible(MainId::GroupPanel) &&
         IsQuestionOpen(ctx);
}

void RulingMenu(Context& ctx, int control, int x, int y) {
  if (control == static_cast<int>(MainId::AnswerPanel) && !OnCheckButton(x, y)) return;
  ctx.main.SetCommandState(MainCommand::RuleCorrect, {"", GroupAnswering(ctx)});
  ctx.main.PopupMenu(MainMenu::Ruling);
}

void RuleCorrect(Context& ctx) {
  // The menu's loop runs the timers: the time may have run out meanwhile.
  if (!GroupAnswering(ctx)) return;
  const MainForm& main = ctx.main;
  StopShake(main);
  // Time stands still while the teacher decides, or "回答超时！！" could come
  // up over the question and end the question under it.
  const int countdown = main.Interval(MainId::CountdownTimer);
  main.SetInterval(MainId::CountdownTimer, 0);
  const platform::MessageResult pressed =
      ui::ShowMessage(ctx.host, "确定判为正确吗？", ui::kMbYesNo, "小提示");
  if (pressed == platform::MessageResult::Yes) {
    EndAsCorrect(ctx);
    return;
  }
  // The second goes on from where the box stopped it, as after a pause.
  if (countdown != 0) main.ResumeInterval(MainId::CountdownTimer, countdown);
}

}  // namespace lornel::quiz
