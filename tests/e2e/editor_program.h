// The question editor started in a folder of its own, for the editor's tests.
#pragma once

#include <windows.h>

#include <string>

#include "editor/ids.h"
#include "tests/e2e/driver.h"

namespace lornel::e2e {

// A running lornel-editor.exe in dir (copied there unless it lies there already).
struct EditorProgram {
  explicit EditorProgram(const std::wstring& dir);
  HWND Of(editor::EditorId id) const { return Program::Control(window, static_cast<int>(id)); }
  std::string Caption() const { return Text(window); }
  bool Modified() const { return Caption().rfind("*", 0) == 0; }

  Program p;
  HWND window = nullptr;
};

// As UI automation sets a value (and a screen reader reads it back).
void SetValue(HWND box, const std::wstring& text);
std::string Profile(const std::wstring& file, const char* section, const char* key);
// A new folder holding a copy of examples/wtda.ini.
std::wstring FolderWithExample(const std::wstring& tag);

}  // namespace lornel::e2e
