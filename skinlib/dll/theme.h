// The look in force: a parsed skin and the GDI objects made from it once.
#pragma once

#include <windows.h>

#include "skinlib/format/skin_format.h"

namespace skinh {

using lornel::skin::SkinData;

struct Theme {
  SkinData skin;
  // Brushes for the system colours the skin stands in for, by COLOR_ index.
  HBRUSH sysBrush[COLOR_GRADIENTINACTIVECAPTION + 1];
  // One for being the look in force, one per ThemeHold.
  volatile LONG holders;

  COLORREF Colour(lornel::skin::Colour slot) const { return skin.colour[slot]; }
  int Metric(lornel::skin::Metric slot) const { return skin.metric[slot]; }
  HBRUSH Brush(int sysIndex) const { return sysBrush[sysIndex]; }
};

// Null when the skin has no stand-in for that system colour.
bool MapsSysColour(int index, lornel::skin::Colour* slot);

// Creates the brushes; null when GDI is out of objects (nothing is leaked then).
Theme* CreateTheme(const SkinData& skin);
// For a theme that never became the look in force.
void DestroyTheme(Theme* theme);

// Whether any attach has succeeded yet.
bool HasTheme();
// Makes theme the look in force. The one it replaces is destroyed when its
// last holder lets go, so a painter that holds it keeps valid colours and
// brushes to its end, on whatever thread it paints and even when the attach
// comes from a handler that the painter itself called.
void ReplaceTheme(Theme* theme);

// A counted hold on the look in force for the time of one message. Painting
// code reads the look through a hold, so replacing it restyles everything on
// the next paint. Brushes handed out of a hold (GetSysColorBrush, WM_CTLCOLOR*
// answers) are used at once by the caller; a replacement racing with that use
// from another thread at worst fails one fill, as GDI checks its handles.
class ThemeHold {
 public:
  ThemeHold();
  ~ThemeHold();
  ThemeHold(const ThemeHold&) = delete;
  ThemeHold& operator=(const ThemeHold&) = delete;
  const Theme* get() const { return theme_; }  // null before the first attach

 private:
  Theme* theme_;
};

}  // namespace skinh
