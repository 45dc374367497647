// The groups in play and the fair random pick as the Round has them (filled in
// by that feature).
#pragma once

namespace lornel::quiz {

struct GroupDraw {
  bool operator==(const GroupDraw&) const = default;
};

}  // namespace lornel::quiz
