#include "quiz/ruling.h"

#include "quiz/play.h"
#include "quiz/round/answer.h"
#include "quiz/round/countdown.h"
#include "quiz/tables.h"
#include "ui/message.h"

namespace lornel::quiz {
namespace {

bool OnCheckButton(int x, int y) {
  const ui::Rect r = MainTable()[static_cast<int>(MainId::CheckButton)].rect;
  return x >= r.left && x < r.right() && y >= r.top && y < r.bottom();
}

}  // namespace

void RulingMenu(Context& ctx, int control, int x, int y) {
  if (control == static_cast<int>(MainId::AnswerPanel) && !OnCheckButton(x, y)) return;
  ctx.main.SetCommandState(MainCommand::RuleCorrect, {"", GroupAnswering(ctx.round)});
  Commit(ctx);
  ctx.main.PopupMenu(MainMenu::Ruling);
}

void RuleCorrect(Context& ctx) {
  // The menu's loop runs the timers: the time may have run out meanwhile.
  if (!GroupAnswering(ctx.round)) return;
  round::StopShake(ctx.round);
  // Time stands still while the teacher decides, or "回答超时！！" could come
  // up over the question and end the question under it.
  round::HoldCountdown(ctx.round);
  if (Tell(ctx, "确定判为正确吗？", ui::kMbYesNo, "小提示") == platform::MessageResult::Yes) {
    EndAsCorrect(ctx, true);
    return;
  }
  // The second goes on from where the box stopped it, as after a pause.
  round::ReleaseCountdown(ctx.round);
}

}  // namespace lornel::quiz
