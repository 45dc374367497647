// Full screen on the real main window (1280x800, and the display runs at
// 1920x1080 and at 144 DPI): it covers the monitor with the same controls at
// the fitting scale, centred, and goes back to exactly what it was.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/notice_ids.h"
#include "quiz/main_ids.h"
#include "tests/contract/backend.h"
#include "tests/win32/support/pump.h"
#include "tests/win32/support/scaled.h"
#include "tests/win32/ui/main_form.h"
#include "ui/win32/form.h"

namespace lornel {
namespace {

using quiz::MainId;

RECT WindowRect(HWND hwnd) {
  RECT r;
  GetWindowRect(hwnd, &r);
  return r;
}

bool SameRect(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

RECT MonitorOf(HWND hwnd) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &info);
  return info.rcMonitor;
}

using test::PressKey;

// The whole window as it stands, frame included.
std::vector<COLORREF> Pixels(HWND hwnd) {
  const RECT r = WindowRect(hwnd);
  std::vector<COLORREF> pixels;
  HDC dc = GetWindowDC(hwnd);
  for (int y = 0; y < r.bottom - r.top; y += 2)
    for (int x = 0; x < r.right - r.left; x += 2) pixels.push_back(GetPixel(dc, x, y));
  ReleaseDC(hwnd, dc);
  return pixels;
}

class FullScreen : public test::MainForm {
 protected:
  int Id(MainId id) { return static_cast<int>(id); }
  // Every control at round(s x its table rectangle), the window's own
  // children shifted by the centring.
  void ExpectEveryControlPlaced(POINT origin) {
    for (const ui::Row& row : quiz::MainTable().rows) {
      HWND control = form->ControlWindow(row.id);
      RECT r = WindowRect(control);
      MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
      if (row.parent == ui::kWindowParent) OffsetRect(&r, -origin.x, -origin.y);
      const ui::Rect want = form->scale().Of(row.rect);
      EXPECT_TRUE(std::abs(r.left - want.left) <= 1 && std::abs(r.top - want.top) <= 1 &&
                  std::abs(r.right - want.right()) <= 1 && std::abs(r.bottom - want.bottom()) <= 1)
          << reinterpret_cast<const char*>(row.name);
    }
  }
  // The centring, as the start cover (a child of the window) shows it.
  POINT Origin() {
    RECT cover = WindowRect(Of(MainId::StartCover));
    MapWindowPoints(nullptr, form->hwnd(), reinterpret_cast<POINT*>(&cover), 2);
    const ui::Rect table = quiz::MainTable()[Id(MainId::StartCover)].rect;
    return {cover.left - form->scale().Of(table.left), cover.top - form->scale().Of(table.top)};
  }
};

TEST_F(FullScreen, CoversTheMonitorAtTheFittingScaleCentredAndGoesBackExactly) {
  ASSERT_EQ(test::DisplayMismatch(), "");
  const RECT windowed = WindowRect(form->hwnd());
  const LONG style = GetWindowLongW(form->hwnd(), GWL_STYLE);
  const LONG exStyle = GetWindowLongW(form->hwnd(), GWL_EXSTYLE);
  const ui::Scale scale = form->scale();
  RECT client;
  GetClientRect(form->hwnd(), &client);
  const ui::Size table{scale.Back(client.right), scale.Back(client.bottom)};
  std::vector<HWND> controls;
  for (const ui::Row& row : quiz::MainTable().rows) controls.push_back(form->ControlWindow(row.id));

  form->SetFullScreen(true);
  test::Pump(100);
  const RECT monitor = MonitorOf(form->hwnd());
  EXPECT_TRUE(SameRect(WindowRect(form->hwnd()), monitor));
  GetClientRect(form->hwnd(), &client);
  EXPECT_EQ(client.right, monitor.right - monitor.left) << "no frame";
  EXPECT_EQ(client.bottom, monitor.bottom - monitor.top);
  EXPECT_EQ(GetWindowLongW(form->hwnd(), GWL_STYLE) & WS_CAPTION, 0);
  EXPECT_EQ(GetWindowLongW(form->hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  const ui::FullScreenFit fit =
      ui::FitFullScreen({monitor.right - monitor.left, monitor.bottom - monitor.top}, table, scale);
  EXPECT_EQ(form->scale(), fit.scale);
  EXPECT_GE(form->scale().permille(), scale.permille());
  EXPECT_EQ(test::LayoutScaleOf(form->hwnd()), form->scale()) << "what the skin is told";
  const POINT origin = Origin();
  EXPECT_NEAR(origin.x, fit.origin.x, 1);
  EXPECT_NEAR(origin.y, fit.origin.y, 1);
  ExpectEveryControlPlaced(origin);

  form->SetFullScreen(false);
  test::Pump(100);
  EXPECT_TRUE(SameRect(WindowRect(form->hwnd()), windowed));
  EXPECT_EQ(GetWindowLongW(form->hwnd(), GWL_STYLE), style);
  EXPECT_EQ(GetWindowLongW(form->hwnd(), GWL_EXSTYLE), exStyle);
  EXPECT_EQ(form->scale(), scale);
  ExpectEveryControlPlaced({0, 0});
  for (const ui::Row& row : quiz::MainTable().rows)
    EXPECT_EQ(form->ControlWindow(row.id), controls[static_cast<std::size_t>(row.id)]);
}

TEST_F(FullScreen, F11AndEscWorkFromTheAnswerBoxAndTypingIsUntouched) {
  HWND box = Of(MainId::AnswerBox);
  form->SetText(Id(MainId::AnswerBox), "abc");
  const RECT windowed = WindowRect(form->hwnd());

  PressKey(box, VK_F11);
  EXPECT_TRUE(form->IsFullScreen());
  PressKey(box, VK_ESCAPE);
  EXPECT_FALSE(form->IsFullScreen());
  EXPECT_TRUE(SameRect(WindowRect(form->hwnd()), windowed));
  PressKey(box, VK_ESCAPE);  // off: Esc closes nothing
  EXPECT_TRUE(IsWindow(form->hwnd()));
  EXPECT_FALSE(form->IsFullScreen());
  EXPECT_EQ(form->Text(Id(MainId::AnswerBox)), "abc");

  PressKey(Of(MainId::StartButton), VK_F11);  // from a button too
  EXPECT_TRUE(form->IsFullScreen());
  PressKey(Of(MainId::StartButton), VK_F11);
  EXPECT_FALSE(form->IsFullScreen());
}

// Windows' own items, a separator, 撤销, 声音, 比赛结果 and 全屏显示 last, as the guide says.
TEST_F(FullScreen, TheSystemMenuItemIsLastSwitchesAndIsCheckedWhileOn) {
  HMENU menu = GetSystemMenu(form->hwnd(), FALSE);
  const int last = GetMenuItemCount(menu) - 1;
  std::vector<std::wstring> texts;
  for (int i = last - 4; i <= last; ++i) {
    wchar_t text[64] = {};
    GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
    texts.push_back(text);
  }
  EXPECT_EQ(texts, (std::vector<std::wstring>{L"", L"\u64a4\u9500\tCtrl+Z",         // 撤销
                                              L"\u58f0\u97f3",                      // 声音
                                              L"\u6bd4\u8d5b\u7ed3\u679c\tF9",      // 比赛结果
                                              L"\u5168\u5c4f\u663e\u793a\tF11"}));  // 全屏显示
  EXPECT_EQ(GetMenuState(menu, static_cast<UINT>(last - 4), MF_BYPOSITION) & MF_SEPARATOR,
            static_cast<UINT>(MF_SEPARATOR));
  const UINT command = GetMenuItemID(menu, last);

  SendMessageW(form->hwnd(), WM_SYSCOMMAND, command, 0);
  EXPECT_TRUE(form->IsFullScreen());
  EXPECT_TRUE(GetMenuState(menu, command, MF_BYCOMMAND) & MF_CHECKED);
  const RECT full = WindowRect(form->hwnd());
  SendMessageW(form->hwnd(), WM_SYSCOMMAND, SC_MOVE, 0);  // nothing to move
  EXPECT_TRUE(SameRect(WindowRect(form->hwnd()), full));
  SendMessageW(form->hwnd(), WM_SYSCOMMAND, command, 0);
  EXPECT_FALSE(form->IsFullScreen());
  EXPECT_FALSE(GetMenuState(menu, command, MF_BYCOMMAND) & MF_CHECKED);
}

TEST_F(FullScreen, HandlersStillSpeakTableUnitsAndTimersRunOn) {
  form->SetInterval(Id(MainId::ShakeTimer), 50);  // the shake
  form->SetFullScreen(true);
  form->SetLeft(Id(MainId::AnswerBox), 75);
  EXPECT_EQ(form->Left(Id(MainId::AnswerBox)), 75);
  const int ticks = recorder.Count(quiz::MainSlot::ShakeTick, 0);
  test::Pump(300);
  EXPECT_GT(recorder.Count(quiz::MainSlot::ShakeTick, 0), ticks);
  form->SetFullScreen(false);
  EXPECT_EQ(form->Left(Id(MainId::AnswerBox)), 75);
  EXPECT_EQ(form->Interval(Id(MainId::ShakeTimer)), 50);
}

// A switch moves everything without painting and redraws once: that one
// paint must leave nothing that a full repaint would draw differently.
TEST_F(FullScreen, OnePaintAfterEachSwitchDrawsTheWholeWindow) {
  for (bool on : {true, false, true, false}) {
    form->SetFullScreen(on);
    UpdateWindow(form->hwnd());
    const std::vector<COLORREF> once = Pixels(form->hwnd());
    RedrawWindow(form->hwnd(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    EXPECT_TRUE(once == Pixels(form->hwnd())) << (on ? "full screen" : "windowed");
  }
}

TEST_F(FullScreen, ADisplayChangeFitsItAgain) {
  form->SetFullScreen(true);
  const ui::Scale full = form->scale();
  RECT suggested{0, 0, 800, 600};
  SendMessageW(form->hwnd(), 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(192, 192),
               reinterpret_cast<LPARAM>(&suggested));
  EXPECT_TRUE(SameRect(WindowRect(form->hwnd()), MonitorOf(form->hwnd())));
  EXPECT_GE(form->scale().permille(), full.permille());
  SendMessageW(form->hwnd(), WM_DISPLAYCHANGE, 32, 0);
  EXPECT_TRUE(SameRect(WindowRect(form->hwnd()), MonitorOf(form->hwnd())));
  EXPECT_EQ(form->scale(), full);
  form->SetFullScreen(false);
  EXPECT_FALSE(form->IsFullScreen());
}

TEST(FullScreenElsewhere, TheNoticeWindowIgnoresF11) {
  contract::Recorder recorder;
  win32::Win32Form notice(app::NoticeTable(), recorder);
  ASSERT_TRUE(notice.Create());
  const RECT before = WindowRect(notice.hwnd());
  PressKey(notice.hwnd(), VK_F11);
  EXPECT_FALSE(notice.IsFullScreen());
  EXPECT_TRUE(SameRect(WindowRect(notice.hwnd()), before));
}

}  // namespace
}  // namespace lornel
