// The two files the program writes, with the process killed in the middle of
// the write: the next start must find the file absent or whole, never cut.
#include <gtest/gtest.h>

#include "app/shell.h"
#include "common/skins.h"
#include "config/config.h"
#include "quiz/main_ids.h"
#include "resources/embedded.h"
#include "tests/support/clock.h"
#include "tests/support/fake_form.h"
#include "tests/support/fake_host.h"

namespace lornel::abuse {
namespace {

struct Killed {};

// Dies half way through the first write, leaving half of the bytes in a
// temporary beside the file. The loader takes only a whole library.
class KilledHost : public fake::FakeHost {
 public:
  bool alive = false;
  std::string library;

  bool CreateFileAtomically(const std::string& path, std::string_view bytes) override {
    if (!alive) Die(path + ".~tmp1", bytes);
    return FakeHost::CreateFileAtomically(path, bytes);
  }
  platform::Handle LoadLibraryAt(const std::string& path) override {
    const auto found = files.find(path);
    if (found == files.end() || found->second != library) return 0;
    return FakeHost::LoadLibraryAt(path);
  }

 private:
  [[noreturn]] void Die(const std::string& path, std::string_view bytes) {
    files[path] = std::string(bytes.substr(0, bytes.size() / 2));
    throw Killed{};
  }
};

// The native build carries no library image: a stand-in of a few kilobytes.
resources::Bytes StandIns(resources::Blob blob, int) {
  static const std::string image = "MZ" + std::string(4094, '\x5A');
  static const std::string skin = ".SHE" + std::string(60, '\x01');
  const std::string& bytes = blob == resources::Blob::SkinLibrary ? image : skin;
  return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
}

class KilledWriteTest : public testing::Test {
 protected:
  KilledWriteTest() {
    resources::SetProvider(StandIns);
    host.directories.insert("C:\\lornel");
    host.loadablePaths.insert(fake::kLibraryPath);
    const resources::Bytes image = resources::Get(resources::Blob::SkinLibrary);
    host.library.assign(reinterpret_cast<const char*>(image.data()), image.size());
  }
  ~KilledWriteTest() override { resources::SetProvider(nullptr); }
  // A process start: the program directory and the shell with its context.
  app::Shell NewShell() {
    return app::Shell{host,
                      {"C:\\lornel", "lornel.exe"},
                      Context{MainForm(window), host, fake::kConfigPath},
                      {},
                      {}};
  }

  fake::Clock clock;
  KilledHost host;
  struct : ui::EventSink {
    void OnControlEvent(const ui::ControlEvent&) override {}
  } sink;
  fake::FakeForm window{quiz::MainTable(), clock, sink};
};

TEST_F(KilledWriteTest, TheLibraryIsWrittenWholeOrNotAtAll) {
  ASSERT_FALSE(host.library.empty());
  app::Shell first = NewShell();
  EXPECT_THROW(app::EnsureSkinLibrary(first), Killed);
  EXPECT_EQ(host.files.count(fake::kLibraryPath), 0u)
      << "a cut library stands where the next start looks";
  host.alive = true;
  app::Shell next = NewShell();
  app::ApplySkin(next, 12);  // ends the "process" with the fatal report if it cannot load
  EXPECT_EQ(host.files.at(fake::kLibraryPath), host.library);
  EXPECT_EQ(host.attributes[fake::kLibraryPath], 0x2u);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(KilledWriteTest, TheDefaultFileIsWrittenWholeOrNotAtAll) {
  EXPECT_THROW(config::WriteDefaultConfig(host, fake::kConfigPath), Killed);
  EXPECT_FALSE(config::ConfigFileExists(host, fake::kConfigPath));
  host.alive = true;
  config::WriteDefaultConfig(host, fake::kConfigPath);
  EXPECT_EQ(host.files.at(fake::kConfigPath), config::DefaultConfigText());
  // The leftover of the killed write is not taken for the file.
  EXPECT_EQ(
      config::ReadConfigValue(host, fake::kConfigPath, config::kPointsSection, config::kPointsKey),
      "1");
}

}  // namespace
}  // namespace lornel::abuse
