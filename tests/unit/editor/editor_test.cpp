// The editor's handlers on the in-memory backend: a teacher opening the file
// beside the editor, editing, pasting, saving, previewing and closing.
#include "editor/editor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>

#include "tests/unit/editor/editor_window.h"
#include "ui/message.h"

namespace lornel::editor {
namespace {

using platform::MessageResult;

class EditorTest : public testing::Test, protected EditorSession {
 protected:
  void Start() {
    editor.openPreview = [this](const PreviewRequest& r) { previewed = r; };
    form.Create();
  }
  std::optional<PreviewRequest> previewed;
};

TEST_F(EditorTest, EditsTheFileBesideItInPlaceKeepingABackup) {
  host.files[fake::kConfigPath] = "; 我的题目\r\n" + config::DefaultConfigText();
  const std::string before = host.files[fake::kConfigPath];
  Start();
  EXPECT_EQ(form.caption(), "C:\\lornel\\wtda.ini - Lornel 题目编辑器");
  EXPECT_EQ(Box(EditorId::CountdownBox), u"0");
  Type(TitleBox(2), u"新题目");
  Type(AnswerBox(2), u"New");
  EXPECT_EQ(form.caption(), "*C:\\lornel\\wtda.ini - Lornel 题目编辑器");
  Click(EditorId::SaveButton);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(form.caption(), "C:\\lornel\\wtda.ini - Lornel 题目编辑器");
  EXPECT_EQ(host.files["C:\\lornel\\wtda.ini.bak"], before);
  EXPECT_EQ(Read(config::kTitleSection, "第二题题目"), "新题目");
  EXPECT_EQ(Read(config::kAnswerSection, "第二题答案"), "New");
  EXPECT_EQ(host.files[fake::kConfigPath].substr(0, 12), "; 我的题目\r\n");
  // Nothing else of the file changed: no line added for the kinds, ways or groups.
  const auto lines = [](const std::string& text) {
    return std::count(text.begin(), text.end(), '\n');
  };
  EXPECT_EQ(lines(host.files[fake::kConfigPath]), lines(before));
  // Typing the old text back is no change any more.
  Type(AnswerBox(2), u"Old");
  Type(AnswerBox(2), u"New");
  EXPECT_EQ(form.caption(), "C:\\lornel\\wtda.ini - Lornel 题目编辑器");
}

TEST_F(EditorTest, WithoutAFileItStartsFromTheDefaultContent) {
  host.files.clear();
  Start();
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(form.caption(), "C:\\lornel\\wtda.ini（新文件） - Lornel 题目编辑器");
  EXPECT_EQ(Box(EditorId::PointsBox), u"1");
  Type(TitleBox(1), u"一加一等于几？");
  Click(EditorId::SaveButton);
  ASSERT_EQ(host.files.count(fake::kConfigPath), 1u);
  EXPECT_EQ(host.files.count("C:\\lornel\\wtda.ini.bak"), 0u);
  EXPECT_EQ(Read(config::kTitleSection, "第一题题目"), "一加一等于几？");
  EXPECT_EQ(Read(config::kPointsSection, config::kPointsKey), "1");
  // A quiz begun here has every switch on, saved with it.
  EXPECT_EQ(Read(config::kJudgingSection, config::kPinyinKey), "1");
  EXPECT_EQ(Read(config::kJudgingSection, config::kLenientKey), "1");
  EXPECT_EQ(Read(config::kSoundSection, config::kSoundKey), "1");
  EXPECT_EQ(Read(config::kGroupsSection, config::kRandomGroupKey), "1");
}

TEST_F(EditorTest, SwitchesOwnValuesAndOtherAnswersOfAFileWithoutThem) {
  Start();
  for (EditorId check : {EditorId::PinyinCheck, EditorId::LenientCheck, EditorId::SoundCheck})
    EXPECT_FALSE(form.IsChecked(int(check)));
  Click(EditorId::PinyinCheck);
  EXPECT_EQ(form.caption()[0], '*');
  Click(EditorId::PinyinCheck);
  EXPECT_EQ(form.caption()[0], 'C');  // off again is no change: nothing to write
  Click(EditorId::SoundCheck);
  Type(OtherAnswersBox(2), u"Beijing|北京市");
  Type(OwnCountdownBox(2), u"45");
  Answer({MessageResult::Yes});  // the keyboard warnings
  Click(EditorId::SaveButton);
  EXPECT_EQ(Read(config::kSoundSection, config::kSoundKey), "1");
  EXPECT_EQ(Read(config::kJudgingSection, config::kPinyinKey), "");
  EXPECT_EQ(host.files[fake::kConfigPath].find("[判题方式：]"), std::string::npos);
  EXPECT_EQ(Read(config::kOtherAnswersSection, "第二题其他答案"), "Beijing|北京市");
  EXPECT_EQ(Read(config::kQuestionCountdownSection, "第二题倒计时"), "45");
  // A "|" at an end is refused, and the box is where the caret goes.
  Type(OtherAnswersBox(2), u"Beijing|");
  Click(EditorId::SaveButton);
  EXPECT_NE(host.messages.back().text.find("第2题其他答案：开头和末尾不能是“|”"),
            std::string::npos);
  EXPECT_EQ(form.LastFocusedEditBox(), int(OtherAnswersBox(2)));
}

TEST_F(EditorTest, APictureFromAnotherFolderIsCopiedBesideTheFileAndSaved) {
  host.files["D:\\相册\\猫.jpg"] = "\xFF\xD8\xFF cat";
  form.pictureDialog = [](const std::string& folder) -> std::optional<std::string> {
    EXPECT_EQ(folder, "C:\\lornel");
    return "D:\\相册\\猫.jpg";
  };
  Start();
  EXPECT_FALSE(form.IsEnabled(int(PictureClear(3))));
  Click(PictureButton(3));
  EXPECT_EQ(host.files["C:\\lornel\\图片\\猫.jpg"], "\xFF\xD8\xFF cat");
  EXPECT_EQ(form.Text(int(PictureName(3))), "猫.jpg");
  EXPECT_TRUE(form.IsEnabled(int(PictureClear(3))));
  Click(EditorId::SaveButton);
  EXPECT_TRUE(host.messages.empty()) << host.messages[0].text;
  EXPECT_EQ(Read(config::kPictureSection, "第三题图片"), "图片\\猫.jpg");
  Click(PictureClear(3));
  EXPECT_EQ(form.Text(int(PictureName(3))), "");
  Click(EditorId::SaveButton);
  EXPECT_EQ(Read(config::kPictureSection, "第三题图片"), "");
  // A read-only folder: told, and the row keeps no picture.
  host.readOnlyDirectories.insert("C:\\lornel\\图片");
  host.files["E:\\狗.jpg"] = "\xFF\xD8\xFF dog";
  form.pictureDialog = [](const std::string&) { return std::optional<std::string>("E:\\狗.jpg"); };
  Click(PictureButton(4));
  EXPECT_NE(host.messages.back().text.find("无法把图片复制到文件夹“C:\\lornel\\图片”里"),
            std::string::npos);
  EXPECT_EQ(form.Text(int(PictureName(4))), "");
  EXPECT_EQ(form.caption()[0], 'C');
}

TEST(EditorFiles, AFileItCannotReadIsNamedAndNeverWritten) {
  const std::pair<std::set<std::string> fake::FakeHost::*, std::string> cases[] = {
      {&fake::FakeHost::directories, "是一个文件夹"},
      {&fake::FakeHost::deniedPaths, "没有权限读取"},
      {&fake::FakeHost::oversizedPaths, "超过 512 MB"}};
  for (const auto& [problem, words] : cases) {
    EditorSession s;
    s.host.files[fake::kConfigPath] = "[答对一题加几分：]\r\n答对一题得分=5\r\n";
    (s.host.*problem).insert(fake::kConfigPath);
    s.form.Create();
    ASSERT_EQ(s.host.messages.size(), 1u) << words;
    EXPECT_NE(s.host.messages[0].text.find(words), std::string::npos);
    EXPECT_EQ(s.Box(EditorId::PointsBox), u"1");  // the default content
    s.Type(TitleBox(1), u"题");
    s.Click(EditorId::SaveButton);
    EXPECT_EQ(s.host.messages.size(), 2u);
    EXPECT_EQ(s.host.files[fake::kConfigPath], "[答对一题加几分：]\r\n答对一题得分=5\r\n");
    EXPECT_EQ(s.host.writes, std::vector<std::string>{"C:\\lornel\\SkinH_EL.dll"});
  }
}

TEST_F(EditorTest, OpeningAnUnreadableFileKeepsTheCurrentOne) {
  Start();
  Type(TitleBox(1), u"还没保存");
  host.directories.insert("D:\\quiz");
  form.openDialog = [](const std::string& from) {
    EXPECT_EQ(from, fake::kConfigPath);
    return std::optional<std::string>("D:\\quiz");
  };
  Answer({MessageResult::No, MessageResult::Ok});  // do not save; then the message
  Click(EditorId::OpenButton);
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_NE(host.messages[1].text.find("是一个文件夹"), std::string::npos);
  EXPECT_EQ(Box(TitleBox(1)), u"还没保存");
  EXPECT_EQ(form.caption(), "*C:\\lornel\\wtda.ini - Lornel 题目编辑器");
}

TEST_F(EditorTest, PasteFillsRowsFromTheFocusedOneAndSaysWhatDidNotFit) {
  Start();
  Type(TitleBox(12), u"");
  host.clipboard = u"问一\t答一\r\n\"两\n行\"\tB\r\n问三\tC\r\n";
  Click(EditorId::PasteButton);
  EXPECT_EQ(Box(TitleBox(12)), u"问一");
  EXPECT_EQ(Box(AnswerBox(12)), u"答一");
  EXPECT_EQ(Box(TitleBox(13)), u"两 行");
  EXPECT_EQ(Box(TitleBox(14)), u"问三");
  EXPECT_EQ(Box(AnswerBox(14)), u"C");
  EXPECT_EQ(Box(TitleBox(11)), u"");
  EXPECT_TRUE(host.messages.empty());
  // Again from row 13: rows with content are replaced only if the teacher agrees.
  Type(AnswerBox(13), u"x");
  Answer({MessageResult::No});
  Click(EditorId::PasteButton);
  EXPECT_EQ(Box(TitleBox(13)), u"两 行");
  Answer({MessageResult::Yes, MessageResult::Ok});
  Click(EditorId::PasteButton);
  EXPECT_EQ(Box(TitleBox(13)), u"问一");
  EXPECT_EQ(Box(TitleBox(14)), u"两 行");
  ASSERT_EQ(host.messages.size(), 3u);
  EXPECT_NE(host.messages[2].text.find("只粘贴了前 2 行"), std::string::npos);
  // One column into an answer box fills answers only.
  Type(AnswerBox(1), u"");
  host.clipboard = u"甲\r\n乙\r\n";
  Click(EditorId::PasteButton);
  EXPECT_EQ(Box(AnswerBox(1)), u"甲");
  EXPECT_EQ(Box(AnswerBox(2)), u"乙");
  EXPECT_EQ(Box(TitleBox(1)), u"");
}

TEST_F(EditorTest, ChecksBeforeSavingNameTheRow) {
  Start();
  const std::string before = host.files[fake::kConfigPath];
  Type(TitleBox(4), u"笑一个\U0001F600");
  Click(EditorId::SaveButton);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages[0].text.find("第4题题目：第4个字符（U+1F600）"), std::string::npos);
  EXPECT_EQ(host.files[fake::kConfigPath], before);
  EXPECT_EQ(form.focused(), int(TitleBox(4)));
  // Warnings: the teacher may save all the same.
  Type(TitleBox(4), u"笑一个");
  Type(AnswerBox(4), u" 北京");
  Type(TitleBox(5), std::u16string(500, u'长'));
  Answer({MessageResult::No});
  Click(EditorId::SaveButton);
  ASSERT_EQ(host.messages.size(), 2u);
  const std::string& warned = host.messages[1].text;
  EXPECT_NE(warned.find("第4题答案：前后的空格"), std::string::npos);
  EXPECT_NE(warned.find("第4题答案：屏幕键盘打不出“空格 北 京”"), std::string::npos);
  EXPECT_NE(warned.find("第5题题目：太长"), std::string::npos);
  EXPECT_EQ(host.files[fake::kConfigPath], before);
  Answer({MessageResult::Yes});
  Click(EditorId::SaveButton);
  EXPECT_EQ(Read(config::kAnswerSection, "第四题答案"), " 北京");
}

TEST_F(EditorTest, SavingKeepsWhatAnotherProgramChangedMeanwhile) {
  Start();
  Type(TitleBox(1), u"编辑器写的");
  host.files[fake::kConfigPath] = "; 记事本加的\r\n" + host.files[fake::kConfigPath];
  Click(EditorId::SaveButton);
  EXPECT_EQ(host.files[fake::kConfigPath].rfind("; 记事本加的\r\n", 0), 0u);
  EXPECT_EQ(Read(config::kTitleSection, "第一题题目"), "编辑器写的");
}

TEST_F(EditorTest, ClosingWithNothingChangedAsksNothing) {
  Start();
  form.UserClose();  // nothing changed: closes without a question
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(form.closeRequested());
}

TEST_F(EditorTest, ClosingWithUnsavedChangesCanCancelDiscardOrSave) {
  Start();
  const std::string before = host.files[fake::kConfigPath];
  Type(AnswerBox(3), u"abc");
  Answer({MessageResult::Cancel});
  form.UserClose();
  EXPECT_FALSE(form.closeRequested());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages[0].text.find("要保存到“C:\\lornel\\wtda.ini”吗"), std::string::npos);
  EXPECT_EQ(host.messages[0].flags & 0xF, ui::kMbYesNoCancel);
  Answer({MessageResult::Yes});
  form.UserClose();
  EXPECT_TRUE(form.destroyed());
  EXPECT_EQ(Read(config::kAnswerSection, "第三题答案"), "abc");
}

TEST_F(EditorTest, PreviewShowsTheFocusedQuestionAsTheClassSeesIt) {
  Start();
  Type(AnswerBox(6), u"x");
  Type(TitleBox(6), u"第六题\r\n两行");
  Click(EditorId::PreviewButton);
  ASSERT_TRUE(previewed);
  EXPECT_EQ(previewed->row, 6);
  EXPECT_EQ(previewed->title, u"第六题 两行");
  EXPECT_EQ(previewed->answerNote, "答案：x");
  Type(AnswerBox(6), u"北京");
  Type(OtherAnswersBox(6), u"Beijing");
  Click(EditorId::PinyinCheck);
  Click(EditorId::PreviewButton);
  EXPECT_EQ(previewed->answerNote, "这些答案都算对：北京 → beijing；Beijing");

  for (const auto& [title, note] : std::vector<std::pair<std::u16string, std::string>>{
           {u"短题目", "题目可以完整显示。"},
           {std::u16string(500, u'长'), "题目太长：需要 11 行，课堂上只能显示 9 行"}}) {
    PreviewWindow preview({6, title}, clock);
    fake::FakeForm& window = preview.form;
    window.Create();
    EXPECT_EQ(window.caption(), "预览：第六题 - Lornel 题目编辑器");
    EXPECT_EQ(window.Text(int(PreviewId::QuestionPanel)), "第六题");
    EXPECT_EQ(window.UnicodeText(int(PreviewId::QuestionLabel)), title);
    EXPECT_EQ(window.Text(int(PreviewId::FitNote)).rfind(note, 0), 0u);
    window.Click(int(PreviewId::CloseButton));
    EXPECT_TRUE(window.destroyed());
  }
}

}  // namespace
}  // namespace lornel::editor
