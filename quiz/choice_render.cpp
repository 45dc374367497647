#include "quiz/choice_render.h"

#include <span>

#include "quiz/tables.h"

namespace lornel::quiz {
namespace {

using enum MainId;

constexpr MainId kPair[] = {OptionPairA, OptionPairB};
constexpr MainId kFour[] = {OptionFourA, OptionFourB, OptionFourC, OptionFourD};
constexpr MainId kSix[] = {OptionSixA, OptionSixB, OptionSixC, OptionSixD, OptionSixE, OptionSixF};
constexpr MainCommand kKeys[] = {
    MainCommand::ChooseA, MainCommand::ChooseB, MainCommand::ChooseC,    MainCommand::ChooseD,
    MainCommand::ChooseE, MainCommand::ChooseF, MainCommand::ClearChoice};

// The buttons that hold this many options, the first `count` of them shown.
std::span<const MainId> ButtonsFor(int count) {
  if (count == 0) return {};
  return count <= 2   ? std::span<const MainId>(kPair)
         : count <= 4 ? std::span<const MainId>(kFour)
                      : std::span<const MainId>(kSix);
}

// The keyboard but "Backspace←", which clears a choice.
void ShowKeys(const MainForm& main, bool shown) {
  for (const ui::Row& row : MainTable().rows)
    if (row.onScreenKey && row.id != int(KeyBackspace)) main.form().SetVisible(row.id, shown);
}

}  // namespace

void ApplyChoice(const ChoiceView& before, const ChoiceView& after, const MainForm& main) {
  const std::span<const MainId> was = ButtonsFor(before.count), now = ButtonsFor(after.count);
  const bool moved = was.data() != now.data() || before.count != after.count;
  if (moved) {
    for (std::size_t i = 0; i < was.size(); ++i)
      if (i >= now.size() || was[i] != now[i] || int(i) >= after.count) main.Hide(was[i]);
  }
  const bool switched = (before.count == 0) != (after.count == 0);
  if (switched) ShowKeys(main, after.count == 0);
  if (before.readOnly != after.readOnly) main.SetReadOnly(AnswerBox, after.readOnly);
  for (int i = 0; i < after.count; ++i) {
    const auto at = static_cast<std::size_t>(i);
    const MainId button = now[at];
    const bool fresh = moved && (was.data() != now.data() || i >= before.count);
    if (fresh || before.captions[at] != after.captions[at])
      main.SetText(button, after.captions[at]);
    if (fresh || before.looks[at] != after.looks[at])
      main.form().SetOptionLook(int(button), after.looks[at]);
    if (fresh) main.Show(button);
  }
  if (before.taking != after.taking)
    for (MainCommand key : kKeys) main.SetCommandState(key, {"", after.taking});
  // While options are up the box shows the Round's choice; with the keys it is the user's.
  if (after.count > 0 && (switched || before.answer != after.answer))
    main.SetText(AnswerBox, after.answer);
}

}  // namespace lornel::quiz
