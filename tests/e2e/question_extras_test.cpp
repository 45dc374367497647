// A question's own picture, seconds and points, played on the real program:
// the picture enlarged by a click and closed by the next, a question's own
// 5-second countdown under a global 30, and a question worth 3.
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/e2e/driver.h"
#include "tests/e2e/session.h"
#include "tests/support/quiz_text/quiz_text.h"

namespace lornel::e2e {
namespace {

using quiz::MainId;

const test::QuizFile kQuiz{.titles = {"这条河的英文名是什么？", "一年有几个月？", "三加四等于几？"},
                           .answers = {"Yangtze", "12", "7"},
                           .countdown = "30",
                           .pictures = {"图片\\长江.jpg"},
                           .countdowns = {"", "5"},
                           .pointsOf = {"", "", "3"}};

HWND LargePicture(HWND main) {
  return FindWindowExW(main, nullptr, L"LornelLargePicture", nullptr);
}

void OpenForGroupThree(Session& s, MainId button) {
  s.Press(button, [&] { return Visible(s.Of(MainId::GroupPanel)); });
  s.Press(MainId::GroupRadio3, [&] {
    return SendMessageW(s.Of(MainId::GroupRadio3), BM_GETCHECK, 0, 0) == BST_CHECKED;
  });
  s.Press(MainId::ConfirmGroupButton, [&] { return !Visible(s.Of(MainId::GroupPanel)); });
}

TEST(QuestionExtras, APictureEnlargedAndClosedByClicksOwnSecondsAndOwnPoints) {
  Session s(L"extras", kQuiz.Bytes());
  s.CopySamplePicture();
  s.PressStart();
  HWND main = s.p.MainWindow();

  OpenForGroupThree(s, MainId::QuestionButton1);
  Pause(500);  // the group panel's place repainted
  s.Screenshot(L"main-picture");
  RECT label;
  GetWindowRect(s.Of(MainId::QuestionLabel1), &label);
  // The picture takes the label's right part at its full height.
  ClickAt({label.right - (label.right - label.left) / 10, (label.top + label.bottom) / 2});
  ASSERT_TRUE(WaitUntil([&] { return LargePicture(main) && Visible(LargePicture(main)); }));
  RECT client, large;
  GetClientRect(main, &client);
  GetWindowRect(LargePicture(main), &large);
  EXPECT_EQ(large.right - large.left, client.right);
  EXPECT_EQ(large.bottom - large.top, client.bottom);
  EXPECT_EQ(ChildWindowFromPointEx(main, {client.right / 2, client.bottom / 2}, CWP_SKIPINVISIBLE),
            LargePicture(main))
      << "above every control";
  Click(LargePicture(main));
  EXPECT_TRUE(WaitUntil([&] { return !LargePicture(main); }));
  EXPECT_TRUE(Visible(s.Of(MainId::QuestionLabel1))) << "back at the question";
  s.TypeOnBoard("YANGTZE");
  Click(s.Of(MainId::CheckButton));
  auto first = s.p.WaitForMessageBox();
  ASSERT_TRUE(first);
  Program::Answer(*first, IDOK);
  EXPECT_TRUE(WaitUntil([&] { return Text(s.Of(MainId::Score3)) == "1"; }));
  EXPECT_TRUE(WaitUntil([&] { return !Visible(s.Of(MainId::QuestionPanel1)); }));

  // Its countdown starts after this and none of its seconds comes early; a
  // loaded machine only makes them late, far from the global 30 s.
  const DWORD started = GetTickCount();
  OpenForGroupThree(s, MainId::QuestionButton2);
  EXPECT_TRUE(
      WaitUntil([&] { return std::atoi(Text(s.Of(MainId::CountdownNumber)).c_str()) <= 5; }, 10000))
      << "its own 5 s, not the global 30";
  auto late = s.p.WaitForMessageBox(20000);
  ASSERT_TRUE(late);
  const int waited = static_cast<int>(GetTickCount() - started);
  EXPECT_EQ(late->text, "回答超时！！");
  EXPECT_GE(waited, 4980);
  Program::Answer(*late, IDOK);
  EXPECT_TRUE(WaitUntil([&] { return !Enabled(s.Of(MainId::QuestionButton2)); }));

  OpenForGroupThree(s, MainId::QuestionButton3);
  s.TypeOnBoard("7");
  Click(s.Of(MainId::CheckButton));
  auto right = s.p.WaitForMessageBox();
  ASSERT_TRUE(right);
  EXPECT_EQ(right->text, "回答正确！");
  Program::Answer(*right, IDOK);
  EXPECT_TRUE(WaitUntil([&] { return Text(s.Of(MainId::Score3)) == "4"; }))
      << "1 and then the question's own 3, not the global 1";
}

}  // namespace
}  // namespace lornel::e2e
