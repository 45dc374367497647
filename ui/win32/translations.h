// How Windows messages become control events: one translation per kind that
// ui/kinds.h declares. A declared kind without one does not build.
#pragma once

#include <windows.h>

#include <cstdint>

#include "ui/kinds.h"

namespace lornel::win32 {

enum class Arrives : std::uint8_t {
  AtControl,     // a message to the window of one of our own kinds
  Notification,  // a WM_COMMAND code from a standard control to the window
  PassedUp,      // passed from child to parent until a control or panel bound to it takes it
};

// Where the event happened, as the message gives it.
enum class Where : std::uint8_t { Nowhere, ClientPoint, ScreenPoint, MessagePoint };

struct Translation {
  ui::Event kind;
  Arrives arrives;
  UINT code;  // the message, or the notification code
  Where where;
};

inline constexpr Translation kTranslations[] = {
    {ui::Event::Click, Arrives::Notification, BN_CLICKED, Where::MessagePoint},
    {ui::Event::Tick, Arrives::AtControl, WM_TIMER, Where::Nowhere},
    {ui::Event::LeftButtonDown, Arrives::AtControl, WM_LBUTTONDOWN, Where::ClientPoint},
    {ui::Event::TextChanged, Arrives::Notification, EN_CHANGE, Where::Nowhere},
    // DefWindowProc turns a right-click, and a touch press-and-hold, into it.
    {ui::Event::ContextMenu, Arrives::PassedUp, WM_CONTEXTMENU, Where::ScreenPoint},
    {ui::Event::Focused, Arrives::Notification, EN_SETFOCUS, Where::Nowhere},
};

constexpr bool TranslatesEveryKind() {
  for (ui::Event kind : ui::kEventKinds) {
    int found = 0;
    for (const Translation& t : kTranslations) found += t.kind == kind;
    if (found != 1) return false;
  }
  return true;
}
static_assert(TranslatesEveryKind(), "every declared event kind needs exactly one translation");

const Translation* FindTranslation(Arrives arrives, UINT code);
const Translation* TranslationOf(ui::Event kind);

}  // namespace lornel::win32
