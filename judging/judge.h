// Whether a typed answer is right. With every rule off, only the letter case
// of ASCII letters may differ; the rules add the lenient form and pinyin.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "judging/rules.h"

namespace lornel::judging {

// GBK texts. A text that the lenient form leaves empty (spaces and
// punctuation only) is matched exactly or not at all.
bool Accepts(std::string_view typed, std::string_view expected, const Rules& rules);

// The answers of a "其他答案" value, as the file's reader splits them.
using config::SplitAlternatives;

// Whether the on-screen keys (board_keys.h) can type a text that Accepts
// takes for answer under rules.
bool TypeableOnBoard(std::string_view answer, const Rules& rules);

}  // namespace lornel::judging
