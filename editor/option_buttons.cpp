#include "editor/option_buttons.h"

#include "quiz/main_ids.h"

namespace lornel::editor {

std::vector<const ui::Row*> BoardOptionRows(int count) {
  // The board's sets follow one another in its table, each from option A on;
  // it shows the smallest that holds the options.
  std::vector<std::vector<const ui::Row*>> sets;
  for (const ui::Row& row : quiz::MainTable().rows) {
    if (row.kind != ui::Kind::OptionButton) continue;
    if (sets.empty() || row.bindings[0].arg == 0) sets.emplace_back();
    sets.back().push_back(&row);
  }
  const std::vector<const ui::Row*>* best = nullptr;
  for (const auto& set : sets)
    if (int(set.size()) >= count && (!best || set.size() < best->size())) best = &set;
  if (!best || count <= 0) return {};
  return {best->begin(), best->begin() + count};
}

std::vector<std::string> ChoiceCaptions(const std::vector<std::string>& options) {
  std::vector<std::string> captions;
  for (std::size_t i = 0; i < options.size(); ++i)
    captions.push_back(std::string(1, static_cast<char>('A' + i)) + " " + options[i]);
  return captions;
}

}  // namespace lornel::editor
