// The ranking over the real main window: a window above every control over
// the whole client area, its buttons real ones that raise their commands, the
// keys kept from the controls beneath, the focus given back, and its picture.
#include <windows.h>
#include <gtest/gtest.h>

#include "tests/win32/support/pump.h"
#include "tests/win32/ui/main_form.h"

namespace lornel {
namespace {

using quiz::MainId;

class Ranking : public test::MainForm {
 protected:
  void SetUp() override {
    MainForm::SetUp();
    board.entries = {{1, "第二组", "5 分"}, {2, "第一组", "3 分"}, {2, "第三组", "3 分"}};
    board.buttons = {{"只显示名次", int(quiz::MainCommand::RanksOnly)},
                     {"复制", int(quiz::MainCommand::CopyRanking)},
                     {"返回", int(quiz::MainCommand::CloseRanking)}};
  }
  HWND Window() { return FindWindowExW(form->hwnd(), nullptr, L"LornelRanking", nullptr); }
  HWND Button(int i) {
    HWND b = FindWindowExW(Window(), nullptr, L"Button", nullptr);
    while (b && i-- > 0) b = FindWindowExW(Window(), b, L"Button", nullptr);
    return b;
  }
  int Raised(quiz::MainSlot slot) { return recorder.Count(slot, 0); }
  ui::RankingBoard board;
};

TEST_F(Ranking, LiesOverEveryControlAndItsButtonsRaiseTheirCommands) {
  SetFocus(Of(MainId::AnswerBox));
  form->ShowRanking(board);
  test::Pump(50);
  ASSERT_TRUE(Window());
  RECT client, over;
  GetClientRect(form->hwnd(), &client);
  GetClientRect(Window(), &over);
  EXPECT_TRUE(EqualRect(&client, &over));
  EXPECT_EQ(GetWindow(form->hwnd(), GW_CHILD), Window()) << "the topmost child";
  EXPECT_EQ(GetFocus(), Button(0)) << "keys no longer reach the answer box";

  // Tab goes round its buttons only.
  test::PressKey(GetFocus(), VK_TAB);
  EXPECT_EQ(GetFocus(), Button(1));
  test::PressKey(GetFocus(), VK_TAB);
  test::PressKey(GetFocus(), VK_TAB);
  EXPECT_EQ(GetFocus(), Button(0));

  test::ClickAtCentre(Button(1), form->hwnd());
  EXPECT_TRUE(test::WaitUntil([&] { return Raised(quiz::MainSlot::CopyRanking) == 1; }, 2000));
  // A changed board shows at once, in the same window.
  HWND window = Window();
  board.buttons[0].caption = "显示得分";
  form->ShowRanking(board);
  EXPECT_EQ(Window(), window);
  wchar_t text[16] = {};
  GetWindowTextW(Button(0), text, 16);
  EXPECT_STREQ(text, L"显示得分");

  // The picture: the client area's size, the background at its corner.
  const ui::Pixels picture = form->RankingPicture();
  EXPECT_EQ(picture.width, client.right);
  EXPECT_EQ(picture.height, client.bottom);
  EXPECT_EQ(picture.argb[0], 0xFF1B2845u);

  form->CloseRanking();
  EXPECT_FALSE(Window());
  EXPECT_EQ(GetFocus(), Of(MainId::AnswerBox)) << "the focus is given back";
  EXPECT_TRUE(form->RankingPicture().empty());
}

}  // namespace
}  // namespace lornel
