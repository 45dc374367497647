#include "quiz/score_menu.h"

#include <cmath>

#include "config/config.h"
#include "config/gbk.h"
#include "quiz/groups.h"
#include "quiz/number_text.h"
#include "quiz/tables.h"
#include "ui/message.h"

namespace lornel::quiz {
namespace {

std::string GroupName(const Group& group) { return std::string("第") + group.numeral + "组"; }

void SetScore(Context& ctx, const Group& group, double score) {
  if (!std::isfinite(score)) return;  // past the largest double: no score to show
  ctx.main.SetText(group.score, NumberText(score));
  // The mirror's own step at once: a correction seen a second late looks lost.
  ScoreMirrorTick(ctx);
}

// Read anew each time, as a correct answer reads it.
double Points(Context& ctx) {
  return config::TextToNumber(config::ReadConfigValue(ctx.host, ctx.configPath,
                                                      config::kPointsSection, config::kPointsKey));
}

const Group* GroupOf(int group) {
  return group >= 1 && group <= kGroupCount ? &kGroups[static_cast<std::size_t>(group - 1)]
                                            : nullptr;
}

// Empty, not a number, zero or negative: no point to give or take.
void AddToScore(Context& ctx, int group, int sign) {
  const Group* g = GroupOf(group);
  const double points = Points(ctx);
  if (!g || !(points > 0)) return;
  SetScore(ctx, *g, config::TextToNumber(ctx.main.Text(g->score)) + sign * points);
}

}  // namespace

void AddPoints(Context& ctx, int group) { AddToScore(ctx, group, 1); }
void SubtractPoints(Context& ctx, int group) { AddToScore(ctx, group, -1); }

void ClearScore(Context& ctx, int group) {
  if (const Group* g = GroupOf(group)) SetScore(ctx, *g, 0);
}

void CopyScores(Context& ctx) {
  if (!ctx.host.SetClipboardText(ScoreTable(ctx.main), ctx.main.form().OwnerHandle()))
    ui::ShowMessage(ctx.host, "成绩没有复制：剪贴板正被其他程序占用，请稍后再试。",
                    ui::kMbOk | ui::kMbIconWarning);
}

int ScoreSentenceGroupAt(const MainForm& main, int x) {
  const int sentence = static_cast<int>(MainId::ScoreSentence);
  const std::string text = main.Text(MainId::ScoreSentence);
  int found = 0;
  for (const Group& group : kGroups) {
    const std::size_t at = text.find(GroupName(group) + "：");
    if (at != std::string::npos && x >= main.form().CaptionCharacterLeft(sentence, at))
      found = group.g;
  }
  return found;
}

void ScoreMenu(Context& ctx, int group, int x) {
  if (group == 0) group = ScoreSentenceGroupAt(ctx.main, x);
  const Group* g = GroupOf(group);
  if (!g) return;
  const double points = Points(ctx);
  const std::string p = NumberText(points);
  ctx.main.SetCommandState(MainCommand::ScoreTitle, {GroupName(*g)});
  ctx.main.SetCommandState(MainCommand::AddPoints, {"加 " + p + " 分", points > 0});
  ctx.main.SetCommandState(MainCommand::SubtractPoints, {"减 " + p + " 分", points > 0});
  ctx.main.PopupMenu(MainMenu::ScoreBar, group);
}

std::u16string ScoreTable(const MainForm& main) {
  std::string table = "小组\t得分\r\n";
  for (const Group& group : kGroups)
    table += GroupName(group) + "\t" + main.Text(group.score) + "\r\n";
  return config::gbk::ToUnits(table);
}

}  // namespace lornel::quiz
