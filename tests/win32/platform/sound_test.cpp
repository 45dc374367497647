// The sounds through winmm, heard by a file. Under Wine 8 winmm plays through
// mmdevapi, whose ALSA driver (winealsa.drv) opens ALSA's "default" PCM when no
// PulseAudio server answers. ALSA_CONFIG_PATH, in the Unix environment of the
// process, replaces ALSA's whole configuration. Wine gives a Windows child the
// Unix environment of its parent's start, whatever the parent's Windows
// environment says; so this binary runs itself once more through /bin/sh
// ("ALSA_CONFIG_PATH=... wine win32_tests.exe"), as a child that with
//   pcm.!default { type file  slave.pcm { type null }  file "SINK"  format "raw"
//                  truncate false }
// writes every sample it plays to SINK while nothing reaches a speaker. With
// truncate false each opening of the device starts a new SINK.0001, .0002, ...
// (and nothing is overwritten), so what was played is the sum of their sizes.
// The SoundDevice tests are that child; they skip in the ordinary run. By hand:
//   ALSA_CONFIG_PATH=/tmp/a.conf LORNEL_SOUND_SINK=/tmp/sink.raw \
//     wine win32_tests.exe --gtest_filter=SoundDevice.*
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/sound_player.h"
#include "resources/embedded.h"
#include "tests/win32/support/files.h"
#include "tests/win32/support/unix_shell.h"

namespace {

using lornel::platform::Sound;
using lornel::platform::SoundSwitch;
using lornel::win32::Win32SoundPlayer;
namespace res = lornel::resources;

constexpr Sound kAll[] = {Sound::Correct, Sound::Wrong,   Sound::Tick,
                          Sound::TimeOut, Sound::Fanfare, Sound::Go};
const char* NameOf(Sound s) {
  const char* names[] = {"Correct", "Wrong", "Tick", "TimeOut", "Fanfare", "Go"};
  return names[static_cast<int>(s)];
}

// Set in the child only: the file the ALSA device writes (Unix path).
constexpr wchar_t kSinkVariable[] = L"LORNEL_SOUND_SINK";

std::wstring Variable(const wchar_t* name) {
  wchar_t value[MAX_PATH];
  const DWORD n = GetEnvironmentVariableW(name, value, MAX_PATH);
  return n > 0 && n < MAX_PATH ? std::wstring(value, n) : std::wstring();
}

// Bytes in SINK and its numbered followers.
ULONGLONG Written(const std::wstring& sink) {
  ULONGLONG total = 0;
  WIN32_FIND_DATAW found;
  HANDLE find = FindFirstFileW((sink + L"*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return 0;
  do total += (ULONGLONG(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
  while (FindNextFileW(find, &found));
  FindClose(find);
  return total;
}

// What reached the device after Play: the bytes, counted once nothing more
// came for 400 ms (the sound is over), and when the first came. Nothing within
// firstMs: silence.
struct Heard {
  ULONGLONG bytes = 0;
  DWORD firstMs = 0;
};
Heard HeardAfter(const std::wstring& sink, ULONGLONG before, DWORD start, DWORD firstMs) {
  Heard heard;
  ULONGLONG last = before;
  for (DWORD since = start; GetTickCount() - start < 10000;) {
    Sleep(5);
    const ULONGLONG now = Written(sink);
    if (now != last) {
      if (last == before) heard.firstMs = GetTickCount() - start;
      last = now, since = GetTickCount();
    }
    if (last == before ? GetTickCount() - start >= firstMs : GetTickCount() - since >= 400) break;
  }
  heard.bytes = last - before;
  return heard;
}

// The size of a WAV's samples: its data chunk, which follows the 44-byte header.
ULONGLONG SamplesOf(res::Bytes wav) {
  return wav.size() < 44 ? 0 : wav[40] | wav[41] << 8 | wav[42] << 16 | ULONGLONG(wav[43]) << 24;
}

// The committed sounds as PlaySoundW reads them from memory: RIFF WAVE with a
// plain PCM format chunk, 16-bit mono, and the data chunk that the header promises.
TEST(EmbeddedSounds, ArePlainPcmWavesWellUnder50KB) {
  for (res::Blob blob : {res::Blob::SoundCorrect, res::Blob::SoundWrong, res::Blob::SoundTick,
                         res::Blob::SoundTimeOut, res::Blob::SoundFanfare, res::Blob::SoundGo}) {
    const res::Bytes wav = res::Get(blob);
    SCOPED_TRACE(static_cast<int>(blob));
    ASSERT_GE(wav.size(), 44u);
    EXPECT_LT(wav.size(), 40u * 1024);
    const auto u16 = [&](std::size_t at) { return wav[at] | wav[at + 1] << 8; };
    const auto u32 = [&](std::size_t at) { return std::uint32_t(u16(at) | u16(at + 2) << 16); };
    EXPECT_EQ(std::memcmp(wav.data(), "RIFF", 4), 0);
    EXPECT_EQ(u32(4), wav.size() - 8);
    EXPECT_EQ(std::memcmp(wav.data() + 8, "WAVEfmt ", 8), 0);
    EXPECT_EQ(u32(16), 16u);  // a PCMWAVEFORMAT, not WAVE_FORMAT_EXTENSIBLE
    EXPECT_EQ(u16(20), 1);    // WAVE_FORMAT_PCM
    EXPECT_EQ(u16(22), 1);    // mono
    EXPECT_EQ(u16(34), 16);   // bits per sample
    EXPECT_EQ(std::memcmp(wav.data() + 36, "data", 4), 0);
    EXPECT_EQ(u32(40), wav.size() - 44);
  }
}

// Wherever this runs (an audio device or none), playing never holds up the
// caller: not the first call, which starts the thread that loads winmm (0.4 s
// under Wine), nor a sound over one still sounding (PlaySoundW itself waits up
// to 50 ms for that one to stop), which would hold up nearly every call here.
// A loaded machine holds up a call now and then instead, so the later calls
// are judged by their median, and the first by a bound far above the load.
TEST(SoundPlayer, PlayReturnsAtOnce) {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  Win32SoundPlayer player;
  std::vector<std::int64_t> ms;
  for (int round = 0; round < 3; ++round)
    for (Sound s : kAll) {
      QueryPerformanceCounter(&start);
      player.Play(s);
      QueryPerformanceCounter(&end);
      ms.push_back((end.QuadPart - start.QuadPart) * 1000 / frequency.QuadPart);
      Sleep(30);
    }
  EXPECT_LT(ms.front(), 300) << "the first call";
  std::vector<std::int64_t> later(ms.begin() + 1, ms.end());
  std::nth_element(later.begin(), later.begin() + later.size() / 2, later.end());
  EXPECT_LT(later[later.size() / 2], 15) << "the median of the later calls";
}

// The parent: a file device for ALSA, and this binary once more as the child.
TEST(SoundPlayer, EachSoundReachesTheAudioDeviceOnlyWhileSwitchedOn) {
  const std::wstring dir = lornel::test::FreshDirectory(L"lornel-tests", L"sound");
  const std::wstring sink = lornel::test::Join(dir, L"sink.raw");
  const std::wstring config = lornel::test::Join(dir, L"asound.conf");
  const std::wstring log = lornel::test::Join(dir, L"child.txt");
  wchar_t self[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, self, MAX_PATH);
  const std::string unixSink = lornel::test::UnixPath(sink);
  if (unixSink.empty()) GTEST_SKIP() << "not under Wine: no ALSA to route";
  ASSERT_TRUE(lornel::test::WriteFileBytes(
      config, "pcm.!default {\n  type file\n  slave.pcm { type null }\n  file \"" + unixSink +
                  "\"\n  format \"raw\"\n  truncate false\n}\n"));
  // The prefix's paths run through dosdevices/c: and ALSA_CONFIG_PATH is a list
  // split at colons: readlink gives the path by drive_c.
  const auto quoted = [](const std::wstring& windowsPath) {
    return "'" + lornel::test::UnixPath(windowsPath) + "'";
  };
  const std::optional<int> status = lornel::test::RunUnix(
      "ALSA_CONFIG_PATH=$(readlink -f " + quoted(config) + ") LORNEL_SOUND_SINK=" + quoted(sink) +
          " wine " + quoted(std::wstring(self, n)) + " --gtest_filter=SoundDevice.* >" +
          quoted(log) + " 2>&1",
      60000);
  const std::string output = lornel::test::ReadFileBytes(log).value_or("");
  lornel::test::RemoveFlatDirectory(dir);
  ASSERT_TRUE(status.has_value()) << "the child did not end within a minute";
  EXPECT_EQ(*status, 0) << "the child's SoundDevice tests failed:\n" << output;
  EXPECT_NE(output.find("[  PASSED  ] 2 tests"), std::string::npos) << output;
}

// The child: each sound played alone, and what it wrote counted once the
// device has gone quiet.
struct SoundDevice : ::testing::Test {
  void SetUp() override {
    const std::wstring unix = Variable(kSinkVariable);
    if (!unix.empty()) sink = L"Z:" + unix;  // Wine's drive Z: is the Unix root
    std::replace(sink.begin(), sink.end(), L'/', L'\\');
    if (sink.empty()) GTEST_SKIP() << "runs as the child of EachSoundReachesTheAudioDevice...";
  }
  // A sound starts within 3 s, the first one too (winmm is loaded then).
  Heard Play(lornel::platform::SoundPlayer& to, Sound s) {
    const ULONGLONG before = Written(sink);
    const DWORD start = GetTickCount();
    to.Play(s);
    return HeardAfter(sink, before, start, 3000);
  }
  std::wstring sink;
  Win32SoundPlayer player;
};

TEST_F(SoundDevice, EachSoundReachesTheDeviceWholeAndInTime) {
  // The first sound of a process opens the device for the first time (0.2 to
  // 1 s under Wine on a busy machine); every later one must follow its event.
  player.Prepare();
  ASSERT_GT(Play(player, Sound::Tick).bytes, 0u);
  const res::Blob blobs[] = {res::Blob::SoundCorrect, res::Blob::SoundWrong,   res::Blob::SoundTick,
                             res::Blob::SoundTimeOut, res::Blob::SoundFanfare, res::Blob::SoundGo};
  for (Sound s : kAll) {
    const Heard heard = Play(player, s);
    // Every sample of the sound, played in its own format (Wine may pad to its period).
    EXPECT_GE(heard.bytes, SamplesOf(res::Get(blobs[static_cast<int>(s)]))) << NameOf(s);
    EXPECT_LT(heard.firstMs, 1000u) << NameOf(s);
  }
}

TEST_F(SoundDevice, NothingIsWrittenWhileSwitchedOff) {
  const auto allFour = [&](lornel::platform::SoundPlayer& to) {
    const ULONGLONG before = Written(sink);
    for (Sound s : kAll) to.Play(s);
    Sleep(1500);  // each would have started within this
    return Written(sink) - before;
  };
  SoundSwitch off(player, false);
  EXPECT_EQ(allFour(off), 0u);

  // Switched on and then off again, as by the system menu.
  SoundSwitch toggled(player, true);
  EXPECT_GT(Play(toggled, Sound::Tick).bytes, 0u);
  toggled.SetOn(false);
  EXPECT_EQ(allFour(toggled), 0u);
}

}  // namespace
