// The editor and a file that another program changes while it is open: the
// save merges, activation loads it again, log-off asks as closing does.
#include <gtest/gtest.h>

#include <optional>

#include "config/config.h"
#include "tests/unit/editor/editor_window.h"
#include "ui/message.h"

namespace lornel::editor {
namespace {

using platform::MessageResult;

const std::string kTitle9 = config::QuestionTitleKey(9);
const std::string kAnswer1 = config::QuestionAnswerKey(1);

// The editor open on the default file.
struct Open : EditorSession {
  Open() { form.Create(); }
  // Notepad saves the file with one value changed.
  void ChangeOutside(const std::string& section, const std::string& key, const std::string& v) {
    host.files[fake::kConfigPath] =
        *config::WriteIniValue(host.files[fake::kConfigPath], section, key, v);
  }
};

TEST(EditorSync, SavingKeepsWhatTheFileAloneChangedAndShowsIt) {
  Open o;
  o.ChangeOutside(config::kTitleSection, kTitle9, "同事改的");
  o.ChangeOutside(config::kCountdownSection, config::kCountdownKey, "20");
  o.Type(AnswerBox(1), u"mine");
  // The same change on both sides is no question either.
  o.ChangeOutside(config::kPointsSection, config::kPointsKey, "5");
  o.Type(EditorId::PointsBox, u" 5");
  o.Click(EditorId::SaveButton);
  EXPECT_TRUE(o.host.messages.empty());
  EXPECT_EQ(o.Read(config::kTitleSection, kTitle9), "同事改的");
  EXPECT_EQ(o.Read(config::kAnswerSection, kAnswer1), "mine");
  EXPECT_EQ(o.Read(config::kCountdownSection, config::kCountdownKey), "20");
  EXPECT_EQ(o.Read(config::kPointsSection, config::kPointsKey), "5");
  EXPECT_EQ(o.Box(TitleBox(9)), u"同事改的");
  EXPECT_EQ(o.Box(EditorId::CountdownBox), u"20");
  EXPECT_FALSE(o.Modified());
}

TEST(EditorSync, ValuesBothSidesChangedAskOnceBeforeAnythingIsWritten) {
  for (const MessageResult answer :
       {MessageResult::Yes, MessageResult::No, MessageResult::Cancel}) {
    Open o;
    o.Type(TitleBox(9), u"我的");
    o.Type(AnswerBox(2), u"m");
    o.Type(EditorId::CountdownBox, u"10");
    o.Type(EditorId::PointsBox, u"2");
    o.Type(AnswerBox(1), u"mine");
    o.ChangeOutside(config::kTitleSection, kTitle9, "他的");
    o.ChangeOutside(config::kAnswerSection, config::QuestionAnswerKey(2), "t");
    o.ChangeOutside(config::kCountdownSection, config::kCountdownKey, "20");
    o.ChangeOutside(config::kPointsSection, config::kPointsKey, "3");
    const std::string disk = o.host.files[fake::kConfigPath];
    o.Answer({answer});
    o.Click(EditorId::SaveButton);
    ASSERT_EQ(o.host.messages.size(), 1u) << o.host.messages.back().text;
    const fake::ShownMessage& asked = o.host.messages[0];
    EXPECT_NE(asked.text.find("第9题 题目：编辑器里是“我的”，文件里是“他的”"), std::string::npos);
    EXPECT_EQ(asked.flags & 0xF, ui::kMbYesNoCancel);
    // Owned by the editor, modal to it alone.
    EXPECT_EQ(asked.owner, o.form.OwnerHandle());
    EXPECT_EQ(asked.flags & ui::kMbTaskModal, 0u);
    if (answer == MessageResult::Cancel) {
      EXPECT_EQ(o.host.files[fake::kConfigPath], disk);
      EXPECT_EQ(o.Box(TitleBox(9)), u"我的");
      EXPECT_TRUE(o.Modified());
      continue;
    }
    const bool mine = answer == MessageResult::Yes;
    EXPECT_EQ(o.Read(config::kTitleSection, kTitle9), mine ? "我的" : "他的");
    EXPECT_EQ(o.Read(config::kAnswerSection, config::QuestionAnswerKey(2)), mine ? "m" : "t");
    EXPECT_EQ(o.Read(config::kCountdownSection, config::kCountdownKey), mine ? "10" : "20");
    EXPECT_EQ(o.Read(config::kPointsSection, config::kPointsKey), mine ? "2" : "3");
    EXPECT_EQ(o.Read(config::kAnswerSection, kAnswer1), "mine");
    EXPECT_EQ(o.Box(EditorId::PointsBox), mine ? u"2" : u"3");
    EXPECT_FALSE(o.Modified());
  }
}

TEST(EditorSync, ActivationLoadsAFileChangedOutsideOnlyWhenNothingIsUnsaved) {
  Open o;
  o.form.Focus(int(TitleBox(3)));
  o.ChangeOutside(config::kTitleSection, config::QuestionTitleKey(3), "外面改的");
  o.form.Activate();
  EXPECT_EQ(o.Box(TitleBox(3)), u"外面改的");
  EXPECT_EQ(o.form.focused(), int(TitleBox(3)));
  EXPECT_FALSE(o.Modified());
  // Closing our own box activates the window while the paste still runs.
  o.host.clipboard = u"新\t答\r\n";
  o.host.answerer = [&](const fake::ShownMessage&) {
    o.ChangeOutside(config::kTitleSection, kTitle9, "外面改的");
    o.form.Activate();
    return MessageResult::No;
  };
  o.Click(EditorId::PasteButton);
  ASSERT_EQ(o.host.messages.size(), 1u);
  EXPECT_EQ(o.Box(TitleBox(9)), u"");
  o.form.Activate();
  EXPECT_EQ(o.Box(TitleBox(9)), u"外面改的");

  // Unsaved changes: the boxes stay as they are until the save merges.
  o.Type(AnswerBox(1), u"typed");
  o.ChangeOutside(config::kTitleSection, kTitle9, "又改了");
  o.form.Activate();
  EXPECT_EQ(o.Box(TitleBox(9)), u"外面改的");
  EXPECT_EQ(o.Box(AnswerBox(1)), u"typed");
  EXPECT_EQ(o.host.messages.size(), 1u);
}

TEST(EditorSync, LogOffAndShutdownAskAsClosingDoes) {
  {
    Open o;  // nothing unsaved: the session ends without a question
    EXPECT_THROW(o.form.EndSession(), fake::ProcessExit);
    EXPECT_TRUE(o.host.messages.empty());
  }
  for (const MessageResult answer :
       {MessageResult::Cancel, MessageResult::No, MessageResult::Yes}) {
    Open o;
    const std::string before = o.host.files[fake::kConfigPath];
    o.Type(AnswerBox(1), u"abc");
    o.Answer({answer});
    if (answer == MessageResult::Cancel) {
      EXPECT_FALSE(o.form.EndSession());
      EXPECT_TRUE(o.Modified());
    } else {
      EXPECT_THROW(o.form.EndSession(), fake::ProcessExit);
    }
    ASSERT_EQ(o.host.messages.size(), 1u);
    EXPECT_NE(o.host.messages[0].text.find("题目已经修改。要保存到"), std::string::npos);
    if (answer == MessageResult::Yes)
      EXPECT_EQ(o.Read(config::kAnswerSection, kAnswer1), "abc");
    else
      EXPECT_EQ(o.host.files[fake::kConfigPath], before);
  }
}

}  // namespace
}  // namespace lornel::editor
