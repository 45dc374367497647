#include "quiz/round/groups.h"

#include "quiz/round/choosing.h"
#include "quiz/round/countdown.h"

namespace lornel::quiz::round {

const char* GroupNumeral(int g) {
  static constexpr const char* kNumerals[kGroupCount] = {"一", "二", "三", "四", "五", "六"};
  return g >= 1 && g <= kGroupCount ? kNumerals[g - 1] : "";
}

void ConfirmGroup(Round& r, int checked) {
  r.choosingGroup = false;
  PutUpOptions(r);
  if (checked >= 1 && checked <= kGroupCount) r.group = checked;
}

bool ChangeGroup(Round& r) {
  if (r.open == 0) return false;
  CountdownStop(r);
  r.choosingGroup = true;
  return true;
}

bool AwardPoints(Round& r, const Points& points) {
  if (r.group == 0) return false;
  r.scores[r.group - 1] = r.scores[r.group - 1] + points;
  return true;
}

void CorrectScore(Round& r, int g, const Points& by) {
  if (g >= 1 && g <= kGroupCount) r.scores[g - 1] = r.scores[g - 1] + by;
}

void ClearScore(Round& r, int g) {
  if (g >= 1 && g <= kGroupCount) r.scores[g - 1] = Points();
}

}  // namespace lornel::quiz::round
