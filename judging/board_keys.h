// What the on-screen keyboard types: the letter keys, the "，" and "。" keys,
// and the digit layer, which puts other texts on the letter keys. The main
// window's keys and TypeableOnBoard both read them from here.
#pragma once

#include <array>
#include <string_view>

namespace lornel::judging {

// The letter keys, row by row.
inline constexpr std::array<std::string_view, 3> kLetterRows = {"QWERTYUIOP", "ASDFGHJKL",
                                                                "ZXCVBNM"};

// The digit layer, key by key in the order of kLetterRows (GBK texts).
inline constexpr std::array<const char*, 10> kDigitRow1 = {"1", "2", "3", "4", "5",
                                                           "6", "7", "8", "9", "0"};
inline constexpr std::array<const char*, 9> kDigitRow2 = {".", "-", "+", "×", "÷",
                                                          "=", "/", "%", ":"};
inline constexpr std::array<const char*, 7> kDigitRow3 = {"(", ")", "°", "√", "π", "<", ">"};
static_assert(kDigitRow1.size() == kLetterRows[0].size() &&
              kDigitRow2.size() == kLetterRows[1].size() &&
              kDigitRow3.size() == kLetterRows[2].size());

// What the "，" and "。" keys type.
inline constexpr std::array<const char*, 2> kPunctuationTyped = {",", "."};

}  // namespace lornel::judging
