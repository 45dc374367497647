#include "quiz/buzz_view.h"

#include <string>

#include "quiz/round/buzzing.h"
#include "quiz/round/everyone.h"

namespace lornel::quiz {
namespace {

constexpr MainId kPicks[kGroupCount] = {MainId::BuzzGroup1, MainId::BuzzGroup2, MainId::BuzzGroup3,
                                        MainId::BuzzGroup4, MainId::BuzzGroup5, MainId::BuzzGroup6};
constexpr MainId kMarks[kGroupCount] = {MainId::MarkToggle1, MainId::MarkToggle2,
                                        MainId::MarkToggle3, MainId::MarkToggle4,
                                        MainId::MarkToggle5, MainId::MarkToggle6};
constexpr MainCommand kKeys[kGroupCount] = {MainCommand::BuzzKey1, MainCommand::BuzzKey2,
                                            MainCommand::BuzzKey3, MainCommand::BuzzKey4,
                                            MainCommand::BuzzKey5, MainCommand::BuzzKey6};

void Visible(const ui::Controls<MainId>& main, MainId id, bool before, bool after) {
  if (before != after) main.form().SetVisible(int(id), after);
}
void Enabled(const ui::Controls<MainId>& main, MainId id, bool before, bool after) {
  if (before != after) main.form().SetEnabled(int(id), after);
}

}  // namespace

BuzzView ProjectBuzz(const Round& r) {
  BuzzView v;
  const Buzz& b = r.buzz;
  const bool buzz = round::BuzzLive(r), everyone = round::EveryoneAnswering(r);
  const bool waiting = buzz && b.stage != Buzz::Stage::Turn;
  // For the whole class a choice question's options stay in sight; the keys
  // wait under the panel.
  v.panel = waiting || (everyone && !b.marking && r.choice.shown == 0);
  v.startShown = b.way != AnswerWay::Everyone;
  v.judgeShown = everyone && !b.marking;
  v.startEnabled = buzz && b.stage == Buzz::Stage::Ready;
  v.markPanel = everyone && b.marking;
  for (int g = 1; g <= kGroupCount; ++g) {
    v.picksShown[g - 1] = v.startShown && g <= b.groups;
    v.picksEnabled[g - 1] = waiting && round::MayBuzz(r, g);
    v.marksShown[g - 1] = g <= b.groups;
    v.marked[g - 1] = b.marked[g - 1];
    v.keysLive[g - 1] = round::BuzzKeyLive(r, g);
  }
  v.typing = !waiting && !everyone;
  v.barShown = !buzz || b.order.empty();
  v.groupChange = r.open == 0 || b.way == AnswerWay::Assigned;
  v.spaceStarts = v.startEnabled;
  if (buzz) v.keys = b.keys;
  return v;
}

void ApplyBuzz(const BuzzView& before, const BuzzView& after, const ui::Controls<MainId>& main) {
  Visible(main, MainId::BuzzPanel, before.panel, after.panel);
  Visible(main, MainId::StartBuzzButton, before.startShown, after.startShown);
  Enabled(main, MainId::StartBuzzButton, before.startEnabled, after.startEnabled);
  Visible(main, MainId::JudgeButton, before.judgeShown, after.judgeShown);
  Visible(main, MainId::MarkPanel, before.markPanel, after.markPanel);
  for (int g = 1; g <= kGroupCount; ++g) {
    const std::size_t i = static_cast<std::size_t>(g - 1);
    Visible(main, kPicks[i], before.picksShown[i], after.picksShown[i]);
    Enabled(main, kPicks[i], before.picksEnabled[i], after.picksEnabled[i]);
    Visible(main, kMarks[i], before.marksShown[i], after.marksShown[i]);
    if (before.marked[i] != after.marked[i]) {
      // A mark as well as the pushed look: it reads from the back row.
      main.SetChecked(kMarks[i], after.marked[i]);
      main.SetText(kMarks[i], std::string(after.marked[i] ? "√ " : "") + config::GroupName(g));
    }
    if (before.keysLive[i] != after.keysLive[i] || before.keys[i] != after.keys[i])
      main.SetCommandState(kKeys[i], {"", after.keysLive[i], false, after.keys[i]});
  }
  if (before.typing != after.typing) {
    for (const ui::Row& row : MainTable().rows)
      if (row.onScreenKey) main.form().SetEnabled(row.id, after.typing);
    main.form().SetEnabled(int(MainId::AnswerBox), after.typing);
  }
  Visible(main, MainId::CountdownBar, before.barShown, after.barShown);
  Enabled(main, MainId::ChangeGroupButton, before.groupChange, after.groupChange);
  if (before.spaceStarts != after.spaceStarts)
    main.SetCommandState(MainCommand::StartBuzzKey, {"", after.spaceStarts});
}

}  // namespace lornel::quiz
