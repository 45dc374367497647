#include "quiz/score_menu.h"

#include <vector>

#include "config/config.h"
#include "config/gbk.h"
#include "quiz/play.h"
#include "quiz/round/groups.h"
#include "quiz/tables.h"
#include "ui/message.h"

namespace lornel::quiz {
namespace {

enum Item { kTitle, kAdd, kSubtract, kClear, kSeparator, kCopy };

void CopyScores(Context& ctx) {
  if (!ctx.host.SetClipboardText(ScoreTable(ctx.round), ctx.main.form().OwnerHandle()))
    Tell(ctx, "成绩没有复制：剪贴板正被其他程序占用，请稍后再试。", ui::kMbOk | ui::kMbIconWarning);
}

}  // namespace

int ScoreSentenceGroupAt(const MainForm& main, int x) {
  const std::string text = main.Text(MainId::ScoreSentence);
  int found = 0;
  for (const Group& group : kGroups) {
    const std::size_t at = text.find(GroupName(group.g) + "：");
    if (at != std::string::npos &&
        x >= main.form().CaptionCharacterLeft(int(MainId::ScoreSentence), at))
      found = group.g;
  }
  return found;
}

void ScoreMenu(Context& ctx, int group, int x) {
  if (group == 0) group = ScoreSentenceGroupAt(ctx.main, x);
  if (group < 1 || group > kGroupCount) return;
  // Read anew each time, as a correct answer reads it; what the menu offers is what it applies.
  const Points points = Points::Of(config::TextToNumber(config::ReadConfigValue(
      ctx.host, ctx.configPath, config::kPointsSection, config::kPointsKey)));
  // Empty, not a number, zero or negative: no point to give or take.
  const bool usable = points > Points();
  const std::string p = points.Text();
  const std::vector<ui::Form::MenuItem> items = {
      {GroupName(group), false},
      {"加 " + p + " 分", usable},
      {"减 " + p + " 分", usable},
      {"清零", true},
      {"", true},
      {"复制全部成绩", true},
  };
  Commit(ctx);
  const int chosen = ctx.main.form().PopupMenu(items);
  const Round before = ctx.round;
  switch (chosen) {
    case kAdd:
      if (!usable) break;
      round::CorrectScore(ctx.round, group, points);
      Scored(ctx, GroupName(group) + " " + PointsWords(points), before);
      break;
    case kSubtract:
      if (!usable) break;
      round::CorrectScore(ctx.round, group, -points);
      Scored(ctx, GroupName(group) + " " + PointsWords(-points), before);
      break;
    case kClear:
      round::ClearScore(ctx.round, group);
      Scored(ctx, GroupName(group) + " 清零", before);
      break;
    case kCopy:
      CopyScores(ctx);
      break;
    default:
      break;
  }
}

std::u16string ScoreTable(const Round& r) {
  std::string table = "小组\t得分\r\n";
  for (int g = 1; g <= kGroupCount; ++g)
    table += GroupName(g) + "\t" + r.scores[g - 1].Text() + "\r\n";
  return config::gbk::ToUnits(table);
}

}  // namespace lornel::quiz
