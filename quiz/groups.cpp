#include "quiz/groups.h"

#include "config/quiz_file.h"
#include "quiz/play.h"
#include "quiz/round/answer.h"
#include "quiz/round/countdown.h"
#include "quiz/round/groups.h"
#include "quiz/tables.h"
#include "ui/message.h"

namespace lornel::quiz {

// The countdown's length is read at each confirmation: a change in the file
// counts from the next group on.
void ConfirmGroup(Context& ctx) {
  Round& r = ctx.round;
  const std::string value = config::ReadQuizFile(ctx.host, ctx.configPath).CountdownValue(r.open);
  round::CountdownPrepare(r, config::TextToInteger(value));
  // A highlight still running stops on its pick, which is the group then.
  int checked = round::SettleDraw(r.draw);
  for (const Group& group : kGroups)
    if (!checked && group.g <= r.draw.inPlay && ctx.main.IsChecked(group.radio)) checked = group.g;
  round::EndDraw(r.draw);
  round::ConfirmGroup(r, checked);
  if (!CountdownCheck(ctx, value)) return;  // the window is closing
  round::CountdownStart(r, value);
}

void ChangeGroup(Context& ctx) {
  // Buzz-in and all groups at once ask for no group (the button is greyed).
  if (ctx.round.open != 0 && ctx.round.buzz.way != AnswerWay::Assigned) return;
  if (round::ChangeGroup(ctx.round)) return;
  round::StopShake(ctx.round);
  Tell(ctx, "请选题！", ui::kMbOk);
}

}  // namespace lornel::quiz
