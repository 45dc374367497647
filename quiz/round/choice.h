// A choice or true/false question as the Round has it: its options, the
// right ones and what the answering group has chosen. The option buttons
// and the answer box only show it.
#pragma once

#include <string>
#include <vector>

#include "config/question_kinds.h"

namespace lornel::quiz {

struct Choice {
  config::QuestionKind kind = config::QuestionKind::Typed;
  std::vector<std::string> options;  // a choice question's texts, A first
  // Options as bits, A (or 对) the lowest.
  unsigned right = 0, chosen = 0;
  bool operator==(const Choice&) const = default;
};

}  // namespace lornel::quiz
