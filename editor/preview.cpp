#include "editor/preview.h"

#include "config/questions.h"
#include "editor/unicode.h"
#include "quiz/question_picture.h"

namespace lornel::editor {

void PreviewEvents::OnCreated() {
  const ui::Controls<PreviewId>& preview = preview_;
  const int n = request_.row;
  const std::string name = config::QuestionName(n);
  preview.form().SetWindowCaption("预览：" + name + " - " + kEditorName);
  preview.SetText(PreviewId::QuestionPanel, name);
  preview.form().SetUnicodeText(int(PreviewId::QuestionLabel), request_.title);
  if (!request_.picture.empty())
    quiz::ShowQuestionPicture(preview.form(), int(PreviewId::QuestionLabel), request_.configPath,
                              request_.picture);
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
  preview.SetText(PreviewId::AnswerNote, request_.answerNote);
  preview.SetTextColour(PreviewId::FitNote, good ? ui::Hex(0x008000) : ui::Hex(0xC00000));
  for (std::size_t i = 0; i < request_.options.size() && i < kOptionCount; ++i)
    preview.SetText(OptionButton(int(i) + 1), request_.options[i]);
  preview.SetText(PreviewId::OptionsNote, request_.optionsNote);
  const ui::Colour warned = ui::Hex(0xC00000);
  preview.SetTextColour(PreviewId::OptionsNote, request_.optionsWhole ? ui::Hex(0x008000) : warned);
  if (!request_.optionsWhole && request_.options.empty())
    preview.SetTextColour(PreviewId::AnswerNote, warned);
}

void PreviewEvents::OnControlEvent(const ui::ControlEvent& event) {
  if (event.binding.slot == PreviewSlot::Close) preview_.RequestClose();
}

}  // namespace lornel::editor
