// "开始答题": lornel.exe beside the editor started on the file it reads,
// after the save question; the wrong file, a missing program and a copy
// that runs already each said in a sentence, and nothing started.
#include <gtest/gtest.h>

#include "platform/quiz_program.h"
#include "quiz/main_ids.h"
#include "tests/unit/editor/editor_window.h"
#include "ui/message.h"

namespace lornel::editor {
namespace {

using platform::MessageResult;

class PlayTest : public testing::Test, protected EditorSession {
 protected:
  PlayTest() {
    host.files[fake::kProgramPath] = "MZ";
    form.Create();
  }
  void Play() { Click(EditorId::PlayButton); }
};

TEST_F(PlayTest, UnsavedChangesAreSavedKeptOrTheStartCancelled) {
  const std::string before = host.files[fake::kConfigPath];
  form.SetUnicodeText(int(TitleBox(1)), u"新题目");
  Answer({MessageResult::Cancel});
  Play();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_TRUE(Said("题目已经修改。开始答题前要先保存到“C:\\lornel\\wtda.ini”吗？"));
  EXPECT_EQ(host.messages[0].flags & 0xF, ui::kMbYesNoCancel);
  EXPECT_TRUE(host.started.empty());

  Answer({MessageResult::No});
  Play();
  ASSERT_EQ(host.started.size(), 1u);
  EXPECT_EQ(host.started[0].path, fake::kProgramPath);
  EXPECT_EQ(host.started[0].directory, "C:\\lornel");
  EXPECT_EQ(host.files[fake::kConfigPath], before);

  host.runningWindows.clear();  // the class closed it
  Answer({MessageResult::Yes});
  Play();
  EXPECT_EQ(Read(config::kTitleSection, "第一题题目"), "新题目");
  EXPECT_EQ(host.started.size(), 2u);
  EXPECT_EQ(host.messages.size(), 3u);
}

TEST_F(PlayTest, ARefusedSaveStartsNothing) {
  form.SetUnicodeText(int(TitleBox(1)), u"笑\U0001F600");  // refused by the checks
  Answer({MessageResult::Yes, MessageResult::Ok});
  Play();
  EXPECT_TRUE(Said("还不能保存"));
  host.readOnlyDirectories.insert("C:\\lornel");  // refused by the folder
  form.SetUnicodeText(int(TitleBox(1)), u"笑");
  Answer({MessageResult::Yes, MessageResult::Ok});
  Play();
  EXPECT_TRUE(Said("无法保存"));
  EXPECT_TRUE(host.started.empty());
}

TEST_F(PlayTest, OnlyTheFileBesideTheProgramIsPlayed) {
  // Another spelling of the same file is that file.
  editor.path = "c:\\LORNEL\\WTDA.INI";
  Play();
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(host.started.size(), 1u);

  host.runningWindows.clear();
  editor.path = "D:\\备课\\wtda.ini";
  Play();
  EXPECT_TRUE(Said("课堂程序只读取它旁边的 wtda.ini；现在打开的是“D:\\备课\\wtda.ini”"));
  EXPECT_TRUE(Said("“C:\\lornel\\wtda.ini”"));

  editor.path = fake::kConfigPath;
  host.files.erase(fake::kProgramPath);
  Play();
  EXPECT_TRUE(Said("编辑器所在的文件夹“C:\\lornel”里没有课堂程序 lornel.exe"));
  EXPECT_EQ(host.started.size(), 1u);
}

TEST_F(PlayTest, ACopyThatRunsIsBroughtForwardAndNoSecondStarted) {
  host.runningWindows["C:\\Lornel\\LORNEL.EXE"] = 77;
  Play();
  EXPECT_TRUE(Said("课堂程序已经在运行"));
  EXPECT_TRUE(Said("保存的修改从下一次打开题目起生效"));
  EXPECT_EQ(host.broughtToFront, std::vector<platform::Handle>{77});
  EXPECT_TRUE(host.started.empty());

  // A lornel.exe from another folder holds the marker: starting this one
  // would only show the notice.
  host.runningWindows.clear();
  host.existingMutexes.insert("lornel.exe");
  Play();
  EXPECT_TRUE(Said("不是这个文件夹里的课堂程序"));
  EXPECT_TRUE(host.started.empty());
  EXPECT_EQ(host.broughtToFront.size(), 1u);
}

// The editor finds a running copy by the title lornel.exe's table gives its window.
TEST(PlayContract, TheQuizWindowHasTheTitleTheEditorLooksFor) {
  EXPECT_STREQ(quiz::MainTable().window.caption, platform::kQuizWindowTitle);
}

}  // namespace
}  // namespace lornel::editor
