// How the open question is answered, and buzz-in (抢答) as the Round plays
// it: fouls before the start, the first key winning, the order of the later
// ones by their own times, and 补答 after a wrong answer.
#pragma once

#include <cstdint>
#include <string>

#include "quiz/round/round.h"

namespace lornel::quiz::round {

// What the file says of how the groups answer a question, read when it opens.
struct WaySettings {
  AnswerWay way = AnswerWay::Assigned;
  int groups = kGroupCount;
  int seconds = 0;
  Points foulPenalty, wrongPenalty;
  std::array<std::vector<int>, kGroupCount> keys;
  std::string countdownValue;  // the question's own or the global one
};

// Right after OpenQuestion: a buzz-in or all-groups question asks for no
// group; nobody answers until a group wins the buzz. All groups at once have
// their countdown prepared and started (unless its value is empty: the caller
// then sends the teacher to the file, as a group's confirmation does).
void AnswerBy(Round& r, WaySettings settings);

// A buzz-in question is open with its answer covered.
bool BuzzLive(const Round& r);
// Group g may still win the buzz: in play, not fouled, not yet answered wrong.
bool MayBuzz(const Round& r, int g);
// Group g's key (or the teacher's button for it) may count now.
bool BuzzKeyLive(const Round& r, int g);

enum class Pressed { Ignored, Foul, Won, Queued };
// Group g's key at time: before the start a foul (the group out, its points
// off; with every group out the question ends as none is left); the first
// after it wins, and the group answers with its question's
// countdown; later ones join the order by their time.
Pressed PressBuzzKey(Round& r, int g, std::uint32_t time);
// "开始抢答": the buzz opens with its own countdown; false unless it was ready.
bool StartBuzz(Round& r);

enum class Passed { NotATurn, NextInOrder, BuzzAgain, NoneLeft };
// A wrong answer ends the group's turn, its points off: the next waiting in
// the order answers (补答), else the buzz opens again for the groups left,
// else the answer is uncovered and the question locks.
Passed PassTurn(Round& r);
// The buzz's own time ran out with no group answering.
bool NobodyBuzzed(const Round& r);

// What the information bar says of the buzz; "" when there is no buzz.
std::string BuzzNote(const Round& r);
// "抢答顺序：三 · 一 +0.12 s · 五 +0.40 s": every press with its lag behind the first.
std::string OrderText(const Buzz& buzz);

// Undo of a step taken during this very buzz: what it changed of the buzz goes
// back, the presses that came after it stay in the order.
void PutBackBuzz(Round& now, const Round& before);
// A step changed the buzz (a won buzz changes neither scores nor locks).
bool BuzzStepDiffers(const Round& a, const Round& b);

}  // namespace lornel::quiz::round
