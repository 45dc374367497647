// The quiz played on the whole program in memory: a wtda.ini of the test's
// making, the start button pressed, and short words for what the teacher and
// the class do.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "quiz/tables.h"
#include "tests/support/app_runtime.h"
#include "tests/support/quiz_text/quiz_text.h"

namespace lornel::quiz {

using test::NumberedQuiz;
using test::QuizFile;

class QuizTest : public testing::Test {
 protected:
  using Id = quiz::MainId;
  static constexpr unsigned kTaskModal = 0x2000;

  // Handlers stop the timer that could raise a second message before they show one.
  void TearDown() override { EXPECT_LE(rt.host.mostOpenAtOnce, allowedOpenAtOnce); }
  int allowedOpenAtOnce = 1;

  // The file written, the program started and the start cover gone.
  void StartWith(const QuizFile& file);
  void Rewrite(const QuizFile& file) { rt.WriteConfig(file.Bytes()); }

  void Open(int n);
  // Chooses group g (0: leave the radio boxes as they are) and presses "确定".
  void Confirm(int g = 0);
  // What the answer box holds, as an input method or the keyboard leaves it.
  void Enter(const std::string& text) { rt.form().SetText(MainId::AnswerBox, text); }
  void Check() { ASSERT_TRUE(rt.Click(MainId::CheckButton)); }
  void Cancel() { ASSERT_TRUE(rt.Click(Id::CancelQuestionLink)); }
  // Question n opened by group g and answered correctly.
  void AnswerCorrectly(int n, int g = 0);

  bool Locked(int n) { return IsLocked(rt.shell.ctx.round, n); }
  bool ButtonEnabled(int n) { return rt.Enabled(kQuestions[n - 1].button); }
  bool PanelVisible(int n) { return rt.Visible(kQuestions[n - 1].panel); }
  int Interval(Id timer) { return rt.main.Interval(int(timer)); }
  std::string Score(int g) { return rt.Text(kGroups[g - 1].score); }
  std::vector<std::string> MessageTexts() const;
  int ConfigWrites() const;
  // Lets time pass inside every message box from now on.
  void HoldMessagesOpen(int milliseconds);

  fake::AppRuntime rt;
  QuizFile quiz = NumberedQuiz();
};

}  // namespace lornel::quiz
