#include "judging/text.h"

#include <vector>

#include "config/config.h"

namespace lornel::judging {
namespace {

bool IsEndPunctuation(std::uint16_t code) {
  switch (code) {
    case '.':
    case ',':
    case '!':
    case '?':
    case ';':
    case ':':
    case 0xA1A2:  // 、
    case 0xA1A3:  // 。
    case 0xA1AD:  // …
      return true;
    default:
      return false;
  }
}

}  // namespace

std::string FoldCase(std::string_view text) {
  std::string folded(text);
  for (std::size_t i = 0; i < folded.size();) {
    const Piece piece = PieceAt(folded, i);
    if (piece.code >= 'A' && piece.code <= 'Z') folded[i] = static_cast<char>(piece.code + 0x20);
    i += piece.size;
  }
  return folded;
}

std::string LenientForm(std::string_view text) {
  const std::string folded = config::FoldFullWidth(text);
  std::vector<Piece> pieces;
  std::vector<std::size_t> at;
  for (std::size_t i = 0; i < folded.size();) {
    const Piece piece = PieceAt(folded, i);
    if (piece.code != ' ' && piece.code != kIdeographicSpace) {
      pieces.push_back(piece);
      at.push_back(i);
    }
    i += piece.size;
  }
  std::size_t first = 0, last = pieces.size();
  while (first < last && IsEndPunctuation(pieces[first].code)) ++first;
  while (last > first && IsEndPunctuation(pieces[last - 1].code)) --last;
  std::string out;
  for (std::size_t k = first; k < last; ++k) out.append(folded, at[k], pieces[k].size);
  return out;
}

}  // namespace lornel::judging
