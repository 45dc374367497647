// A question label's picture as the backend holds it: the decoded source and
// the one copy scaled from it to the size last drawn.
#pragma once

#include <string>

#include "platform/win32/owned.h"
#include "ui/display_scale.h"
#include "ui/picture_pixels.h"

namespace lornel::win32 {

struct LabelPicture {
  ui::Pixels source;  // empty: the file could not be shown, and note says so
  std::wstring note;
  OwnedBitmap scaled;
  ui::Size scaledSize;
};

}  // namespace lornel::win32
