// A form run modally (the thread's other windows disabled while it lives),
// and the Open dialog it owns.
#include <vector>

#include "platform/win32/open_dialog.h"
#include "ui/win32/form.h"

namespace lornel::win32 {
namespace {

BOOL CALLBACK CollectEnabled(HWND w, LPARAM list) {
  if (IsWindowEnabled(w)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(w);
  return TRUE;
}

}  // namespace

bool Win32Form::RunModal(HWND owner) {
  owner_ = owner;
  std::vector<HWND> disabled;
  EnumThreadWindows(GetCurrentThreadId(), CollectEnabled, reinterpret_cast<LPARAM>(&disabled));
  for (HWND w : disabled) EnableWindow(w, FALSE);
  const bool created = Create();
  const PumpEnd end = created ? PumpMessages([this] { return destroyed_; }) : PumpEnd{};
  for (HWND w : disabled)
    if (IsWindow(w)) EnableWindow(w, TRUE);
  // The pump took the quit off the queue; the outer loop must still see it.
  if (end.quit) PostQuitMessage(end.exitCode);
  return created;
}

std::optional<std::string> Win32Form::AskOpenPath(const std::string& path) {
  return AskOpenQuestionFile(hwnd_, path);
}

}  // namespace lornel::win32
