#include "tests/support/quiz_text/quiz_text.h"

#include "config/config.h"
#include "config/ini.h"

namespace lornel::test {

std::string QuizFile::Bytes() const {
  std::string ini;
  const auto head = [&ini](const char* name) { ini += std::string("[") + name + "]\r\n"; };
  const auto line = [&ini](const std::string& key, const std::optional<std::string>& value) {
    if (value) ini += key + "=" + *value + "\r\n";
  };
  const auto section = [&](const char* name, const PerQuestion& values, auto key, bool always) {
    if (!always && values == PerQuestion()) return;
    head(name);
    for (int n = 1; n <= config::kQuestionCount; ++n) line(key(n), values[n - 1]);
  };
  section(config::kTitleSection, titles, config::QuestionTitleKey, true);
  section(config::kAnswerSection, answers, config::QuestionAnswerKey, true);
  head(config::kCountdownSection);
  line(config::kCountdownKey, countdown);
  head(config::kPointsSection);
  line(config::kPointsKey, points);
  section(config::kPictureSection, pictures, config::QuestionPictureKey, false);
  section(config::kQuestionCountdownSection, countdowns, config::QuestionCountdownKey, false);
  section(config::kQuestionPointsSection, pointsOf, config::QuestionPointsKey, false);
  section(config::kOtherAnswersSection, others, config::OtherAnswersKey, false);
  if (pinyin || lenient) head(config::kJudgingSection);
  line(config::kPinyinKey, pinyin);
  line(config::kLenientKey, lenient);
  if (groupCount || randomGroup) head(config::kGroupsSection);
  line(config::kGroupCountKey, groupCount);
  line(config::kRandomGroupKey, randomGroup);
  section(
      config::kKindSection, kinds, [](int n) { return config::QuestionKey(n, "题型"); }, false);
  section(
      config::kOptionsSection, options, [](int n) { return config::QuestionKey(n, "选项"); },
      false);
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

double PointsOf(const std::string& file, int n) {
  std::string own =
      config::ReadIniValue(file, config::kQuestionPointsSection, config::QuestionPointsKey(n));
  if (own.empty()) own = config::ReadIniValue(file, config::kPointsSection, config::kPointsKey);
  return config::TextToNumber(own);
}

}  // namespace lornel::test
