// A window's commands: every menu item, key and system-menu item is a row of
// its command table. A command raises its binding by the path of a control's
// event (EventSink::OnControlEvent, control -1), so handlers never learn
// whether a key, the system menu or a popup menu asked.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

#include "ui/kinds.h"

namespace lornel::ui {

// A key as pressed: the virtual key with exactly these modifiers held.
struct Key {
  int vk = 0;  // 0: the command has no key
  bool ctrl = false, shift = false, alt = false;
  constexpr bool operator==(const Key&) const = default;
};

// The menus a command appears in, numbered by an enum of its window whose
// first value (0) is the system menu; the others are the window's popup menus.
inline constexpr int kSystemMenu = 0;
class Menus {
 public:
  constexpr Menus() = default;
  template <class Menu>
  requires std::is_enum_v<Menu>
  constexpr Menus(Menu menu) : bits_(1u << static_cast<unsigned>(menu)) {}
  constexpr Menus operator|(Menus other) const {
    Menus both;
    both.bits_ = bits_ | other.bits_;
    return both;
  }
  constexpr bool Has(int menu) const { return menu >= 0 && menu < 32 && (bits_ >> menu & 1u); }

 private:
  std::uint32_t bits_ = 0;
};

struct Command {
  int id = 0;                  // equals the row's index in its table
  const char8_t* name = u8"";  // UTF-8, for test output only
  // GBK; the key's text after a "\t", as Windows lines it up. "" in a menu: a separator.
  const char* text = "";
  // Event::Command with the window's slot and an arg; without a slot the row
  // is a greyed title in its menus.
  Binding binding;
  Key key;
  Menus menus;
  bool checkable = false;  // shows its state's check mark
  bool enabled = true;     // before any SetCommandState
  // Its keys are the window's only while no enabled edit box has the focus:
  // there they type.
  bool yieldsToTyping = false;
};

// What a command shows now. Menus are built from it when they open, the
// system menu follows each change, and a key raises only an enabled command.
struct CommandState {
  std::string text;  // GBK in place of the table's text before its "\t"; "" keeps it
  bool enabled = true;
  bool checked = false;  // shown on a checkable row only
  // Plain keys (virtual keys, no modifier) that raise it in place of the
  // table's key while not empty: keys that a file sets.
  std::vector<int> keys;
};

// One line of a menu as shown.
struct MenuLine {
  int command = -1;
  std::string text;  // "" is a separator
  bool enabled = false, checked = false;
  bool operator==(const MenuLine&) const = default;
};

// Rows are written in table order; this proves every row's id matches its place.
constexpr bool CommandIdsMatchOrder(std::span<const Command> commands) {
  for (std::size_t i = 0; i < commands.size(); ++i)
    if (commands[i].id != static_cast<int>(i)) return false;
  return true;
}

// The last row of a menu, or -1.
constexpr int LastInMenu(std::span<const Command> commands, int menu) {
  int last = -1;
  for (const Command& c : commands)
    if (c.menus.Has(menu)) last = c.id;
  return last;
}

std::vector<CommandState> InitialStates(std::span<const Command> commands);
std::string ShownText(const Command& command, const CommandState& state);
// A command may be raised now: it has a slot and is enabled.
bool Raisable(const Command& command, const CommandState& state);
// The lines of a menu, its rows in table order as their states say.
std::vector<MenuLine> MenuLines(std::span<const Command> commands,
                                std::span<const CommandState> states, int menu);
// The first raisable command with this key, or -1: the key is the window's
// then. typing: an enabled edit box has the focus.
int CommandForKey(std::span<const Command> commands, std::span<const CommandState> states, Key key,
                  bool typing = false);

}  // namespace lornel::ui
