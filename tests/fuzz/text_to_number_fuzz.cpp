// TextToNumber on any bytes: always a finite number, the sign of the text,
// and the same result for the ASCII text and its full-width form.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "config/config.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lornel::config;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double value = TextToNumber(text);
  if (!std::isfinite(value)) std::abort();
  if (TextToNumber(FoldFullWidth(text.substr(0, text.find('\0')))) != value && !std::isnan(value))
    std::abort();

  // The printable ASCII part written with full-width characters reads the same.
  std::string ascii, wide;
  for (const std::uint8_t b : text) {
    if (b < 0x21 || b > 0x7E) break;
    ascii.push_back(static_cast<char>(b));
    wide.push_back('\xA3');
    wide.push_back(static_cast<char>(b + 0x80));
  }
  const double a = TextToNumber(ascii), w = TextToNumber(wide);
  if (a != w && !(a == 0 && w == 0)) std::abort();
  return 0;
}
