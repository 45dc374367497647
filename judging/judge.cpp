#include "judging/judge.h"

#include <algorithm>

#include "judging/board_keys.h"
#include "judging/pinyin.h"
#include "judging/text.h"

namespace lornel::judging {
namespace {

bool OnBoard(std::uint16_t code) {
  if ((code >= 'a' && code <= 'z') || (code >= 'A' && code <= 'Z')) return true;
  auto types = [code](const auto& texts) {
    return std::any_of(texts.begin(), texts.end(), [code](std::string_view text) {
      return !text.empty() && PieceAt(text, 0).size == text.size() && PieceAt(text, 0).code == code;
    });
  };
  return types(kDigitRow1) || types(kDigitRow2) || types(kDigitRow3) || types(kPunctuationTyped);
}

// Every character typed by a key; with pinyin, one with a reading by its
// letters, and spaces are not typed at all.
bool AllOnBoard(std::string_view text, bool pinyin) {
  for (std::size_t i = 0; i < text.size();) {
    const Piece piece = PieceAt(text, i);
    i += piece.size;
    if (OnBoard(piece.code)) continue;
    if (pinyin && (piece.code == ' ' || piece.code == kIdeographicSpace)) continue;
    if (pinyin && !ReadingsOf(piece.code).empty()) continue;
    return false;
  }
  return true;
}

bool HasReading(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const Piece piece = PieceAt(text, i);
    if (!ReadingsOf(piece.code).empty()) return true;
    i += piece.size;
  }
  return false;
}

}  // namespace

bool Accepts(std::string_view typed, std::string_view expected, const Rules& rules) {
  if (FoldCase(typed) == FoldCase(expected)) return true;
  if (!rules.lenient) return rules.pinyin && MatchesPinyin(typed, expected);
  const std::string t = LenientForm(typed), e = LenientForm(expected);
  // Else an empty answer in the file would take a lone "。".
  if (t.empty() || e.empty()) return false;
  return FoldCase(t) == FoldCase(e) || (rules.pinyin && MatchesPinyin(t, e));
}

bool TypeableOnBoard(std::string_view answer, const Rules& rules) {
  if (!answer.empty() && AllOnBoard(answer, false)) return true;
  if (rules.pinyin && HasReading(answer) && AllOnBoard(answer, true)) return true;
  if (!rules.lenient) return false;
  const std::string folded = LenientForm(answer);
  if (folded.empty()) return false;
  return AllOnBoard(folded, false) ||
         (rules.pinyin && HasReading(folded) && AllOnBoard(folded, true));
}

}  // namespace lornel::judging
