#include "config/utf8_guess.h"

#include <cstddef>
#include <cstdint>

#include "config/gbk.h"

namespace lornel::config {
namespace {

// GB2312's two levels of Chinese characters (rows 0xB0 to 0xF7) and its rows
// of punctuation (0xA1) and full-width forms (0xA3).
constexpr bool IsEverydayChinese(std::uint16_t code) {
  const unsigned lead = code >> 8, trail = code & 0xFF;
  return (lead == 0xA1 || lead == 0xA3 || (lead >= 0xB0 && lead <= 0xF7)) && trail >= 0xA1 &&
         trail <= 0xFE;
}

bool IsStrictUtf8WithNonAscii(std::string_view bytes) {
  bool nonAscii = false;
  const std::size_t n = bytes.size();
  for (std::size_t i = 0; i < n;) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b < 0x80) {
      ++i;
      continue;
    }
    nonAscii = true;
    // The second byte's range rules out overlong forms, surrogates and code
    // points beyond U+10FFFF; the others are plain continuation bytes.
    unsigned length = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (b >= 0xC2 && b <= 0xDF) {
      length = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
      length = 3;
      if (b == 0xE0) low = 0xA0;
      if (b == 0xED) high = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
      length = 4;
      if (b == 0xF0) low = 0x90;
      if (b == 0xF4) high = 0x8F;
    } else {
      return false;
    }
    if (i + length > n) return false;
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    if (second < low || second > high) return false;
    for (unsigned k = 2; k < length; ++k)
      if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
    i += length;
  }
  return nonAscii;
}

}  // namespace

bool ReadsAsUtf8(std::string_view bytes) {
  if (!IsStrictUtf8WithNonAscii(bytes)) return false;
  std::size_t asGbk = 0;
  for (std::size_t i = 0; i < bytes.size();) {
    const gbk::Char c = gbk::At(bytes, i);
    asGbk += IsEverydayChinese(c.code);
    i += c.size;
  }
  std::size_t asUtf8 = 0;
  for (const char16_t unit : gbk::DecodeUtf8(bytes)) {
    // Three bytes in UTF-8 (the row's ·, ± and ° take two), exact, no best fits.
    if (unit < 0x800 || (unit >= 0xD800 && unit <= 0xDFFF)) continue;
    const std::uint16_t code = gbk::UnitToCode(unit);
    asUtf8 += IsEverydayChinese(code) && gbk::CodeToUnit(code) == unit;
  }
  return 3 * asUtf8 >= 2 * asGbk;
}

}  // namespace lornel::config
