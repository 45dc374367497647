#include "tests/unit/app/shell_fixture.h"

#include <map>
#include <vector>

namespace lornel::app {

std::string SkinBytes(int number) {
  std::string bytes("\x2E\x53\x48\x45\x00\x03", 6);
  bytes += static_cast<char>(number);
  bytes += std::string(3, '\0');
  bytes += std::string(static_cast<std::size_t>(number), static_cast<char>(number));
  return bytes;
}

resources::Bytes TestBlobs(resources::Blob blob, int number) {
  static std::map<int, std::vector<std::uint8_t>> store;
  const int key = blob == resources::Blob::Skin ? 300 + number : static_cast<int>(blob);
  auto& bytes = store[key];
  if (bytes.empty()) {
    const std::string text = blob == resources::Blob::SkinLibrary ? std::string("MZ-library")
                             : blob == resources::Blob::Skin      ? SkinBytes(number)
                                                                  : std::string();
    bytes.assign(text.begin(), text.end());
  }
  return bytes;
}

ShellTest::ShellTest()
    : window(contract::SampleTable(), clock, events),
      shell{host, {"C:\\lornel", "lornel.exe"}, Context{MainForm(window), host}, {}, {}} {
  resources::SetProvider(TestBlobs);
  host.directories.insert("C:\\lornel");
  host.loadablePaths.insert(kLibrary);
}

ShellTest::~ShellTest() { resources::SetProvider(nullptr); }

}  // namespace lornel::app
