// The preview window: one question in the question label's size, font and
// word wrap, with its picture as the class sees it and a note whether the
// whole title fits; below it a choice or true/false question's buttons where
// the board puts them, and whether their captions fit.
#pragma once

#include "editor/editor.h"
#include "editor/ids.h"

namespace lornel::editor {

class PreviewEvents : public ui::EventSink {
 public:
  PreviewEvents(PreviewRequest request, ui::Form& form)
      : request_(std::move(request)), preview_(form) {}
  void OnCreated() override;
  void OnControlEvent(const ui::ControlEvent& event) override;

 private:
  PreviewRequest request_;
  ui::Controls<PreviewId> preview_;
};

}  // namespace lornel::editor
