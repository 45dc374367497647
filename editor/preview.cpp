#include "editor/preview.h"

#include "editor/unicode.h"
#include "quiz/tables.h"

namespace lornel::editor {

using ui::PreviewId;

void PreviewEvents::OnCreated() {
  if (!form_) return;
  ui::Controls<PreviewId> preview(*form_);
  const int n = request_.row;
  const std::string name = quiz::kQuestions[static_cast<std::size_t>(n - 1)].caption;
  preview.form().SetWindowCaption("预览：" + name + " - " + kEditorName);
  preview.SetText(PreviewId::QuestionPanel, name);
  preview.form().SetUnicodeText(int(PreviewId::QuestionLabel), request_.title);
  const auto fit = preview.form().MeasureCaption(int(PreviewId::QuestionLabel), request_.title);
  std::string note;
  bool good = false;
  if (request_.title.empty()) {
    note = "这一题还没有题目。";
  } else if (FirstUnheld(request_.title).position != 0) {
    note = "题目里有无法保存的字符（例如表情符号），课堂上会显示成问号。";
  } else if (!fit.fits()) {
    note = "题目太长：需要 " + std::to_string(fit.linesNeeded) + " 行，课堂上只能显示 " +
           std::to_string(fit.linesShown) + " 行，后面的文字看不到。";
  } else {
    note = "题目可以完整显示。";
    good = true;
  }
  preview.SetText(PreviewId::FitNote, note);
  preview.SetTextColour(PreviewId::FitNote, good ? ui::Hex(0x008000) : ui::Hex(0xC00000));
}

void PreviewEvents::OnControlEvent(const ui::Binding& binding) {
  if (form_ && binding.slot == ui::Slot::PreviewClose) form_->RequestClose();
}

}  // namespace lornel::editor
