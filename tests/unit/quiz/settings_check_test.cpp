// When wtda.ini is examined: the start button and the group confirmation.
#include "config/config.h"
#include "tests/unit/quiz/quiz_fixture.h"

namespace lornel::quiz {
namespace {

using fake::AppRuntime;

class SettingsCheckTest : public QuizTest {};

TEST_F(SettingsCheckTest, FirstStartWritesTheDefaultFileAndTheSecondPressOpensTheQuiz) {
  rt.Start();
  ASSERT_TRUE(rt.Click(Id::StartButton));
  ASSERT_EQ(rt.host.messages.size(), 1u);
  const auto& m = rt.host.messages[0];
  EXPECT_EQ(m.text, std::string("未发现配置‘") + AppRuntime::kConfig + "’即将写入配置");
  EXPECT_EQ(m.title, "信息：");
  EXPECT_EQ(m.flags, 0x30u | kTaskModal);
  EXPECT_TRUE(rt.Visible(Id::StartCover));

  fake::FakeHost reference;
  config::WriteDefaultConfig(reference, AppRuntime::kConfig);
  EXPECT_EQ(rt.host.files.at(AppRuntime::kConfig), reference.files.at(AppRuntime::kConfig));

  ASSERT_TRUE(rt.Click(Id::StartButton));
  EXPECT_FALSE(rt.Visible(Id::StartCover));
  EXPECT_EQ(rt.host.messages.size(), 1u);
  EXPECT_EQ(ConfigWrites(), 1);
  EXPECT_TRUE(rt.shell.ctx.main.IsEnabled(Id::QuestionButton1));
}

TEST_F(SettingsCheckTest, TheDefaultFileGivesNoCountdownAndOnePoint) {
  rt.Start();
  rt.Click(Id::StartButton);
  rt.Click(Id::StartButton);
  Open(1);
  EXPECT_EQ(rt.Text(Id::QuestionLabel1), "");
  Confirm();
  EXPECT_EQ(Interval(Id::CountdownTimer), 0);
  EXPECT_EQ(rt.host.messages.size(), 1u);  // empty titles and answers are never refused
}

TEST_F(SettingsCheckTest, AReadOnlyDirectorySaysTheFileCannotBeWrittenAtEveryPress) {
  rt.host.files[AppRuntime::kLibrary] = "MZ";  // nothing needs writing to start
  rt.host.readOnlyDirectories.insert(AppRuntime::kDirectory);
  rt.Start();
  for (int press = 1; press <= 2; ++press) ASSERT_TRUE(rt.Click(Id::StartButton));
  ASSERT_EQ(rt.host.messages.size(), 4u);
  const auto& failed = rt.host.messages[1];
  EXPECT_EQ(failed.text, std::string("无法写入配置‘") + AppRuntime::kConfig +
                             "’，请把程序放到可以写入的文件夹中再运行");
  EXPECT_EQ(failed.title, "信息：");
  EXPECT_EQ(failed.flags, 0x30u | kTaskModal);
  EXPECT_EQ(rt.host.messages[2].text, rt.host.messages[0].text);
  EXPECT_EQ(rt.host.messages[3].text, failed.text);
  EXPECT_TRUE(rt.Visible(Id::StartCover));
  EXPECT_FALSE(rt.main.closeRequested());
  EXPECT_TRUE(rt.host.files.count(AppRuntime::kConfig) == 0);
}

// An emptied points value and a missing one are refused alike.
class EmptyPointsTest : public SettingsCheckTest, public testing::WithParamInterface<bool> {};

TEST_P(EmptyPointsTest, ShowsTheMessageThenOpensTheFileAndCloses) {
  quiz.points = GetParam() ? std::optional<std::string>("") : std::nullopt;
  Rewrite(quiz);
  const std::string before = rt.host.files.at(AppRuntime::kConfig);
  rt.Start();
  bool shellOpenedTooEarly = true;
  rt.host.answerer = [&](const fake::ShownMessage&) {
    shellOpenedTooEarly = !rt.host.shellOpened.empty();
    return platform::MessageResult::Ok;
  };
  ASSERT_TRUE(rt.Click(Id::StartButton));

  ASSERT_EQ(rt.host.messages.size(), 1u);
  EXPECT_EQ(rt.host.messages[0].text, "加分配置错误");
  EXPECT_EQ(rt.host.messages[0].title, "不能为空");
  EXPECT_EQ(rt.host.messages[0].flags, 0x30u | kTaskModal);
  EXPECT_FALSE(shellOpenedTooEarly);
  EXPECT_EQ(rt.host.shellOpened, std::vector<std::string>{AppRuntime::kConfig});
  EXPECT_TRUE(rt.main.destroyed());
  EXPECT_TRUE(rt.host.openHandles.empty());  // the instance mutex went with the window
  EXPECT_EQ(ConfigWrites(), 0);
  EXPECT_EQ(rt.host.files.at(AppRuntime::kConfig), before);
}

INSTANTIATE_TEST_SUITE_P(EmptiedOrMissing, EmptyPointsTest, testing::Bool());

TEST_F(SettingsCheckTest, APointsValueThatIsNoNumberPassesAndCountsZero) {
  quiz.points = "abc";
  StartWith(quiz);
  AnswerCorrectly(1);
  EXPECT_EQ(Score(1), "0");
  EXPECT_FALSE(rt.main.closeRequested());
}

TEST_F(SettingsCheckTest, AnEmptiedCountdownValueEndsTheProgramAtConfirmation) {
  StartWith(quiz);
  quiz.countdown = "";
  Rewrite(quiz);
  const std::string before = rt.host.files.at(AppRuntime::kConfig);
  Open(2);
  Confirm(4);

  ASSERT_EQ(rt.host.messages.size(), 1u);
  EXPECT_EQ(rt.host.messages[0].text, "请在配置中填入倒计时时间！");
  EXPECT_EQ(rt.host.messages[0].title, "不能为空");
  EXPECT_EQ(rt.host.messages[0].flags, 0x40u | kTaskModal);
  EXPECT_EQ(rt.host.shellOpened, std::vector<std::string>{AppRuntime::kConfig});
  EXPECT_TRUE(rt.main.destroyed());
  // What ConfirmGroup did before the check stays done; the countdown never started.
  EXPECT_EQ(rt.main.Text(int(Id::AnsweringGroup)), "四");
  EXPECT_EQ(rt.main.RangeMax(int(Id::CountdownBar)), 0);
  EXPECT_EQ(Interval(Id::RevealGuard), 0);
  EXPECT_EQ(rt.host.files.at(AppRuntime::kConfig), before);
  EXPECT_EQ(ConfigWrites(), 0);
}

}  // namespace
}  // namespace lornel::quiz
