// FoldCase on arbitrary bytes: never reads past the end (ASan sees the exact
// buffer), agrees with a byte-pair walk of its own, and folds only once.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "judging/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string folded = lornel::judging::FoldCase(text);
  // A lead byte at the end is copied and ends the text: nothing is lost or added.
  if (folded.size() != size) __builtin_trap();
  bool trail = false;
  for (std::size_t i = 0; i < size; ++i) {
    const unsigned char in = data[i];
    const unsigned char expected = !trail && in >= 'A' && in <= 'Z' ? in + 0x20 : in;
    if (static_cast<unsigned char>(folded[i]) != expected) __builtin_trap();
    trail = !trail && in >= 0x80;
  }
  if (lornel::judging::FoldCase(folded) != folded) __builtin_trap();
  return 0;
}
