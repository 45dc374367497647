// The portable part of showing a picture file, on any bytes: the format
// check, then the bytes taken as a small picture, laid out and resampled to
// sizes of their own choosing. Never a crash, and a flat picture stays flat.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "platform/picture_file.h"
#include "ui/picture_pixels.h"
#include "ui/question_picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lornel;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  (void)platform::SniffPicture(bytes);
  if (size < 6) return 0;
  const int w = 1 + data[0] % 64, h = 1 + data[1] % 64;
  const int toW = 1 + data[2] % 200, toH = 1 + data[3] % 200;
  const ui::Scale scale = ui::Scale::FromPermille(500 + data[4] * 10);
  ui::Pixels source{w, h, std::vector<std::uint32_t>(std::size_t(w) * h)};
  const std::size_t have = std::min(source.argb.size() * 4, size - 6);
  std::memcpy(source.argb.data(), data + 6, have);
  for (std::uint32_t& p : source.argb) {  // premultiplied: no channel above alpha
    const std::uint32_t a = p >> 24;
    for (int c = 0; c < 3; ++c)
      if (((p >> (8 * c)) & 0xFF) > a) p = (p & ~(0xFFu << (8 * c))) | (a << (8 * c));
  }
  const ui::PictureLayout layout =
      ui::LayOutQuestionPicture({0, 0, toW, toH}, {w, h}, data[5] & 1, scale);
  if (layout.picture.right() > toW || layout.picture.bottom() > toH || layout.text.width < 0)
    std::abort();
  const ui::Pixels out = ui::ScalePicture(source, toW, toH, 0x00ECECEC);
  if (out.argb.size() != std::size_t(toW) * toH) std::abort();
  if (data[5] & 2) {
    const ui::Pixels flat = ui::ScalePicture(
        {w, h, std::vector<std::uint32_t>(source.argb.size(), 0xFF336699)}, toW, toH, 0);
    for (std::uint32_t p : flat.argb)
      if (p != 0xFF336699u) std::abort();
  }
  return 0;
}
