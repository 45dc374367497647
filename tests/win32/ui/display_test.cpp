// The main window on the display the tests run on (1280x800 at 96 DPI, and the
// display runs: 1024x768, and 144 DPI on 2560x1440): it fits, every control is
// its table rectangle times the scale, and a DPI change lays it out anew.
#include <windows.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "quiz/main_ids.h"
#include "tests/contract/backend.h"
#include "tests/win32/support/pump.h"
#include "tests/win32/support/scaled.h"
#include "tests/win32/ui/main_form.h"
#include "ui/win32/dpi.h"
#include "ui/win32/form.h"

namespace lornel {
namespace {

using quiz::MainId;

// How wide the control's own font draws its caption, over the table font's width.
double CaptionRatio(HWND control, int tableHeight) {
  wchar_t text[64];
  const int n = GetWindowTextW(control, text, 64);
  HDC dc = GetDC(nullptr);
  SIZE own{}, table{};
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  GetTextExtentPoint32W(dc, text, n, &own);
  HFONT plain =
      CreateFontW(-tableHeight, 0, 0, 0, FW_BOLD, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, L"");
  SelectObject(dc, plain);
  GetTextExtentPoint32W(dc, text, n, &table);
  SelectObject(dc, old);
  DeleteObject(plain);
  ReleaseDC(nullptr, dc);
  return static_cast<double>(own.cx) / table.cx;
}

class Display : public test::MainForm {
 protected:
  void ExpectEveryControlScaled() {
    for (const ui::Row& row : quiz::MainTable().rows)
      EXPECT_TRUE(test::NearScaled(form->ControlWindow(row.id), row.rect, form->scale()))
          << reinterpret_cast<const char*>(row.name);
  }
};

TEST_F(Display, TheWindowFitsTheWorkAreaAtTheLargestScaleItsDpiAllows) {
  ASSERT_EQ(test::DisplayMismatch(), "");
  RECT work, window;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  GetWindowRect(form->hwnd(), &window);
  EXPECT_GE(window.left, work.left);
  EXPECT_GE(window.top, work.top);
  EXPECT_LE(window.right, work.right);
  EXPECT_LE(window.bottom, work.bottom);
  const int byDpi = win32::DpiOfWindow(form->hwnd()) * ui::Scale::kOne / ui::kTableDpi;
  EXPECT_LE(form->scale().permille(), byDpi);
  if (form->scale().permille() < byDpi) {  // made smaller: it fills the work area one way
    EXPECT_TRUE(work.right - window.right + window.left - work.left <= 3 ||
                work.bottom - window.bottom + window.top - work.top <= 3);
  }
  ExpectEveryControlScaled();
}

TEST_F(Display, CaptionsAreDrawnAtTheScaledSize) {
  const double s = form->scale().permille() / 1000.0;
  EXPECT_NEAR(CaptionRatio(Of(MainId::StartButton), 56), s, 0.06 * s);
  EXPECT_NEAR(CaptionRatio(Of(MainId::ScoreSentence), 21), s, 0.06 * s);
}

TEST_F(Display, ADpiChangeLaysTheSameControlsOutAnewAndKeepsTheirState) {
  std::vector<HWND> before;
  for (const ui::Row& row : quiz::MainTable().rows) before.push_back(form->ControlWindow(row.id));
  form->SetText(static_cast<int>(MainId::AnswerBox), "hello");
  form->SetLeft(static_cast<int>(MainId::AnswerBox), 75);  // mid-shake
  form->SetInterval(static_cast<int>(MainId::ShakeTimer), 50);
  const ui::Scale old = form->scale();

  // 72 DPI: three quarters of the table size, whatever the screen.
  RECT suggested{10, 20, 10 + 800, 20 + 600};
  SendMessageW(form->hwnd(), 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(72, 72),
               reinterpret_cast<LPARAM>(&suggested));
  test::Pump(200);
  EXPECT_NE(form->scale(), old);
  EXPECT_EQ(form->scale().permille(), 750);
  RECT window;
  GetWindowRect(form->hwnd(), &window);
  EXPECT_EQ(window.left, 10);
  EXPECT_EQ(window.top, 20);
  for (const ui::Row& row : quiz::MainTable().rows)
    EXPECT_EQ(form->ControlWindow(row.id), before[static_cast<std::size_t>(row.id)]);
  EXPECT_EQ(form->Text(static_cast<int>(MainId::AnswerBox)), "hello");
  EXPECT_EQ(form->Left(static_cast<int>(MainId::AnswerBox)), 75);
  EXPECT_TRUE(test::NearScaled(Of(MainId::AnswerBox), {75, 24, 392, 72}, form->scale()));
  EXPECT_EQ(form->Interval(static_cast<int>(MainId::ShakeTimer)), 50);
  const int ticks = recorder.Count(quiz::MainSlot::ShakeTick, 0);
  test::Pump(300);
  EXPECT_GT(recorder.Count(quiz::MainSlot::ShakeTick, 0), ticks) << "the shake's timer still runs";
  form->SetLeft(static_cast<int>(MainId::AnswerBox), 80);
  ExpectEveryControlScaled();
  EXPECT_NEAR(CaptionRatio(Of(MainId::StartButton), 56), 0.75, 0.05);
}

}  // namespace
}  // namespace lornel
