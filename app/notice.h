// The notice window of a second copy: skin 1, a three-second countdown that
// ends the process, and the message's flickering colour.
#pragma once

#include "app/notice_ids.h"
#include "app/random.h"
#include "app/shell.h"
#include "ui/form.h"

namespace lornel::app {

using NoticeForm = ui::Controls<app::NoticeId>;

class NoticeEvents : public ui::EventSink {
 public:
  NoticeEvents(Shell& shell, ui::Form& form) : shell_(shell), notice_(form) {}

  void OnCreated() override;
  void OnControlEvent(const ui::ControlEvent& event) override;

 private:
  void CountdownTick();
  void FlickerTick();

  Shell& shell_;
  NoticeForm notice_;
};

// One generator for the whole process, like the program's only random source.
Random& ProcessRandom();

}  // namespace lornel::app
