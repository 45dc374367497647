#include "editor/paste.h"

namespace lornel::editor {
namespace {

bool EndsCell(char16_t c) { return c == u'\t' || c == u'\r' || c == u'\n'; }

std::u16string Spaced(std::u16string_view cell) {
  std::u16string out;
  for (std::size_t i = 0; i < cell.size(); ++i) {
    if (cell[i] == u'\r' && i + 1 < cell.size() && cell[i + 1] == u'\n') continue;
    out.push_back(cell[i] == u'\r' || cell[i] == u'\n' ? u' ' : cell[i]);
  }
  return out;
}

}  // namespace

std::vector<PastedRow> ParseSpreadsheetRows(std::u16string_view text) {
  std::vector<PastedRow> rows;
  PastedRow row;
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n) {
    std::u16string cell;
    if (text[i] == u'"') {
      for (++i; i < n; ++i) {
        if (text[i] != u'"') {
          cell.push_back(text[i]);
        } else if (i + 1 < n && text[i + 1] == u'"') {
          cell.push_back(u'"');
          ++i;
        } else {
          ++i;
          break;
        }
      }
    }
    // Unquoted text, or what follows a closing quote before the cell ends.
    while (i < n && !EndsCell(text[i])) cell.push_back(text[i++]);
    row.push_back(std::move(cell));
    if (i < n && text[i] == u'\t') {
      ++i;
      if (i == n) row.emplace_back();
      continue;
    }
    // A line end, or the end of the text, closes the row.
    if (i < n) i += text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n' ? 2 : 1;
    rows.push_back(std::move(row));
    row.clear();
  }
  auto blank = [](const PastedRow& r) {
    for (const auto& cell : r)
      if (!cell.empty()) return false;
    return true;
  };
  while (!rows.empty() && blank(rows.back())) rows.pop_back();
  return rows;
}

std::vector<QuestionRow> AsQuestionRows(const std::vector<PastedRow>& rows) {
  std::vector<QuestionRow> out;
  out.reserve(rows.size());
  for (const PastedRow& r : rows) {
    if (out.empty() && &r == &rows.front() && r.size() > 1 && r[0] == u"题目" && r[1] == u"答案")
      continue;
    QuestionRow q;
    if (!r.empty()) q.title = Spaced(r[0]);
    if (r.size() > 1) {
      q.answer = Spaced(r[1]);
      q.hasAnswer = true;
    }
    for (std::size_t i = 2; i < r.size(); ++i) q.options.push_back(Spaced(r[i]));
    while (!q.options.empty() && q.options.back().empty()) q.options.pop_back();
    out.push_back(std::move(q));
  }
  return out;
}

}  // namespace lornel::editor
