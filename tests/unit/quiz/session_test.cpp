// Whole sessions: the teacher's file left as it was, and a long random round
// checked against the rules that hold between any two events.
#include <random>

#include "tests/unit/quiz/quiz_fixture.h"
#include "ui/message.h"

namespace lornel::quiz {
namespace {

class SessionTest : public QuizTest {};

TEST_F(SessionTest, AWholeSessionLeavesTheTeachersFileByteForByte) {
  const std::string file =
      "; 课堂问答\n\n[题目信息：]\n  第一题题目 =  中国的首都是哪里？  \n第二题题目=Say hello\n"
      "\n[答案信息：]\r\n第一题答案=北京\r\n第二题答案 = Hello\r\n; 第三题还没写\r\n"
      "[倒计时时间：（填‘0’等于取消该功能）]\n时间单位：秒=3\n[答对一题加几分：]\n答对一题得分=2";
  rt.WriteConfig(file);
  rt.Start();
  ASSERT_TRUE(rt.Click(Id::StartButton));
  Open(1);
  EXPECT_EQ(rt.Text(Id::QuestionLabel1), "中国的首都是哪里？");
  Confirm(2);
  Enter("北京");
  Check();
  rt.Advance(100);
  Open(2);
  Confirm(3);
  Enter("hello!");
  Check();           // wrong: shakes
  rt.Advance(5000);  // then times out
  Open(3);
  Cancel();
  ASSERT_TRUE(rt.Click(Id::ChangeGroupButton));  // nothing open: "请选题！"
  rt.Advance(2000);
  for (int n = 1; n <= kQuestionCount; ++n) EXPECT_EQ(Locked(n), n <= 2) << n;
  EXPECT_EQ(Score(2), "2");
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"回答正确！", "回答超时！！", "请选题！"}));
  EXPECT_EQ(rt.host.files.at(fake::AppRuntime::kConfig), file);
  EXPECT_EQ(ConfigWrites(), 0);
  EXPECT_EQ(rt.host.mostOpenAtOnce, 1);
}

// Random clicks and pauses, with message boxes that stay open for a while.
class RandomRoundTest : public QuizTest, public testing::WithParamInterface<unsigned> {
 protected:
  std::mt19937 random{GetParam()};
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

  int lockedCount() {
    int count = 0;
    for (int n = 1; n <= kQuestionCount; ++n) count += Locked(n);
    return count;
  }
  std::int64_t lastEvent = 0;
  int endings = 0;                // correct answers, time-outs and "继续选题" that took a click
  std::vector<std::string> open;  // message boxes open now, innermost last
  std::vector<std::pair<std::string, std::string>> nested;

  void Act() {
    // No hand clicks twice, or after a message box went away, within 60 ms:
    // past the lock scan's first tick and the shake's first step.
    while (rt.clock.now() - lastEvent < 60) rt.Advance(20);
    lastEvent = rt.clock.now();
    switch (Pick(0, 11)) {
      case 0:
      case 1:
        rt.Click(kQuestions[Pick(0, 13)].button);
        break;
      case 2:
        rt.Click(kGroups[Pick(0, 5)].radio);
        rt.Click(Id::ConfirmGroupButton);
        break;
      case 3:
        rt.Click(Id::CancelQuestionLink);
        break;
      case 4:
        rt.Click(Id::ChangeGroupButton);
        break;
      case 5:
        Enter(rt.Text(Id::CorrectAnswer));
        rt.Click(Id::CheckButton);
        break;
      case 6:
        Enter(Pick(0, 1) ? "wrong" : "");
        rt.Click(Id::CheckButton);
        break;
      case 7:
        rt.Click(Id::RevealButton);
        break;
      case 8:
        endings += rt.Click(Id::NextQuestionButton);
        break;
      case 9:
        quiz.countdown = std::vector<std::string>{"0", "1", "2", "00"}[Pick(0, 3)];
        Rewrite(quiz);
        break;
      default:
        rt.Advance(Pick(0, 1200));
        break;
    }
  }
};

TEST_P(RandomRoundTest, TheBoardRulesHoldBetweenAnyTwoEvents) {
  StartWith(quiz);
  rt.host.answerer = [this](const fake::ShownMessage& m) {
    if (!open.empty()) nested.push_back({open.back(), m.text});
    open.push_back(m.text);
    rt.Advance(Pick(0, 400));
    open.pop_back();
    lastEvent = rt.clock.now();
    const bool yes = Pick(0, 1);
    if ((m.flags & 0xF) != ui::kMbYesNo) return platform::MessageResult::Ok;
    return yes ? platform::MessageResult::Yes : platform::MessageResult::No;
  };
  int lockedBefore = 0;
  for (int step = 0; step < 1000; ++step) {
    Act();
    int panels = 0, enabledButtons = 0;
    for (int n = 1; n <= kQuestionCount; ++n) {
      panels += PanelVisible(n);
      enabledButtons += ButtonEnabled(n);
    }
    ASSERT_LE(panels, 1) << "step " << step;
    ASSERT_TRUE(enabledButtons == 0 || panels == 0) << "step " << step;
    int finished = endings;
    for (const auto& m : rt.host.messages)
      finished += m.text == "回答正确！" || m.text == "回答超时！！";
    ASSERT_GE(lockedCount(), lockedBefore) << "step " << step;
    ASSERT_LE(lockedCount(), finished) << "step " << step;
    lockedBefore = lockedCount();
    if (rt.main.TickCount(int(Id::RevealGuard)) > 0) {
      ASSERT_FALSE(rt.Enabled(Id::RevealButton)) << "step " << step;
    }
  }
  // The one overlap left as it is: the countdown runs on under the empty-answer hint.
  for (const auto& [outer, inner] : nested) {
    EXPECT_EQ(outer, "答案这么空合适嘛？");
    EXPECT_EQ(inner, "回答超时！！");
  }
  EXPECT_EQ(ConfigWrites(), 0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomRoundTest, testing::Range(1u, 9u));

}  // namespace
}  // namespace lornel::quiz
