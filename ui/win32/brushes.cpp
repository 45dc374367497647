#include <map>

#include "ui/kinds.h"
#include "ui/win32/classes.h"

namespace lornel::win32 {

HBRUSH BackgroundBrush(unsigned colour) {
  if (colour == ui::kDefaultColour) return GetSysColorBrush(COLOR_BTNFACE);
  // Few distinct colours exist in the tables; the brushes live as long as the process.
  static std::map<unsigned, HBRUSH> cache;
  HBRUSH& brush = cache[colour];
  if (!brush) brush = CreateSolidBrush(colour);
  return brush;
}

COLORREF BackgroundColour(unsigned colour) {
  return colour == ui::kDefaultColour ? GetSysColor(COLOR_BTNFACE) : colour;
}

}  // namespace lornel::win32
