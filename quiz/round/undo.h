// Undo (撤销): the Round as it was before each scoring step (a right answer,
// a ruling, a lock, a score correction, a foul, a won buzz, a wrong answer in
// a buzz), newest last.
#pragma once

#include <deque>
#include <string>

#include "quiz/round/round.h"

namespace lornel::quiz {

struct ScoringStep {
  std::string what;  // "第三组 第五题 +2 分": what undoing it takes back
  Round before;
};

class UndoHistory {
 public:
  static constexpr std::size_t kDepth = 50;  // steps kept; the oldest go first

  // A step that changed nothing of what undo puts back is not kept.
  void Record(std::string what, const Round& before, const Round& after);
  bool empty() const { return steps_.empty(); }
  const ScoringStep& last() const { return steps_.back(); }
  // Takes the last step back into r; false when there is none.
  bool Undo(Round& r);
  void Clear() { steps_.clear(); }

 private:
  std::deque<ScoringStep> steps_;
};

// Whether the parts of the Round that scoring steps change (and undo puts
// back, and the round file keeps) differ.
bool ScoringDiffers(const Round& a, const Round& b);

}  // namespace lornel::quiz
