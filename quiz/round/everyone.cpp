#include "quiz/round/everyone.h"

#include "quiz/round/answer.h"
#include "quiz/round/board.h"
#include "quiz/round/countdown.h"

namespace lornel::quiz::round {

bool EveryoneAnswering(const Round& r) {
  return r.open != 0 && r.buzz.way == AnswerWay::Everyone && !r.answerUncovered;
}

bool BeginMarking(Round& r) {
  if (!EveryoneAnswering(r) || r.buzz.marking) return false;
  CountdownStop(r);
  r.buzz.marking = true;
  r.buzz.marked = {};
  return true;
}

void ToggleMark(Round& r, int g) {
  if (r.buzz.marking && g >= 1 && g <= r.buzz.groups) r.buzz.marked[g - 1] = !r.buzz.marked[g - 1];
}

std::vector<int> AwardMarked(Round& r, const Points& points) {
  std::vector<int> given;
  if (!EveryoneAnswering(r) || !r.buzz.marking) return given;
  for (int g = 1; g <= r.buzz.groups; ++g)
    if (r.buzz.marked[g - 1]) {
      r.scores[g - 1] = r.scores[g - 1] + points;
      given.push_back(g);
    }
  r.buzz.marking = false;
  UncoverAnswer(r);
  CloseQuestion(r);
  return given;
}

}  // namespace lornel::quiz::round
