// A question's kind, options and way, buzz-in's values and the groups, as a
// teacher sets them in the editor: the menus of the 题型 and 方式 buttons, the
// option boxes below the rows, the paste and the preview.
#include <gtest/gtest.h>

#include <optional>

#include "config/config.h"
#include "tests/unit/editor/editor_window.h"
#include "ui/message.h"

namespace lornel::editor {
namespace {

using platform::MessageResult;

class QuestionSetup : public testing::Test, protected EditorSession {
 protected:
  QuestionSetup() {
    editor.openPreview = [this](const PreviewRequest& r) { previewed = r; };
    form.Create();
  }
  // A row's menu button pressed and one of its items chosen.
  void Choose(EditorId button, EditorCommand item) {
    form.menuAnswer = [item](const std::vector<ui::MenuLine>&) { return int(item); };
    Click(button);
  }
  // The checked items of the last menu shown.
  std::vector<int> Checked() {
    std::vector<int> checked;
    for (const ui::MenuLine& line : form.menus.back())
      if (line.checked) checked.push_back(line.command);
    return checked;
  }
  std::string Shown(EditorId control) { return form.Text(int(control)); }
  bool OptionsShown() { return form.IsVisible(int(OptionBox(1))); }
  std::string ReadKey(const char* section, int n, const char* what) {
    return Read(section, config::QuestionKey(n, what));
  }
  std::optional<PreviewRequest> previewed;
};

TEST_F(QuestionSetup, AChoiceQuestionIsMadeWithItsOptionsAndSaved) {
  Type(TitleBox(9), u"地球上最大的海洋是什么？");
  Choose(KindButton(9), EditorCommand::KindChoice);
  EXPECT_EQ(Checked(), std::vector<int>{int(EditorCommand::KindTyped)});
  EXPECT_EQ(Shown(KindButton(9)), "选择");
  EXPECT_EQ(Shown(EditorId::OptionsLabel), "第9题的选项：");
  EXPECT_TRUE(OptionsShown());
  EXPECT_EQ(form.focused(), int(OptionBox(1)));
  const std::u16string oceans[] = {u"太平洋", u"大西洋", u"印度洋 ", u"北冰洋"};
  for (int i = 1; i <= 4; ++i) Type(OptionBox(i), oceans[i - 1]);
  Type(AnswerBox(9), u"a");
  EXPECT_TRUE(Modified());
  // Another row's box shows that row below; coming back shows row 9's options again.
  Type(TitleBox(3), u"三");
  EXPECT_EQ(Shown(EditorId::OptionsLabel), "第3题：");
  EXPECT_FALSE(OptionsShown());
  EXPECT_NE(Shown(EditorId::OptionsNote).find("填空题"), std::string::npos);
  form.Focus(int(OtherAnswersBox(9)));
  EXPECT_EQ(Box(OptionBox(3)), u"印度洋");
  Click(EditorId::SaveButton);
  EXPECT_TRUE(host.messages.empty()) << host.messages[0].text;
  EXPECT_EQ(ReadKey(config::kKindSection, 9, "题型"), "选择");
  EXPECT_EQ(ReadKey(config::kOptionsSection, 9, "选项"), "太平洋 | 大西洋 | 印度洋 | 北冰洋");
  EXPECT_FALSE(Modified());

  // A letter beyond the options is refused, the caret put in the answer.
  Type(AnswerBox(9), u"E");
  Click(EditorId::SaveButton);
  EXPECT_TRUE(Said("第9题答案：“E”不对：答案填正确选项的字母（A 到 D）"));
  EXPECT_EQ(form.focused(), int(AnswerBox(9)));
  // An empty option in between: the options of its row shown, the caret in them.
  Type(AnswerBox(9), u"Ｄ");
  Type(OptionBox(2), u"");
  form.Focus(int(TitleBox(1)));
  Click(EditorId::SaveButton);
  EXPECT_TRUE(Said("第9题选项：选项B是空的"));
  EXPECT_EQ(Shown(EditorId::OptionsLabel), "第9题的选项：");
  EXPECT_EQ(form.focused(), int(OptionBox(1)));
  // Back to typed: the file says 填空 and keeps the options for later.
  Choose(KindButton(9), EditorCommand::KindTyped);
  EXPECT_FALSE(OptionsShown());
  Click(EditorId::SaveButton);
  EXPECT_EQ(ReadKey(config::kKindSection, 9, "题型"), "填空");
  EXPECT_EQ(ReadKey(config::kOptionsSection, 9, "选项"), "太平洋 |  | 印度洋 | 北冰洋");
}

TEST_F(QuestionSetup, WaysBuzzInValuesAndGroupsAreSavedAndReadBack) {
  EXPECT_EQ(Shown(WayButton(5)), "指定");
  Choose(WayButton(5), EditorCommand::WayBuzz);
  EXPECT_EQ(Checked(), std::vector<int>{int(EditorCommand::WayDefault)});
  EXPECT_EQ(form.menus.back()[0].text, "按默认（指定）");
  Choose(EditorId::DefaultWayButton, EditorCommand::WayEveryone);
  EXPECT_EQ(Checked(), std::vector<int>{int(EditorCommand::WayAssigned)});
  // The default's menu has no "按默认"; the rows that follow it show it.
  EXPECT_EQ(form.menus.back().size(), 3u);
  EXPECT_EQ(Shown(WayButton(1)), "全体");
  EXPECT_EQ(Shown(WayButton(5)), "抢答");
  Choose(WayButton(6), EditorCommand::WayAssigned);  // its own, though it was the default's
  Type(EditorId::BuzzSecondsBox, u"10");
  Type(EditorId::FoulPenaltyBox, u"1");
  Type(BuzzKeyBox(2), u" q ");
  Type(EditorId::GroupCountBox, u"4");
  Click(EditorId::RandomGroupCheck);
  Click(EditorId::SaveButton);
  EXPECT_TRUE(host.messages.empty()) << host.messages[0].text;
  EXPECT_EQ(Read(config::kWaySection, config::kWayKey), "全体");
  EXPECT_EQ(ReadKey(config::kWaySection, 5, "方式"), "抢答");
  EXPECT_EQ(ReadKey(config::kWaySection, 6, "方式"), "指定");
  EXPECT_EQ(ReadKey(config::kWaySection, 1, "方式"), "");
  EXPECT_EQ(Read(config::kBuzzSection, config::kBuzzSecondsKey), "10");
  EXPECT_EQ(Read(config::kBuzzSection, config::kWrongPenaltyKey), "");
  EXPECT_EQ(Read(config::kBuzzKeySection, config::GroupKey(2)), "q");
  EXPECT_EQ(Read(config::kGroupsSection, config::kGroupCountKey), "4");
  EXPECT_EQ(Read(config::kGroupsSection, config::kRandomGroupKey), "1");

  // Reopened: the same captions.
  EditorSession again;
  again.host.files[fake::kConfigPath] = host.files[fake::kConfigPath];
  again.form.Create();
  EXPECT_EQ(again.form.Text(int(WayButton(5))), "抢答");
  EXPECT_EQ(again.form.Text(int(WayButton(2))), "全体");
  EXPECT_EQ(again.form.Text(int(EditorId::DefaultWayButton)), "全体");
  EXPECT_TRUE(again.form.IsChecked(int(EditorId::RandomGroupCheck)));
  EXPECT_EQ(again.Box(BuzzKeyBox(2)), u"q");
  // A key the program uses itself, or another group's.
  again.Type(BuzzKeyBox(3), u"空格");
  again.Type(BuzzKeyBox(4), u"1");
  again.Click(EditorId::SaveButton);
  EXPECT_TRUE(again.Said("第3组抢答键：“空格”是课堂程序自己用的键"));
  EXPECT_TRUE(again.Said("第4组抢答键：“1”也是第1组的抢答键"));
  EXPECT_EQ(again.form.focused(), int(BuzzKeyBox(3)));
  // A save that changes something else keeps every one of them.
  again.Type(BuzzKeyBox(3), u"");
  again.Type(BuzzKeyBox(4), u"");
  again.Type(TitleBox(1), u"新题");
  again.Click(EditorId::SaveButton);
  EXPECT_EQ(again.Read(config::kTitleSection, "第一题题目"), "新题");
  EXPECT_EQ(again.host.files[fake::kConfigPath],
            *config::WriteIniValue(host.files[fake::kConfigPath], config::kTitleSection,
                                   "第一题题目", "新题"));
}

TEST_F(QuestionSetup, PasteTakesOptionsAndTrueFalseAnswers) {
  host.clipboard =
      u"题目\t答案\t选项A\t选项B\r\n"
      u"最大的海洋？\tA\t太平洋\t大西洋\t\r\n"
      u"鲸是鱼吗？\t错\r\n"
      u"一加一？\t2\r\n"
      u"七个？\tG\t1\t2\t3\t4\t5\t6\t7\r\n";
  Click(TitleBox(5));
  Click(EditorId::PasteButton);
  EXPECT_EQ(Box(TitleBox(5)), u"最大的海洋？");
  EXPECT_EQ(Shown(KindButton(5)), "选择");
  EXPECT_EQ(Box(OptionBox(2)), u"大西洋");
  EXPECT_EQ(Box(OptionBox(3)), u"");
  EXPECT_EQ(Shown(KindButton(6)), "判断");
  EXPECT_EQ(Shown(KindButton(7)), "填空");
  form.Focus(int(TitleBox(8)));
  EXPECT_EQ(Box(OptionBox(6)), u"6 | 7");  // the seventh kept, for the check to name
  Click(EditorId::SaveButton);
  EXPECT_TRUE(Said("第8题选项：最多六个选项（A 到 F），这里有 7 个。"));
  EXPECT_EQ(host.files[fake::kConfigPath], config::DefaultConfigText());
  Type(OptionBox(6), u"6");
  Type(AnswerBox(8), u"f");
  Click(EditorId::SaveButton);
  EXPECT_EQ(ReadKey(config::kKindSection, 6, "题型"), "判断");
  EXPECT_EQ(ReadKey(config::kKindSection, 7, "题型"), "");
  EXPECT_EQ(ReadKey(config::kOptionsSection, 5, "选项"), "太平洋 | 大西洋");
}

TEST_F(QuestionSetup, ThePreviewShowsTheButtonsTheClassWillTap) {
  Type(TitleBox(2), u"哪个是海洋？");
  Choose(KindButton(2), EditorCommand::KindChoice);
  Type(OptionBox(1), u"太平洋");
  Type(OptionBox(2), std::u16string(80, u'长'));
  Type(OptionBox(3), u"长江");
  Type(AnswerBox(2), u"ac");
  Click(EditorId::PreviewButton);
  ASSERT_TRUE(previewed);
  EXPECT_EQ(previewed->row, 2);
  ASSERT_EQ(previewed->options.size(), 3u);
  EXPECT_EQ(previewed->options[0], "A 太平洋");
  EXPECT_EQ(previewed->answerNote, "答案（都要选上）：A 太平洋、C 长江");
  EXPECT_FALSE(previewed->optionsWhole) << previewed->optionsNote;
  EXPECT_NE(previewed->optionsNote.find("第2题选项B：太长"), std::string::npos);

  PreviewWindow preview(*previewed, clock);
  preview.form.Create();
  EXPECT_EQ(preview.form.Text(int(OptionButton(3))), "C 长江");
  EXPECT_TRUE(preview.form.IsVisible(int(OptionButton(3))));
  EXPECT_FALSE(preview.form.IsVisible(int(OptionButton(4))));

  // True/false, and a choice the board would play as typed.
  Choose(KindButton(2), EditorCommand::KindTrueFalse);
  Type(AnswerBox(2), u"√");
  Click(EditorId::PreviewButton);
  EXPECT_EQ(previewed->options, (std::vector<std::string>{"√ 对", "× 错"}));
  EXPECT_EQ(previewed->answerNote, "答案：对");
  Choose(KindButton(2), EditorCommand::KindChoice);
  Click(EditorId::PreviewButton);
  EXPECT_TRUE(previewed->options.empty());
  EXPECT_NE(previewed->answerNote.find("会按填空题出"), std::string::npos);
}

}  // namespace
}  // namespace lornel::editor
