// One set of control-kind cases, run against both backends (in-memory
// natively, Win32 under Wine) so that the two cannot drift apart.
#pragma once

#include <memory>
#include <vector>

#include "ui/form.h"
#include "ui/table.h"

namespace lornel::contract {

struct Recorder : ui::EventSink {
  std::vector<ui::ControlEvent> events;
  void OnControlEvent(const ui::ControlEvent& e) override { events.push_back(e); }
  int Count(ui::Slot slot, int arg) const {
    int n = 0;
    for (const auto& e : events) n += e.binding.slot == slot && e.binding.arg == arg;
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
  // An event of the kind arriving at the control, at (x, y) in its table
  // units, the way this backend delivers that kind.
  virtual void Deliver(int id, ui::Event kind, int x, int y) = 0;
  // A right-click of the user at the centre of the control.
  virtual void UserRightClick(int id) = 0;
  // A key pressed by the user, with its modifiers, while the control has the
  // focus; its messages carry time (0: the moment it is pressed).
  virtual void UserPressKey(int id, ui::Key key, std::uint32_t time = 0) = 0;
  // The window's part of its system menu: the separator after Windows' own
  // items, then its lines (their command unknown: -1).
  virtual std::vector<ui::MenuLine> SystemMenu() = 0;
  // The user picks the command's line of the system menu.
  virtual void UserChooseFromSystemMenu(int command) = 0;
  // Popup menu `menu` opened with arg and the command's line picked (-1:
  // none); what PopupMenu returned. The lines it showed go to `shown`.
  virtual int UserChooseFromPopup(int menu, int arg, int command) = 0;
  std::vector<ui::MenuLine> shown;
  Recorder recorder;
};

// Built and shown, creation-complete already raised.
std::unique_ptr<Backend> MakeBackend(const ui::Table& table);

}  // namespace lornel::contract
