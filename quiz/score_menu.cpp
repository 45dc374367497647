#include "quiz/score_menu.h"

#include "config/gbk.h"
#include "quiz/play.h"
#include "quiz/round/groups.h"
#include "quiz/tables.h"
#include "ui/message.h"

namespace lornel::quiz {
namespace {

// Empty, not a number, zero or negative: no point to give or take.
void AddToScore(Context& ctx, int group, bool add) {
  const Points points = PointsNow(ctx, 0);
  if (group < 1 || group > kGroupCount || !(points > Points())) return;
  const Round before = ctx.round;
  const Points by = add ? points : -points;
  round::CorrectScore(ctx.round, group, by);
  Scored(ctx, GroupName(group) + " " + PointsWords(by), before);
}

}  // namespace

void AddPoints(Context& ctx, int group) { AddToScore(ctx, group, true); }
void SubtractPoints(Context& ctx, int group) { AddToScore(ctx, group, false); }

void ClearScore(Context& ctx, int group) {
  if (group < 1 || group > kGroupCount) return;
  const Round before = ctx.round;
  round::ClearScore(ctx.round, group);
  Scored(ctx, GroupName(group) + " 清零", before);
}

void CopyScores(Context& ctx) {
  if (!ctx.host.SetClipboardText(ScoreTable(ctx.round), ctx.main.form().OwnerHandle()))
    Tell(ctx, "成绩没有复制：剪贴板正被其他程序占用，请稍后再试。", ui::kMbOk | ui::kMbIconWarning);
}

int ScoreSentenceGroupAt(const MainForm& main, int x, int groupsInPlay) {
  // The sentence shows the table's own text, cut after the groups in play.
  const int sentence = static_cast<int>(MainId::ScoreSentence);
  const std::string& text = MainTable()[sentence].caption;
  int found = 0;
  for (const Group& group : kGroups) {
    const std::size_t at = text.find(GroupName(group.g) + "：");
    if (group.g <= groupsInPlay && at != std::string::npos &&
        x >= main.form().CaptionCharacterLeft(sentence, at))
      found = group.g;
  }
  return found;
}

void ScoreMenu(Context& ctx, int group, int x) {
  if (group == 0) group = ScoreSentenceGroupAt(ctx.main, x, ctx.round.draw.inPlay);
  if (group < 1 || group > kGroupCount) return;
  const Points points = PointsNow(ctx, 0);
  const std::string p = points.Text();
  ctx.main.SetCommandState(MainCommand::ScoreTitle, {GroupName(group)});
  ctx.main.SetCommandState(MainCommand::AddPoints, {"加 " + p + " 分", points > Points()});
  ctx.main.SetCommandState(MainCommand::SubtractPoints, {"减 " + p + " 分", points > Points()});
  Commit(ctx);
  ctx.main.PopupMenu(MainMenu::ScoreBar, group);
}

std::u16string ScoreTable(const Round& r) {
  std::string table = "小组\t得分\r\n";
  for (int g = 1; g <= r.draw.inPlay; ++g)  // the groups in play, as the score bar shows them
    table += GroupName(g) + "\t" + r.scores[g - 1].Text() + "\r\n";
  return config::gbk::ToUnits(table);
}

}  // namespace lornel::quiz
