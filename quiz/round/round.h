// The quiz round: everything the game is, as one value. Handlers change it
// by the transitions beside it; one projection (quiz/render.h) shows it on the
// controls; undo keeps earlier values of it, and the round file is it written
// down. Nothing here knows a control.
#pragma once

#include <array>
#include <string>

#include "config/questions.h"
#include "quiz/round/buzz.h"
#include "quiz/round/choice.h"
#include "quiz/round/draw.h"
#include "quiz/round/points.h"
#include "quiz/round/ranking.h"

namespace lornel::quiz {

using config::kGroupCount;
using config::kQuestionCount;

// The time a group has to answer. The bar's maximum is `total`, its position
// `left`; the number shows `shown`, which lags behind until the first tick
// after a start, as it always has.
struct Countdown {
  enum class State { Off, Running, Paused, Held };
  State state = State::Off;
  int total = 0, left = 0, shown = 0;
  // Counts the starts (each begins a whole second anew) and the preparations
  // (the bar takes its new length after its position, as it always has).
  int starts = 0, prepares = 0;
  bool running() const { return state == State::Running; }
  // Running, or stopped only for a while (the teacher's pause, a question asked).
  bool on() const { return state != State::Off; }
  bool operator==(const Countdown&) const = default;
};

enum class KeyLayer { Letters, Digits };

struct Round {
  // The start cover is gone: the quiz file was found.
  bool started = false;

  // The board. `open` is the question whose panel is up (0: none).
  int open = 0;
  std::array<bool, kQuestionCount> locked{};
  bool choosingGroup = false;  // "你是第几组的？" lies over the question

  // The open question as the file gave it when it opened. The answer panel
  // keeps the last opened question's answer until the next opening.
  std::string title, picture, picturePath, expected;
  // The answer panel.
  bool answerUncovered = false;  // the cover is off: the expected answer shows
  bool checkArmed = false;       // "确认答案" takes an answer
  bool nextOffered = false;      // "继续选题", unless the reveal guard is up
  bool revealGuard = false;      // a countdown has run: no reveal for the rest of the run
  int answerBoxClears = 0;       // each one empties the answer box once
  int shake = 0;                 // the wrong answer's shake: its step, 0 at rest
  KeyLayer layer = KeyLayer::Letters;

  // Groups and scores: `group` answers (0: none confirmed yet).
  int group = 0;
  std::array<Points, kGroupCount> scores{};
  Countdown countdown;

  // What the information bar says when no pause is on ("" its own caption).
  std::string note;
  // The start cover's offer to go on with the last lesson ("" none): when it
  // was left off and its scores.
  std::string resumeOffer;

  // The open question as a choice or true/false one (quiz/round/choice.h).
  Choice choice;
  // Buzz-in, and all groups at once (quiz/round/buzz.h).
  Buzz buzz;
  // The groups in play and the random pick's bag (quiz/round/draw.h).
  GroupDraw draw;

  // The ranking (比赛结果) lying over the board (quiz/round/ranking.h).
  RankingShown ranking;
};

// --- rules the board has always followed ---------------------------------------

inline bool IsLocked(const Round& r, int n) {
  return n >= 1 && n <= kQuestionCount && r.locked[n - 1];
}
// A question button can be pressed: no question is open and it is not locked.
inline bool QuestionOffered(const Round& r, int n) { return r.open == 0 && !IsLocked(r, n); }
// The shake asks for a question while question 1 is on offer: with question 1
// locked it never asks, open question or not.
inline bool ShakeAsksForAQuestion(const Round& r) { return QuestionOffered(r, 1); }
// A group is answering: its question is open, the group confirmed and
// "确认答案" not yet done with. Only then can the teacher rule an answer right.
inline bool GroupAnswering(const Round& r) {
  return r.checkArmed && !r.choosingGroup && r.open != 0;
}
inline bool RevealOffered(const Round& r) { return !r.revealGuard; }
inline bool NextOffered(const Round& r) { return r.nextOffered && !r.revealGuard; }

}  // namespace lornel::quiz
