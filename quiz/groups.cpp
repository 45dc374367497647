#include "quiz/groups.h"

#include "config/config.h"
#include "quiz/answer.h"
#include "quiz/board.h"
#include "quiz/countdown.h"
#include "quiz/number_text.h"
#include "quiz/settings_check.h"
#include "quiz/tables.h"
#include "ui/message.h"

namespace lornel::quiz {
namespace {

// The group whose numeral MainId::AnsweringGroup shows, or nullptr ("■": none confirmed yet).
const Group* CurrentGroup(const MainForm& main) {
  const std::string current = main.Text(MainId::AnsweringGroup);
  for (const Group& group : kGroups)
    if (current == group.numeral) return &group;
  return nullptr;
}

void AskForAQuestion(Context& ctx) { ui::ShowMessage(ctx.host, "请选题！", ui::kMbOk); }

}  // namespace

void ConfirmGroup(Context& ctx) {
  const MainForm& main = ctx.main;
  const std::string value =
      config::ReadCountdownValue(ctx.host, ctx.configPath, OpenQuestionNumber(ctx));
  CountdownPrepare(ctx, value);
  main.Hide(MainId::GroupPanel);
  for (const Group& group : kGroups)
    if (main.IsChecked(group.radio)) main.SetText(MainId::AnsweringGroup, group.numeral);
  if (!CountdownCheck(ctx, value)) return;  // the window is closing
  CountdownStart(ctx, value);
}

void ChangeGroup(Context& ctx) {
  if (!IsQuestionOpen(ctx)) {
    StopShake(ctx.main);
    AskForAQuestion(ctx);
    return;
  }
  CountdownStop(ctx.main);
  ctx.main.Show(MainId::GroupPanel);
}

void AwardPoints(Context& ctx, int question) {
  const MainForm& main = ctx.main;
  const Group* group = CurrentGroup(main);
  if (!group) {
    AskForAQuestion(ctx);
    return;
  }
  const double score = config::TextToNumber(main.Text(group->score));
  // Read anew for every answer: a value changed in the file counts at once.
  const double points =
      config::TextToNumber(config::ReadPointsValue(ctx.host, ctx.configPath, question));
  main.SetText(group->score, NumberText(score + points));
}

void ScoreMirrorTick(Context& ctx) {
  const MainForm& main = ctx.main;
  if (const Group* group = CurrentGroup(main))
    main.SetText(MainId::AnsweringScore, main.Text(group->score));
}

}  // namespace lornel::quiz
