// The program paints its "default" backgrounds with GetSysColor(COLOR_BTNFACE)
// and GetSysColorBrush(COLOR_BTNFACE) at paint time; redirecting those two
// imports of the main module makes them follow the skin without touching the
// system-wide colours (no SetSysColors).
#pragma once

#include <windows.h>

namespace skinh {

// Points the main module's user32 imports of the two functions at ours; safe to
// call again. Returns the number of import slots now redirected.
int RedirectSysColourImports();

// The real user32 functions, whatever the import tables say.
DWORD RealSysColour(int index);
HBRUSH RealSysColourBrush(int index);

// True when brush is one of the system's own colour brushes: the answer a
// default window procedure gives, which the skin replaces.
bool IsSystemBrush(HBRUSH brush);

}  // namespace skinh
