#include "config/gbk.h"

#include <array>
#include <memory>

namespace lornel::config::gbk {

namespace {

#include "config/gbk_tables.inc"

constexpr char16_t kEuro = 0x20AC;       // the one-byte character 0x80
constexpr char16_t kPrivateFF = 0xF8F5;  // the one-byte character 0xFF

std::size_t PairIndex(std::uint16_t code) {
  const unsigned lead = code >> 8, trail = code & 0xFF;
  return (lead - 0x81) * 190 + (trail < 0x80 ? trail - 0x40 : trail - 0x41);
}

const std::array<std::uint16_t, 0x10000>& ReverseTable() {
  static const auto table = [] {
    auto t = std::make_unique<std::array<std::uint16_t, 0x10000>>();
    t->fill('?');
    for (unsigned b = 0; b < 0x80; ++b) (*t)[b] = static_cast<std::uint16_t>(b);
    (*t)[kEuro] = 0x80;
    (*t)[kPrivateFF] = 0xFF;
    for (unsigned lead = 0x81; lead <= 0xFE; ++lead)
      for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
        if (!IsTrail(static_cast<unsigned char>(trail))) continue;
        const auto code = static_cast<std::uint16_t>(lead << 8 | trail);
        (*t)[kGbkToUnit[PairIndex(code)]] = code;
      }
    for (const auto& entry : kUnitToGbkExtra) (*t)[entry[0]] = entry[1];
    return t;
  }();
  return *table;
}

}  // namespace

bool IsWellFormed(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const Char c = At(text, i);
    if (c.code == '?' && text[i] != '?') return false;
    i += c.size;
  }
  return true;
}

char16_t CodeToUnit(std::uint16_t code) {
  if (code < 0x80) return code;
  if (code == 0x80) return kEuro;
  if (code == 0xFF) return kPrivateFF;
  if (code <= 0xFF) return '?';
  return kGbkToUnit[PairIndex(code)];
}

std::uint16_t UnitToCode(char16_t unit) { return ReverseTable()[unit]; }

std::u16string ToUnits(std::string_view text) {
  std::u16string units;
  units.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const Char c = At(text, i);
    units.push_back(CodeToUnit(c.code));
    i += c.size;
  }
  return units;
}

std::u16string DecodeUtf8(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  const std::size_t n = bytes.size();
  std::size_t i = 0;
  auto byte = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
  // Returns the code point, or a value above 0x10FFFF for an invalid
  // sequence; i is left after the bytes that the decoder took.
  auto decodeOne = [&](unsigned char first) -> std::uint32_t {
    const unsigned follow = first >= 0xC2 && first <= 0xDF   ? 1
                            : first >= 0xE0 && first <= 0xEF ? 2
                            : first >= 0xF0 && first <= 0xF4 ? 3
                                                             : 0;
    static constexpr unsigned char kMask[4] = {0x7F, 0x1F, 0x0F, 0x07};
    std::uint32_t value = first & kMask[follow];
    const std::size_t end = i + follow;
    if (end > n) {
      i = n;
      return ~0u;
    }
    unsigned char c;
    // Falls through from the longest form, as the decoder checks the forms of
    // each length (overlong, beyond U+10FFFF, surrogates) on the way.
    switch (follow) {
      case 3:
        if ((c = byte(end - 3) ^ 0x80) >= 0x40) break;
        value = value << 6 | c;
        ++i;
        if (value < 0x10) break;
        [[fallthrough]];
      case 2:
        if ((c = byte(end - 2) ^ 0x80) >= 0x40) break;
        value = value << 6 | c;
        if (value >= (0x110000 >> 6)) break;
        ++i;
        if (value < 0x20) break;
        if (value >= (0xD800 >> 6) && value <= (0xDFFF >> 6)) break;
        [[fallthrough]];
      case 1:
        if ((c = byte(end - 1) ^ 0x80) >= 0x40) break;
        value = value << 6 | c;
        ++i;
        if (value < 0x80) break;
        return value;
      default:
        break;
    }
    return ~0u;
  };
  while (i < n) {
    const unsigned char first = byte(i++);
    if (first < 0x80) {
      out.push_back(first);
      continue;
    }
    const std::uint32_t value = decodeOne(first);
    if (value > 0x10FFFF) {
      out.push_back(0xFFFD);
    } else if (value > 0xFFFF) {
      out.push_back(static_cast<char16_t>(0xD800 | ((value - 0x10000) >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 | ((value - 0x10000) & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(value));
    }
  }
  return out;
}

std::string EncodeUtf8(std::u16string_view units) {
  std::string out;
  out.reserve(units.size());
  for (std::size_t i = 0; i < units.size(); ++i) {
    std::uint32_t cp = units[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
        units[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (units[++i] - 0xDC00);
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = 0xFFFD;
    }
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | cp >> 6));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | cp >> 12));
      out.push_back(static_cast<char>(0x80 | (cp >> 6 & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | cp >> 18));
      out.push_back(static_cast<char>(0x80 | (cp >> 12 & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp >> 6 & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

}  // namespace lornel::config::gbk
