#include "quiz/round/ranking.h"

#include <algorithm>
#include <cmath>

namespace lornel::quiz {
namespace {

// A score that is no number at all (a damaged lesson) ranks last, so that
// the order stays a strict one.
bool Above(const Points& a, const Points& b) {
  if (std::isnan(a.value())) return false;
  if (std::isnan(b.value())) return true;
  return a > b;
}

}  // namespace

std::vector<Place> Rank(const std::array<Points, config::kGroupCount>& scores, int inPlay) {
  std::vector<Place> places;
  for (int g = 1; g <= std::clamp(inPlay, 0, config::kGroupCount); ++g) places.push_back({g, 0});
  std::stable_sort(places.begin(), places.end(), [&](const Place& a, const Place& b) {
    return Above(scores[a.group - 1], scores[b.group - 1]);
  });
  for (std::size_t i = 0; i < places.size(); ++i)
    places[i].place = i > 0 && !Above(scores[places[i - 1].group - 1], scores[places[i].group - 1])
                          ? places[i - 1].place
                          : static_cast<int>(i) + 1;
  return places;
}

}  // namespace lornel::quiz
