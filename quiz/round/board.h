// The question board as the Round has it: opening, closing, cancelling and
// locking questions.
#pragma once

#include <string>

#include "config/question_kinds.h"
#include "quiz/round/round.h"

namespace lornel::quiz::round {

// What the file says of a question when it opens.
struct OpenedQuestion {
  std::string title, expected;
  std::string picture, picturePath;  // as the file names it, and the file it names
  config::AskedQuestion asked;       // typed, or answered by its options
};

// The group question over question n, its text, its answer covered, an empty
// answer box and the letter keys.
void OpenQuestion(Round& r, int n, OpenedQuestion question);
// A right answer or a time-out: the open question closes, locked. With none
// open (a right answer after "重新选题") nothing is locked.
void CloseQuestion(Round& r);
// "重新选题": back to the board; the answer stays loaded and the check armed.
void CancelQuestion(Round& r);
// "继续选题": false while the reveal guard keeps it out of reach. A question
// still open (revealed) closes locked.
bool NextQuestion(Round& r);

}  // namespace lornel::quiz::round
