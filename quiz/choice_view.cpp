#include "quiz/choice_view.h"

#include "quiz/round/choosing.h"

namespace lornel::quiz {

ChoiceView ProjectChoice(const Round& r) {
  using Verdict = ui::OptionLook::Verdict;
  ChoiceView v;
  const Choice& c = r.choice;
  v.count = c.shown;
  v.taking = round::TakesChoice(r);
  v.readOnly = round::AsksChoice(r);
  if (v.count > 0) v.answer = round::ChosenText(c);
  for (int i = 0; i < v.count; ++i) {
    const auto at = static_cast<std::size_t>(i);
    v.captions[at] = round::OptionCaption(c, i);
    ui::OptionLook& look = v.looks[at];
    look.chosen = round::IsChosen(c, i);
    if (r.answerUncovered)
      look.verdict = round::IsRight(c, i) ? Verdict::Right
                     : look.chosen        ? Verdict::Wrong
                                          : Verdict::None;
  }
  return v;
}

}  // namespace lornel::quiz
