// A running lornel-editor.exe, found by its window, and its controls.
#pragma once

#include <string>

#include "tests/e2e/driver.h"
#include "ui/editor_ids.h"

namespace lornel::e2e {

struct EditorProgram {
  // Starts the built editor in dir (copied there unless it lies there already).
  explicit EditorProgram(const std::wstring& dir);
  HWND Of(ui::EditorId id) const { return Program::Control(window, static_cast<int>(id)); }
  std::string Caption() const { return Text(window); }
  bool Modified() const { return Caption().rfind("*", 0) == 0; }

  Program p;
  HWND window = nullptr;
};

// As UI automation sets a value (and a screen reader reads it back).
void SetValue(HWND box, const std::wstring& text);

}  // namespace lornel::e2e
