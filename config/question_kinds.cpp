#include "config/question_kinds.h"

#include "config/gbk.h"

namespace lornel::config {
QuestionKind KindNamed(std::string_view value) {
  value = TrimSpaces(value);
  if (value == "选择") return QuestionKind::Choice;
  if (value == "判断") return QuestionKind::TrueFalse;
  return QuestionKind::Typed;
}

std::vector<std::string> SplitOptions(std::string_view value) { return SplitAlternatives(value); }

std::optional<std::string> ChoiceLetters(std::string_view answer, int optionCount) {
  bool chosen[kMaxOptions] = {};
  bool any = false;
  for (char c : FoldFullWidth(TrimSpaces(answer))) {
    if (c == ' ' || c == ',' || c == '\t') continue;
    const int letter = (c >= 'a' && c <= 'z') ? c - 'a' : (c >= 'A' && c <= 'Z') ? c - 'A' : -1;
    if (letter < 0 || letter >= optionCount || letter >= kMaxOptions) return std::nullopt;
    chosen[letter] = any = true;
  }
  if (!any) return std::nullopt;
  std::string letters;
  for (int i = 0; i < kMaxOptions; ++i)
    if (chosen[i]) letters += static_cast<char>('A' + i);
  return letters;
}

std::optional<bool> TruthOf(std::string_view answer) {
  const std::string folded = FoldFullWidth(TrimSpaces(answer));
  for (const char* yes : {"对", "√", "是", "正确", "T", "t"})
    if (folded == yes) return true;
  for (const char* no : {"错", "×", "否", "错误", "F", "f"})
    if (folded == no) return false;
  return std::nullopt;
}

AskedQuestion AskedQuestionFrom(std::string_view kind, std::string_view optionsValue,
                                std::string_view answer) {
  switch (KindNamed(kind)) {
    case QuestionKind::Choice: {
      std::vector<std::string> options = SplitOptions(optionsValue);
      const int count = static_cast<int>(options.size());
      if (count < kMinOptions || count > kMaxOptions) return {};
      const auto letters = ChoiceLetters(answer, count);
      if (!letters) return {};
      return {QuestionKind::Choice, std::move(options), *letters};
    }
    case QuestionKind::TrueFalse:
      if (const auto truth = TruthOf(answer))
        return {QuestionKind::TrueFalse, {}, *truth ? kTrue : kFalse};
      return {};
    case QuestionKind::Typed:
      break;
  }
  return {};
}

AskedQuestion AskedQuestionOf(const QuizFile& quiz, int n) {
  if (n < 1 || n > kQuestionCount) return {};
  const std::size_t i = static_cast<std::size_t>(n - 1);
  return AskedQuestionFrom(quiz.Values().kinds[i], quiz.Values().options[i], quiz.Answer(n));
}

}  // namespace lornel::config
