// A window of ours from its table and its events. The events are made for the
// form once it exists and handed to it before it is created, so a sink holds
// its form from construction on and never sees a half-built window.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "ui/form.h"
#include "ui/table.h"

namespace lornel::win32 {

using MakeEvents = std::function<std::unique_ptr<ui::EventSink>(ui::Form& form)>;

// Creates the window and runs the thread's message loop until no window of
// the program is left. False, without a loop, when the window could not be created.
bool RunWindow(const ui::Table& table, const MakeEvents& makeEvents);

// The window over owner (none: nullptr), modal: returns when it is destroyed.
bool RunModalWindow(const ui::Table& table, const MakeEvents& makeEvents, HWND owner = nullptr);

}  // namespace lornel::win32
