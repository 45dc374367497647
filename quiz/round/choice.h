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
  // How many option buttons stand where the keys were (0: the keys). It
  // follows the question as the group panel goes (a group confirmed,
  // 重新选题) and stays while the panel lies over the answer panel, so that
  // nothing there is hidden and shown again unseen.
  int shown = 0;
  bool operator==(const Choice&) const = default;
};

}  // namespace lornel::quiz
