#include "judging/rules.h"

#include "config/config.h"
#include "judging/judge.h"

namespace lornel::judging {

Rules ReadRules(platform::Files& files, const std::string& configPath) {
  auto on = [&](const char* key) {
    return config::ReadConfigValue(files, configPath, config::kJudgingSection, key) == "1";
  };
  return {.pinyin = on(config::kPinyinKey), .lenient = on(config::kLenientKey)};
}

std::vector<std::string> ReadOtherAnswers(platform::Files& files, const std::string& configPath,
                                          int n) {
  const std::string key = config::OtherAnswersKey(n);
  if (key.empty()) return {};
  return SplitAlternatives(
      config::ReadConfigValue(files, configPath, config::kOtherAnswersSection, key));
}

}  // namespace lornel::judging
