// What a question's picture file may be before a decoder is asked: one of the
// four formats by its first bytes, and not beyond the sizes a classroom
// picture needs (a 32-bit process would fail later, and less politely).
#pragma once

#include <cstddef>
#include <string_view>

namespace lornel::platform {

enum class PictureFormat { None, Jpeg, Png, Bmp, Gif };

// The one set of limits: the decoders refuse beyond them, and the editor
// warns of a file beyond kMaxPictureFileBytes ("20 MB" in the README).
inline constexpr std::size_t kMaxPictureFileBytes = 20u * 1024 * 1024;
inline constexpr long long kMaxPicturePixels = 40LL * 1000 * 1000;  // 160 MB decoded

inline PictureFormat SniffPicture(std::string_view bytes) {
  const auto starts = [bytes](std::string_view magic) {
    return bytes.substr(0, magic.size()) == magic;
  };
  if (starts("\xFF\xD8\xFF")) return PictureFormat::Jpeg;
  if (starts(std::string_view("\x89PNG\r\n\x1A\n", 8))) return PictureFormat::Png;
  if (starts("GIF87a") || starts("GIF89a")) return PictureFormat::Gif;
  // "BM" and room for the file and info headers.
  if (starts("BM") && bytes.size() >= 26) return PictureFormat::Bmp;
  return PictureFormat::None;
}

// Decoded width x height that a picture may have.
constexpr bool IsPictureSizeAccepted(long long width, long long height) {
  return width > 0 && height > 0 && width <= 65535 && height <= 65535 &&
         width * height <= kMaxPicturePixels;
}

// A JPEG is decoded at m/8 of its size (libjpeg scales in the DCT, for a
// fraction of the time and memory): the least m whose decoded picture still
// covers a screen of screenWidth x screenHeight at the size it is fitted to,
// so that the enlarged view is drawn from at least as many pixels as it shows.
constexpr int JpegEighthsToDecode(long long width, long long height, long long screenWidth,
                                  long long screenHeight) {
  for (int m = 1; m < 8; ++m)
    if (m * width >= 8 * screenWidth || m * height >= 8 * screenHeight) return m;
  return 8;
}

}  // namespace lornel::platform
