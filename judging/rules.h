// How answers are judged, as wtda.ini's "判题方式：" section says, and the
// other answers a question accepts.
#pragma once

#include <string>
#include <vector>

#include "config/quiz_file.h"
#include "platform/host.h"

namespace lornel::judging {

using Rules = config::JudgingRules;

// Each switch is on for the value "1" only (config::SwitchOn).
Rules ReadRules(platform::Files& files, const std::string& configPath);
// Question n's other answers ("第N题其他答案"), split by SplitAlternatives.
std::vector<std::string> ReadOtherAnswers(platform::Files& files, const std::string& configPath,
                                          int n);

}  // namespace lornel::judging
