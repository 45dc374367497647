#include "tests/win32/support/scaled.h"

#include <cstdlib>

#include "skinlib/layout_scale_message.h"

namespace lornel::test {

bool NearScaled(HWND control, const ui::Rect& table, ui::Scale scale) {
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  const ui::Rect want = scale.Of(table);
  return std::abs(r.left - want.left) <= 1 && std::abs(r.top - want.top) <= 1 &&
         std::abs(r.right - want.right()) <= 1 && std::abs(r.bottom - want.bottom()) <= 1;
}

std::string DisplayMismatch() {
  const char* asked = std::getenv("LORNEL_DISPLAY");
  if (!asked || !*asked) return "";
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  const std::string actual = std::to_string(GetSystemMetrics(SM_CXSCREEN)) + "x" +
                             std::to_string(GetSystemMetrics(SM_CYSCREEN)) + "@" +
                             std::to_string(dpi);
  return actual == asked ? "" : "screen is " + actual + ", asked for " + asked;
}

ui::Scale LayoutScaleOf(HWND top) {
  static const UINT message = RegisterWindowMessageW(kLayoutScaleMessage);
  return ui::Scale::FromPermille(static_cast<int>(SendMessageW(top, message, 0, 0)));
}

}  // namespace lornel::test
