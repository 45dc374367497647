#include "tests/support/quiz_text/quiz_text.h"

#include "config/config.h"

namespace lornel::test {

std::string QuizFile::Bytes() const {
  using config::kQuestionCount;
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
  const auto section = [&ini](const char* name, const PerQuestion& values, auto key) {
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
  for (int n = 1; n <= config::kQuestionCount; ++n) {
    file.titles[n - 1] = "问题" + std::to_string(n);
    file.answers[n - 1] = "answer" + std::to_string(n);
  }
  return file;
}

}  // namespace lornel::test
