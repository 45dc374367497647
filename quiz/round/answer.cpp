#include "quiz/round/answer.h"

#include <iterator>

namespace lornel::quiz::round {
namespace {

// The box's left at each step of a shake; the step after the last is rest.
constexpr int kShakeLefts[] = {kAnswerBoxRest, 75, 85, 74};
constexpr int kShakeSteps = static_cast<int>(std::size(kShakeLefts));

}  // namespace

void StartShake(Round& r) {
  if (r.shake == 0) r.shake = 1;
}

void StopShake(Round& r) { r.shake = 0; }

bool ShakeTick(Round& r) {
  if (r.shake == 0) return true;
  if (ShakeAsksForAQuestion(r)) {
    r.shake = 0;
    return false;
  }
  r.shake = r.shake == kShakeSteps ? 0 : r.shake + 1;
  return true;
}

int AnswerBoxLeft(const Round& r) {
  return r.shake == 0 ? kAnswerBoxRest : kShakeLefts[r.shake - 1];
}

void UncoverAnswer(Round& r) {
  r.checkArmed = false;
  r.answerUncovered = true;
  r.nextOffered = true;
}

}  // namespace lornel::quiz::round
