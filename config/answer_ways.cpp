#include "config/answer_ways.h"

#include <algorithm>

namespace lornel::config {
namespace {

constexpr int kVkSpace = 0x20, kVkNumpad0 = 0x60, kVkF1 = 0x70;

}  // namespace

AnswerWay WayNamed(std::string_view value) {
  value = TrimSpaces(value);
  if (value == "抢答") return AnswerWay::Buzz;
  if (value == "全体") return AnswerWay::Everyone;
  return AnswerWay::Assigned;
}

AnswerWay WayOf(const QuizFile& quiz, int n) {
  if (n >= 1 && n <= kQuestionCount) {
    const std::string& own = quiz.Values().ways[static_cast<std::size_t>(n - 1)];
    if (!TrimSpaces(own).empty()) return WayNamed(own);
  }
  return WayNamed(quiz.Values().way);
}

int KeyNamed(std::string_view name) {
  const std::string folded = FoldFullWidth(TrimSpaces(name));
  if (folded.size() == 1) {
    const char c = folded[0];
    if (c >= '0' && c <= '9') return c;
    if (c >= 'A' && c <= 'Z') return c;
    if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
    return 0;
  }
  if (folded == "空格" || folded == "Space" || folded == "SPACE" || folded == "space")
    return kVkSpace;
  if ((folded[0] == 'F' || folded[0] == 'f') && folded.size() <= 3) {
    const int number = TextToInteger(folded.substr(1));
    if (number >= 1 && number <= 12 && folded.substr(1) == std::to_string(number))
      return kVkF1 + number - 1;
  }
  return 0;
}

std::array<std::vector<int>, kGroupCount> BuzzKeysNamed(
    const std::array<std::string, kGroupCount>& names) {
  std::array<std::vector<int>, kGroupCount> keys;
  for (int g = 1; g <= kGroupCount; ++g) {
    const int set = KeyNamed(names[g - 1]);
    keys[g - 1] = set ? std::vector<int>{set} : std::vector<int>{'0' + g, kVkNumpad0 + g};
  }
  return keys;
}

BuzzSettings BuzzSettingsOf(const QuizFile& quiz) {
  const QuizValues<std::string>& v = quiz.Values();
  BuzzSettings settings;
  settings.seconds = std::max(0, TextToInteger(v.buzzSeconds));
  settings.foulPenalty = TextToNumber(v.foulPenalty);
  settings.wrongPenalty = TextToNumber(v.wrongPenalty);
  settings.keys = BuzzKeysNamed(v.buzzKeys);
  return settings;
}

}  // namespace lornel::config
