// JPEG pictures decoded from memory into 24-bit bitmaps of their natural size.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

namespace lornel::win32 {

// nullptr when the bytes are not a JPEG that libjpeg can decode.
HBITMAP DecodeJpeg(std::span<const std::uint8_t> bytes, int* width, int* height);

}  // namespace lornel::win32
