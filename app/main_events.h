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
  void OnControlEvent(const ui::ControlEvent& event) override;

 private:
  Shell& shell_;
};

// The handler for an event of the main window's table (for tests too).
void Dispatch(Shell& shell, const ui::ControlEvent& event);

}  // namespace lornel::app
