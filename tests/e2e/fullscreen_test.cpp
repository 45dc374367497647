// The real program in full screen (run on 1280x800, on a 1920x1080 projector
// and at 144 DPI on 2560x1440): F11 from the keyboard covers the monitor, a
// question is played by clicks, a message box comes above it, the countdown
// runs on across switches, and Esc brings back the window exactly.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "quiz/main_ids.h"
#include "quiz/tables.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/screen.h"
#include "tests/e2e/session.h"
#include "tests/support/quiz_text/quiz_text.h"
#include "tests/win32/support/scaled.h"

namespace lornel::e2e {
namespace {

using quiz::MainId;

const test::QuizFile kQuiz{.titles = {"用英语打个招呼"}, .answers = {"Hello"}, .countdown = "30"};

RECT WindowRect(HWND hwnd) {
  RECT r;
  GetWindowRect(hwnd, &r);
  return r;
}

RECT MonitorOf(HWND hwnd) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &info);
  return info.rcMonitor;
}

bool Covers(HWND main) {
  const RECT r = WindowRect(main), m = MonitorOf(main);
  return EqualRect(&r, &m) != FALSE;
}

int Countdown(Session& s) { return std::atoi(Text(s.Of(MainId::CountdownNumber)).c_str()); }

// "1920x1080@96" gives "fullscreen-1920x1080"; other displays take no picture.
bool OnTheProjector() {
  const char* display = std::getenv("LORNEL_DISPLAY");
  return display && std::string(display) == "1920x1080@96";
}

TEST(FullScreen, AQuestionIsPlayedByClicksWhileTheCountdownRunsAcrossSwitches) {
  Session s(L"fullscreen", kQuiz.Bytes());
  HWND main = s.p.MainWindow();
  const RECT windowed = WindowRect(main);
  const ui::Scale windowedScale = test::LayoutScaleOf(main);
  SetForegroundWindow(main);
  PressKey(VK_F11);
  ASSERT_TRUE(WaitUntil([&] { return Covers(main); }));
  const ui::Scale scale = test::LayoutScaleOf(main);
  EXPECT_GE(scale.permille(), windowedScale.permille());
  // Centred: the start cover (a child of the window) and a panel's child alike.
  const ui::Rect coverTable = quiz::MainTable()[static_cast<int>(MainId::StartCover)].rect;
  const RECT cover = RectInParent(s.Of(MainId::StartCover));
  const POINT origin{cover.left - scale.Of(coverTable.left), cover.top - scale.Of(coverTable.top)};
  RECT client;
  GetClientRect(main, &client);
  EXPECT_LE(std::abs(client.right - 2 * origin.x - scale.Of(1197)), 12);  // the table's width
  EXPECT_TRUE(test::NearScaled(s.Of(MainId::StartButton),
                               quiz::MainTable()[static_cast<int>(MainId::StartButton)].rect,
                               scale));

  s.PressStart();
  s.Press(MainId::QuestionButton1, [&] { return Visible(s.Of(MainId::GroupPanel)); });
  s.Press(MainId::ConfirmGroupButton, [&] { return !Visible(s.Of(MainId::GroupPanel)); });
  ASSERT_TRUE(WaitUntil([&] { return Countdown(s) > 0 && Countdown(s) < 30; }, 10000));
  const int before = Countdown(s);
  SetForegroundWindow(main);
  PressKey(VK_ESCAPE);
  ASSERT_TRUE(WaitUntil([&] {
    const RECT now = WindowRect(main);
    return EqualRect(&windowed, &now) != FALSE;
  }));
  EXPECT_EQ(test::LayoutScaleOf(main), windowedScale);
  EXPECT_TRUE(WaitUntil([&] { return Countdown(s) < before; }, 10000)) << "the countdown goes on";
  const int windowedCount = Countdown(s);
  PressKey(VK_F11);
  ASSERT_TRUE(WaitUntil([&] { return Covers(main); }));
  EXPECT_TRUE(WaitUntil([&] { return Countdown(s) < windowedCount; }, 10000));

  s.TypeOnScreen("HELLO");
  EXPECT_EQ(Text(s.Of(MainId::AnswerBox)), "hello");
  if (OnTheProjector()) {
    ParkPointer();
    DropStaleHotLooks(main);
    SettlePaint(main);
    ShootWindow(main, L"fullscreen-1920x1080");
  }
  Click(s.Of(MainId::CheckButton));
  auto right = s.p.WaitForMessageBox();
  ASSERT_TRUE(right);
  EXPECT_EQ(right->text, "回答正确！");
  // Above the full-screen window: what lies at the box's centre is the box.
  const RECT box = WindowRect(right->hwnd);
  const POINT centre{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
  EXPECT_EQ(GetAncestor(WindowFromPoint(centre), GA_ROOT), right->hwnd);
  Program::Answer(*right, IDOK);
  EXPECT_TRUE(WaitUntil([&] { return Text(s.Of(quiz::kGroups[0].score)) == "1"; }));
  EXPECT_TRUE(Covers(main));
}

// The sample's picture on a question with its own 6 s: enlarged by a click on
// it, Esc closes the picture and leaves full screen on, and the time-out's box
// comes in front of the enlarged picture.
TEST(FullScreen, AnEnlargedPictureGivesWayToEscAndToTheTimeOut) {
  test::QuizFile quiz = kQuiz;
  quiz.pictures[0] = "图片\\长江.jpg";
  quiz.countdowns[0] = "6";
  Session s(L"fullscreen-picture", quiz.Bytes());
  s.CopySamplePicture();
  HWND main = s.p.MainWindow();
  SetForegroundWindow(main);
  PressKey(VK_F11);
  ASSERT_TRUE(WaitUntil([&] { return Covers(main); }));
  s.PressStart();
  s.Press(MainId::QuestionButton1, [&] { return Visible(s.Of(MainId::GroupPanel)); });
  s.Press(MainId::ConfirmGroupButton, [&] { return !Visible(s.Of(MainId::GroupPanel)); });
  if (OnTheProjector()) {
    ParkPointer();
    DropStaleHotLooks(main);
    SettlePaint(main);
    ShootWindow(main, L"fullscreen-picture-1920x1080");
  }
  auto large = [&] { return FindWindowExW(main, nullptr, L"LornelLargePicture", nullptr); };
  RECT label;
  GetWindowRect(s.Of(MainId::QuestionLabel1), &label);
  const POINT onPicture{label.right - (label.right - label.left) / 10,
                        (label.top + label.bottom) / 2};
  ClickAt(onPicture);
  ASSERT_TRUE(WaitUntil([&] { return large() != nullptr; }));
  const RECT covered = WindowRect(large()), monitor = MonitorOf(main);
  EXPECT_TRUE(EqualRect(&covered, &monitor)) << "the whole full-screen client area";
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(WaitUntil([&] { return !large(); }));
  EXPECT_TRUE(Covers(main)) << "Esc closed the picture only";
  ClickAt(onPicture);
  ASSERT_TRUE(WaitUntil([&] { return large() != nullptr; }));
  auto late = s.p.WaitForMessageBox(8000);
  ASSERT_TRUE(late);
  EXPECT_EQ(late->text, "回答超时！！");
  const RECT box = WindowRect(late->hwnd);
  EXPECT_EQ(GetAncestor(WindowFromPoint({(box.left + box.right) / 2, (box.top + box.bottom) / 2}),
                        GA_ROOT),
            late->hwnd);
  Program::Answer(*late, IDOK);
  EXPECT_TRUE(WaitUntil([&] { return !large(); })) << "gone with the question";
  EXPECT_TRUE(Covers(main));
}

}  // namespace
}  // namespace lornel::e2e
