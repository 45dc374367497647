// The data linked into the executable (RCDATA), reached through one accessor
// so that native tests can put their own bytes in its place.
#pragma once

#include <cstdint>
#include <span>

namespace lornel::resources {

enum class Blob : int {
  None = 0,
  AnswerCover = 101,    // JPEG 1018 x 192
  NoticeBubbles = 102,  // JPEG 400 x 300
  NoticeInfo = 103,     // JPEG 626 x 626
  SkinLibrary = 200,    // file image of SkinH_EL.dll
  Skin = 300,           // skin n is resource 300 + n, n = 1..33
  SoundCorrect = 401,   // WAV, PCM 16-bit mono: chime of a right answer
  SoundWrong = 402,     // buzz of a wrong answer
  SoundTick = 403,      // tick of each of the countdown's last seconds
  SoundTimeOut = 404,   // gong at the time-out
  SoundFanfare = 405,   // fanfare as the ranking opens
  SoundGo = 406,        // call of "抢！" as a buzz opens
};

inline constexpr int kIconResource = 1;
inline constexpr int kSkinCount = 33;

using Bytes = std::span<const std::uint8_t>;

// Empty span when the blob is missing. For Blob::Skin, number is 1..33.
Bytes Get(Blob blob, int number = 0);

// Replaces the accessor (tests); nullptr restores the built-in one.
using Provider = Bytes (*)(Blob blob, int number);
void SetProvider(Provider provider);

}  // namespace lornel::resources
