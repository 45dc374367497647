// How a question is asked: typed (填空, the default), a choice between two to
// six options lettered A to F (选择), or true/false (判断). The board and the
// editor read a question's kind the same way from these rules.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/quiz_file.h"

namespace lornel::config {

enum class QuestionKind { Typed, Choice, TrueFalse };
inline constexpr int kMinOptions = 2, kMaxOptions = 6;

// "选择" and "判断"; anything else ("填空", "") is typed.
QuestionKind KindNamed(std::string_view value);
// Options split at "|" and "｜", each trimmed; empty ones left out.
std::vector<std::string> SplitOptions(std::string_view value);
// The right letters of a choice answer, in order and once each ("ca" -> "AC";
// full-width "Ａ" too); nullopt when there is none, or one beyond the options.
std::optional<std::string> ChoiceLetters(std::string_view answer, int optionCount);
// 对 (√ 是 正确 T) is true, 错 (× 否 错误 F) is false; nullopt for anything else.
std::optional<bool> TruthOf(std::string_view answer);

// A question as the board plays it. A choice question without two to six
// options or without a right letter among them, and a true/false one whose
// answer is neither, are played as typed: their answer can still be typed.
struct AskedQuestion {
  QuestionKind kind = QuestionKind::Typed;
  std::vector<std::string> options;  // a choice's, A first
  std::string right;                 // a choice's letters ("AC"); true/false: "对" or "错"
};
AskedQuestion AskedQuestionOf(const QuizFile& quiz, int n);
// The same from a question's own values (GBK), as the editor holds them.
AskedQuestion AskedQuestionFrom(std::string_view kind, std::string_view options,
                                std::string_view answer);

// "对" and "错" as a true/false question's right answer is shown.
inline constexpr const char* kTrue = "对";
inline constexpr const char* kFalse = "错";

}  // namespace lornel::config
