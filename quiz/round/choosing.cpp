#include "quiz/round/choosing.h"

#include <bit>

namespace lornel::quiz::round {
namespace {

using config::QuestionKind;

constexpr const char* kTruthCaptions[] = {"√ 对", "× 错"};

std::string Letter(int option) { return std::string(1, static_cast<char>('A' + option)); }

// The right letters first, so that a label too narrow for the texts still shows them.
std::string RightAnswerText(const Choice& c) {
  if (c.kind == QuestionKind::TrueFalse) return OptionCaption(c, IsRight(c, 0) ? 0 : 1);
  std::string letters, texts;
  for (int i = 0; i < OptionCount(c); ++i) {
    if (!IsRight(c, i)) continue;
    letters += Letter(i);
    texts += (texts.empty() ? "" : "、") + c.options[static_cast<std::size_t>(i)];
  }
  return letters + " " + texts;
}

}  // namespace

void PoseQuestion(Round& r, config::AskedQuestion asked) {
  r.choice = {.shown = r.choice.shown};  // the group panel comes up over what is shown
  if (asked.kind == QuestionKind::Typed) return;
  r.choice.kind = asked.kind;
  r.choice.options = std::move(asked.options);
  if (asked.kind == QuestionKind::TrueFalse) {
    r.choice.right = asked.right == config::kTrue ? 1u : 2u;
  } else {
    for (char letter : asked.right) r.choice.right |= 1u << (letter - 'A');
  }
  r.expected = RightAnswerText(r.choice);
}

int OptionCount(const Choice& c) {
  if (c.kind == QuestionKind::TrueFalse) return 2;
  return c.kind == QuestionKind::Choice ? static_cast<int>(c.options.size()) : 0;
}

bool TakesChoice(const Round& r) { return AsksChoice(r) && GroupAnswering(r); }

void ChooseOption(Round& r, int option) {
  if (!TakesChoice(r) || option < 0 || option >= OptionCount(r.choice)) return;
  const unsigned bit = 1u << option;
  r.choice.chosen = std::popcount(r.choice.right) > 1 ? r.choice.chosen ^ bit : bit;
}

void ClearChoice(Round& r) {
  if (TakesChoice(r)) r.choice.chosen = 0;
}

std::string ChosenText(const Choice& c) {
  if (c.kind == QuestionKind::TrueFalse)
    return IsChosen(c, 0) ? config::kTrue : IsChosen(c, 1) ? config::kFalse : "";
  std::string letters;
  for (int i = 0; i < OptionCount(c); ++i)
    if (IsChosen(c, i)) letters += Letter(i);
  return letters;
}

std::string OptionCaption(const Choice& c, int option) {
  if (option < 0 || option >= OptionCount(c)) return "";
  if (c.kind == QuestionKind::TrueFalse) return kTruthCaptions[option];
  return Letter(option) + " " + c.options[static_cast<std::size_t>(option)];
}

}  // namespace lornel::quiz::round
