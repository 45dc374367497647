#include "editor/options.h"

#include "config/question_kinds.h"
#include "editor/boxes.h"
#include "editor/unicode.h"

namespace lornel::editor {
namespace {

std::u16string_view Trimmed(std::u16string_view text) {
  while (!text.empty() && (text.front() == u' ' || text.front() == u'\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == u' ' || text.back() == u'\t')) text.remove_suffix(1);
  return text;
}

std::u16string Joined(const std::u16string* first, const std::u16string* last) {
  std::u16string out;
  for (const std::u16string* cell = first; cell != last; ++cell)
    out += (cell == first ? u"" : u" | ") + std::u16string(Trimmed(*cell));
  return out;
}

}  // namespace

std::vector<std::u16string> OptionCells(std::u16string_view value) {
  std::vector<std::u16string> cells;
  for (std::size_t start = 0;;) {
    const std::size_t bar = value.find_first_of(u"|\uFF5C", start);
    cells.emplace_back(Trimmed(value.substr(start, bar - start)));
    if (bar == std::u16string_view::npos) break;
    start = bar + 1;
  }
  while (!cells.empty() && cells.back().empty()) cells.pop_back();
  return cells;
}

std::array<std::u16string, kOptionCount> BoxCells(std::u16string_view value) {
  const std::vector<std::u16string> cells = OptionCells(value);
  std::array<std::u16string, kOptionCount> boxes;
  for (std::size_t i = 0; i < cells.size() && i < boxes.size(); ++i) boxes[i] = cells[i];
  if (cells.size() > boxes.size())
    boxes.back() = Joined(cells.data() + boxes.size() - 1, cells.data() + cells.size());
  return boxes;
}

std::u16string JoinedOptions(std::span<const std::u16string> options) {
  std::size_t used = options.size();
  while (used > 0 && Trimmed(options[used - 1]).empty()) --used;
  return Joined(options.data(), options.data() + used);
}

void ShowOptions(Editor& e, int n) {
  e.optionsRow = n;
  const config::QuestionKind kind = KindOf(e.kinds[n - 1]);
  const bool choice = kind == config::QuestionKind::Choice;
  const std::string name = "第" + std::to_string(n) + "题";
  e.form.SetText(EditorId::OptionsLabel, name + (choice ? "的选项：" : "："));
  const bool filling = e.filling;
  e.filling = true;
  const auto cells = BoxCells(e.options[n - 1]);
  for (int i = 1; i <= kOptionCount; ++i) {
    e.form.form().SetVisible(int(OptionLetter(i)), choice);
    e.form.form().SetVisible(int(OptionBox(i)), choice);
    const std::u16string& cell = cells[static_cast<std::size_t>(i - 1)];
    if (choice && e.form.form().UnicodeText(int(OptionBox(i))) != cell)
      e.form.form().SetUnicodeText(int(OptionBox(i)), cell);
  }
  e.filling = filling;
  e.form.form().SetVisible(int(EditorId::OptionsNote), !choice);
  e.form.SetText(EditorId::OptionsNote,
                 kind == config::QuestionKind::TrueFalse
                     ? "判断题：答案填“对”或“错”，课堂上点“√ 对”或“× 错”作答。"
                     : "填空题：学生输入答案。要出选择题，请把本行的“填空”改成“选择”，"
                       "再在这里填选项。");
}

void OptionsEdited(Editor& e) {
  if (e.filling) return;
  std::array<std::u16string, kOptionCount> boxes;
  for (int i = 1; i <= kOptionCount; ++i)
    boxes[static_cast<std::size_t>(i - 1)] = e.form.form().UnicodeText(int(OptionBox(i)));
  // The file's own spelling stays while the boxes show what it holds.
  std::u16string& value = e.options[e.optionsRow - 1];
  if (BoxCells(value) != boxes) value = JoinedOptions(boxes);
  UpdateCaption(e);
}

std::vector<Finding> OptionsCutOff(const Editor& e, const Quiz& saved, int n) {
  std::vector<Finding> findings;
  const std::vector<std::u16string> cells = OptionCells(saved.options[n - 1]);
  const int count = static_cast<int>(cells.size());
  if (KindOf(saved.kinds[n - 1]) != config::QuestionKind::Choice || count < config::kMinOptions ||
      count > config::kMaxOptions)
    return findings;
  for (int i = 1; i <= count; ++i) {
    const std::u16string caption =
        std::u16string(1, char16_t(u'A' + i - 1)) + u" " + cells[std::size_t(i - 1)];
    const auto fit = e.form.form().MeasureCaption(int(OptionMeasure(count)), caption);
    if (!fit.fits()) findings.push_back(OptionDoesNotFit(n, i, fit.linesNeeded, fit.linesShown));
  }
  return findings;
}

void RowFocused(Editor& e, int control) {
  const int n = RowOf(control);
  if (n > 0 && n != e.optionsRow) ShowOptions(e, n);
}

}  // namespace lornel::editor
