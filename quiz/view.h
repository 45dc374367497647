// What the main window's controls show of a Round: a plain value, so that
// the projection can be compared, and tested, with no window at all.
#pragma once

#include <array>
#include <string>

#include "quiz/buzz_view.h"
#include "quiz/round/round.h"

namespace lornel::quiz {

struct View {
  bool startCover = true, groupPanel = false;
  std::string resumeOffer;  // the resume button's caption, "" while it is hidden
  int open = 0;             // the question panel up
  std::string title, picture, picturePath;
  std::array<bool, kQuestionCount> offered{};  // question buttons enabled
  bool answerCover = true, checkEnabled = false, nextEnabled = false, revealEnabled = true;
  std::string correctAnswer;
  int answerBoxClears = 0, answerBoxLeft = 0;
  bool shaking = false;
  KeyLayer layer = KeyLayer::Letters;
  Countdown countdown;
  std::string countdownNumber, infoText, answeringGroup, answeringScore;
  bool countdownGrey = false;
  std::array<std::string, kGroupCount> scores;
  std::string undoStep;  // what undo would take back, "" when nothing
  BuzzView buzz;         // buzz-in and all groups at once
  bool operator==(const View&) const = default;
};

// undoStep: what the last step undo keeps names ("" when there is none).
View Project(const Round& r, const std::string& undoStep = "");

}  // namespace lornel::quiz
