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

  COLORREF Colour(lornel::skin::Colour slot) const { return skin.colour[slot]; }
  int Metric(lornel::skin::Metric slot) const { return skin.metric[slot]; }
  HBRUSH Brush(int sysIndex) const { return sysBrush[sysIndex]; }
};

// Null when the skin has no stand-in for that system colour.
bool MapsSysColour(int index, lornel::skin::Colour* slot);

// Creates the brushes; null when GDI is out of objects (nothing is leaked then).
Theme* CreateTheme(const SkinData& skin);
void DestroyTheme(Theme* theme);

// The look in force, or null before the first successful attach. Painting code
// reads it at paint time, so replacing it restyles everything on the next paint.
const Theme* CurrentTheme();
// Makes theme current and returns the previous one for the caller to destroy.
Theme* ReplaceTheme(Theme* theme);

}  // namespace skinh
