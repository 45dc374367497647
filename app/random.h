// The program's random numbers: a linear congruential generator whose state
// starts at 1 and is never reseeded, so every run draws the same sequence.
#pragma once

#include <cstdint>

namespace lornel::app {

class Random {
 public:
  // 0 .. 32767: bits 16 to 30 of the new state.
  int Next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7FFFu);
  }
  int Between(int min, int max) { return min + Next() % (max - min + 1); }

 private:
  std::uint32_t state_ = 1;
};

}  // namespace lornel::app
