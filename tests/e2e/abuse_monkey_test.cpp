// The monkey against the real program: random real clicks inside the main
// window and on the on-screen keys, a few physical keys, now and then a question answered on
// purpose, message boxes answered at random as they come, and after every step
// the rules that can be read from outside. LORNEL_E2E_MONKEY_SECONDS sets how
// long (60 by default), LORNEL_E2E_MONKEY_SEED which run.
#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <random>

#include "quiz/tables.h"
#include "tests/e2e/abuse_support.h"
#include "tests/e2e/session.h"
#include "tests/support/quiz_text/quiz_text.h"

namespace lornel::e2e {
namespace {

using quiz::MainId;

// Answers a to n, so that the on-screen keys can type them.
std::string MonkeyFile(const std::string& countdown) {
  test::QuizFile file = test::NumberedQuiz();
  file.countdown = countdown;
  for (int n = 0; n < quiz::kQuestionCount; ++n) file.answers[n] = static_cast<char>('a' + n);
  return file.Bytes();
}

// The on-screen keys in the order of their buttons (按钮17 .. 按钮48).
constexpr char kBoardKeys[] = "QWERTYUIOP\bASDFGHJKLZXCVBNM,.\n";

constexpr MainId kBusyControls[] = {
    MainId::ConfirmGroupButton, MainId::ConfirmGroupButton, MainId::ConfirmGroupButton,
    MainId::CancelQuestionLink, MainId::ChangeGroupButton,  MainId::CheckButton,
    MainId::CheckButton,        MainId::NextQuestionButton, MainId::RevealButton,
    MainId::GroupRadio1,        MainId::GroupRadio3,        MainId::GroupRadio6,
    MainId::AnswerBox};

class Monkey {
 public:
  Monkey(Session& s, std::uint32_t seed, std::string config)
      : s_(s), random_(seed), config_(std::move(config)) {
    for (const quiz::Group& g : quiz::kGroups) scores_[g.g - 1] = Text(Of(g.score));
  }

  // One step and the checks after it; false once a rule was broken.
  bool Step() {
    Act();
    return Settle() && Check();
  }

  std::string failure;
  std::deque<std::string> recent;  // the last actions, for the report
  int steps = 0, boxes = 0, correct = 0, locks = 0;

 private:
  // The driver looks every control up anew; the monkey asks hundreds of times a step.
  HWND Of(MainId id) {
    HWND& hwnd = controls_[static_cast<std::size_t>(id)];
    if (!hwnd || !IsWindow(hwnd)) hwnd = s_.Of(id);
    return hwnd;
  }

  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  void Log(const std::string& line) {
    recent.push_back(std::to_string(steps) + ": " + line);
    if (recent.size() > 40) recent.pop_front();
  }
  bool Fail(const std::string& why) {
    if (failure.empty()) failure = why;
    return false;
  }

  int OpenQuestion() {
    for (const quiz::Question& q : quiz::kQuestions)
      if (Visible(Of(q.panel))) return q.n;
    return 0;
  }

  void Act() {
    ++steps;
    HWND main = s_.p.MainWindow(2000);
    const int r = Pick(0, 99);
    if (r < 25 && main) {
      RECT client;
      GetClientRect(main, &client);
      POINT at{Pick(0, client.right - 1), Pick(0, client.bottom - 1)};
      Log("click at (" + std::to_string(at.x) + "," + std::to_string(at.y) + ")");
      ClientToScreen(main, &at);
      ClickAt(at);
    } else if (r < 45) {
      const MainId key = OnScreenKey(kBoardKeys[Pick(0, int(std::size(kBoardKeys)) - 2)]);
      Log("on-screen key " + std::to_string(int(key)));
      Click(Of(key));
    } else if (r < 60) {
      const MainId button =
          quiz::kQuestions[static_cast<std::size_t>(Pick(0, quiz::kQuestionCount - 1))].button;
      Log("question button " + std::to_string(int(button)));
      Click(Of(button));
    } else if (r < 84) {
      const MainId c = kBusyControls[Pick(0, int(std::size(kBusyControls)) - 1)];
      Log("control " + std::to_string(int(c)));
      Click(Of(c));
    } else if (r < 96) {
      // The group knows the answer: typed on the on-screen keys, then checked.
      const int n = OpenQuestion();
      if (!n || Visible(Of(MainId::GroupPanel))) return;
      Log("answer question " + std::to_string(n));
      HWND box = Of(MainId::AnswerBox);
      while (!Text(box).empty() && Pick(0, 3)) {
        const std::string before = Text(box);
        Click(Of(MainId::KeyBackspace));
        WaitUntil([&] { return Text(box) != before; }, 1000);
      }
      s_.TypeOnScreen(std::string(1, static_cast<char>('A' + n - 1)));
      Click(Of(MainId::CheckButton));
    } else if (r < 98) {
      // The physical keyboard, to whatever has the focus.
      static const WORD keys[] = {VK_SPACE, VK_SPACE, VK_TAB, VK_RETURN, VK_BACK, 'A', 'E', 'Z'};
      const WORD vk = keys[Pick(0, static_cast<int>(std::size(keys)) - 1)];
      Log("key " + std::to_string(vk));
      PressKey(vk);
    } else {
      const int ms = Pick(100, 2500);
      Log("wait " + std::to_string(ms) + " ms");
      Pause(ms);
    }
  }

  // Answers every message box that comes up within a moment, one at a time.
  bool Settle() {
    for (int quiet = 0; quiet < 2;) {
      std::vector<HWND> open = s_.p.MessageBoxes();
      if (open.empty()) {
        ++quiet;
        Pause(30);
        continue;
      }
      quiet = 0;
      std::vector<std::string> texts;
      for (HWND box : open) {
        texts.push_back(BoxText(box));
        if (Text(box) == "错误") return Fail("a fatal report: " + texts.back());
      }
      if (open.size() > 1) {
        // Kept as the rules have it: the countdown runs on under the empty-answer hint.
        const bool kept =
            open.size() == 2 && ((texts[0] == "回答超时！！" && texts[1] == "答案这么空合适嘛？") ||
                                 (texts[1] == "回答超时！！" && texts[0] == "答案这么空合适嘛？"));
        if (!kept) return Fail("two message boxes: \"" + texts[0] + "\" and \"" + texts[1] + "\"");
      }
      HWND box = open.front();
      const std::string text = texts.front();
      ++boxes;
      if (text == "回答正确！") {
        ++correct;
        ++pendingAwards_;
      }
      Pause(Pick(0, 1) ? 0 : Pick(0, 800));  // time passes while it is open
      const bool yesNo = GetDlgItem(box, IDYES) != nullptr;
      const int button = yesNo ? (Pick(0, 1) ? IDYES : IDNO) : IDOK;
      Log("box \"" + text + "\" answered " +
          (button == IDYES  ? "Yes"
           : button == IDNO ? "No"
                            : "OK"));
      PressBoxButton(box, button);
      WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }, 3000);
      if (s_.p.WaitForExit(0)) return Fail("the program ended");
    }
    return true;
  }

  // A state seen once may be caught in the middle of a handler, or before a
  // lock timer's tick that a loaded machine holds back; a broken rule must
  // still be broken a second later.
  template <class Broken>
  bool Holds(Broken broken) {
    return WaitUntil([&] { return !broken(); }, 1000);
  }

  bool Check() {
    if (s_.p.WaitForExit(0)) return Fail("the program ended");
    if (ReadBytes(Join(s_.dir, L"wtda.ini")) != config_) return Fail("wtda.ini changed");
    if (!Holds([&] {
          int enabled = 0;
          for (const quiz::Question& q : quiz::kQuestions) enabled += Enabled(Of(q.button));
          return enabled > 0 && OpenQuestion() != 0;
        }))
      return Fail("a question button enabled while question " + std::to_string(OpenQuestion()) +
                  " shows");
    // On the board at rest, a disabled question button is a locked one.
    const bool board = !OpenQuestion() && !Visible(Of(MainId::GroupPanel)) &&
                       !Visible(Of(MainId::StartCover)) && s_.p.MessageBoxes().empty();
    for (const quiz::Question& q : quiz::kQuestions) {
      if (!board || locked_[q.n - 1] || Enabled(Of(q.button))) continue;
      Pause(60);  // still so a moment later, with the board still at rest
      if (!Enabled(Of(q.button)) && !OpenQuestion() && !Visible(Of(MainId::GroupPanel)) &&
          s_.p.MessageBoxes().empty()) {
        locked_[q.n - 1] = true;
        ++locks;
      }
    }
    for (const quiz::Question& q : quiz::kQuestions)
      if (locked_[q.n - 1] && !Holds([&] { return Enabled(Of(q.button)); }))
        return Fail("locked question " + std::to_string(q.n) + " stays enabled");
    // Scores change only after "回答正确！", by one point each time.
    WaitUntil([&] { return pendingAwards_ == 0 || ScoresChanged(); }, 1000);
    for (const quiz::Group& g : quiz::kGroups) {
      const std::string now = Text(Of(g.score));
      if (now == scores_[g.g - 1]) continue;
      if (pendingAwards_ == 0)
        return Fail("the score of group " + std::to_string(g.g) + " went from " + scores_[g.g - 1] +
                    " to " + now + " without \"回答正确！\"");
      if (now != std::to_string(std::atoi(scores_[g.g - 1].c_str()) + 1))
        return Fail("the score of group " + std::to_string(g.g) + " went from " + scores_[g.g - 1] +
                    " to " + now);
      --pendingAwards_;
      scores_[g.g - 1] = now;
    }
    // A correct answer before any group was confirmed gives "请选题！" instead.
    if (Text(Of(MainId::AnsweringGroup)) == "■") pendingAwards_ = 0;
    return true;
  }

  bool ScoresChanged() {
    for (const quiz::Group& g : quiz::kGroups)
      if (Text(Of(g.score)) != scores_[g.g - 1]) return true;
    return false;
  }

  Session& s_;
  std::mt19937 random_;
  std::string config_;
  std::array<std::string, quiz::kGroupCount> scores_;
  std::array<bool, quiz::kQuestionCount> locked_{};
  std::array<HWND, quiz::kMainControlCount> controls_{};
  int pendingAwards_ = 0;
};

TEST(MonkeyOnWine, RandomRealInputKeepsTheRulesThatShowFromOutside) {
  const int seconds = EnvNumber("LORNEL_E2E_MONKEY_SECONDS", 60);
  const auto seed = static_cast<std::uint32_t>(EnvNumber("LORNEL_E2E_MONKEY_SEED", 1));
  int steps = 0, boxes = 0, correct = 0, locks = 0;
  // Half the time without a countdown (the reveal is usable), half with one.
  for (const std::string countdown : {"0", "2"}) {
    const std::string config = MonkeyFile(countdown);
    Session s(L"monkey", config);
    ASSERT_TRUE(s.p.MainWindow());
    s.PressStart();
    Monkey monkey(s, seed + static_cast<std::uint32_t>(countdown[0]), config);
    const DWORD end = GetTickCount() + static_cast<DWORD>(seconds) * 500;
    while (static_cast<int>(end - GetTickCount()) > 0)
      if (!monkey.Step()) break;
    steps += monkey.steps;
    boxes += monkey.boxes;
    correct += monkey.correct;
    locks += monkey.locks;
    if (!monkey.failure.empty()) {
      std::string last;
      for (const std::string& line : monkey.recent) last += "  " + line + "\n";
      FAIL() << "seed " << seed << ", countdown " << countdown << ", step " << monkey.steps << ": "
             << monkey.failure << "\nlast actions:\n"
             << last;
    }
    PostMessageW(s.p.MainWindow(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(s.p.WaitForExit(5000));
    EXPECT_EQ(ReadBytes(Join(s.dir, L"wtda.ini")), config);
    EXPECT_EQ(Names(s.dir), (std::set<std::wstring>{L"lornel.exe", L"SkinH_EL.dll", L"wtda.ini"}));
  }
  std::printf(
      "[ monkey   ] seed %u, %d s: %d steps, %d message boxes, %d correct answers, %d "
      "questions seen locked\n",
      seed, seconds, steps, boxes, correct, locks);
}

}  // namespace
}  // namespace lornel::e2e
