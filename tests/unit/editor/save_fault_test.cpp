// A refused save names the file that refused it and changes nothing.
#include <gtest/gtest.h>

#include "config/config.h"
#include "editor/editor.h"
#include "tests/support/clock.h"
#include "tests/support/fake_form.h"
#include "tests/support/fake_host.h"
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
    fake::Clock clock;
    fake::FakeHost host;
    host.systemSearchFinds = true;
    host.files[kPath] = config::DefaultConfigText();
    host.files[kBackup] = "old backup";
    c.arrange(host);
    EditorWindow window(host, clock, "C:\\课堂");
    fake::FakeForm& form = window.form;
    window.editor.openPreview = [](const PreviewRequest&) {};
    form.Create();
    form.SetUnicodeText(int(TitleBox(1)), u"题");
    form.Click(int(EditorId::SaveButton));
    ASSERT_EQ(host.messages.size(), 1u) << c.named;
    EXPECT_NE(host.messages[0].text.find(c.named), std::string::npos) << host.messages[0].text;
    EXPECT_EQ(host.files[kPath], config::DefaultConfigText());
    if (!host.directories.count(kBackup)) {
      EXPECT_EQ(host.files[kBackup], "old backup");
    }
  }
}

}  // namespace
}  // namespace lornel::editor
