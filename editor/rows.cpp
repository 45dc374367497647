// What the teacher does to rows: pasting from a spreadsheet, previewing a
// question, and choosing or removing its picture.
#include <algorithm>

#include "config/config.h"
#include "config/path.h"
#include "config/question_kinds.h"
#include "editor/asking.h"
#include "editor/boxes.h"
#include "editor/editor.h"
#include "editor/option_buttons.h"
#include "editor/options.h"
#include "editor/paste.h"
#include "editor/pictures.h"
#include "editor/unicode.h"
#include "judging/judge.h"
#include "judging/pinyin.h"

namespace lornel::editor {
namespace {

bool IsBareTruth(std::u16string_view answer) {
  while (!answer.empty() && answer.front() == u' ') answer.remove_prefix(1);
  while (!answer.empty() && answer.back() == u' ') answer.remove_suffix(1);
  return answer == u"对" || answer == u"错";
}

// How question row's answers can be typed, for the preview.
std::string AnswerNote(const Quiz& saved, int row) {
  const auto answer = ToGbk(saved.answers[row - 1]);
  const auto others = ToGbk(saved.otherAnswers[row - 1]);
  if (!answer || !others) return "答案里有无法保存的字符。";
  std::vector<std::string> answers = judging::SplitAlternatives(*others);
  if (!answer->empty()) answers.insert(answers.begin(), *answer);
  if (answers.empty()) return "这一题还没有答案。";
  const bool pinyin = SwitchOn(saved.pinyin);
  std::string note;
  for (const std::string& a : answers) {
    note += note.empty() ? "" : "；";
    const std::string spelled = pinyin ? judging::PinyinSpelling(a) : a;
    note += spelled == a ? a : a + " → " + spelled;
  }
  return (answers.size() > 1 ? "这些答案都算对：" : "答案：") + note;
}

}  // namespace

void PasteRows(Editor& e) {
  const auto text = e.host.ClipboardText();
  const auto rows = AsQuestionRows(ParseSpreadsheetRows(text ? *text : std::u16string()));
  if (rows.empty()) {
    Tell(e, "剪贴板里没有文字。请先在 Excel 或 WPS 表格里选中“题目、答案”两列并复制。",
         ui::kMbIconInformation);
    return;
  }
  const int focused = e.form.form().LastFocusedEditBox();
  const int first = RowOf(focused) > 0 ? RowOf(focused) : e.optionsRow;
  // One column pasted into an answer box fills answers only.
  const bool answersOnly =
      focused == int(AnswerBox(first)) &&
      std::none_of(rows.begin(), rows.end(), [](const QuestionRow& r) { return r.hasAnswer; });
  const int count =
      std::min<int>(static_cast<int>(rows.size()), config::kQuestionCount - first + 1);
  const int last = first + count - 1;
  const Quiz before = CurrentQuiz(e);
  bool overwrites = false;
  for (int n = first; n <= last; ++n)
    overwrites = overwrites || !before.answers[n - 1].empty() ||
                 (!answersOnly &&
                  (!before.titles[n - 1].empty() || !OptionCells(before.options[n - 1]).empty()));
  if (overwrites && Tell(e,
                         "第" + std::to_string(first) + "题到第" + std::to_string(last) +
                             "题已有内容，粘贴会替换它们。继续吗？",
                         ui::kMbYesNo | ui::kMbIconWarning) != platform::MessageResult::Yes)
    return;
  for (int n = first; n <= last; ++n) {
    const QuestionRow& r = rows[static_cast<std::size_t>(n - first)];
    if (answersOnly) {
      e.form.form().SetUnicodeText(int(AnswerBox(n)), r.title);
      continue;
    }
    e.form.form().SetUnicodeText(int(TitleBox(n)), r.title);
    e.form.form().SetUnicodeText(int(AnswerBox(n)), r.answer);
    // Options make a choice question, a bare 对 or 错 a true/false one.
    const config::QuestionKind kind = !r.options.empty()      ? config::QuestionKind::Choice
                                      : IsBareTruth(r.answer) ? config::QuestionKind::TrueFalse
                                                              : config::QuestionKind::Typed;
    const std::u16string options = JoinedOptions(r.options);
    if (BoxCells(e.options[n - 1]) != BoxCells(options)) e.options[n - 1] = options;
    if (KindOf(e.kinds[n - 1]) != kind) e.kinds[n - 1] = KindName(kind);
    ShowKind(e, n);
  }
  ShowOptions(e, first);
  UpdateCaption(e);
  e.form.Focus(answersOnly ? AnswerBox(first) : TitleBox(first));
  if (static_cast<int>(rows.size()) > count)
    Tell(e,
         "剪贴板里有 " + std::to_string(rows.size()) + " 行，只粘贴了前 " + std::to_string(count) +
             " 行（到第14题为止）。",
         ui::kMbIconInformation);
}

namespace {

// What the answer panel shows of a choice or true/false question, as the
// board reads it (config::AskedQuestionFrom); one it would play as typed
// says why instead.
void PreviewOptions(const Editor& e, const Quiz& saved, int row, PreviewRequest& request) {
  const auto kind = KindOf(saved.kinds[row - 1]);
  if (kind == config::QuestionKind::Typed) return;
  const config::AskedQuestion asked = config::AskedQuestionFrom(
      ToGbk(saved.kinds[row - 1]).value_or(""), ToGbk(saved.options[row - 1]).value_or(""),
      ToGbk(saved.answers[row - 1]).value_or(""));
  if (asked.kind == config::QuestionKind::Typed) {
    std::string why;
    for (const Finding& f : CheckQuiz(saved, saved))
      if (f.severity == Severity::Error && f.field.row == row && why.empty() &&
          (f.field.kind == FieldKind::Options || f.field.kind == FieldKind::Answer))
        why = f.text;
    request.answerNote = "这道题还不完整，课堂上会按填空题出（学生输入答案）：" + why;
    request.optionsWhole = false;
    return;
  }
  if (asked.kind == config::QuestionKind::TrueFalse) {
    request.options = kTrueFalseCaptions;
    request.answerNote = "答案：" + asked.right;
    request.optionsNote = "课堂上显示这两个按钮，点一下作答。";
    return;
  }
  request.options = ChoiceCaptions(asked.options);
  std::string right;
  for (const char letter : asked.right)
    right += (right.empty() ? "" : "、") + request.options[std::size_t(letter - 'A')];
  request.answerNote = (asked.right.size() > 1 ? "答案（都要选上）：" : "答案：") + right;
  const std::vector<Finding> cut = OptionsCutOff(e, saved, row);
  request.optionsWhole = cut.empty();
  request.optionsNote = cut.empty() ? "选项都能完整显示。" : cut.front().text;
}

}  // namespace

void PreviewQuestion(Editor& e) {
  const int row = e.optionsRow;  // the row last worked on
  const Quiz saved = Normalized(CurrentQuiz(e));
  PreviewRequest request{row, saved.titles[row - 1], AnswerNote(saved, row), e.path,
                         ToGbk(saved.pictures[row - 1]).value_or("")};
  PreviewOptions(e, saved, row, request);
  if (e.openPreview) e.openPreview(request);
}

void ChoosePicture(Editor& e, int row) {
  if (row < 1 || row > config::kQuestionCount) return;
  const auto chosen = e.form.form().AskOpenPicture(config::FolderOf(e.path));
  if (!chosen) return;
  if (chosen->empty()) {
    Tell(e,
         "这张图片的路径里有无法使用的字符。请把图片放到名字只含中文、英文和数字的文件夹里，"
         "或者给它改个名字。");
    return;
  }
  const AdoptedPicture adopted = AdoptPicture(e.host, e.path, *chosen);
  if (!adopted.problem.empty()) {
    Tell(e, adopted.problem);
    return;
  }
  e.pictures[row - 1] = FromGbk(adopted.value);
  ShowPicture(e, row);
  UpdateCaption(e);
}

void ClearPicture(Editor& e, int row) {
  if (row < 1 || row > config::kQuestionCount) return;
  e.pictures[row - 1].clear();
  ShowPicture(e, row);
  e.form.Focus(PictureButton(row));
  UpdateCaption(e);
}

}  // namespace lornel::editor
