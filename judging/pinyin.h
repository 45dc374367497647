// The Mandarin readings of the characters GBK holds (a table made at build
// time from Unihan) and matching an answer against its pinyin.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lornel::judging {

// The toneless readings of a character (a Piece code), the usual one first,
// as syllable numbers for Syllable; none for a character without a reading.
std::span<const std::uint16_t> ReadingsOf(std::uint16_t code);
// Small letters, "v" standing for u-umlaut: "zhang", "lv".
std::string_view Syllable(std::uint16_t syllable);

// Whether typed spells expected with a reading of each of its characters
// that has one: letter case and spaces do not count, v, u and u-umlaut all
// type u-umlaut, 儿 after a character with a reading may be a bare "r" (erhua:
// "yidianr"), and every other character stands for itself. False for an
// answer without a character that has a reading. Linear in typed, times the
// readings that can be under way at once; never recursive.
bool MatchesPinyin(std::string_view typed, std::string_view expected);

// The usual spelling, for the editor's preview: "北京" -> "beijing", "绿" -> "lü".
// Characters without a reading stay as they are.
std::string PinyinSpelling(std::string_view expected);
// The Chinese characters of text that have no reading, each once, in order.
std::vector<std::string> CharactersWithoutReading(std::string_view text);

}  // namespace lornel::judging
