// What the main window's controls show of a Round: a plain value, so that
// the projection can be compared, and tested, with no window at all.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "quiz/buzz_view.h"
#include "quiz/choice_view.h"
#include "quiz/round/round.h"
#include "ui/ranking_board.h"

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
  ChoiceView choice;     // a choice or true/false question's options and choice

  // The groups in play, and "随机" with its bag and running highlight.
  int groupsInPlay = kGroupCount;
  bool drawOffered = false, drawing = false;
  std::array<bool, kGroupCount> drawn{};
  int highlight = 0, drawCheck = 0, drawChecks = 0;
  // The ranking: its button on the board once every question is locked, and
  // the ranking itself while it lies over the board.
  bool rankingOffered = false;
  std::optional<ui::RankingBoard> ranking;
  BuzzView buzz;  // buzz-in and all groups at once
  bool operator==(const View&) const = default;
};

// undoStep: what the last step undo keeps names ("" when there is none).
View Project(const Round& r, const std::string& undoStep = "");

}  // namespace lornel::quiz
