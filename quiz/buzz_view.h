// What the controls show of buzz-in and of all groups at once: the buzz
// panel over the keys, the marks, the keys greyed while nobody may type, the
// groups' keys as commands. A plain value, projected and applied beside the
// rest of the View (quiz/view.h, quiz/render.h).
#pragma once

#include <array>
#include <vector>

#include "quiz/main_ids.h"
#include "quiz/round/round.h"
#include "ui/form.h"

namespace lornel::quiz {

struct BuzzView {
  bool panel = false;  // over the keys: "开始抢答" and the groups' buttons, or "判分"
  bool startShown = true, startEnabled = false, judgeShown = false;
  std::array<bool, kGroupCount> picksShown{true, true, true, true, true, true}, picksEnabled{};
  bool markPanel = false;  // "哪些组答对了？"
  std::array<bool, kGroupCount> marksShown{true, true, true, true, true, true}, marked{};
  bool typing = true;       // the on-screen keys and the answer box take input
  bool barShown = true;     // the countdown's bar gives its place to the buzz order
  bool groupChange = true;  // "重新选组"
  bool spaceStarts = false;
  std::array<bool, kGroupCount> keysLive{};
  std::array<std::vector<int>, kGroupCount> keys;
  bool operator==(const BuzzView&) const = default;
};

BuzzView ProjectBuzz(const Round& r);
void ApplyBuzz(const BuzzView& before, const BuzzView& after, const ui::Controls<MainId>& main);

}  // namespace lornel::quiz
