#include "platform/win32/open_dialog.h"

#include <windows.h>
#include <commdlg.h>

#include <algorithm>
#include <initializer_list>
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

// Starts at path, or with no name in folder; filter: pairs of a description
// and its patterns (GBK), the first one chosen.
std::optional<std::string> AskOpenFile(HWND owner, const std::string& path,
                                       const std::string& folder, const char* title,
                                       std::initializer_list<const char*> filter,
                                       const wchar_t* defaultExtension) {
  std::vector<wchar_t> file(32768, L'\0');
  const std::wstring start = Wide(path);
  if (start.size() < file.size()) std::copy(start.begin(), start.end(), file.begin());
  // Each text ended by a NUL, the list by another.
  std::wstring filters;
  for (const char* text : filter) {
    filters += Wide(text);
    filters += L'\0';
  }
  const std::wstring caption = Wide(title), initialFolder = Wide(folder);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filters.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrTitle = caption.c_str();
  if (!initialFolder.empty()) dialog.lpstrInitialDir = initialFolder.c_str();
  dialog.lpstrDefExt = defaultExtension;
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

}  // namespace

std::optional<std::string> AskOpenQuestionFile(HWND owner, const std::string& path) {
  return AskOpenFile(owner, path, {}, "打开题目文件",
                     {"题目文件 (*.ini)", "*.ini", "所有文件 (*.*)", "*.*"}, L"ini");
}

std::optional<std::string> AskOpenPictureFile(HWND owner, const std::string& folder) {
  return AskOpenFile(owner, {}, folder, "选择题目图片",
                     {"图片 (*.jpg;*.jpeg;*.png;*.bmp;*.gif)", "*.jpg;*.jpeg;*.png;*.bmp;*.gif",
                      "所有文件 (*.*)", "*.*"},
                     nullptr);
}

}  // namespace lornel::win32
