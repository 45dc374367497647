// The vocabulary of the control tables: kinds, geometry, colours, fonts and
// event bindings. Pure data, shared by every backend and by the handlers.
#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <type_traits>

namespace lornel::ui {

enum class Kind : std::uint8_t {
  Button,
  RadioBox,
  GroupBox,
  Label,
  TransLabel,
  EditBox,
  PicBox,
  ProcessBar,
  Timer,
  CheckBox,     // the editor's switches; clicking it toggles it and reports Click
  OptionButton  // an answer option: a push button we paint (ui/option_paint.h); reports Click
};

struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
  constexpr int right() const { return left + width; }
  constexpr int bottom() const { return top + height; }
  constexpr bool operator==(const Rect&) const = default;
};

// Colours are stored like a Win32 COLORREF (0x00BBGGRR) so the backend passes
// them on unchanged; kDefaultColour stands for COLOR_BTNFACE, looked up when painting.
using Colour = std::uint32_t;
inline constexpr Colour kDefaultColour = 0xFF000000u;
constexpr Colour Hex(std::uint32_t rrggbb) {
  return ((rrggbb >> 16) & 0xFFu) | (rrggbb & 0xFF00u) | ((rrggbb & 0xFFu) << 16);
}

// A font of the layout: bold, GB2312 charset. height 0 means "no font": the
// control uses DEFAULT_GUI_FONT. face "" is the default face (font mapper's choice).
struct Font {
  const char* face = "";
  int height = 0;
  bool underline = false;
  constexpr bool present() const { return height > 0; }
};

enum class HAlign : std::uint8_t { Left = 0, Centre = 1, Right = 2 };
enum class VAlign : std::uint8_t { Top = 0, Middle = 1, Bottom = 2 };

// Edge style numbers as the tables give them.
enum class Edge : std::uint8_t {
  None = 0,
  Sunken = 1,
  Raised = 2,
  ThinSunken = 3,
  Framed = 4,
  Single = 5,
  Gradient = 6
};

struct GradientFrame {
  int width = 0;
  Colour first = kDefaultColour, middle = kDefaultColour, last = kDefaultColour;
};

enum class Cursor : std::uint8_t { Arrow, Hand };

// Every kind of control event, declared once. Each backend delivers every kind:
// Win32 by one translation of a message (ui/win32/translations.cpp), the
// in-memory backend by its generic Deliver; tests/contract proves both.
// ContextMenu: a right-click, or a touch press-and-hold, which Windows turns into one.
// Focused: an edit box got the keyboard focus (a click, Tab, or Form::Focus).
#define LORNEL_EVENT_KINDS(X) \
  X(Click) X(Tick) X(LeftButtonDown) X(TextChanged) X(ContextMenu) X(Focused)

// Command is no control's: a row of the window's command table (ui/commands.h) raised it.
enum class Event : std::uint8_t {
  None,
#define LORNEL_EVENT_KIND(kind) kind,
  LORNEL_EVENT_KINDS(LORNEL_EVENT_KIND)
#undef LORNEL_EVENT_KIND
      Command
};

inline constexpr Event kEventKinds[] = {
#define LORNEL_EVENT_KIND(kind) Event::kind,
    LORNEL_EVENT_KINDS(LORNEL_EVENT_KIND)
#undef LORNEL_EVENT_KIND
};

// The handler a control event is bound to: a value of the enum in which the
// window's own handlers name their slots (MainSlot, NoticeSlot, the editor's
// EditorSlot ...), so that each table is checked against its own names. 0 is none.
struct Slot {
  std::uint8_t value = 0;
  constexpr Slot() = default;
  template <class Names>
  requires std::is_enum_v<Names>
  constexpr Slot(Names name) : value(static_cast<std::uint8_t>(name)) {}
  // The window's enum of names; a slot of another window reads as some other name.
  template <class Names>
  requires std::is_enum_v<Names>
  constexpr Names As() const { return static_cast<Names>(value); }
  constexpr auto operator<=>(const Slot&) const = default;
  static const Slot None;
};
inline constexpr Slot Slot::None{};

// Slots taking a number (a question, a virtual key) carry it in arg.
struct Binding {
  Event event = Event::None;
  Slot slot;
  int arg = 0;
};

// A control answers up to this many kinds of event, each with its own slot.
using Bindings = std::array<Binding, 2>;

}  // namespace lornel::ui
