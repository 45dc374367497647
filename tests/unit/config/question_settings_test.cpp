// The quiz file's new sections as both programs read them: a question's kind,
// options and right answer, how the groups answer, buzz-in's settings and the
// groups in play. A file without them plays as it always has.
#include <gtest/gtest.h>

#include "config/answer_ways.h"
#include "config/group_settings.h"
#include "config/question_kinds.h"

namespace lornel::config {
namespace {

QuizFile FileOf(const std::string& text) { return QuizFile("C:\\q\\wtda.ini", text); }

TEST(QuestionKinds, AChoiceNeedsTwoToSixOptionsAndARightLetterAmongThem) {
  EXPECT_EQ(SplitOptions("太平洋 | 大西洋｜印度洋 ||北冰洋"),
            (std::vector<std::string>{"太平洋", "大西洋", "印度洋", "北冰洋"}));
  EXPECT_EQ(ChoiceLetters("a", 4), "A");
  EXPECT_EQ(ChoiceLetters("ＣＡ", 4), "AC");
  EXPECT_EQ(ChoiceLetters("E", 4), std::nullopt) << "beyond the options";
  EXPECT_EQ(ChoiceLetters(" ", 4), std::nullopt);
  const QuizFile quiz = FileOf(
      "[答案信息：]\n第一题答案=b\n第二题答案=A\n第三题答案=G\n第四题答案=√\n第五题答案=也许\n"
      "[题型：]\n第一题题型=选择\n第二题题型=选择\n第三题题型=选择\n第四题题型=判断\n"
      "第五题题型=判断\n"
      "[选项：]\n第一题选项=甲|乙\n第二题选项=只有一个\n第三题选项=1|2|3|4|5|6|7\n");
  const AskedQuestion first = AskedQuestionOf(quiz, 1);
  EXPECT_EQ(first.kind, QuestionKind::Choice);
  EXPECT_EQ(first.right, "B");
  EXPECT_EQ(first.options, (std::vector<std::string>{"甲", "乙"}));
  // One option, seven of them: typed, and their answer can still be typed.
  EXPECT_EQ(AskedQuestionOf(quiz, 2).kind, QuestionKind::Typed);
  EXPECT_EQ(AskedQuestionOf(quiz, 3).kind, QuestionKind::Typed);
  EXPECT_EQ(AskedQuestionOf(quiz, 4).right, kTrue);
  EXPECT_EQ(AskedQuestionOf(quiz, 5).kind, QuestionKind::Typed);
  EXPECT_EQ(AskedQuestionOf(quiz, 6).kind, QuestionKind::Typed) << "no kind given";
  for (const char* yes : {"对", "√", "是", "正确", "T", "ｔ"}) EXPECT_EQ(TruthOf(yes), true) << yes;
  for (const char* no : {"错", "×", "否", "错误", "F"}) EXPECT_EQ(TruthOf(no), false) << no;
}

TEST(AnswerWays, AQuestionsOwnWayOverridesTheDefaultAndKeysDefaultToTheDigits) {
  const QuizFile plain = FileOf("[题目信息：]\n第一题题目=x\n");
  EXPECT_EQ(WayOf(plain, 1), AnswerWay::Assigned);
  const BuzzSettings none = BuzzSettingsOf(plain);
  EXPECT_EQ(none.seconds, 0);
  EXPECT_EQ(none.keys[2], (std::vector<int>{'3', 0x63}));  // main row and keypad
  const QuizFile quiz = FileOf(
      "[答题方式：]\n答题方式=抢答\n第五题方式=全体\n第六题方式=指定\n"
      "[抢答：]\n抢答时间=10\n犯规扣分=1\n答错扣分=0.5\n"
      "[抢答键：]\n第一组=q\n第二组=F5\n第三组=空格\n第四组=??\n");
  EXPECT_EQ(WayOf(quiz, 1), AnswerWay::Buzz);
  EXPECT_EQ(WayOf(quiz, 5), AnswerWay::Everyone);
  EXPECT_EQ(WayOf(quiz, 6), AnswerWay::Assigned);
  const BuzzSettings buzz = BuzzSettingsOf(quiz);
  EXPECT_EQ(buzz.seconds, 10);
  EXPECT_EQ(buzz.foulPenalty, 1);
  EXPECT_EQ(buzz.wrongPenalty, 0.5);
  EXPECT_EQ(buzz.keys[0], std::vector<int>{'Q'});
  EXPECT_EQ(buzz.keys[1], std::vector<int>{0x74});
  EXPECT_EQ(buzz.keys[2], std::vector<int>{0x20});
  EXPECT_EQ(buzz.keys[3], (std::vector<int>{'4', 0x64}))
      << "a name that is no key keeps the default";
}

TEST(GroupSettings, AllSixPlayUnlessTheFileSaysHowMany) {
  EXPECT_EQ(GroupsInPlay(FileOf("")), 6);
  EXPECT_FALSE(RandomGroupOn(FileOf("")));
  EXPECT_EQ(GroupsInPlay(FileOf("[分组：]\n组数=4\n随机选组=1\n")), 4);
  EXPECT_TRUE(RandomGroupOn(FileOf("[分组：]\n组数=4\n随机选组=1\n")));
  for (const char* odd : {"0", "7", "-2", "四"})
    EXPECT_EQ(GroupsInPlay(FileOf(std::string("[分组：]\n组数=") + odd + "\n")), 6) << odd;
}

}  // namespace
}  // namespace lornel::config
