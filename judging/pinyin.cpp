#include "judging/pinyin.h"

#include <algorithm>
#include <iterator>

#include "config/gbk.h"
#include "judging/text.h"

namespace lornel::judging {
namespace {

#include "pinyin_table.inc"

static_assert(std::size(kReadingStart) == std::size(kUnits) + 1);

constexpr std::uint16_t kUmlautU = 0xA8B9;  // "ü"

bool IsIdeograph(char16_t unit) {
  return unit == 0x3007 || (unit >= 0x3400 && unit <= 0x4DBF) ||
         (unit >= 0x4E00 && unit <= 0x9FFF) || (unit >= 0xF900 && unit <= 0xFAFF);
}

char16_t UnitOf(std::uint16_t code) {
  if (code <= 0xFF || !config::gbk::IsLead(code >> 8) || !config::gbk::IsTrail(code & 0xFF))
    return 0;
  return config::gbk::CodeToUnit(code);
}

}  // namespace

std::span<const std::uint16_t> ReadingsOf(std::uint16_t code) {
  const char16_t unit = UnitOf(code);
  if (unit == 0) return {};
  const auto* found = std::lower_bound(std::begin(kUnits), std::end(kUnits), unit);
  if (found == std::end(kUnits) || *found != unit) return {};
  const auto i = static_cast<std::size_t>(found - std::begin(kUnits));
  return {kReadings + kReadingStart[i], kReadings + kReadingStart[i + 1]};
}

std::string_view Syllable(std::uint16_t syllable) {
  return syllable < std::size(kSyllables) ? kSyllables[syllable] : "";
}

std::string PinyinSpelling(std::string_view expected) {
  std::string out;
  for (std::size_t i = 0; i < expected.size();) {
    const Piece piece = PieceAt(expected, i);
    const auto readings = ReadingsOf(piece.code);
    if (readings.empty()) {
      out.append(expected, i, piece.size);
    } else {
      for (const char letter : Syllable(readings.front())) {
        if (letter == 'v') {
          config::gbk::AppendCode(out, kUmlautU);
        } else {
          out.push_back(letter);
        }
      }
    }
    i += piece.size;
  }
  return out;
}

std::vector<std::string> CharactersWithoutReading(std::string_view text) {
  std::vector<std::string> missing;
  for (std::size_t i = 0; i < text.size();) {
    const Piece piece = PieceAt(text, i);
    std::string character(text.substr(i, piece.size));
    if (IsIdeograph(UnitOf(piece.code)) && ReadingsOf(piece.code).empty() &&
        std::find(missing.begin(), missing.end(), character) == missing.end())
      missing.push_back(std::move(character));
    i += piece.size;
  }
  return missing;
}

}  // namespace lornel::judging
