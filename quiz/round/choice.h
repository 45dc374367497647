// A choice or true/false question as the Round has it (filled in by that feature).
#pragma once

namespace lornel::quiz {

struct Choice {
  bool operator==(const Choice&) const = default;
};

}  // namespace lornel::quiz
