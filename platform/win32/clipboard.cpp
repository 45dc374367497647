// The clipboard's text: the editor's paste reads it, the score bar's copy writes it.
#include <windows.h>

#include <cstring>

#include "platform/win32/host.h"

namespace lornel::win32 {
namespace {

// Another program may hold the clipboard for a moment.
bool OpenClipboardSoon(HWND owner) {
  for (int attempt = 0; attempt < 10; ++attempt) {
    if (OpenClipboard(owner)) return true;
    Sleep(20);
  }
  return false;
}

}  // namespace

std::optional<std::u16string> Win32Host::ClipboardText() {
  if (!OpenClipboardSoon(nullptr)) return std::nullopt;
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

bool Win32Host::SetClipboardText(const std::u16string& text, platform::Handle owner) {
  const std::size_t bytes = (text.size() + 1) * sizeof(char16_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!memory) return false;
  if (void* units = GlobalLock(memory)) {
    std::memcpy(units, text.c_str(), bytes);
    GlobalUnlock(memory);
  } else {
    GlobalFree(memory);
    return false;
  }
  if (!OpenClipboardSoon(reinterpret_cast<HWND>(owner))) {
    GlobalFree(memory);
    return false;
  }
  // Once SetClipboardData succeeds the memory is the system's.
  const bool put = EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
  if (!put) GlobalFree(memory);
  return put;
}

}  // namespace lornel::win32
