// wtda.ini as a teacher writes it, for every test program: the natively run
// handlers, the Win32 tests and the real program driven from outside.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "config/questions.h"

namespace lornel::test {

// A key left empty is written with an empty value, which the program reads as
// it reads a missing key. A setting left nullopt has no line at all.
struct QuizFile {
  using PerQuestion = std::array<std::string, config::kQuestionCount>;
  PerQuestion titles, answers;
  std::optional<std::string> countdown = "0";
  std::optional<std::string> points = "1";
  // Each question's own; a section is written only when one of its values is set.
  PerQuestion pictures, countdowns, pointsOf, others;
  std::optional<std::string> pinyin, lenient;          // the judging switches
  std::optional<std::string> groupCount, randomGroup;  // "分组：" "组数", "随机选组"
  PerQuestion kinds, options;                          // 选择 or 判断, and a choice's options
  std::string Bytes() const;
};

// Titles "问题1" .. "问题14", answers "answer1" .. "answer14".
QuizFile NumberedQuiz();

// What question n of a file's bytes is worth: its own points, else the global ones.
double PointsOf(const std::string& file, int n);

}  // namespace lornel::test
