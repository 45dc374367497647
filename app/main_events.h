// The main window's events, each to its one handler.
#pragma once

#include "app/shell.h"
#include "ui/form.h"

namespace lornel::app {

class MainEvents : public ui::EventSink {
 public:
  explicit MainEvents(Shell& shell) : shell_(shell) {}

  void OnCreated() override;
  void OnDestroyed() override;
  void OnControlEvent(const ui::Binding& binding) override;
  void OnContextMenu(const ui::Binding& binding, int x, int y) override;

 private:
  Shell& shell_;
};

// The handler for a binding of the main window's table (for tests); x is
// where a context menu was asked for, in the control's table units.
void Dispatch(Shell& shell, const ui::Binding& binding, int x = 0);

}  // namespace lornel::app
