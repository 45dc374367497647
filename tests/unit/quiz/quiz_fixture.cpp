#include "tests/unit/quiz/quiz_fixture.h"

#include "ui/message.h"

namespace lornel::quiz {

void QuizTest::StartWith(const QuizFile& file) {
  Rewrite(file);
  rt.Start();
  ASSERT_TRUE(rt.Click(Id::StartButton));
  ASSERT_FALSE(rt.Visible(MainId::StartCover));
}

void QuizTest::Open(int n) { ASSERT_TRUE(rt.Click(kQuestions[n - 1].button)) << "question " << n; }

void QuizTest::Confirm(int g) {
  if (g) {
    ASSERT_TRUE(rt.Click(kGroups[g - 1].radio));
  }
  ASSERT_TRUE(rt.Click(Id::ConfirmGroupButton));
}

void QuizTest::AnswerCorrectly(int n, int g) {
  Open(n);
  Confirm(g);
  Enter(rt.Text(MainId::CorrectAnswer));
  Check();
}

std::vector<std::string> QuizTest::MessageTexts() const {
  std::vector<std::string> texts;
  for (const auto& m : rt.host.messages) texts.push_back(m.text);
  return texts;
}

int QuizTest::ConfigWrites() const {
  int count = 0;
  for (const auto& path : rt.host.writes) count += path == fake::AppRuntime::kConfig;
  return count;
}

void QuizTest::HoldMessagesOpen(int milliseconds) {
  rt.host.answerer = [this, milliseconds](const fake::ShownMessage& m) {
    rt.Advance(milliseconds);
    return (m.flags & 0xF) == ui::kMbYesNo ? platform::MessageResult::Yes
                                           : platform::MessageResult::Ok;
  };
}

}  // namespace lornel::quiz
