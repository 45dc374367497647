// The main window's own commands on the whole program in memory: F11, Esc and
// the system menu for the projector, and the sounds' switch for the run.
#include "tests/unit/quiz/quiz_fixture.h"

namespace lornel::quiz {
namespace {

constexpr int kVkEscape = 0x1B, kVkF11 = 0x7A;

class WindowCommandsTest : public QuizTest {
 protected:
  // The window's lines of the system menu, "(v)" after a checked one.
  std::string SystemMenu() {
    std::string shown;
    for (const ui::MenuLine& line : rt.main.SystemMenu())
      shown += (shown.empty() ? "" : " | ") + line.text + (line.checked ? "(v)" : "");
    return shown;
  }
  void Choose(MainCommand command) { rt.main.ChooseFromSystemMenu(int(command)); }
  bool FullScreen() { return rt.main.IsFullScreen(); }
};

TEST_F(WindowCommandsTest, F11AndTheMenuSwitchFullScreenWhereverTheFocusIsAndEscLeavesIt) {
  StartWith(quiz);
  EXPECT_EQ(SystemMenu(), "撤销\tCtrl+Z | 声音(v) | 比赛结果\tF9 | 全屏显示\tF11")
      << "full screen last, as the guide says";
  rt.form().Focus(Id::AnswerBox);
  rt.main.PressKey(kVkF11);
  EXPECT_TRUE(FullScreen());
  EXPECT_EQ(SystemMenu(), "撤销\tCtrl+Z | 声音(v) | 比赛结果\tF9 | 全屏显示\tF11(v)");
  rt.Type("ab");
  rt.main.PressKey(kVkEscape);
  EXPECT_FALSE(FullScreen());
  EXPECT_EQ(SystemMenu(), "撤销\tCtrl+Z | 声音(v) | 比赛结果\tF9 | 全屏显示\tF11");
  rt.main.PressKey(kVkEscape);  // windowed, Esc changes nothing
  EXPECT_FALSE(FullScreen());
  EXPECT_EQ(rt.Text(Id::AnswerBox), "ab");

  Choose(MainCommand::FullScreen);
  EXPECT_TRUE(FullScreen());
  rt.form().Focus(Id::StartButton);
  rt.main.PressKey(kVkF11);
  EXPECT_FALSE(FullScreen());
}

TEST_F(WindowCommandsTest, EscClosesAnEnlargedPictureFirstAndFullScreenStays) {
  quiz.pictures[0] = "猫.jpg";
  StartWith(quiz);
  Open(1);
  Confirm();
  rt.main.PressKey(kVkF11);
  const int label = int(kQuestions[0].label);
  rt.main.Deliver(label, ui::Event::LeftButtonDown, 840, 100);
  ASSERT_EQ(rt.main.largePicture, label);
  rt.main.PressKey(kVkEscape);
  EXPECT_EQ(rt.main.largePicture, -1);
  EXPECT_TRUE(FullScreen());
  rt.main.PressKey(kVkEscape);
  EXPECT_FALSE(FullScreen());
}

TEST_F(WindowCommandsTest, TheSoundsItemSwitchesThemForThisRunAndShowsIt) {
  StartWith(quiz);
  Open(1);
  Confirm();
  Enter("nope");
  Choose(MainCommand::Sounds);
  EXPECT_EQ(SystemMenu(), "撤销\tCtrl+Z | 声音 | 比赛结果\tF9 | 全屏显示\tF11");
  Check();
  EXPECT_TRUE(rt.sounds.played.empty());
  Choose(MainCommand::Sounds);
  EXPECT_EQ(SystemMenu(), "撤销\tCtrl+Z | 声音(v) | 比赛结果\tF9 | 全屏显示\tF11");
  Check();
  EXPECT_EQ(rt.sounds.sounds(), std::vector<platform::Sound>{platform::Sound::Wrong});
  EXPECT_EQ(ConfigWrites(), 0) << "a setting of the run, not of the file";
}

}  // namespace
}  // namespace lornel::quiz
