// The answer judge on arbitrary bytes as typed text and as expected answer:
// no crash, no hang, and its promises hold whatever the bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "judging/judge.h"
#include "judging/pinyin.h"
#include "judging/text.h"

using lornel::judging::Rules;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The first byte picks the cut between typed and expected.
  if (size == 0) return 0;
  const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::size_t cut = size > 1 ? data[0] % size : 0;
  const std::string_view typed = bytes.substr(0, cut), expected = bytes.substr(cut);

  const Rules exact{}, all{.pinyin = true, .lenient = true};
  const bool same = lornel::judging::FoldCase(typed) == lornel::judging::FoldCase(expected);
  // With the rules off, exactly the old comparison; the rules only ever add.
  if (lornel::judging::Accepts(typed, expected, exact) != same) __builtin_trap();
  if (same && !lornel::judging::Accepts(typed, expected, all)) __builtin_trap();
  lornel::judging::Accepts(typed, expected, Rules{.pinyin = true});
  lornel::judging::Accepts(typed, expected, Rules{.lenient = true});
  // The usual spelling of an answer is one that pinyin takes for it.
  const std::string spelled = lornel::judging::PinyinSpelling(expected);
  if (spelled != expected && !lornel::judging::MatchesPinyin(spelled, expected)) __builtin_trap();
  lornel::judging::CharactersWithoutReading(expected);
  lornel::judging::SplitAlternatives(bytes);
  lornel::judging::TypeableOnBoard(expected, all);
  return 0;
}
