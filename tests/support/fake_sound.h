// The in-memory sound player: records each sound and, given the virtual
// clock, when it was played, so that tests can tell it came with its event.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/sound.h"
#include "tests/support/clock.h"

namespace lornel::fake {

class FakeSoundPlayer final : public platform::SoundPlayer {
 public:
  struct Played {
    platform::Sound sound;
    std::int64_t at;  // the clock's time, 0 without one
    bool operator==(const Played&) const = default;
  };

  explicit FakeSoundPlayer(const Clock* clock = nullptr) : clock_(clock) {}

  void Play(platform::Sound sound) override {
    played.push_back({sound, clock_ ? clock_->now() : 0});
  }

  std::vector<platform::Sound> sounds() const {
    std::vector<platform::Sound> only;
    for (const Played& p : played) only.push_back(p.sound);
    return only;
  }

  std::vector<Played> played;

 private:
  const Clock* clock_;
};

}  // namespace lornel::fake
