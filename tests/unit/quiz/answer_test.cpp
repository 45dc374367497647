// Answer entry, checking, the shake and the reveal.
#include "quiz/answer.h"

#include "judging/text.h"
#include "tests/unit/quiz/quiz_fixture.h"

namespace lornel::quiz {
namespace {

using judging::FoldCase;

TEST(FoldCase, FoldsOnlyTheAsciiCapitals) {
  EXPECT_EQ(FoldCase("Hello"), "hello");
  EXPECT_EQ(FoldCase("hElLo"), FoldCase("HELLO"));
  EXPECT_EQ(FoldCase("@AZ[`az{"), "@az[`az{");
  EXPECT_EQ(FoldCase(" A b "), " a b ");  // spaces stay
  EXPECT_EQ(FoldCase("ＡＢ"), "ＡＢ");    // full-width letters stay
  EXPECT_EQ(FoldCase(""), "");
}

TEST(FoldCase, LeavesTheTrailByteOfAGbkCharacterAlone) {
  EXPECT_EQ(FoldCase("\x81\x41\x81\x5A"), "\x81\x41\x81\x5A");
  EXPECT_EQ(FoldCase("A\x80Z"), "a\x80Z");  // 0x80 leads, whatever follows
  EXPECT_EQ(FoldCase("北京"), "北京");
}

TEST(FoldCase, ALeadByteAtTheEndIsTheLastByteCopied) {
  EXPECT_EQ(FoldCase("AB\xB1"), "ab\xB1");
  // So the cut character still tells the texts apart.
  EXPECT_NE(FoldCase("ab\xB1"), FoldCase("ab"));
}

class AnswerTest : public QuizTest {
 protected:
  void SetUp() override { StartWith(quiz); }
  void Answering(int n, const std::string& expected) {
    quiz.answers[n - 1] = expected;
    Rewrite(quiz);
    Open(n);
    Confirm();
  }
  int BoxLeft() { return rt.main.Left(int(MainId::AnswerBox)); }
  bool Correct() { return !MessageTexts().empty() && MessageTexts().back() == "回答正确！"; }
};

struct Judged {
  const char* expected;
  const char* typed;
  bool correct;
};

class JudgedAnswerTest : public AnswerTest, public testing::WithParamInterface<Judged> {};

TEST_P(JudgedAnswerTest, MatchesExactlyButForTheCaseOfAsciiLetters) {
  Answering(2, GetParam().expected);
  Enter(GetParam().typed);
  Check();
  EXPECT_EQ(Correct(), GetParam().correct);
  EXPECT_EQ(Interval(Id::ShakeTimer) == 50, !GetParam().correct);
  if (!GetParam().correct) {
    EXPECT_EQ(rt.Text(Id::AnswerBox), GetParam().typed);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, JudgedAnswerTest,
    testing::Values(Judged{"Hello", "hello", true}, Judged{"Hello", "HELLO", true},
                    Judged{"Hello", "hElLo", true}, Judged{"北京", "北京", true},
                    Judged{"北京", "北京 ", false}, Judged{"apple", "appl", false},
                    Judged{"apple", "ａｐｐｌｅ", false}, Judged{"apple", "  ", false},
                    Judged{"\x81\x41", "\x81\x61", false}, Judged{"\x81\x41", "\x81\x41", true}));

// The judging rules and the open question's other answers, as the file holds
// them when "确认答案" is pressed.
struct JudgedBy {
  std::optional<std::string> pinyin, lenient;
  std::string others;  // question 2's
  int question = 2;
  const char* typed;
  bool correct = false;
};

class JudgingSectionTest : public AnswerTest, public testing::WithParamInterface<JudgedBy> {};

TEST_P(JudgingSectionTest, CountAtTheMomentOfChecking) {
  Answering(GetParam().question, "北京");
  quiz.pinyin = GetParam().pinyin;
  quiz.lenient = GetParam().lenient;
  quiz.others[1] = GetParam().others;
  Rewrite(quiz);
  Enter(GetParam().typed);
  Check();
  EXPECT_EQ(Correct(), GetParam().correct);
}

constexpr const char* kOthers = "燕京｜北平";

INSTANTIATE_TEST_SUITE_P(
    Sections, JudgingSectionTest,
    testing::Values(JudgedBy{.typed = "beijing"},
                    JudgedBy{.pinyin = "1", .typed = "beijing", .correct = true},
                    JudgedBy{.pinyin = "2", .lenient = "0", .typed = "beijing"},
                    JudgedBy{.others = kOthers, .typed = "北平", .correct = true},
                    JudgedBy{.others = kOthers, .question = 3, .typed = "北平"},
                    JudgedBy{.others = kOthers, .typed = "beiping"},
                    JudgedBy{
                        .pinyin = "1", .others = kOthers, .typed = "beiping", .correct = true}));

TEST_F(AnswerTest, AnEmptyAnswerIsRefusedAndNothingElseChanges) {
  Answering(3, "answer3");
  Check();
  ASSERT_EQ(rt.host.messages.size(), 1u);
  EXPECT_EQ(rt.host.messages[0].text, "答案这么空合适嘛？");
  EXPECT_EQ(rt.host.messages[0].title, "小提示");
  EXPECT_EQ(rt.host.messages[0].flags, 0x40u | kTaskModal);
  EXPECT_EQ(Interval(Id::ShakeTimer), 0);
  EXPECT_TRUE(PanelVisible(3));
  EXPECT_TRUE(rt.Enabled(Id::CheckButton));
}

TEST_F(AnswerTest, ACorrectAnswerClosesFirstThenTellsThenUncoversAndScores) {
  quiz.countdown = "10";
  Answering(5, "answer5");
  rt.Advance(5000);
  Enter("answer5");
  bool closedBeforeMessage = false, coveredDuringMessage = false, unscoredDuringMessage = false;
  rt.host.answerer = [&](const fake::ShownMessage&) {
    closedBeforeMessage = Interval(Id::CountdownTimer) == 0 && !PanelVisible(5);
    coveredDuringMessage = rt.Visible(Id::AnswerCover) && rt.Enabled(Id::CheckButton);
    rt.Advance(3000);  // the countdown stays stopped while the message is open
    unscoredDuringMessage = Score(1) == "0";
    return platform::MessageResult::Ok;
  };
  Check();
  const auto& m = rt.host.messages.back();
  EXPECT_EQ(m.text, "回答正确！");
  EXPECT_EQ(m.title, "恭喜");
  EXPECT_EQ(m.flags, 0x40u | kTaskModal);
  EXPECT_TRUE(closedBeforeMessage);
  EXPECT_TRUE(coveredDuringMessage);
  EXPECT_TRUE(unscoredDuringMessage);
  EXPECT_FALSE(rt.Enabled(Id::CheckButton));
  EXPECT_FALSE(rt.Visible(Id::AnswerCover));
  EXPECT_EQ(Score(1), "1");
  EXPECT_EQ(rt.host.messages.size(), 1u);
  // Stopped with five seconds left: number and bar keep them.
  EXPECT_EQ(rt.Text(Id::CountdownNumber), "5");
  EXPECT_EQ(rt.main.ShownPosition(int(Id::CountdownBar)), 5);
}

TEST_F(AnswerTest, AWrongAnswerShakesTheBoxOnceAndPressingAgainDoesNotRestartIt) {
  Answering(4, "answer4");
  Enter("nope");
  Check();
  std::vector<int> path;
  for (int step = 0; step < 6; ++step) {
    if (step == 1) Check();  // mid-shake: the interval is already 50
    rt.Advance(50);
    path.push_back(BoxLeft());
  }
  EXPECT_EQ(path, (std::vector<int>{75, 85, 74, 80, 80, 80}));
  EXPECT_EQ(Interval(Id::ShakeTimer), 0);
  EXPECT_TRUE(rt.host.messages.empty());
  EXPECT_EQ(rt.Text(Id::AnswerBox), "nope");
}

TEST_F(AnswerTest, AWrongAnswerAfterCancelAsksForAQuestionOnce) {
  Open(2);
  Cancel();
  Enter("nope");
  HoldMessagesOpen(500);  // the shake would tick ten times inside
  Check();
  rt.Advance(500);
  ASSERT_EQ(rt.host.messages.size(), 1u);
  EXPECT_EQ(rt.host.messages[0].text, "请选题！");
  EXPECT_EQ(rt.host.messages[0].title, "信息：");
  EXPECT_EQ(rt.host.messages[0].flags, 0u | kTaskModal);
  EXPECT_EQ(BoxLeft(), 80);
  EXPECT_EQ(Interval(Id::ShakeTimer), 0);
}

TEST_F(AnswerTest, WithQuestionOneLockedTheShakeNeverAsks) {
  AnswerCorrectly(1);
  rt.Advance(20);
  Open(2);
  Cancel();
  Enter("nope");
  Check();
  rt.Advance(200);
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"回答正确！"});
  EXPECT_EQ(BoxLeft(), 80);
  EXPECT_EQ(Interval(Id::ShakeTimer), 0);
}

// Mended: the shake ends with the correct answer, or "请选题！" would follow.
TEST_F(AnswerTest, ACorrectAnswerDuringAShakeEndsItWithTheBoxAtRest) {
  Answering(6, "answer6");
  Enter("answer");
  Check();
  rt.Advance(60);
  ASSERT_EQ(BoxLeft(), 75);
  Enter("answer6");
  HoldMessagesOpen(300);
  Check();
  rt.Advance(300);
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"回答正确！"});
  EXPECT_EQ(rt.host.mostOpenAtOnce, 1);
  EXPECT_EQ(BoxLeft(), 80);
}

TEST_F(AnswerTest, RevealAnsweredNoChangesNothing) {
  Answering(8, "answer8");
  rt.host.answerer = [](const fake::ShownMessage&) { return platform::MessageResult::No; };
  ASSERT_TRUE(rt.Click(Id::RevealButton));
  const auto& m = rt.host.messages.back();
  EXPECT_EQ(m.text, "确定显示答案吗？");
  EXPECT_EQ(m.title, "小提示");
  EXPECT_EQ(m.flags, 0x4u | kTaskModal);
  EXPECT_TRUE(rt.Visible(Id::AnswerCover));
  EXPECT_TRUE(rt.Enabled(Id::CheckButton));
  EXPECT_FALSE(rt.Enabled(Id::NextQuestionButton));
}

TEST_F(AnswerTest, RevealAnsweredYesUncoversWithoutLocking) {
  Answering(8, "answer8");
  ASSERT_TRUE(rt.Click(Id::RevealButton));
  EXPECT_FALSE(rt.Visible(Id::AnswerCover));
  EXPECT_FALSE(rt.Enabled(Id::CheckButton));
  EXPECT_TRUE(rt.Enabled(Id::NextQuestionButton));
  EXPECT_TRUE(PanelVisible(8));
  rt.Advance(100);
  EXPECT_FALSE(Locked(8));
}

TEST_F(AnswerTest, RevealYesWorksEvenWithNoQuestionOpen) {
  ASSERT_TRUE(rt.Click(Id::RevealButton));
  EXPECT_FALSE(rt.Visible(Id::AnswerCover));
  EXPECT_TRUE(rt.Enabled(Id::NextQuestionButton));
}

TEST_F(AnswerTest, OnScreenKeysFocusTheBoxAndTypeAfterTheHandlerReturns) {
  Answering(1, "hi");
  rt.main.Focus(int(Id::ChangeGroupButton));
  ASSERT_TRUE(rt.Click(Id::KeyH));  // H
  ASSERT_TRUE(rt.Click(Id::KeyI));  // I
  EXPECT_EQ(rt.main.focused(), int(Id::AnswerBox));
  ASSERT_EQ(rt.host.injectedKeys.size(), 4u);
  EXPECT_EQ(rt.host.injectedKeys[0].vk, 0x48);
  EXPECT_FALSE(rt.host.injectedKeys[0].release);
  EXPECT_TRUE(rt.host.injectedKeys[1].release);
  EXPECT_EQ(rt.Text(Id::AnswerBox), "hi");
  ASSERT_TRUE(rt.Click(Id::KeyEnter));  // Enter submits nothing
  EXPECT_TRUE(rt.host.messages.empty());
  ASSERT_TRUE(rt.Click(Id::CheckButton));
  EXPECT_TRUE(Correct());
}

}  // namespace
}  // namespace lornel::quiz
