#include "quiz/score_menu.h"

#include <cmath>
#include <vector>

#include "config/config.h"
#include "config/gbk.h"
#include "quiz/groups.h"
#include "quiz/number_text.h"
#include "quiz/tables.h"
#include "ui/message.h"

namespace lornel::quiz {
namespace {

enum Item { kTitle, kAdd, kSubtract, kClear, kSeparator, kCopy };

std::string GroupName(const Group& group) { return std::string("第") + group.numeral + "组"; }

void SetScore(Context& ctx, const Group& group, double score) {
  if (!std::isfinite(score)) return;  // past the largest double: no score to show
  ctx.main.SetText(group.score, NumberText(score));
  // The mirror's own step at once: a correction seen a second late looks lost.
  ScoreMirrorTick(ctx);
}

void CopyScores(Context& ctx) {
  if (!ctx.host.SetClipboardText(ScoreTable(ctx.main), ctx.main.form().OwnerHandle()))
    ui::ShowMessage(ctx.host, "成绩没有复制：剪贴板正被其他程序占用，请稍后再试。",
                    ui::kMbOk | ui::kMbIconWarning);
}

}  // namespace

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
  if (group < 1 || group > kGroupCount) return;
  const Group& g = kGroups[static_cast<std::size_t>(group - 1)];
  // Read anew each time, as a correct answer reads it; what the menu offers is what it applies.
  const double points = config::TextToNumber(config::ReadConfigValue(
      ctx.host, ctx.configPath, config::kPointsSection, config::kPointsKey));
  // Empty, not a number, zero or negative: no point to give or take.
  const bool usable = points > 0;
  const std::string p = NumberText(points);
  const std::vector<ui::Form::MenuItem> items = {
      {GroupName(g), false},
      {"加 " + p + " 分", usable},
      {"减 " + p + " 分", usable},
      {"清零", true},
      {"", true},
      {"复制全部成绩", true},
  };
  const int chosen = ctx.main.form().PopupMenu(items);
  const double score = config::TextToNumber(ctx.main.Text(g.score));
  switch (chosen) {
    case kAdd:
      if (usable) SetScore(ctx, g, score + points);
      break;
    case kSubtract:
      if (usable) SetScore(ctx, g, score - points);
      break;
    case kClear:
      SetScore(ctx, g, 0);
      break;
    case kCopy:
      CopyScores(ctx);
      break;
    default:
      break;
  }
}

std::u16string ScoreTable(const MainForm& main) {
  std::string table = "小组\t得分\r\n";
  for (const Group& group : kGroups)
    table += GroupName(group) + "\t" + main.Text(group.score) + "\r\n";
  return config::gbk::ToUnits(table);
}

}  // namespace lornel::quiz
