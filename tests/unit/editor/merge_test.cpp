// Merging the editor's values with a file changed meanwhile, value by value.
#include "editor/merge.h"

#include <gtest/gtest.h>

namespace lornel::editor {
namespace {

Quiz Base() {
  Quiz q;
  for (int n = 1; n <= config::kQuestionCount; ++n) {
    q.titles[n - 1] = u"题" + std::u16string(1, char16_t(u'0' + n % 10));
    q.answers[n - 1] = u"a";
  }
  q.countdown = u"30";
  q.points = u"1";
  return q;
}

// As the save hands them over.
Merged Merge(const Quiz& base, const Quiz& mine, const Quiz& theirs) {
  return MergeQuiz(Normalized(base), Normalized(mine), Normalized(theirs));
}

TEST(MergeQuiz, AValueChangedOnOneSideOrAlikeOnBothIsNoQuestion) {
  const Quiz base = Base();
  Quiz mine = base, theirs = base;
  mine.answers[0] = u"b";      // the editor only
  theirs.titles[8] = u"新九";  // the file only
  theirs.points = u"3";
  mine.countdown = u"45";  // both, alike as saved
  theirs.countdown = u" 45";
  mine.titles[1] = u"两\r\n行";  // a line break typed is the space the file holds
  theirs.titles[1] = u"两 行";
  const Merged m = Merge(base, mine, theirs);
  EXPECT_TRUE(m.conflicts.empty());
  EXPECT_EQ(m.keepingMine, m.keepingTheirs);
  EXPECT_EQ(m.keepingMine.answers[0], u"b");
  EXPECT_EQ(m.keepingMine.titles[8], u"新九");
  EXPECT_EQ(m.keepingMine.points, u"3");
  EXPECT_EQ(m.keepingMine.countdown, u"45");
  EXPECT_EQ(m.keepingMine.titles[1], u"两 行");
}

TEST(MergeQuiz, ValuesChangedDifferentlyOnBothSidesAreListedInOneQuestion) {
  const Quiz base = Base();
  Quiz mine = base, theirs = base;
  mine.titles[8] = u"我的第九题";
  theirs.titles[8] = u"同事的第九题，写得很长很长很长很长很长很长很长";
  mine.answers[1] = u"";
  theirs.answers[1] = u"c";
  mine.countdown = u"10";
  theirs.countdown = u"20";
  mine.points = u"2";
  theirs.points = u"3";
  const Merged m = Merge(base, mine, theirs);
  ASSERT_EQ(m.conflicts.size(), 4u);
  EXPECT_EQ(m.conflicts[0].field, (Field{FieldKind::Title, 9}));
  EXPECT_EQ(m.conflicts[1].field, (Field{FieldKind::Answer, 2}));
  EXPECT_EQ(m.conflicts[3].field, (Field{FieldKind::Points, 0}));
  EXPECT_EQ(m.keepingMine, Normalized(mine));
  EXPECT_EQ(m.keepingTheirs, Normalized(theirs));

  const std::string q = ConflictQuestion("“C:\\q.ini”", m.conflicts);
  EXPECT_EQ(q.rfind("“C:\\q.ini”在编辑器打开之后被别的程序改过", 0), 0u) << q;
  for (const char* line :
       {"\r\n第9题 "
        "题目：编辑器里是“我的第九题”，文件里是“同事的第九题，写得很长很长很长很长很长…”",
        "\r\n第2题 答案：编辑器里是（空），文件里是“c”", "\r\n倒计时：编辑器里是“10”，文件里是“20”",
        "\r\n得分：编辑器里是“2”，文件里是“3”",
        "按“是”保留编辑器里的内容，按“否”改用文件里的内容，按“取消”什么也不保存。"})
    EXPECT_NE(q.find(line), std::string::npos) << line << "\n" << q;
}

TEST(MergeQuiz, TheQuestionsOwnValuesAndTheSwitchesMergeLikeTheRest) {
  const Quiz base = Base();
  Quiz mine = base, theirs = base;
  mine.otherAnswers[2] = u"b|c";         // the editor only
  theirs.pictures[3] = u"图片\\猫.jpg";  // the file only
  mine.pinyin = u"1";                    // both, differently
  theirs.pinyin = u"0";
  mine.ownCountdowns[0] = u"20 ";  // both, alike as saved
  theirs.ownCountdowns[0] = u"20";
  const Merged m = Merge(base, mine, theirs);
  ASSERT_EQ(m.conflicts.size(), 1u);
  EXPECT_EQ(m.conflicts[0].field, (Field{FieldKind::Pinyin, 0}));
  EXPECT_EQ(m.keepingMine.otherAnswers[2], u"b|c");
  EXPECT_EQ(m.keepingMine.pictures[3], u"图片\\猫.jpg");
  EXPECT_EQ(m.keepingMine.pinyin, u"1");
  EXPECT_EQ(m.keepingTheirs.pinyin, u"0");
  EXPECT_NE(ConflictQuestion("“q”", m.conflicts).find("拼音作答：编辑器里是“开”，文件里是“关”"),
            std::string::npos);
}

}  // namespace
}  // namespace lornel::editor
