#include "quiz/group_draw.h"

#include <random>

#include "quiz/play.h"
#include "quiz/round/draw.h"

namespace lornel::quiz {
namespace {

// Seeded once per run from the system's entropy: no class sees the same
// order twice.
std::uint32_t FreshSeed() {
  try {
    if (const std::uint32_t seed = std::random_device()(); seed != 0) return seed;
  } catch (const std::exception&) {
  }
  return 0x9E3779B9u;
}

}  // namespace

void DrawGroup(Context& ctx) {
  Round& r = ctx.round;
  if (!r.draw.offered || !r.choosingGroup || round::Drawing(r.draw)) return;
  if (r.draw.random == 0) r.draw.random = FreshSeed();
  const Round before = r;
  if (const int g = round::DrawGroup(r.draw)) Scored(ctx, "随机选组 " + GroupName(g), before);
}

void DrawTick(Context& ctx) { round::DrawStep(ctx.round.draw); }

}  // namespace lornel::quiz
