// The question table and the group table: which controls belong to question
// n (1 to 14) and to group g (1 to 6). Pure data; handlers walk them in order.
#pragma once

#include <array>
#include <string_view>

#include "config/questions.h"
#include "quiz/main_ids.h"
#include "quiz/round/round.h"

namespace lornel::quiz {

using quiz::MainId;

struct Question {
  int n;
  MainId button, panel, label;
  // Of the question button and of its panel.
  constexpr const char* caption() const { return config::QuestionName(n); }
};

inline constexpr std::array<Question, kQuestionCount> kQuestions{{
    {1, MainId::QuestionButton1, MainId::QuestionPanel1, MainId::QuestionLabel1},
    {2, MainId::QuestionButton2, MainId::QuestionPanel2, MainId::QuestionLabel2},
    {3, MainId::QuestionButton3, MainId::QuestionPanel3, MainId::QuestionLabel3},
    {4, MainId::QuestionButton4, MainId::QuestionPanel4, MainId::QuestionLabel4},
    {5, MainId::QuestionButton5, MainId::QuestionPanel5, MainId::QuestionLabel5},
    {6, MainId::QuestionButton6, MainId::QuestionPanel6, MainId::QuestionLabel6},
    {7, MainId::QuestionButton7, MainId::QuestionPanel7, MainId::QuestionLabel7},
    {8, MainId::QuestionButton8, MainId::QuestionPanel8, MainId::QuestionLabel8},
    {9, MainId::QuestionButton9, MainId::QuestionPanel9, MainId::QuestionLabel9},
    {10, MainId::QuestionButton10, MainId::QuestionPanel10, MainId::QuestionLabel10},
    {11, MainId::QuestionButton11, MainId::QuestionPanel11, MainId::QuestionLabel11},
    {12, MainId::QuestionButton12, MainId::QuestionPanel12, MainId::QuestionLabel12},
    {13, MainId::QuestionButton13, MainId::QuestionPanel13, MainId::QuestionLabel13},
    {14, MainId::QuestionButton14, MainId::QuestionPanel14, MainId::QuestionLabel14},
}};

// Question n, or nullptr when n is not a question number.
constexpr const Question* FindQuestion(int n) {
  return n >= 1 && n <= kQuestionCount ? &kQuestions[static_cast<std::size_t>(n - 1)] : nullptr;
}

struct Group {
  int g;
  MainId radio, score;
};

inline constexpr std::array<Group, kGroupCount> kGroups{{
    {1, MainId::GroupRadio1, MainId::Score1},
    {2, MainId::GroupRadio2, MainId::Score2},
    {3, MainId::GroupRadio3, MainId::Score3},
    {4, MainId::GroupRadio4, MainId::Score4},
    {5, MainId::GroupRadio5, MainId::Score5},
    {6, MainId::GroupRadio6, MainId::Score6},
}};

}  // namespace lornel::quiz
