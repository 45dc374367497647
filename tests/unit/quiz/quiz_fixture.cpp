#include "tests/unit/quiz/quiz_fixture.h"

#include "config/config.h"
#include "ui/message.h"

namespace lornel::quiz {

std::string QuizFile::Bytes() const {
  std::string ini = "[题目信息：]\r\n";
  for (int n = 1; n <= kQuestionCount; ++n)
    ini += config::QuestionTitleKey(n) + "=" + titles[n - 1] + "\r\n";
  ini += "[答案信息：]\r\n";
  for (int n = 1; n <= kQuestionCount; ++n)
    ini += config::QuestionAnswerKey(n) + "=" + answers[n - 1] + "\r\n";
  ini += std::string("[") + config::kCountdownSection + "]\r\n";
  if (countdown) ini += std::string(config::kCountdownKey) + "=" + *countdown + "\r\n";
  ini += std::string("[") + config::kPointsSection + "]\r\n";
  if (points) ini += std::string(config::kPointsKey) + "=" + *points + "\r\n";
  const auto section = [&ini](const char* name, const auto& values, auto key) {
    bool any = false;
    for (const std::string& v : values) any |= !v.empty();
    if (!any) return;
    ini += std::string("[") + name + "]\r\n";
    for (int n = 1; n <= kQuestionCount; ++n) ini += key(n) + "=" + values[n - 1] + "\r\n";
  };
  section(config::kPictureSection, pictures, config::QuestionPictureKey);
  section(config::kQuestionCountdownSection, countdowns, config::QuestionCountdownKey);
  section(config::kQuestionPointsSection, pointsOf, config::QuestionPointsKey);
  return ini;
}

QuizFile NumberedQuiz() {
  QuizFile file;
  for (int n = 1; n <= kQuestionCount; ++n) {
    file.titles[n - 1] = "问题" + std::to_string(n);
    file.answers[n - 1] = "answer" + std::to_string(n);
  }
  return file;
}

void QuizTest::StartWith(const QuizFile& file) {
  Rewrite(file);
  rt.Start();
  ASSERT_TRUE(rt.Click(Id::按钮31));
  ASSERT_FALSE(rt.Visible(kStartCover));
}

void QuizTest::Open(int n) { ASSERT_TRUE(rt.Click(kQuestions[n - 1].button)) << "question " << n; }

void QuizTest::Confirm(int g) {
  if (g) {
    ASSERT_TRUE(rt.Click(kGroups[g - 1].radio));
  }
  ASSERT_TRUE(rt.Click(Id::按钮15));
}

void QuizTest::AnswerCorrectly(int n, int g) {
  Open(n);
  Confirm(g);
  Enter(rt.Text(kCorrectAnswer));
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
