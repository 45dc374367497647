// Choice and true/false questions on the real program: the sample's choice
// question answered by taps alone, several right options chosen with the
// physical keys A to F, a true/false one revealed, and the marks the option
// buttons show once the answer is uncovered, read off the screen.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "config/config.h"
#include "config/ini.h"
#include "quiz/main_ids.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/screen.h"
#include "tests/e2e/session.h"
#include "tests/support/quiz_text/quiz_text.h"

namespace lornel::e2e::choice {
namespace {

using quiz::MainId;

// The sample with no countdown: a wrong choice can be looked at, and revealed.
std::string Sample() {
  std::string file = ReadBytes(ExampleFile()).value_or("");
  file = config::WriteIniValue(file, config::kCountdownSection, config::kCountdownKey, "0")
             .value_or("");
  return config::WriteIniValue(file, config::kQuestionCountdownSection,
                               config::QuestionCountdownKey(14), "0")
      .value_or("");
}

void OpenAndConfirm(Session& s, MainId question) {
  s.Press(question, [&] { return Visible(s.Of(MainId::GroupPanel)); });
  s.Press(MainId::ConfirmGroupButton, [&] { return !Visible(s.Of(MainId::GroupPanel)); });
  // The panel goes first; the handler that puts up the options has returned by this.
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(s.p.MainWindow(), WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
}

// A tap, and the answer box showing what it chose.
void Tap(Session& s, MainId option, const std::string& shown) {
  s.Press(option, [&] { return Text(s.Of(MainId::AnswerBox)) == shown; });
  EXPECT_EQ(Text(s.Of(MainId::AnswerBox)), shown);
}

void Key(Session& s, WORD vk, const std::string& shown) {
  PressKey(vk);
  EXPECT_TRUE(WaitUntil([&] { return Text(s.Of(MainId::AnswerBox)) == shown; }))
      << "after key " << vk << ": " << Text(s.Of(MainId::AnswerBox));
}

// The colours of the marks (ui/option_paint.cpp): the right option's green
// frame and ✓, a wrongly chosen one's red frame and ✗, a chosen one's blue.
struct Marks {
  int green = 0, red = 0, blue = 0;
};
Marks MarksOf(Session& s, MainId option) {
  SettlePaint(s.p.MainWindow());
  const Pixels p = GrabWindow(s.Of(option));
  Marks m;
  for (COLORREF c : p.colours) {
    m.green += c == RGB(0x00, 0x70, 0x00);
    m.red += c == RGB(0xC0, 0x00, 0x00);
    m.blue += c == RGB(0x18, 0x48, 0xC0);
  }
  return m;
}

void CheckRight(Session& s) {
  Click(s.Of(MainId::CheckButton));
  auto box = s.p.WaitForMessageBox();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, "回答正确！");
  Program::Answer(*box, IDOK);
  EXPECT_TRUE(WaitUntil([&] { return !Visible(s.Of(MainId::AnswerCover)); }));
}

TEST(Choice, TheSampleChoiceQuestionIsAnsweredByTapsAlone) {
  Session s(L"choice-taps", Sample());
  s.PressStart();
  OpenAndConfirm(s, MainId::QuestionButton9);
  EXPECT_FALSE(Visible(s.Of(MainId::KeyQ)) || Visible(s.Of(MainId::KeyEnter)));
  EXPECT_TRUE(Visible(s.Of(MainId::KeyBackspace)));
  EXPECT_EQ(Text(s.Of(MainId::OptionFourA)), "A 太平洋");
  EXPECT_EQ(Text(s.Of(MainId::OptionFourD)), "D 北冰洋");
  Tap(s, MainId::OptionFourB, "B");
  EXPECT_GT(MarksOf(s, MainId::OptionFourB).blue, 100) << "a chosen option's frame";
  Click(s.Of(MainId::CheckButton));  // wrong: the box shakes, no message, the choice kept
  EXPECT_FALSE(s.p.WaitForMessageBox(800));
  EXPECT_EQ(Text(s.Of(MainId::AnswerBox)), "B");
  Tap(s, MainId::OptionFourA, "A");
  CheckRight(s);
  EXPECT_EQ(Text(s.Of(MainId::CorrectAnswer)), "A 太平洋");
  EXPECT_EQ(Text(s.Of(MainId::Score1)), "1");
  const Marks right = MarksOf(s, MainId::OptionFourA), other = MarksOf(s, MainId::OptionFourB);
  EXPECT_GT(right.green, 100);
  EXPECT_EQ(right.red + other.green + other.red + other.blue, 0);
}

TEST(Choice, SeveralRightOptionsAreChosenWithTheKeysAToFAndBackspaceClears) {
  test::QuizFile quiz{.titles = {"下面哪些是哺乳动物？"}, .answers = {"ACE"}};
  quiz.kinds[0] = "选择";
  quiz.options[0] = "鲸 | 鲨鱼 | 蝙蝠 | 企鹅 | 海豚 | 海马，它其实是一种小鱼";
  Session s(L"choice-keys", quiz.Bytes());
  s.PressStart();
  OpenAndConfirm(s, MainId::QuestionButton1);
  EXPECT_EQ(Text(s.Of(MainId::OptionSixF)), "F 海马，它其实是一种小鱼");
  SetForegroundWindow(s.p.MainWindow());
  Key(s, 'C', "C");
  Key(s, 'A', "AC");
  Key(s, 'F', "ACF");
  PressKey('G');  // no option: typing does nothing here
  PressKey('1');
  Key(s, 'F', "AC");  // a second press takes it back
  Key(s, VK_BACK, "");
  Key(s, 'E', "E");
  Tap(s, MainId::OptionSixA, "AE");
  s.Press(MainId::KeyBackspace, [&] { return Text(s.Of(MainId::AnswerBox)).empty(); });
  EXPECT_EQ(Text(s.Of(MainId::AnswerBox)), "");
  for (char key : std::string("EAC")) PressKey(static_cast<WORD>(key));
  EXPECT_TRUE(WaitUntil([&] { return Text(s.Of(MainId::AnswerBox)) == "ACE"; }));
  CheckRight(s);
  EXPECT_EQ(Text(s.Of(MainId::CorrectAnswer)), "ACE 鲸、蝙蝠、海豚");
  for (MainId option : {MainId::OptionSixA, MainId::OptionSixC, MainId::OptionSixE})
    EXPECT_GT(MarksOf(s, option).green, 100);
  EXPECT_EQ(MarksOf(s, MainId::OptionSixB).green, 0);
  s.Screenshot(L"choice-six-uncovered");
}

TEST(Choice, TrueOrFalseRevealedShowsTheRightMarkAndTheWrongChoice) {
  Session s(L"choice-truth", Sample());
  s.PressStart();
  OpenAndConfirm(s, MainId::QuestionButton6);
  EXPECT_EQ(Text(s.Of(MainId::OptionPairA)), "√ 对");
  EXPECT_EQ(Text(s.Of(MainId::OptionPairB)), "× 错");
  Tap(s, MainId::OptionPairA, "对");
  s.Press(MainId::RevealButton);
  auto ask = s.p.WaitForMessageBox();
  ASSERT_TRUE(ask);
  Program::Answer(*ask, IDYES);
  EXPECT_TRUE(WaitUntil([&] { return !Visible(s.Of(MainId::AnswerCover)); }));
  EXPECT_EQ(Text(s.Of(MainId::CorrectAnswer)), "× 错");
  const Marks chosen = MarksOf(s, MainId::OptionPairA), right = MarksOf(s, MainId::OptionPairB);
  EXPECT_GT(chosen.red, 100);
  EXPECT_EQ(chosen.green, 0);
  EXPECT_GT(right.green, 100);
  EXPECT_EQ(right.red, 0);
  s.Screenshot(L"choice-truth-revealed");
}

// On the display the run has (1280x800, a 1024x768 projector, 144 DPI): the
// options lie whole inside the answer panel, and the shot for the guide.
TEST(Display, AChoiceQuestionShowsItsOptionsWhole) {
  Session s(L"choice-display", ReadBytes(ExampleFile()).value_or(""));  // its countdown running
  s.PressStart();
  OpenAndConfirm(s, MainId::QuestionButton9);
  Tap(s, MainId::OptionFourA, "A");
  RECT panel;
  GetWindowRect(s.Of(MainId::AnswerPanel), &panel);
  for (MainId option : {MainId::OptionFourA, MainId::OptionFourD}) {
    RECT r;
    GetWindowRect(s.Of(option), &r);
    EXPECT_TRUE(r.left >= panel.left && r.right <= panel.right && r.top >= panel.top &&
                r.bottom <= panel.bottom);
  }
  const char* display = std::getenv("LORNEL_DISPLAY");
  std::string name = display && *display ? display : "default";
  if (const auto at = name.find('@'); at != std::string::npos) name.replace(at, 1, "-") += "dpi";
  Pause(1500);  // the countdown's number and bar after their first second
  ParkPointer();
  DropStaleHotLooks(s.p.MainWindow());
  SettlePaint(s.p.MainWindow());
  ShootWindow(s.p.MainWindow(), L"main-choice-" + std::wstring(name.begin(), name.end()));
}

}  // namespace
}  // namespace lornel::e2e::choice
