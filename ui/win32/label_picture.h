// A question label's picture as the backend holds it: the decoded source and
// its copies scaled to the sizes last drawn.
#pragma once

#include <string>

#include "platform/win32/owned.h"
#include "ui/display_scale.h"
#include "ui/picture_pixels.h"

namespace lornel::win32 {

// The source scaled once to the size last drawn.
struct ScaledCopy {
  OwnedBitmap bitmap;
  ui::Size size;
};

struct LabelPicture {
  ui::Pixels source;  // empty: the file could not be shown, and note says so
  std::wstring note;
  ScaledCopy scaled, large;  // in the label, and enlarged over the window
};

}  // namespace lornel::win32
