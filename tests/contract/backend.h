// One set of control-kind cases, run against both backends (in-memory
// natively, Win32 under Wine) so that the two cannot drift apart.
#pragma once

#include <memory>
#include <vector>

#include "ui/form.h"
#include "ui/table.h"

namespace lornel::contract {

struct Recorder : ui::EventSink {
  std::vector<ui::Binding> events;
  void OnControlEvent(const ui::Binding& b) override { events.push_back(b); }
  int Count(ui::Slot slot, int arg) const {
    int n = 0;
    for (const auto& e : events) n += e.slot == slot && e.arg == arg;
    return n;
  }
};

class Backend {
 public:
  virtual ~Backend() = default;
  virtual ui::Form& form() = 0;
  // Lets time pass with the message loop running.
  virtual void Wait(int milliseconds) = 0;
  // A left click of the user at the centre of the control's rectangle.
  virtual void UserClick(int id) = 0;
  // What the progress bar shows (not the stored position).
  virtual int ShownPosition(int id) = 0;
  Recorder recorder;
};

// Built and shown, creation-complete already raised.
std::unique_ptr<Backend> MakeBackend(const ui::Table& table);

}  // namespace lornel::contract
