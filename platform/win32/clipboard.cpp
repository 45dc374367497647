// The clipboard's text, for the editor's paste.
#include <windows.h>

#include "platform/win32/host.h"

namespace lornel::win32 {

std::optional<std::u16string> Win32Host::ClipboardText() {
  // Another program may hold the clipboard for a moment.
  bool open = false;
  for (int attempt = 0; attempt < 10 && !(open = OpenClipboard(nullptr) != FALSE); ++attempt)
    Sleep(20);
  if (!open) return std::nullopt;
  std::optional<std::u16string> text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* units = static_cast<const char16_t*>(GlobalLock(data))) {
      const std::size_t limit = GlobalSize(data) / sizeof(char16_t);
      std::size_t length = 0;
      while (length < limit && units[length]) ++length;
      text = std::u16string(units, length);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

}  // namespace lornel::win32
