// The question table and the group table: which controls belong to question
// n (1 to 14) and to group g (1 to 6). Pure data; handlers walk them in order.
#pragma once

#include <array>
#include <string_view>

#include "config/questions.h"
#include "quiz/main_ids.h"

namespace lornel::quiz {

using quiz::MainId;

struct Question {
  int n;
  MainId button, panel, label, lockTimer;
  // Of the question button and of its panel.
  constexpr const char* caption() const { return config::QuestionName(n); }
};

using config::kQuestionCount;

inline constexpr std::array<Question, kQuestionCount> kQuestions{{
    {1, MainId::QuestionButton1, MainId::QuestionPanel1, MainId::QuestionLabel1,
     MainId::LockTimer1},
    {2, MainId::QuestionButton2, MainId::QuestionPanel2, MainId::QuestionLabel2,
     MainId::LockTimer2},
    {3, MainId::QuestionButton3, MainId::QuestionPanel3, MainId::QuestionLabel3,
     MainId::LockTimer3},
    {4, MainId::QuestionButton4, MainId::QuestionPanel4, MainId::QuestionLabel4,
     MainId::LockTimer4},
    {5, MainId::QuestionButton5, MainId::QuestionPanel5, MainId::QuestionLabel5,
     MainId::LockTimer5},
    {6, MainId::QuestionButton6, MainId::QuestionPanel6, MainId::QuestionLabel6,
     MainId::LockTimer6},
    {7, MainId::QuestionButton7, MainId::QuestionPanel7, MainId::QuestionLabel7,
     MainId::LockTimer7},
    {8, MainId::QuestionButton8, MainId::QuestionPanel8, MainId::QuestionLabel8,
     MainId::LockTimer8},
    {9, MainId::QuestionButton9, MainId::QuestionPanel9, MainId::QuestionLabel9,
     MainId::LockTimer9},
    {10, MainId::QuestionButton10, MainId::QuestionPanel10, MainId::QuestionLabel10,
     MainId::LockTimer10},
    {11, MainId::QuestionButton11, MainId::QuestionPanel11, MainId::QuestionLabel11,
     MainId::LockTimer11},
    {12, MainId::QuestionButton12, MainId::QuestionPanel12, MainId::QuestionLabel12,
     MainId::LockTimer12},
    {13, MainId::QuestionButton13, MainId::QuestionPanel13, MainId::QuestionLabel13,
     MainId::LockTimer13},
    {14, MainId::QuestionButton14, MainId::QuestionPanel14, MainId::QuestionLabel14,
     MainId::LockTimer14},
}};

// Question n, or nullptr when n is not a question number.
constexpr const Question* FindQuestion(int n) {
  return n >= 1 && n <= kQuestionCount ? &kQuestions[static_cast<std::size_t>(n - 1)] : nullptr;
}

struct Group {
  int g;
  const char* numeral;  // GroupNumeral: what MainId::AnsweringGroup shows for this group
  MainId radio, score;
};

inline constexpr int kGroupCount = 6;

inline constexpr std::array<Group, kGroupCount> kGroups{{
    {1, "一", MainId::GroupRadio1, MainId::Score1},
    {2, "二", MainId::GroupRadio2, MainId::Score2},
    {3, "三", MainId::GroupRadio3, MainId::Score3},
    {4, "四", MainId::GroupRadio4, MainId::Score4},
    {5, "五", MainId::GroupRadio5, MainId::Score5},
    {6, "六", MainId::GroupRadio6, MainId::Score6},
}};

}  // namespace lornel::quiz
