#include "editor/unicode.h"

#include <cstdio>

#include "config/gbk.h"

namespace lornel::editor {

namespace gbk = config::gbk;

bool GbkHolds(char16_t unit) {
  if (unit >= 0xD800 && unit <= 0xDFFF) return false;
  const std::uint16_t code = gbk::UnitToCode(unit);
  if (code == '?' && unit != u'?') return false;
  return gbk::CodeToUnit(code) == unit;
}

std::optional<std::string> ToGbk(std::u16string_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (const char16_t unit : text) {
    if (!GbkHolds(unit)) return std::nullopt;
    gbk::AppendCode(out, gbk::UnitToCode(unit));
  }
  return out;
}

std::u16string FromGbk(std::string_view text) { return gbk::ToUnits(text); }

Unheld FirstUnheld(std::u16string_view text) {
  int position = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    ++position;
    const char16_t unit = text[i];
    if (GbkHolds(unit)) continue;
    char32_t cp = unit;
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF)
      cp = 0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00);
    return {cp, position};
  }
  return {};
}

std::string CodePointName(char32_t codePoint) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(codePoint));
  return buffer;
}

}  // namespace lornel::editor
