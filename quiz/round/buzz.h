// Buzz-in and all groups at once as the Round has them (filled in by that feature).
#pragma once

namespace lornel::quiz {

struct Buzz {
  bool operator==(const Buzz&) const = default;
};

}  // namespace lornel::quiz
