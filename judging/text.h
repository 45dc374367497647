// GBK answers one character at a time, and the foldings applied before they
// are compared.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace lornel::judging {

// One character as the answer check has always walked a text: a byte from
// 0x80 up takes the next byte with it, whatever that is; a lead byte at the
// very end stands alone. code is the byte, or lead << 8 | trail.
struct Piece {
  std::uint16_t code;
  std::uint8_t size;
};
inline Piece PieceAt(std::string_view text, std::size_t i) {
  const auto b = static_cast<unsigned char>(text[i]);
  if (b < 0x80 || i + 1 == text.size()) return {b, 1};
  return {static_cast<std::uint16_t>(b << 8 | static_cast<unsigned char>(text[i + 1])), 2};
}

inline constexpr std::uint16_t kIdeographicSpace = 0xA1A1;  // "　"

// ASCII capitals to small letters; every other byte, trail bytes included, stays.
std::string FoldCase(std::string_view text);
// The lenient form: full-width forms as ASCII, no spaces, and no sentence
// punctuation (。，！？、；：… and their ASCII kin) at either end.
std::string LenientForm(std::string_view text);

}  // namespace lornel::judging
