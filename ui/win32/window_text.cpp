#include "ui/win32/window_text.h"

#include <algorithm>

namespace lornel::win32 {

std::wstring WindowText(HWND hwnd) {
  // The length is an upper bound (it may count a DBCS text's bytes); what was copied is the text.
  const int length = GetWindowTextLengthW(hwnd);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(hwnd, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(std::max(copied, 0)));
  return text;
}

}  // namespace lornel::win32
