#include "ui/commands.h"

#include <algorithm>

#include "ui/form.h"

namespace lornel::ui {

std::vector<CommandState> InitialStates(std::span<const Command> commands) {
  std::vector<CommandState> states;
  for (const Command& c : commands) states.push_back({"", c.enabled, false, {}});
  return states;
}

std::string ShownText(const Command& command, const CommandState& state) {
  const std::string table = command.text;
  if (state.text.empty()) return table;
  const std::size_t tab = table.find('\t');
  return tab == std::string::npos ? state.text : state.text + table.substr(tab);
}

bool Raisable(const Command& command, const CommandState& state) {
  return command.binding.slot != Slot::None && state.enabled;
}

std::vector<MenuLine> MenuLines(std::span<const Command> commands,
                                std::span<const CommandState> states, int menu) {
  std::vector<MenuLine> lines;
  for (const Command& c : commands) {
    if (!c.menus.Has(menu)) continue;
    const CommandState& s = states[static_cast<std::size_t>(c.id)];
    const std::string text = ShownText(c, s);
    lines.push_back({c.id, text, !text.empty() && Raisable(c, s), c.checkable && s.checked});
  }
  return lines;
}

std::optional<ControlEvent> CommandEvent(std::span<const Command> commands,
                                         std::span<const CommandState> states, int command,
                                         std::optional<int> arg, std::uint32_t time) {
  if (command < 0 || command >= static_cast<int>(commands.size())) return std::nullopt;
  const Command& c = commands[static_cast<std::size_t>(command)];
  if (!Raisable(c, states[static_cast<std::size_t>(command)])) return std::nullopt;
  Binding binding = c.binding;
  if (arg) binding.arg = *arg;
  return ControlEvent{binding, -1, 0, 0, command, time};
}

int CommandForKey(std::span<const Command> commands, std::span<const CommandState> states, Key key,
                  bool typing) {
  if (key.vk == 0) return -1;
  for (const Command& c : commands) {
    const CommandState& s = states[static_cast<std::size_t>(c.id)];
    if (typing && c.yieldsToTyping) continue;
    const bool plain = !key.ctrl && !key.shift && !key.alt;
    const bool hit = s.keys.empty()
                         ? c.key == key
                         : plain && std::find(s.keys.begin(), s.keys.end(), key.vk) != s.keys.end();
    if (hit && Raisable(c, s)) return c.id;
  }
  return -1;
}

}  // namespace lornel::ui
