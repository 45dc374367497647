// The Host's few calls into the user interface: message boxes, the shell's
// "open", and simulated keys.
#include "platform/win32/host.h"

#include <windows.h>
#include <shellapi.h>

#include <iterator>

#include "platform/win32/text.h"

namespace lornel::win32 {

platform::MessageResult Win32Host::ShowMessageBox(std::string_view text, std::string_view title,
                                                  unsigned flags, platform::Handle owner) {
  HWND ownerWindow = reinterpret_cast<HWND>(owner);
  // On the stack: the fatal report (at most 1023 bytes) comes here when memory has run out.
  wchar_t wideText[1024], wideTitle[64];
  if (WideInto(text, wideText, std::size(wideText)) &&
      WideInto(title, wideTitle, std::size(wideTitle)))
    return static_cast<platform::MessageResult>(
        MessageBoxW(ownerWindow, wideText, wideTitle, flags));
  return static_cast<platform::MessageResult>(
      MessageBoxW(ownerWindow, Wide(text).c_str(), Wide(title).c_str(), flags));
}

void Win32Host::ShellOpen(const std::string& path) {
  ShellExecuteW(nullptr, L"open", Wide(path).c_str(), nullptr, L"", SW_SHOWNORMAL);
}

void Win32Host::InjectKey(int virtualKey, bool release) {
  keybd_event(static_cast<BYTE>(virtualKey), 0, release ? KEYEVENTF_KEYUP : 0, 0);
}

}  // namespace lornel::win32
