#include "skinlib/dll/scale.h"

#include "skinlib/layout_scale_message.h"

namespace skinh {
namespace {

constexpr int kMinMilli = 500;
constexpr int kMaxMilli = 10000;
constexpr UINT kBaseDpi = 96;

// Looked up once and kept: RegisterWindowMessage is a server round trip under
// Wine. Two threads racing here store the same values.
volatile UINT g_message = 0;
volatile LONG_PTR g_getDpiForWindow = 0;  // 0: not looked up yet; 1: absent
volatile UINT g_screenDpi = 0;

UINT ScaleMessage() {
  UINT message = g_message;
  if (!message) g_message = message = RegisterWindowMessageW(kLayoutScaleMessage);
  return message;
}

// GetDpiForWindow exists from Windows 10 1607 on; the library still runs on 7.
UINT WindowDpi(HWND hwnd) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  LONG_PTR fn = g_getDpiForWindow;
  if (!fn) {
    fn = reinterpret_cast<LONG_PTR>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow"));
    g_getDpiForWindow = fn = fn ? fn : 1;
  }
  return fn != 1 ? reinterpret_cast<GetDpiForWindowFn>(fn)(hwnd) : 0;
}

UINT ScreenDpi() {
  UINT dpi = g_screenDpi;
  if (!dpi) {
    HDC screen = GetDC(nullptr);
    dpi = screen ? static_cast<UINT>(GetDeviceCaps(screen, LOGPIXELSY)) : 0;
    if (screen) ReleaseDC(nullptr, screen);
    g_screenDpi = dpi = dpi ? dpi : kBaseDpi;
  }
  return dpi;
}

int Clamp(LONG_PTR milli) {
  return static_cast<int>(milli < kMinMilli ? kMinMilli : milli > kMaxMilli ? kMaxMilli : milli);
}

}  // namespace

Scale ScaleOf(HWND hwnd) {
  HWND root = GetAncestor(hwnd, GA_ROOT);
  if (!root) root = hwnd;
  // A root on another, hung thread must not stall our painting.
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(root, ScaleMessage(), 0, 0, SMTO_ABORTIFHUNG, 200, &answer)) answer = 0;
  const auto milli = static_cast<LONG_PTR>(answer);
  if (milli > 0) return Scale(Clamp(milli));
  UINT dpi = WindowDpi(root);
  if (!dpi) dpi = ScreenDpi();
  if (dpi > 10 * kBaseDpi) dpi = kBaseDpi;  // not a real display
  return Scale(Clamp((static_cast<LONG_PTR>(dpi) * Scale::kOne + kBaseDpi / 2) / kBaseDpi));
}

}  // namespace skinh
