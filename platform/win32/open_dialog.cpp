#include "platform/win32/open_dialog.h"

#include <windows.h>
#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "platform/win32/library.h"
#include "platform/win32/text.h"

namespace lornel::win32 {
namespace {

using GetOpenFileNameFn = BOOL(WINAPI*)(OPENFILENAMEW*);

// Bound when first asked for, from System32 only: lornel.exe never shows the
// dialog, and importing comdlg32 would load it (and what it pulls in) at
// every start of the program.
GetOpenFileNameFn OpenDialogFunction() {
  static const GetOpenFileNameFn function = [] {
    HMODULE module = LoadSystemLibrary(L"comdlg32.dll");
    return module ? reinterpret_cast<GetOpenFileNameFn>(
                        reinterpret_cast<void*>(GetProcAddress(module, "GetOpenFileNameW")))
                  : nullptr;
  }();
  return function;
}

}  // namespace

std::optional<std::string> AskOpenQuestionFile(HWND owner, const std::string& path) {
  std::vector<wchar_t> file(32768, L'\0');
  const std::wstring start = Wide(path);
  if (start.size() < file.size()) std::copy(start.begin(), start.end(), file.begin());
  // Pairs of description and pattern, each ended by a NUL, the list by another.
  std::wstring filter = Wide("题目文件 (*.ini)");
  filter += L'\0';
  filter += L"*.ini";
  filter += L'\0';
  filter += Wide("所有文件 (*.*)");
  filter += L'\0';
  filter += L"*.*";
  filter += L'\0';
  const std::wstring title = Wide("打开题目文件");
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrTitle = title.c_str();
  dialog.lpstrDefExt = L"ini";
  dialog.Flags =
      OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  const auto open = OpenDialogFunction();
  if (!open || !open(&dialog)) return std::nullopt;
  const std::wstring chosen(file.data());
  // Paths are GBK inside the program: a name that GBK cannot hold cannot be used.
  const std::string gbk = Gbk(chosen);
  if (Wide(gbk) != chosen) return std::string();
  return gbk;
}

}  // namespace lornel::win32
