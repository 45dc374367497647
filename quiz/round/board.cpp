#include "quiz/round/board.h"

#include "quiz/round/choosing.h"

namespace lornel::quiz::round {
namespace {

void LockOpenQuestion(Round& r) {
  if (r.open != 0) r.locked[r.open - 1] = true;
  r.open = 0;
}

}  // namespace

void OpenQuestion(Round& r, int n, OpenedQuestion question) {
  if (!QuestionOffered(r, n) || n < 1 || n > kQuestionCount) return;
  r.choosingGroup = true;
  r.open = n;
  r.answerUncovered = false;
  r.title = std::move(question.title);
  r.picture = std::move(question.picture);
  r.picturePath = std::move(question.picturePath);
  r.expected = std::move(question.expected);
  PoseQuestion(r, std::move(question.asked));
  r.checkArmed = true;
  r.nextOffered = false;
  ++r.answerBoxClears;
  r.layer = KeyLayer::Letters;
}

void CloseQuestion(Round& r) { LockOpenQuestion(r); }

void CancelQuestion(Round& r) {
  r.open = 0;
  r.choosingGroup = false;
  PutUpOptions(r);
}

bool NextQuestion(Round& r) {
  if (r.revealGuard) return false;
  ++r.answerBoxClears;
  r.expected.clear();
  r.choice = {};  // the keyboard comes back
  r.answerUncovered = false;
  LockOpenQuestion(r);
  r.choosingGroup = false;
  return true;
}

}  // namespace lornel::quiz::round
