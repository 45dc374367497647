// TextToInteger on any bytes, compared with a reading of the folded text by
// a 128-bit accumulator: saturation, never wrapping, never a crash.
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "config/config.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lornel::config;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const int got = TextToInteger(text);

  std::string folded = FoldFullWidth(text.substr(0, text.find('\0')));
  std::size_t i = 0;
  while (i < folded.size() && (folded[i] == ' ' || (folded[i] >= '\t' && folded[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < folded.size() && (folded[i] == '+' || folded[i] == '-')) negative = folded[i++] == '-';
  __int128 value = 0;
  for (; i < folded.size() && folded[i] >= '0' && folded[i] <= '9'; ++i) {
    value = value * 10 + (folded[i] - '0');
    if (value > (__int128)1 << 40) value = (__int128)1 << 40;
  }
  if (negative) value = -value;
  const __int128 expected = value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : value;
  if (got != expected) std::abort();
  return 0;
}
