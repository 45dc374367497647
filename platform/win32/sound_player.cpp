#include "platform/win32/sound_player.h"

#include <mmsystem.h>

#include <system_error>

#include "platform/win32/library.h"
#include "resources/embedded.h"

namespace lornel::win32 {
namespace {

resources::Blob BlobOf(platform::Sound sound) {
  switch (sound) {
    case platform::Sound::Correct:
      return resources::Blob::SoundCorrect;
    case platform::Sound::Wrong:
      return resources::Blob::SoundWrong;
    case platform::Sound::Tick:
      return resources::Blob::SoundTick;
    case platform::Sound::Fanfare:
      return resources::Blob::SoundFanfare;
    case platform::Sound::Go:
      return resources::Blob::SoundGo;
    case platform::Sound::TimeOut:
      break;
  }
  return resources::Blob::SoundTimeOut;
}

using PlaySoundFunction = BOOL(WINAPI*)(LPCWSTR sound, HMODULE module, DWORD flags);
using CountDevicesFunction = UINT(WINAPI*)();

template <typename Function>
Function Find(HMODULE module, const char* name) {
  return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)))
                : nullptr;
}

}  // namespace

Win32SoundPlayer::~Win32SoundPlayer() {
  {
    std::lock_guard lock(mutex_);
    quit_ = true;
  }
  wake_.notify_one();
  // A sound already handed to winmm plays on: its bytes are the executable's.
  if (thread_.joinable()) thread_.join();
}

void Win32SoundPlayer::Play(platform::Sound sound) {
  {
    std::lock_guard lock(mutex_);
    Start();
    next_ = sound;
  }
  wake_.notify_one();
}

void Win32SoundPlayer::Prepare() {
  std::lock_guard lock(mutex_);
  Start();
}

void Win32SoundPlayer::Start() {
  if (thread_.joinable()) return;
  try {
    thread_ = std::thread([this] { Run(); });
  } catch (const std::system_error&) {
    // No thread to be had: silence, as without an audio device.
  }
}

void Win32SoundPlayer::Run() {
  // Never freed: winmm's own thread may still be playing when the player goes.
  HMODULE winmm = LoadSystemLibrary(L"winmm.dll");
  const auto playSound = winmm ? reinterpret_cast<PlaySoundFunction>(
                                     reinterpret_cast<void*>(GetProcAddress(winmm, "PlaySoundW")))
                               : nullptr;
  for (;;) {
    platform::Sound sound;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return quit_ || next_.has_value(); });
      // The event's own paint first: PlaySound opens the device as it starts,
      // which would slow the click that asked for the sound. 40 ms late is
      // not heard as late.
      if (quit_ || wake_.wait_for(lock, std::chrono::milliseconds(40), [this] { return quit_; }))
        return;
      sound = *next_;
      next_.reset();
    }
    const resources::Bytes wav = resources::Get(BlobOf(sound));
    if (!playSound || wav.empty()) continue;
    // SND_MEMORY reads the bytes while it plays: resource memory stays mapped
    // as long as the executable, so the asynchronous sound never outlives them.
    // SND_NODEFAULT: a sound that cannot be played is silence, not the system beep.
    playSound(reinterpret_cast<LPCWSTR>(wav.data()), nullptr,
              SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
  }
}

}  // namespace lornel::win32
