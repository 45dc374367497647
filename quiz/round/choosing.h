// The steps of a choice or true/false question: posing it as it opens, a
// group choosing (a tap, or a key A to F), clearing, and what is shown of
// the choice and the right answer.
#pragma once

#include <string>

#include "config/question_kinds.h"
#include "quiz/round/round.h"

namespace lornel::quiz::round {

// The opening question as the board plays it. A choice or true/false one
// shows its right answer with its text once uncovered; a typed one brings
// the keyboard back.
void PoseQuestion(Round& r, config::AskedQuestion asked);
// The loaded question is answered by its options, not typed.
inline bool AsksChoice(const Round& r) { return r.choice.kind != config::QuestionKind::Typed; }
int OptionCount(const Choice& c);
// The answer panel, uncovered, shows the posed question: its options, or the keys.
inline void PutUpOptions(Round& r) { r.choice.shown = OptionCount(r.choice); }
// A tap or a key chooses now: a group is answering a choice question.
bool TakesChoice(const Round& r);
// Option 0 is A (or 对). With one right option a choice replaces the last;
// with several, each tap turns an option on or off.
void ChooseOption(Round& r, int option);
void ClearChoice(Round& r);

inline bool IsChosen(const Choice& c, int option) { return (c.chosen >> option & 1u) != 0; }
inline bool IsRight(const Choice& c, int option) { return (c.right >> option & 1u) != 0; }
inline bool ChosenRight(const Choice& c) { return c.chosen != 0 && c.chosen == c.right; }
// What the answer box shows: the letters in order ("AC"), 对 or 错; "" for none.
std::string ChosenText(const Choice& c);
// "A 太平洋", "√ 对", "× 错".
std::string OptionCaption(const Choice& c, int option);

}  // namespace lornel::quiz::round
