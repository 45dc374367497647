// The main window built by the Win32 backend from its real control table.
#include <windows.h>
#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "quiz/main_ids.h"
#include "tests/contract/backend.h"
#include "tests/win32/support/pump.h"
#include "ui/win32/form.h"

namespace lornel {
namespace {

using quiz::MainId;

struct CreationProbe : contract::Recorder {
  win32::Win32Form* form = nullptr;
  bool windowVisibleAtCreation = true;
  bool coverShownAtCreation = false;
  void OnCreated() override {
    windowVisibleAtCreation = IsWindowVisible(form->hwnd()) != FALSE;
    coverShownAtCreation =
        (GetWindowLongW(form->ControlWindow(static_cast<int>(MainId::StartCover)), GWL_STYLE) &
         WS_VISIBLE) != 0;
  }
};

class MainWindow : public testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<win32::Win32Form>(quiz::MainTable(), probe);
    probe.form = form.get();
    ASSERT_TRUE(form->Create());
    test::Pump(100);
  }
  HWND Of(MainId id) { return form->ControlWindow(static_cast<int>(id)); }
  CreationProbe probe;
  std::unique_ptr<win32::Win32Form> form;
};

TEST_F(MainWindow, CreationCompleteRunsHiddenWithTheVisibleControlsAlreadyShown) {
  EXPECT_FALSE(probe.windowVisibleAtCreation);
  EXPECT_TRUE(probe.coverShownAtCreation);
  EXPECT_TRUE(IsWindowVisible(form->hwnd()));
}

TEST_F(MainWindow, HasOneIconForBothSizes) {
  const LRESULT big = SendMessageW(form->hwnd(), WM_GETICON, ICON_BIG, 0);
  EXPECT_NE(big, 0);
  EXPECT_EQ(SendMessageW(form->hwnd(), WM_GETICON, ICON_SMALL, 0), big);
}

TEST_F(MainWindow, SiblingsAreStackedInTableOrder) {
  const ui::Table& table = quiz::MainTable();
  for (const ui::Row& row : table.rows) {
    HWND below = GetWindow(form->ControlWindow(row.id), GW_HWNDNEXT);
    // The next sibling in the table must be the next window down.
    for (int next = row.id + 1; next < table.size(); ++next) {
      if (table[next].parent != row.parent) continue;
      EXPECT_EQ(below, form->ControlWindow(next)) << "below row " << row.id;
      break;
    }
  }
}

TEST_F(MainWindow, EveryCaptionIsTheWindowText) {
  char text[64] = {};
  GetWindowTextA(Of(MainId::StartButton), text, sizeof text);
  EXPECT_STREQ(text, "开始！Go！Go！Go！");
  GetWindowTextA(Of(MainId::ScoreSentence), text, sizeof text);
  EXPECT_EQ(std::string(text).substr(0, 8), "第一组：");
  EXPECT_EQ(form->Text(static_cast<int>(MainId::KeyEnter)), "Enter←┘");
}

TEST_F(MainWindow, FontsAreBoldGb2312OfTheGivenHeight) {
  LOGFONTW lf{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Of(MainId::CheckButton), WM_GETFONT, 0, 0)),
             sizeof lf, &lf);
  EXPECT_EQ(lf.lfHeight, -16);
  EXPECT_EQ(lf.lfWeight, FW_BOLD);
  EXPECT_EQ(lf.lfCharSet, GB2312_CHARSET);
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Of(MainId::KeyQ), WM_GETFONT, 0, 0)), sizeof lf,
             &lf);
  EXPECT_STREQ(lf.lfFaceName, L"幼圆");
  GetObjectW(
      reinterpret_cast<HFONT>(SendMessageW(Of(MainId::CancelQuestionLink), WM_GETFONT, 0, 0)),
      sizeof lf, &lf);
  EXPECT_TRUE(lf.lfUnderline);
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(Of(MainId::StartCover), WM_GETFONT, 0, 0)),
            GetStockObject(DEFAULT_GUI_FONT));
}

void CALLBACK EndMessageLoop(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  PostQuitMessage(0);
}

// Keys as a user's arrive: real input to the focused control, run through the
// program's own message loop (which handles Tab itself) until the input is
// done; WM_TIMER comes only once the queue holds nothing else.
void PressKeys(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  for (WORD vk : keys) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    inputs.push_back(in);
    in.ki.dwFlags = KEYEVENTF_KEYUP;
    inputs.push_back(in);
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  SetTimer(nullptr, 0, 200, EndMessageLoop);
  win32::RunMessageLoop();
}

TEST_F(MainWindow, EscEnterAndF1DoNothingAndTabMovesTheFocus) {
  HWND start = Of(MainId::StartButton);
  SetForegroundWindow(form->hwnd());
  SetFocus(start);
  ASSERT_EQ(GetFocus(), start);
  PressKeys({VK_ESCAPE, VK_RETURN, VK_F1});
  EXPECT_TRUE(IsWindow(form->hwnd()));
  EXPECT_EQ(GetFocus(), start);
  // Esc is a command of the window's (which does nothing while windowed), no button's.
  for (const ui::ControlEvent& e : probe.events) {
    EXPECT_GE(e.command, 0);
    EXPECT_EQ(e.binding.slot, quiz::MainSlot::Escape);
  }
  // The same way in, Tab does arrive.
  PressKeys({VK_TAB});
  EXPECT_NE(GetFocus(), start);
  EXPECT_TRUE(IsChild(form->hwnd(), GetFocus()));
}

TEST_F(MainWindow, NoTimerRunsAtStart) {
  test::Pump(1100);
  EXPECT_TRUE(probe.events.empty());
}

}  // namespace
}  // namespace lornel
