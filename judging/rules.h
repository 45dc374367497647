// How answers are judged, as wtda.ini's "判题方式：" section says, and the
// other answers a question accepts.
#pragma once

#include <string>
#include <vector>

#include "platform/host.h"

namespace lornel::judging {

struct Rules {
  bool pinyin = false;
  bool lenient = false;
};

// Each switch is on for the value "1" only.
Rules ReadRules(platform::Files& files, const std::string& configPath);
// Question n's other answers ("第N题其他答案"), split by SplitAlternatives.
std::vector<std::string> ReadOtherAnswers(platform::Files& files, const std::string& configPath,
                                          int n);

}  // namespace lornel::judging
