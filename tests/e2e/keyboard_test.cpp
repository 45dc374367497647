// The sample quiz answered on the real program with the mouse alone: the
// on-screen letters, the digit layer and pinyin, with the judging switches
// on and then off; and the teacher's ruling played by real right-clicks.
#include <gtest/gtest.h>

#include <array>

#include "config/config.h"
#include "config/ini.h"
#include "quiz/round/points.h"
#include "quiz/tables.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/screen.h"
#include "tests/e2e/session.h"
#include "tests/support/quiz_text/quiz_text.h"

namespace lornel::e2e {
namespace {

using quiz::MainId;

// What a class types for each sample question on the board: pinyin for the
// Chinese answers (180° is an other answer of the file). The true/false
// question 6 and the choice question 9 are tapped instead.
constexpr std::array<const char*, 14> kTyped = {"beijing", "apple", "12",  "H2O",       "libai",
                                                "",        "book",  "7",   "",          "zhuzi",
                                                "hello",   "180°",  "cat", "changjiang"};
struct Tap {
  int question;
  MainId option;
  const char* shown;  // in the answer box
};
constexpr Tap kTapped[] = {{6, MainId::OptionPairB, "错"}, {9, MainId::OptionFourA, "A"}};

// The sample file with no countdown, global or a question's own, so that a
// refused answer can be revealed, and every question asked of a chosen group;
// switches "1" or "0".
std::string Sample(const char* switches) {
  std::string file = ReadBytes(ExampleFile()).value_or("");
  auto set = [&file](const char* section, const std::string& key, const char* value) {
    file = config::WriteIniValue(file, section, key, value).value_or("");  // "": no quiz at all
  };
  set(config::kCountdownSection, config::kCountdownKey, "0");
  for (int n = 1; n <= 14; ++n) {
    set(config::kQuestionCountdownSection, config::QuestionCountdownKey(n), "0");
    set(config::kWaySection, config::QuestionKey(n, "方式"), "指定");
  }
  set(config::kJudgingSection, config::kPinyinKey, switches);
  set(config::kJudgingSection, config::kLenientKey, switches);
  return file;
}

// Each question opened, typed on the board and checked: the questions that
// were judged right, in order (a refused one is revealed and left).
std::vector<int> PlaySample(Session& s, const std::wstring& screenshot = L"") {
  std::vector<int> right;
  for (int n = 1; n <= 14; ++n) {
    s.Press(quiz::kQuestions[n - 1].button, [&] { return Visible(s.Of(MainId::GroupPanel)); });
    s.Press(MainId::ConfirmGroupButton, [&] { return !Visible(s.Of(MainId::GroupPanel)); });
    const Tap* tap = nullptr;
    for (const Tap& t : kTapped) tap = t.question == n ? &t : tap;
    if (tap) {
      s.Press(tap->option, [&] { return Text(s.Of(MainId::AnswerBox)) == tap->shown; });
      EXPECT_EQ(Text(s.Of(MainId::AnswerBox)), tap->shown);
    } else {
      EXPECT_EQ(Text(s.Of(MainId::KeyLayer)), "123")
          << "question " << n << " starts on the letters";
      s.TypeOnBoard(kTyped[n - 1]);
      EXPECT_EQ(Text(s.Of(MainId::AnswerBox)),
                kTyped[n - 1] == std::string("H2O") ? "h2o" : kTyped[n - 1]);
    }
    if (n == 12 && !screenshot.empty()) {
      ParkPointer();
      DropStaleHotLooks(s.p.MainWindow());
      ShootWindow(s.p.MainWindow(), screenshot);
    }
    Click(s.Of(MainId::CheckButton));
    // Judged when a right answer's message shows or a wrong one shakes the box,
    // whenever the loaded machine gets to it.
    WaitUntil(
        [&] {
          return !s.p.MessageBoxes().empty() || RectInParent(s.Of(MainId::AnswerBox)).left != 80;
        },
        10000);
    if (auto box = s.p.WaitForMessageBox(0)) {
      EXPECT_EQ(box->text, "回答正确！") << "question " << n;
      right.push_back(n);
      Program::Answer(*box, IDOK);
    } else {
      s.Press(MainId::RevealButton);
      auto ask = s.p.WaitForMessageBox();
      if (!ask) {
        ADD_FAILURE() << "no reveal, question " << n;
        break;
      }
      Program::Answer(*ask, IDYES);
    }
    EXPECT_TRUE(WaitUntil([&] { return Enabled(s.Of(MainId::NextQuestionButton)); })) << n;
    s.Press(MainId::NextQuestionButton, [&] { return Visible(s.Of(MainId::AnswerCover)); });
  }
  return right;
}

TEST(Keyboard, EverySampleQuestionIsAnsweredOnTheOnScreenKeys) {
  const std::string sample = Sample("1");
  Session s(L"keys-sample", sample);
  s.PressStart();
  const std::vector<int> right = PlaySample(s, L"main-digits");
  EXPECT_EQ(right.size(), 14u);
  double total = 0;  // a question's own points too
  for (int n = 1; n <= 14; ++n) total += test::PointsOf(sample, n);
  EXPECT_EQ(Text(s.Of(MainId::Score1)), quiz::Points::Of(total).Text());
}

TEST(Keyboard, WithTheSwitchesOffOnlyTheLetterAndDigitAnswersCount) {
  Session s(L"keys-sample-off", Sample("0"));
  s.PressStart();
  // The English words, the numbers, H2O and 180° (an other answer, typed exactly),
  // and the true/false and choice questions, tapped.
  EXPECT_EQ(PlaySample(s), (std::vector<int>{2, 3, 4, 6, 7, 8, 9, 11, 12, 13}));
}

TEST(Keyboard, TheLayerKeyShowsEachLayerAndTypesWhereTheCaretIs) {
  Session s(L"keys-layer", Sample("1"));
  s.PressStart();
  s.TypeOnBoard("ab");
  HWND box = s.Of(MainId::AnswerBox);
  SendMessageW(box, EM_SETSEL, 1, 1);  // the caret between a and b
  s.TypeOnBoard("×÷π");
  EXPECT_EQ(Text(box), "a×÷πb");
  EXPECT_EQ(Text(s.Of(MainId::KeyQ)), "1");
  EXPECT_EQ(Text(s.Of(MainId::KeyZ)), "(");
  Click(s.Of(MainId::KeyLayer));
  EXPECT_TRUE(WaitUntil([&] { return Text(s.Of(MainId::KeyQ)) == "Q"; }));
  EXPECT_EQ(Text(s.Of(MainId::KeyLayer)), "123");
}

// --- the ruling ---------------------------------------------------------------

const test::QuizFile kRulingQuiz{
    .titles = {"用英语打个招呼"}, .answers = {"Hello"}, .countdown = "30"};

// A real right-click on 确认答案 and a click on the menu's one item: the
// message box that follows, if any.
std::optional<MessageBoxInfo> RuleRight(Session& s) {
  RECT r;
  GetWindowRect(s.Of(MainId::CheckButton), &r);
  RightClickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  HWND menu = OpenMenu();
  EXPECT_TRUE(menu) << "the menu opens, the button enabled or not";
  if (!menu) return std::nullopt;
  RECT m;
  GetWindowRect(menu, &m);
  ClickAt({(m.left + m.right) / 2, (m.top + m.bottom) / 2});
  auto box = s.p.WaitForMessageBox(1500);
  if (FindWindowW(L"#32768", nullptr)) PressKey(VK_ESCAPE);  // a greyed item keeps it open
  WaitUntil([] { return !FindWindowW(L"#32768", nullptr); }, 2000);
  return box;
}

TEST(Ruling, ARealRightClickRulesNoThenYesAndIsGreyedOtherwise) {
  Session s(L"ruling", kRulingQuiz.Bytes());
  s.PressStart();
  EXPECT_FALSE(Enabled(s.Of(MainId::CheckButton)));
  EXPECT_FALSE(RuleRight(s)) << "no group answering: greyed, through the panel";

  s.Press(MainId::QuestionButton1, [&] { return Visible(s.Of(MainId::GroupPanel)); });
  s.Press(MainId::GroupRadio2, [&] {
    return SendMessageW(s.Of(MainId::GroupRadio2), BM_GETCHECK, 0, 0) == BST_CHECKED;
  });
  s.Press(MainId::ConfirmGroupButton, [&] { return !Visible(s.Of(MainId::GroupPanel)); });
  s.TypeOnScreen("HI");
  auto ask = RuleRight(s);
  ASSERT_TRUE(ask);
  EXPECT_EQ(ask->text, "确定判为正确吗？");
  EXPECT_TRUE(ask->hasYes && ask->hasNo);
  const std::string left = Text(s.Of(MainId::CountdownNumber));
  Pause(1500);
  EXPECT_EQ(Text(s.Of(MainId::CountdownNumber)), left)
      << "the time stands still while the teacher decides";
  Program::Answer(*ask, IDNO);
  EXPECT_TRUE(WaitUntil([&] { return Text(s.Of(MainId::CountdownNumber)) != left; }, 10000))
      << "and runs on after No";
  EXPECT_TRUE(Visible(s.Of(MainId::AnswerCover)));
  EXPECT_TRUE(Enabled(s.Of(MainId::CheckButton)));
  EXPECT_EQ(Text(s.Of(MainId::Score2)), "0");

  ask = RuleRight(s);
  ASSERT_TRUE(ask);
  Program::Answer(*ask, IDYES);
  auto right = s.p.WaitForMessageBox();
  ASSERT_TRUE(right);
  EXPECT_EQ(right->text, "回答正确！");
  const std::string stopped = Text(s.Of(MainId::CountdownNumber));
  Program::Answer(*right, IDOK);
  EXPECT_TRUE(WaitUntil([&] { return Text(s.Of(MainId::Score2)) == "1"; }));
  EXPECT_FALSE(Visible(s.Of(MainId::AnswerCover)));
  EXPECT_FALSE(Visible(s.Of(MainId::QuestionPanel1)));
  EXPECT_FALSE(Enabled(s.Of(MainId::CheckButton)));
  Pause(1200);
  EXPECT_EQ(Text(s.Of(MainId::CountdownNumber)), stopped) << "the countdown stopped";
  EXPECT_FALSE(Enabled(s.Of(MainId::QuestionButton1))) << "locked";
  EXPECT_EQ(Text(s.Of(MainId::AnswerBox)), "hi");

  EXPECT_FALSE(RuleRight(s)) << "answered: greyed again";
  EXPECT_EQ(Text(s.Of(MainId::Score2)), "1");
}

}  // namespace
}  // namespace lornel::e2e
