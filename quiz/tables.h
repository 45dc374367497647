// The question table and the group table: which controls belong to question
// n (1 to 14) and to group g (1 to 6). Pure data; handlers walk them in order.
#pragma once

#include <array>
#include <string_view>

#include "config/questions.h"
#include "quiz/main_ids.h"

namespace lornel::quiz {

using quiz::MainId;

// What the handlers call the controls they touch; the table names stay the
// controls' identity (main_layout.cpp).

// The start cover, gone once wtda.ini has been found.
inline constexpr MainId kStartCover = MainId::分组框21;
// The group choice over the question ("你是第几组的？").
inline constexpr MainId kGroupPanel = MainId::分组框3;
// The information bar: the countdown on the left, the answering group on the right.
inline constexpr MainId kInfoText = MainId::透明标签12;
inline constexpr MainId kCountdownNumber = MainId::标签15;
inline constexpr MainId kCountdownTimer = MainId::时钟2;
inline constexpr MainId kCountdownBar = MainId::进度条1;
inline constexpr MainId kAnsweringGroup = MainId::透明标签10;
inline constexpr MainId kAnsweringScore = MainId::透明标签11;
// The score bar's sentence, "第一组：   分. ...", under the score labels.
inline constexpr MainId kScoreSentence = MainId::透明标签1;
// The answer panel and what lies on it.
inline constexpr MainId kAnswerPanel = MainId::分组框22;
inline constexpr MainId kAnswerBox = MainId::编辑框1;
inline constexpr MainId kCheckButton = MainId::按钮47;
inline constexpr MainId kAnswerCover = MainId::图片框1;
inline constexpr MainId kCorrectAnswer = MainId::标签18;
inline constexpr MainId kRevealButton = MainId::按钮50;
inline constexpr MainId kNextQuestionButton = MainId::按钮49;
inline constexpr MainId kKeyLayerButton = MainId::按钮51;
// The answer panel's timers: the wrong answer's shake, and the guard that keeps
// "显示答案" and "继续选题" off for the rest of the run once a countdown starts.
inline constexpr MainId kShakeTimer = MainId::时钟18;
inline constexpr MainId kRevealGuard = MainId::时钟19;
// The question board: question 1's button, and the one-tick scan that starts
// the lock timers of the questions done with.
inline constexpr MainId kFirstQuestionButton = MainId::按钮1;
inline constexpr MainId kLockScanTimer = MainId::时钟3;

struct Question {
  int n;
  MainId button, panel, label, lockTimer;
  // Of the question button and of its panel.
  constexpr const char* caption() const { return config::QuestionName(n); }
};

using config::kQuestionCount;

inline constexpr std::array<Question, kQuestionCount> kQuestions{{
    {1, MainId::按钮1, MainId::分组框7, MainId::标签1, MainId::时钟4},
    {2, MainId::按钮2, MainId::分组框8, MainId::标签2, MainId::时钟5},
    {3, MainId::按钮3, MainId::分组框9, MainId::标签3, MainId::时钟6},
    {4, MainId::按钮4, MainId::分组框10, MainId::标签4, MainId::时钟7},
    {5, MainId::按钮5, MainId::分组框11, MainId::标签5, MainId::时钟8},
    {6, MainId::按钮6, MainId::分组框12, MainId::标签6, MainId::时钟9},
    {7, MainId::按钮7, MainId::分组框13, MainId::标签7, MainId::时钟10},
    {8, MainId::按钮8, MainId::分组框14, MainId::标签8, MainId::时钟11},
    {9, MainId::按钮9, MainId::分组框15, MainId::标签9, MainId::时钟12},
    {10, MainId::按钮10, MainId::分组框16, MainId::标签10, MainId::时钟13},
    {11, MainId::按钮11, MainId::分组框17, MainId::标签11, MainId::时钟14},
    {12, MainId::按钮12, MainId::分组框18, MainId::标签12, MainId::时钟15},
    {13, MainId::按钮13, MainId::分组框19, MainId::标签13, MainId::时钟16},
    {14, MainId::按钮14, MainId::分组框20, MainId::标签14, MainId::时钟17},
}};

// Question n, or nullptr when n is not a question number.
constexpr const Question* FindQuestion(int n) {
  return n >= 1 && n <= kQuestionCount ? &kQuestions[static_cast<std::size_t>(n - 1)] : nullptr;
}

struct Group {
  int g;
  const char* numeral;  // GroupNumeral: what kAnsweringGroup shows for this group
  MainId radio, score;
};

inline constexpr int kGroupCount = 6;

inline constexpr std::array<Group, kGroupCount> kGroups{{
    {1, "一", MainId::单选框1, MainId::透明标签2},
    {2, "二", MainId::单选框2, MainId::透明标签3},
    {3, "三", MainId::单选框3, MainId::透明标签4},
    {4, "四", MainId::单选框4, MainId::透明标签5},
    {5, "五", MainId::单选框5, MainId::透明标签6},
    {6, "六", MainId::单选框6, MainId::透明标签7},
}};

}  // namespace lornel::quiz
