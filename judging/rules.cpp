#include "judging/rules.h"

namespace lornel::judging {

Rules ReadRules(platform::Files& files, const std::string& configPath) {
  return config::ReadQuizFile(files, configPath).Rules();
}

std::vector<std::string> ReadOtherAnswers(platform::Files& files, const std::string& configPath,
                                          int n) {
  return config::ReadQuizFile(files, configPath).OtherAnswers(n);
}

}  // namespace lornel::judging
