#include "ui/win32/run_window.h"

#include "ui/win32/form.h"

namespace lornel::win32 {

bool RunWindow(const ui::Table& table, const MakeEvents& makeEvents) {
  Win32Form form(table);
  const std::unique_ptr<ui::EventSink> events = makeEvents(form);
  form.SetSink(*events);
  if (!form.Create()) return false;
  RunMessageLoop();
  return true;
}

bool RunModalWindow(const ui::Table& table, const MakeEvents& makeEvents, HWND owner) {
  Win32Form form(table);
  const std::unique_ptr<ui::EventSink> events = makeEvents(form);
  form.SetSink(*events);
  return form.RunModal(owner);
}

}  // namespace lornel::win32
