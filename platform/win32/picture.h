// Decoding a question's picture (JPEG, PNG, BMP, the first frame of a GIF)
// with the Windows Imaging Component, loaded from System32 when first needed;
// a JPEG first by our own libjpeg, at no more pixels than a screen can show.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ui/picture_pixels.h"

namespace lornel::win32 {

// The picture in a file, or nullopt: missing, a directory, beyond 20 MB, not
// one of the four formats, undecodable, beyond kMaxPicturePixels, or no WIC
// here (the limits of platform/picture_file.h).
// Call on the UI thread: it joins that thread to COM once.
std::optional<ui::Pixels> LoadPictureFile(const std::wstring& path);
// The same for bytes already read.
std::optional<ui::Pixels> DecodePicture(std::string_view bytes);

}  // namespace lornel::win32
