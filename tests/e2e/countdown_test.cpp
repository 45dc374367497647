// The countdown held by the teacher on the real program: a real right-click on
// the number and its menu, the Pause key from the answer box, the time-out
// after the added time.
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/e2e/driver.h"
#include "tests/e2e/session.h"
#include "tests/support/quiz_text/quiz_text.h"

namespace lornel::e2e {
namespace {

using quiz::MainId;

void RightClickAtCentre(HWND hwnd) {
  RECT r;
  GetWindowRect(hwnd, &r);
  RightClickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

// Opens the countdown's menu on hwnd and takes item `downs` (1: 暂停/继续, 2: 加 10 秒).
bool ChooseFromMenu(HWND hwnd, int downs) {
  RightClickAtCentre(hwnd);
  if (!WaitUntil([] { return FindWindowW(L"#32768", nullptr) != nullptr; })) return false;
  for (int i = 0; i < downs; ++i) PressKey(VK_DOWN);
  PressKey(VK_RETURN);
  return WaitUntil([] { return !FindWindowW(L"#32768", nullptr); }, 2000);
}

TEST(Countdown, PausedByTheMenuAndResumedByThePauseKeyThenTenSecondsMore) {
  Session s(
      L"countdown",
      test::QuizFile{.titles = {"用英语打个招呼"}, .answers = {"Hello"}, .countdown = "8"}.Bytes());
  s.PressStart();
  s.Press(MainId::QuestionButton1, [&] { return Visible(s.Of(MainId::GroupPanel)); });
  s.Press(MainId::ConfirmGroupButton, [&] { return !Visible(s.Of(MainId::GroupPanel)); });
  HWND number = s.Of(MainId::CountdownNumber);
  const auto shown = [&] { return std::atoi(Text(number).c_str()); };
  // Waits go by what the program shows, never by a count of milliseconds: on a
  // loaded machine its seconds come late, never early.
  ASSERT_TRUE(WaitUntil([&] { return shown() <= 6; }, 10000));

  ASSERT_TRUE(ChooseFromMenu(number, 1));
  const int held = shown();
  ASSERT_GE(held, 3) << "paused with time left";
  EXPECT_EQ(Text(s.Of(MainId::InfoText)), "倒计时已暂停");
  s.Screenshot(L"countdown-paused");
  Pause(3000);
  EXPECT_EQ(shown(), held) << "it stood still for 3 s";

  Click(s.Of(MainId::AnswerBox));  // the focus in the answer box
  PressKey(VK_PAUSE);
  EXPECT_TRUE(WaitUntil([&] { return Text(s.Of(MainId::InfoText)) != "倒计时已暂停"; }, 10000));
  EXPECT_EQ(shown(), held) << "on from the same value";
  EXPECT_TRUE(WaitUntil([&] { return shown() < held; }, 10000));

  const int before = shown();
  ASSERT_TRUE(ChooseFromMenu(s.Of(MainId::CountdownBar), 2));
  // Read after the clock, so that the second it shows began less than a second before.
  const DWORD raisedAt = GetTickCount();
  const int raised = shown();
  EXPECT_GT(raised, before) << "ten seconds more";
  EXPECT_LE(raised, before + 10);
  auto late = s.p.WaitForMessageBox((raised + 8) * 1000);
  ASSERT_TRUE(late);
  EXPECT_EQ(late->text, "回答超时！！");
  const int after = static_cast<int>(GetTickCount() - raisedAt);
  EXPECT_GE(after, raised * 1000) << "not before the added time ran out";
  Program::Answer(*late, IDOK);
}

}  // namespace
}  // namespace lornel::e2e
