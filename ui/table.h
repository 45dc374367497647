// A control table: one row per control in table order (earlier rows lie above
// later siblings), plus the properties of the window that holds them.
#pragma once

#include <span>

#include "resources/embedded.h"
#include "ui/commands.h"
#include "ui/kinds.h"

namespace lornel::ui {

inline constexpr int kWindowParent = -1;

struct Row {
  int id = 0;                  // equals the row's index in its table
  const char8_t* name = u8"";  // UTF-8, for messages and test output only
  Kind kind = Kind::Label;
  int parent = kWindowParent;
  Rect rect;
  const char* caption = "";  // GBK: caption, edit text or group box caption
  Font font;
  Colour textColour = Hex(0x000000);  // for a group box: its caption colour
  Colour background = kDefaultColour;
  bool visible = true;
  bool enabled = true;
  bool tabStop = false;
  Cursor cursor = Cursor::Arrow;
  HAlign hAlign = HAlign::Left;  // for a group box: caption alignment
  VAlign vAlign = VAlign::Top;
  bool wordWrap = false;
  Edge edge = Edge::None;
  GradientFrame frame;
  bool checked = false;
  int interval = 0;
  int rangeMin = 0, rangeMax = 0, position = 0;
  resources::Blob picture = resources::Blob::None;  // PicBox: the embedded JPEG it shows
  Bindings bindings{};
  bool multiLine = false;    // EditBox: several lines, wrapped, with a vertical scroll bar
  bool onScreenKey = false;  // Button: a key of an on-screen keyboard, never takes the focus
  // CheckBox: a toggle button, pushed while checked; a click only reports, the
  // handler checks it.
  bool toggle = false;
};

struct WindowSpec {
  const char* caption = "";  // GBK
  int outerWidth = 0, outerHeight = 0;
  int storedLeft = 50, storedTop = 50;  // replaced by centring on the primary screen
  bool titleBar = true;                 // false: exactly WS_DLGFRAME, no caption
  bool minimizeBox = false;
  bool topmost = false;
  bool roundedRegion = false;  // corner ellipse min(w/5, h/5)
  bool icon = false;
  Colour background = kDefaultColour;
};

struct Table {
  WindowSpec window;
  std::span<const Row> rows;
  std::span<const Command> commands;  // its menus' items and keys, in table order
  const Row& operator[](int id) const { return rows[static_cast<std::size_t>(id)]; }
  int size() const { return static_cast<int>(rows.size()); }
};

// Rows are written in table order; this proves every row's id matches its place.
constexpr bool IdsMatchOrder(std::span<const Row> rows) {
  for (std::size_t i = 0; i < rows.size(); ++i)
    if (rows[i].id != static_cast<int>(i)) return false;
  return true;
}

}  // namespace lornel::ui
