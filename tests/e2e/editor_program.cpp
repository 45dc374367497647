#include "tests/e2e/editor_program.h"

#include <gtest/gtest.h>

namespace lornel::e2e {
namespace {

struct Found {
  DWORD pid;
  HWND window = nullptr;
};

BOOL CALLBACK FindEditorWindow(HWND hwnd, LPARAM data) {
  auto* f = reinterpret_cast<Found*>(data);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  wchar_t cls[32] = {};
  GetClassNameW(hwnd, cls, 32);
  if (pid != f->pid || !IsWindowVisible(hwnd) || std::wstring(cls) != L"LornelWindow") return TRUE;
  f->window = hwnd;
  return FALSE;
}

}  // namespace

EditorProgram::EditorProgram(const std::wstring& dir)
    : p(Program::StartCopyOf(BuiltEditor(), dir, L"lornel-editor.exe")) {
  Found f{p.pid()};
  WaitUntil([&] { return EnumWindows(FindEditorWindow, reinterpret_cast<LPARAM>(&f)), f.window; },
            15000);
  window = f.window;
  p.WaitForInputIdle();
}

void SetValue(HWND box, const std::wstring& text) {
  SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string Profile(const std::wstring& file, const char* section, const char* key) {
  char buffer[1024] = {};
  GetPrivateProfileStringA(section, key, "", buffer, sizeof buffer, Gbk(file).c_str());
  return buffer;
}

std::wstring FolderWithExample(const std::wstring& tag) {
  const std::wstring dir = FreshDirectory(tag);
  const auto example = ReadBytes(ExampleFile());
  EXPECT_TRUE(example) << "--example= names examples/wtda.ini";
  WriteBytes(Join(dir, L"wtda.ini"), example.value_or(""));
  return dir;
}

}  // namespace lornel::e2e
