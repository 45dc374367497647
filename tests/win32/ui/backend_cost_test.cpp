// What the backend does per message and per state change, kept cheap because
// under Wine a window property or a message through the skin is a server
// round trip: controls found from their own fields, no-op enabling sends
// nothing, and windows wholly covered by siblings paint nothing.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <tuple>

#include "quiz/main_ids.h"
#include "tests/contract/backend.h"
#include "tests/win32/support/pump.h"
#include "tests/win32/ui/main_form.h"
#include "ui/win32/dpi.h"
#include "ui/win32/form.h"

namespace lornel {
namespace {

using quiz::MainId;

using BackendCost = test::MainForm;

TEST_F(BackendCost, ControlsAreFoundByTheirWindowAndNothingElseIs) {
  for (int id = 0; id < quiz::kMainControlCount; ++id) {
    HWND hwnd = form->ControlWindow(id);
    ASSERT_NE(hwnd, nullptr);
    const win32::Control* c = win32::Win32Form::ControlOf(hwnd);
    ASSERT_NE(c, nullptr) << id;
    EXPECT_EQ(c->row->id, id);
    EXPECT_EQ(c->form, form.get());
  }
  EXPECT_EQ(win32::Win32Form::ControlOf(nullptr), nullptr);
  EXPECT_EQ(win32::Win32Form::ControlOf(form->hwnd()), nullptr) << "the window is no control";
  // A child of someone else's window, with an id in our range and user data set.
  HWND stranger = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr,
                                  nullptr, nullptr);
  HWND child = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD, 0, 0, 10, 10, stranger,
                               reinterpret_cast<HMENU>(1005), nullptr, nullptr);
  SetWindowLongPtrW(stranger, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form.get()));
  EXPECT_EQ(win32::Win32Form::ControlOf(child), nullptr);
  // A window of ours that is not the control its id names.
  HWND impostor = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD, 0, 0, 10, 10, form->hwnd(),
                                  reinterpret_cast<HMENU>(1005), nullptr, nullptr);
  EXPECT_EQ(win32::Win32Form::ControlOf(impostor), nullptr);
  DestroyWindow(impostor);
  DestroyWindow(stranger);
}

WNDPROC g_buttonProc = nullptr;
int g_cancelModes = 0, g_enables = 0;

LRESULT CALLBACK Counting(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CANCELMODE) ++g_cancelModes;
  if (message == WM_ENABLE) ++g_enables;
  return CallWindowProcW(g_buttonProc, hwnd, message, wParam, lParam);
}

TEST_F(BackendCost, SettingTheEnabledStateAWindowHasSendsItNothing) {
  const int id = static_cast<int>(MainId::QuestionButton1);
  HWND button = form->ControlWindow(id);
  g_buttonProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Counting)));
  g_cancelModes = g_enables = 0;
  form->SetEnabled(id, false);
  EXPECT_FALSE(form->IsEnabled(id));
  EXPECT_EQ(g_cancelModes, 1);
  EXPECT_EQ(g_enables, 1);
  for (int tick = 0; tick < 50; ++tick) form->SetEnabled(id, false);  // the lock timer's ticks
  EXPECT_EQ(g_cancelModes, 1);
  EXPECT_EQ(g_enables, 1);
  form->SetEnabled(id, true);
  form->SetEnabled(id, true);
  EXPECT_TRUE(form->IsEnabled(id));
  EXPECT_EQ(g_enables, 2);
  SetWindowLongPtrW(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_buttonProc));
}

// A label under the start cover has nothing on screen and draws nothing;
// once uncovered it draws its caption as before.
TEST_F(BackendCost, ALabelUnderTheCoverDrawsOnlyOnceUncovered) {
  const int label = static_cast<int>(MainId::CountdownNumber);  // the countdown display, "0"
  HWND hwnd = form->ControlWindow(label);
  ASSERT_TRUE(IsWindowVisible(hwnd));
  RECT r;
  GetClientRect(hwnd, &r);
  HDC dc = GetDC(hwnd);
  RECT clip;
  EXPECT_EQ(GetClipBox(dc, &clip), NULLREGION) << "the cover lies over it";
  ReleaseDC(hwnd, dc);
  form->SetVisible(static_cast<int>(MainId::StartCover), false);
  UpdateWindow(form->hwnd());
  test::Pump(50);
  dc = GetDC(hwnd);
  bool caption = false;  // any pixel other than the background of its corner
  const COLORREF face = GetPixel(dc, 1, 1);
  for (int y = 0; y < r.bottom && !caption; ++y)
    for (int x = 0; x < r.right && !caption; ++x) caption = GetPixel(dc, x, y) != face;
  ReleaseDC(hwnd, dc);
  EXPECT_TRUE(caption) << "the label draws its caption once it shows";
}

std::set<HWND> g_painted;  // windows sent an erase or a paint

LRESULT CALLBACK NotePaints(int code, WPARAM wParam, LPARAM lParam) {
  const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION &&
      (sent->message == WM_PAINT || sent->message == WM_ERASEBKGND || sent->message == WM_NCPAINT))
    g_painted.insert(sent->hwnd);
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Coming up, the window erases and paints nothing of what the start cover
// hides, yet all of it is shown and nothing is left to paint.
TEST(BackendStart, NothingUnderTheCoverIsPaintedAtTheFirstShow) {
  contract::Recorder recorder;
  win32::Win32Form form(quiz::MainTable(), recorder);
  g_painted.clear();
  HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, NotePaints, nullptr, GetCurrentThreadId());
  ASSERT_TRUE(form.Create());
  UnhookWindowsHookEx(hook);
  EXPECT_TRUE(g_painted.count(form.ControlWindow(static_cast<int>(MainId::StartButton))));
  int under = 0;
  for (MainId panel : {MainId::InfoBar, MainId::ScoreBar, MainId::QuestionArea}) {
    HWND hwnd = form.ControlWindow(static_cast<int>(panel));
    EXPECT_TRUE(IsWindowVisible(hwnd));
    for (int id = 0; id < quiz::kMainControlCount; ++id) {
      HWND c = form.ControlWindow(id);
      if (c != hwnd && !IsChild(hwnd, c)) continue;
      ++under;
      EXPECT_FALSE(g_painted.count(c)) << "row " << id;
      EXPECT_FALSE(GetUpdateRect(c, nullptr, FALSE)) << "row " << id;
    }
  }
  EXPECT_GT(under, 70);
  EXPECT_FALSE(IsWindowVisible(form.ControlWindow(static_cast<int>(MainId::GroupPanel))));
}

// Font objects of the process; Wine's handle table takes a bare index.
int FontObjects() {
  int fonts = 0;
  for (ULONG_PTR index = 1; index < 0x10000; ++index)
    fonts += GetObjectType(reinterpret_cast<HGDIOBJ>(index)) == OBJ_FONT;
  return fonts;
}

// One font object per distinct description the window draws with, not one per control.
TEST(BackendFonts, TheMainWindowMakesOneFontPerDistinctDescription) {
  const int before = FontObjects();
  contract::Recorder recorder;
  auto form = std::make_unique<win32::Win32Form>(quiz::MainTable(), recorder);
  ASSERT_TRUE(form->Create());
  const ui::Scale scale = form->scale();
  std::set<std::tuple<std::string, int, bool, int>> distinct;
  for (const ui::Row& row : quiz::MainTable().rows) {
    if (row.kind == ui::Kind::Timer) continue;
    const auto add = [&](ui::Scale at) {
      if (row.font.present() || !at.IsOne())
        distinct.insert({row.font.face, row.font.height, row.font.underline, at.permille()});
    };
    add(scale);
    if (!scale.IsOne() && (row.kind == ui::Kind::Label || row.kind == ui::Kind::TransLabel))
      add(ui::Scale());
  }
  const int made = FontObjects() - before;
  std::printf("font objects of the main window: %d (%zu distinct)\n", made, distinct.size());
  EXPECT_LE(made, static_cast<int>(distinct.size())) << "at scale " << scale.permille();
  EXPECT_LT(distinct.size(), quiz::MainTable().rows.size() / 4);
  form.reset();
  EXPECT_EQ(FontObjects(), before) << "every font goes with its window";
}

// Asked for its size at a DPI, the window gives what it would take there:
// its own size at its own DPI, and no less at a higher one.
TEST(BackendFonts, TheWindowAnswersItsSizeAtANewDpi) {
  contract::Recorder recorder;
  win32::Win32Form form(quiz::MainTable(), recorder);
  ASSERT_TRUE(form.Create());
  constexpr UINT kGetDpiScaledSize = 0x02E4;
  const int dpi = win32::DpiOfWindow(form.hwnd());
  const ui::Scale scale = form.scale();
  RECT r;
  GetWindowRect(form.hwnd(), &r);
  SIZE size{};
  EXPECT_TRUE(SendMessageW(form.hwnd(), kGetDpiScaledSize, dpi, reinterpret_cast<LPARAM>(&size)));
  EXPECT_EQ(size.cx, r.right - r.left);
  EXPECT_EQ(size.cy, r.bottom - r.top);
  SIZE larger{};
  SendMessageW(form.hwnd(), kGetDpiScaledSize, dpi * 2, reinterpret_cast<LPARAM>(&larger));
  EXPECT_GE(larger.cx, size.cx);
  EXPECT_EQ(form.scale(), scale) << "asking changes nothing";
}

}  // namespace
}  // namespace lornel
