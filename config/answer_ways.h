// How the groups answer a question: assigned by the teacher (指定, the
// default: "你是第几组的？"), buzz-in (抢答), or all groups at once (全体); and
// buzz-in's seconds, penalties and keys.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "config/quiz_file.h"

namespace lornel::config {

enum class AnswerWay { Assigned, Buzz, Everyone };

// "抢答" and "全体"; anything else ("指定", "") is assigned.
AnswerWay WayNamed(std::string_view value);
// Question n's own way when it names one, else the file's default.
AnswerWay WayOf(const QuizFile& quiz, int n);

struct BuzzSettings {
  int seconds = 0;                           // 抢答时间: the buzz's countdown, 0 none
  double foulPenalty = 0, wrongPenalty = 0;  // 犯规扣分, 答错扣分: points taken off
  // Per group, the virtual keys that buzz for it: by default its digit on the
  // main row and on the numeric keypad; a key set in "抢答键：" replaces both.
  std::array<std::vector<int>, kGroupCount> keys;
};
BuzzSettings BuzzSettingsOf(const QuizFile& quiz);
// The keys of each group from the names "抢答键：" gives them (GBK).
std::array<std::vector<int>, kGroupCount> BuzzKeysNamed(
    const std::array<std::string, kGroupCount>& names);
// A key as "抢答键：" names it: one letter or digit, "F1" to "F12", "空格" or
// "Space"; 0 for anything else (the group keeps its default keys).
int KeyNamed(std::string_view name);

}  // namespace lornel::config
