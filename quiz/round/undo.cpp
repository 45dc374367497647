#include "quiz/round/undo.h"

#include "quiz/round/buzzing.h"

namespace lornel::quiz {
namespace {

// Only what scoring steps change goes back: the question open now, the
// countdown and the panels stay as they are, so an undone right answer leaves
// its question unlocked on the board, ready to be opened again.
void PutBackScoring(Round& now, const Round& before) {
  now.scores = before.scores;
  now.locked = before.locked;
  now.draw.drawn = before.draw.drawn;  // a random pick goes back into the bag
  // Buzz-in's steps take back their turn or foul too, while the buzz is on.
  round::PutBackBuzz(now, before);
}

}  // namespace

bool ScoringDiffers(const Round& a, const Round& b) {
  return a.scores != b.scores || a.locked != b.locked || a.draw.drawn != b.draw.drawn;
}

void UndoHistory::Record(std::string what, const Round& before, const Round& after) {
  if (!ScoringDiffers(before, after) && !round::BuzzStepDiffers(before, after)) return;
  steps_.push_back({std::move(what), before});
  if (steps_.size() > kDepth) steps_.pop_front();
}

bool UndoHistory::Undo(Round& r) {
  if (steps_.empty()) return false;
  PutBackScoring(r, steps_.back().before);
  steps_.pop_back();
  return true;
}

}  // namespace lornel::quiz
