// The fonts of one window: one HFONT per distinct description and scale,
// shared by every control that uses it. The main table has 132 controls but
// only a handful of distinct fonts.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "platform/win32/owned.h"
#include "ui/display_scale.h"
#include "ui/kinds.h"

namespace lornel::win32 {

// One cache per window rather than per process: a window's fonts follow its
// own scale (its monitor's DPI), and go with it, so nothing has to count users.
class FontCache {
 public:
  FontCache() = default;
  FontCache(FontCache&&) = default;
  FontCache& operator=(FontCache&&) = default;

  // The font of a row at a scale, made on first use. "No font" is the stock
  // DEFAULT_GUI_FONT at scale 1 (never deleted) and one scaled copy otherwise.
  HFONT Get(const ui::Font& font, ui::Scale scale);
  int size() const { return static_cast<int>(fonts_.size()); }

 private:
  using Key = std::tuple<std::string, int, bool, int>;  // face, height, underline, scale
  std::map<Key, OwnedFont> fonts_;
};

}  // namespace lornel::win32
