#include "tests/win32/support/controls.h"

#include <algorithm>

namespace lornel::test {
namespace {

constexpr int kFirstControlId = 1000;

struct ById {
  int id;
  HWND found = nullptr;
};

BOOL CALLBACK FindById(HWND hwnd, LPARAM data) {
  auto* s = reinterpret_cast<ById*>(data);
  if (GetDlgCtrlID(hwnd) != s->id) return TRUE;
  s->found = hwnd;
  return FALSE;
}

}  // namespace

HWND Control(HWND top, int tableId) {
  ById s{kFirstControlId + tableId};
  if (top) EnumChildWindows(top, FindById, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

std::wstring WindowText(HWND hwnd) {
  if (!hwnd) return {};
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length))
    return {};
  std::wstring text(length + 1, L'\0');
  DWORD_PTR got = 0;
  SendMessageTimeoutW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                      SMTO_ABORTIFHUNG, 2000, &got);
  text.resize(std::min<std::size_t>(got, length));
  return text;
}

bool Visible(HWND hwnd) { return hwnd && IsWindowVisible(hwnd); }
bool Enabled(HWND hwnd) { return hwnd && IsWindowEnabled(hwnd); }

}  // namespace lornel::test
