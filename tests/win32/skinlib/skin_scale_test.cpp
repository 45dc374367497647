// The skin's own measures follow the layout scale that a control's top-level
// window answers to "SkinH_LayoutScale"; a window that does not answer is
// drawn at its DPI, 96 here, which must look exactly as before.
#include <windows.h>
#include <gtest/gtest.h>

#include <vector>

#include "skinlib/layout_scale_message.h"
#include "tests/win32/skinlib/skin_kit.h"
#include "tests/win32/support/pump.h"

namespace {

using namespace lornel::test::skin;
namespace sk = lornel::skin;

enum : int { kButtonId = 1, kGroupId = 2 };
constexpr RECT kButtonAt{10, 10, 120, 60};  // x, y, width, height in 96-DPI pixels
constexpr RECT kGroupAt{140, 10, 220, 100};

int Scaled(int v, LONG_PTR milli) { return static_cast<int>((v * milli + 500) / 1000); }

// Places the controls at the window's scale, as the program does on WM_DPICHANGED.
void LayOut(HWND top) {
  const LONG_PTR milli = GetWindowLongPtrW(top, GWLP_USERDATA);
  const LONG_PTR at = milli ? milli : 1000;
  HFONT font = CreateFontW(-Scaled(20, at), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, GB2312_CHARSET,
                           0, 0, 0, 0, L"");
  for (auto [id, r] : {std::pair{kButtonId, kButtonAt}, std::pair{kGroupId, kGroupAt}}) {
    HWND child = GetDlgItem(top, id);
    HGDIOBJ old = reinterpret_cast<HGDIOBJ>(SendMessageW(child, WM_GETFONT, 0, 0));
    MoveWindow(child, Scaled(r.left, at), Scaled(r.top, at), Scaled(r.right, at),
               Scaled(r.bottom, at), TRUE);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (old && id == kGroupId) DeleteObject(old);  // the two share one font
  }
}

LRESULT CALLBACK ScaledTopProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  static const UINT ask = RegisterWindowMessageW(kLayoutScaleMessage);
  if (message == ask) return GetWindowLongPtrW(hwnd, GWLP_USERDATA);  // 0: does not answer
  if (message == WM_DPICHANGED) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, LOWORD(wParam) * 1000 / 96);
    LayOut(hwnd);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

// A top-level window that answers milli (0: no answer) with a push button and a group box.
HWND MakeWindow(LONG_PTR milli, int x, int y) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = ScaledTopProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"SkinScaledTop";
  RegisterClassW(&wc);
  HWND top = CreateWindowExW(WS_EX_TOPMOST, L"SkinScaledTop", L"比例",
                             WS_CAPTION | WS_CLIPCHILDREN | WS_VISIBLE, x, y, 600, 220, nullptr,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(top, GWLP_USERDATA, milli);
  const DWORD child = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
  CreateWindowExW(0, L"Button", L"按钮", child | BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER, 0, 0, 1,
                  1, top, reinterpret_cast<HMENU>(kButtonId), nullptr, nullptr);
  CreateWindowExW(0, L"Button", L"信息", child | BS_GROUPBOX | WS_CLIPCHILDREN, 0, 0, 1, 1, top,
                  reinterpret_cast<HMENU>(kGroupId), nullptr, nullptr);
  LayOut(top);
  UpdateWindow(top);
  lornel::test::Pump(30);
  return top;
}

// Pixels of colour c in a row from (x, y) on, stepping by dx.
int RunOf(HWND hwnd, int x, int y, int dx, COLORREF c) {
  int n = 0;
  while (n < 40 && Pixel(hwnd, x + n * dx, y) == c) ++n;
  return n;
}

// The first pixel of row y that is wholly colour c: where a rounded corner
// meets the straight edge (one pixel short of the radius at these sizes).
int CornerEnd(HWND hwnd, int y, COLORREF c) {
  int x = 0;
  while (x < 40 && Pixel(hwnd, x, y) != c) ++x;
  return x;
}

// Everything the control paints, drawn into memory.
std::vector<DWORD> Printed(HWND hwnd) {
  RECT r;
  GetClientRect(hwnd, &r);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(info.bmiHeader), r.right, -r.bottom, 1, 32, BI_RGB};
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, bitmap);
  SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  GdiFlush();
  const auto* p = static_cast<const DWORD*>(bits);
  std::vector<DWORD> pixels(p, p + r.right * r.bottom);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return pixels;
}

struct Measures {
  int buttonCorner, buttonBorder, groupCorner, groupLine;
};

Measures Measure(HWND top, const sk::SkinData& s) {
  HWND button = GetDlgItem(top, kButtonId), group = GetDlgItem(top, kGroupId);
  RECT b, g;
  GetClientRect(button, &b);
  GetClientRect(group, &g);
  const COLORREF border = s.colour[sk::kButtonBorder], frame = s.colour[sk::kFrame];
  return {CornerEnd(button, 0, border), RunOf(button, 0, b.bottom / 2, 1, border),
          CornerEnd(group, g.bottom - 1, frame), RunOf(group, 0, g.bottom / 2, 1, frame)};
}

TEST(SkinLibrary, ScalesItsMeasuresInAProcessOfItsOwn) { RunSuiteInChild(L"SkinInProcessScale"); }

class SkinInProcessScale : public testing::Test {
 protected:
  void SetUp() override {
    if (!InSkinChild())
      GTEST_SKIP()
          << "runs in the child process of SkinLibrary.ScalesItsMeasuresInAProcessOfItsOwn";
    const AttachFn attach = LoadAttach();
    ASSERT_NE(attach, nullptr);
    skin_ = SkinBytes(12);  // button and panel radius 6, border 1, single frame
    ASSERT_FALSE(skin_.empty());
    ASSERT_EQ(attach(skin_.data(), static_cast<int>(skin_.size()), "", 0, 0, 0), 0);
  }
  Bytes skin_;
};

TEST_F(SkinInProcessScale, AWindowAnsweringOneAndAWindowThatDoesNotAtNinetySixDpiMatch) {
  HWND answering = MakeWindow(1000, 500, 0), silent = MakeWindow(0, 500, 300);
  for (int id : {kButtonId, kGroupId})
    EXPECT_EQ(Printed(GetDlgItem(answering, id)), Printed(GetDlgItem(silent, id))) << id;
  DestroyWindow(answering);
  DestroyWindow(silent);
}

TEST_F(SkinInProcessScale, RadiiBordersAndFramesGrowWhenTheWindowIsLaidOutAtOneAndAHalf) {
  const sk::SkinData s = Parsed(skin_);
  HWND top = MakeWindow(1000, 500, 0);
  const Measures one = Measure(top, s);
  EXPECT_EQ(one.buttonCorner, 6 - 1);
  EXPECT_EQ(one.buttonBorder, 1);
  EXPECT_EQ(one.groupCorner, 6 - 1);
  EXPECT_EQ(one.groupLine, 1);

  // Moved to a 144-DPI screen: the window answers 1500 and lays itself out again.
  RECT suggested;
  GetWindowRect(top, &suggested);
  SendMessageW(top, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  UpdateWindow(top);
  lornel::test::Pump(30);
  const Measures half = Measure(top, s);
  EXPECT_EQ(half.buttonCorner, 9 - 1);
  EXPECT_EQ(half.buttonBorder, 2);  // round(1.5)
  EXPECT_EQ(half.groupCorner, 9 - 1);
  EXPECT_EQ(half.groupLine, 2);
  DestroyWindow(top);
}

}  // namespace
