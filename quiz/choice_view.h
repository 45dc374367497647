// What the answer panel shows of a choice or true/false question: option
// buttons where the keyboard's keys were, their looks, and the choice in a
// read-only answer box. A typed question shows the keyboard as ever.
#pragma once

#include <array>
#include <string>

#include "config/question_kinds.h"
#include "quiz/round/round.h"
#include "ui/option_paint.h"

namespace lornel::quiz {

struct ChoiceView {
  int count = 0;  // option buttons up; 0: the keyboard
  std::array<std::string, config::kMaxOptions> captions;
  std::array<ui::OptionLook, config::kMaxOptions> looks;
  // A key A to F chooses, as a tap does. The buttons stay enabled, as the
  // keys do: a tap at any other time changes nothing, and enabling them would
  // only paint them twice as the group panel goes.
  bool taking = false;
  bool readOnly = false;  // the answer box, for a choice question from its opening on
  std::string answer;     // the answer box's text while options are up
  bool operator==(const ChoiceView&) const = default;
};

ChoiceView ProjectChoice(const Round& r);

}  // namespace lornel::quiz
