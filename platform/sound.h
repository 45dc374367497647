// The program's five sounds, played by whoever implements SoundPlayer: winmm
// on Windows (platform/win32/sound_player.h), a recorder in tests.
#pragma once

#include <cstdint>

namespace lornel::platform {

enum class Sound : std::uint8_t { Correct, Wrong, Tick, TimeOut, Fanfare, Go };

// Play returns at once and never fails: a sound that cannot be played (no
// audio device) is silence, with no message.
class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  virtual void Play(Sound sound) = 0;
  // Gets ready for a first sound soon, so that it comes in time.
  virtual void Prepare() {}
};

// Where sounds go when no player was given: nowhere.
inline SoundPlayer& NoSounds() {
  static struct : SoundPlayer {
    void Play(Sound) override {}
  } none;
  return none;
}

// Sounds on or off: on from the file's switch at start, turned off or on for
// this run by the system menu. Off, nothing reaches the player behind it,
// which is not even prepared until it is first switched on.
class SoundSwitch final : public SoundPlayer {
 public:
  SoundSwitch(SoundPlayer& out, bool on) : out_(out), on_(on) {
    if (on) out_.Prepare();
  }
  bool on() const { return on_; }
  void SetOn(bool on) {
    if (on && !on_) out_.Prepare();
    on_ = on;
  }
  void Play(Sound sound) override {
    if (on_) out_.Play(sound);
  }

 private:
  SoundPlayer& out_;
  bool on_;
};

}  // namespace lornel::platform
