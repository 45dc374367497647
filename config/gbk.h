// Code page 936 as Windows' profile functions see it: characters of a GBK
// text, their UTF-16 units, and the UTF-8 decoding used for files with a BOM.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace lornel::config::gbk {

// One character of a GBK text. code is the byte of a one-byte character,
// lead << 8 | trail of a two-byte one, and '?' for a broken character (a lead
// byte with an invalid trail byte, or a lead byte at the very end), which the
// code page turns into '?'. A lead byte before a NUL is broken but leaves the NUL.
struct Char {
  std::uint16_t code;
  std::uint8_t size;  // bytes taken from the text
};

constexpr bool IsLead(unsigned char b) { return b >= 0x81 && b <= 0xFE; }
constexpr bool IsTrail(unsigned char b) {
  return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFE);
}

inline Char At(std::string_view text, std::size_t pos) {
  const auto b = static_cast<unsigned char>(text[pos]);
  if (!IsLead(b)) return {b, 1};
  if (pos + 1 >= text.size()) return {'?', 1};
  const auto t = static_cast<unsigned char>(text[pos + 1]);
  if (t == 0) return {'?', 1};
  if (!IsTrail(t)) return {'?', 2};
  return {static_cast<std::uint16_t>(b << 8 | t), 2};
}

// True when every lead byte is followed by a valid trail byte.
bool IsWellFormed(std::string_view text);

// The UTF-16 unit of a character code (as At gives it).
char16_t CodeToUnit(std::uint16_t code);
// The character code that code page 936 gives a UTF-16 unit, best fit
// included; '?' when it has none.
std::uint16_t UnitToCode(char16_t unit);
inline void AppendCode(std::string& out, std::uint16_t code) {
  if (code > 0xFF) out.push_back(static_cast<char>(code >> 8));
  out.push_back(static_cast<char>(code & 0xFF));
}
constexpr std::size_t CodeSize(std::uint16_t code) { return code > 0xFF ? 2 : 1; }

// A GBK text as UTF-16 units, broken characters becoming '?'.
std::u16string ToUnits(std::string_view text);

// UTF-8 to UTF-16 exactly as Windows' MultiByteToWideChar(CP_UTF8) decodes it:
// U+FFFD for every invalid sequence; a sequence cut by the end of the input
// takes the rest of it.
std::u16string DecodeUtf8(std::string_view bytes);
// Units to UTF-8; a lone surrogate becomes U+FFFD.
std::string EncodeUtf8(std::u16string_view units);

}  // namespace lornel::config::gbk
