// The Host's few calls into the user interface: message boxes, the shell's
// "open", and simulated keys and characters.
#include "platform/win32/host.h"

#include <windows.h>
#include <shellapi.h>

#include <iterator>

#include "platform/win32/text.h"

namespace lornel::win32 {

namespace {

platform::MessageResult Pressed(int id) {
  // IDOK..IDNO are 1..7; 0 (the box could not be shown) and the rest read as OK.
  if (id < IDOK || id > IDNO) return platform::MessageResult::Ok;
  return static_cast<platform::MessageResult>(id - IDOK);
}

}  // namespace

platform::MessageResult Win32Host::ShowMessageBox(std::string_view text, std::string_view title,
                                                  unsigned flags, platform::Handle owner) {
  HWND ownerWindow = reinterpret_cast<HWND>(owner);
  // On the stack: the fatal report (at most 1023 bytes) comes here when memory has run out.
  wchar_t wideText[1024], wideTitle[64];
  if (WideInto(text, wideText, std::size(wideText)) &&
      WideInto(title, wideTitle, std::size(wideTitle)))
    return Pressed(MessageBoxW(ownerWindow, wideText, wideTitle, flags));
  return Pressed(MessageBoxW(ownerWindow, Wide(text).c_str(), Wide(title).c_str(), flags));
}

void Win32Host::ShellOpen(const std::string& path) {
  ShellExecuteW(nullptr, L"open", Wide(path).c_str(), nullptr, L"", SW_SHOWNORMAL);
}

void Win32Host::InjectKey(int virtualKey, bool release) {
  keybd_event(static_cast<BYTE>(virtualKey), 0, release ? KEYEVENTF_KEYUP : 0, 0);
}

void Win32Host::InjectCharacter(char16_t character) {
  const SHORT key = VkKeyScanW(static_cast<wchar_t>(character));
  // Low byte the key, high byte the Shift, Ctrl and Alt it needs; -1: not on the layout.
  if (character >= u'0' && character <= u'9' && key != -1 && HIBYTE(key) == 0) {
    InjectKey(LOBYTE(key), false);
    InjectKey(LOBYTE(key), true);
    return;
  }
  INPUT input[2] = {};
  for (INPUT& in : input) {
    in.type = INPUT_KEYBOARD;
    in.ki.wScan = static_cast<WORD>(character);
    in.ki.dwFlags = KEYEVENTF_UNICODE;
  }
  input[1].ki.dwFlags |= KEYEVENTF_KEYUP;
  SendInput(2, input, sizeof(INPUT));
}

}  // namespace lornel::win32
