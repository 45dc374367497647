// The sounds through winmm's PlaySoundW, from the bytes embedded in the
// executable, on a thread of the player's own: loading winmm and even an
// asynchronous PlaySoundW take tens to hundreds of milliseconds (Wine: winmm
// 0.4 s, each call up to 50 ms while it stops the sound before), which a
// click must not wait for.
#pragma once

#include <windows.h>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

#include "platform/sound.h"

namespace lornel::win32 {

class Win32SoundPlayer final : public platform::SoundPlayer {
 public:
  Win32SoundPlayer() = default;
  ~Win32SoundPlayer() override;
  Win32SoundPlayer(const Win32SoundPlayer&) = delete;
  Win32SoundPlayer& operator=(const Win32SoundPlayer&) = delete;

  // Hands the sound to the player's thread and returns. A sound not yet begun
  // when the next comes is dropped for it, as PlaySoundW would cut it off.
  // No winmm, no audio device or no embedded sound: silence, no message.
  void Play(platform::Sound sound) override;
  // Starts the thread and loads winmm from System32 without a sound, so that
  // the first sound comes in time; Play does the same on its first call.
  void Prepare() override;

 private:
  void Start();  // under mutex_
  void Run();

  std::mutex mutex_;
  std::condition_variable wake_;
  std::optional<platform::Sound> next_;
  bool quit_ = false;
  std::thread thread_;
};

}  // namespace lornel::win32
