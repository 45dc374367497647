// A refused save names the file that refused it and changes nothing.
#include <gtest/gtest.h>

#include "config/config.h"
#include "tests/unit/editor/editor_window.h"

namespace lornel::editor {
namespace {

constexpr const char* kPath = "C:\\课堂\\wtda.ini";
constexpr const char* kBackup = "C:\\课堂\\wtda.ini.bak";

TEST(EditorSaveFaults, TheMessageNamesTheFileAtFault) {
  struct Case {
    void (*arrange)(fake::FakeHost&);
    std::string named;
  };
  const Case cases[] = {
      {[](fake::FakeHost& h) { h.deniedPaths.insert(kBackup); }, "“C:\\课堂\\wtda.ini.bak”"},
      {[](fake::FakeHost& h) { h.directories.insert(kBackup); },
       "“C:\\课堂\\wtda.ini.bak”是一个文件夹"},
      {[](fake::FakeHost& h) { h.readOnlyDirectories.insert("C:\\课堂"); }, "文件夹“C:\\课堂”"}};
  for (const Case& c : cases) {
    EditorSession s("C:\\课堂");
    s.host.files[kBackup] = "old backup";
    c.arrange(s.host);
    s.form.Create();
    s.form.SetUnicodeText(int(TitleBox(1)), u"题");
    s.Click(EditorId::SaveButton);
    ASSERT_EQ(s.host.messages.size(), 1u) << c.named;
    EXPECT_NE(s.host.messages[0].text.find(c.named), std::string::npos) << s.host.messages[0].text;
    EXPECT_EQ(s.host.files[kPath], config::DefaultConfigText());
    if (!s.host.directories.count(kBackup)) {
      EXPECT_EQ(s.host.files[kBackup], "old backup");
    }
  }
}

}  // namespace
}  // namespace lornel::editor
