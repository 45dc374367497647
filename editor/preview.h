// The preview window: one question in the question label's size, font and
// word wrap, with a note whether the whole title fits.
#pragma once

#include "editor/editor.h"
#include "ui/editor_ids.h"

namespace lornel::editor {

class PreviewEvents : public ui::EventSink {
 public:
  explicit PreviewEvents(PreviewRequest request) : request_(std::move(request)) {}
  void Attach(ui::Form& form) { form_ = &form; }
  void OnCreated() override;
  void OnControlEvent(const ui::Binding& binding) override;

 private:
  PreviewRequest request_;
  ui::Form* form_ = nullptr;
};

}  // namespace lornel::editor
