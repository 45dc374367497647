#include <cfloat>
#include <charconv>
#include <climits>
#include <cstdint>
#include <string>

#include "config/config.h"

namespace lornel::config {

std::string FoldFullWidth(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (b < 0x80 || i + 1 == text.size()) {
      out.push_back(text[i++]);
      continue;
    }
    const auto t = static_cast<unsigned char>(text[i + 1]);
    if (b == 0xA3 && t >= 0xA1 && t <= 0xFE) {
      out.push_back(static_cast<char>(t - 0x80));
    } else if (b == 0xA1 && t == 0xA1) {
      out.push_back(' ');
    } else if (b == 0xA1 && t == 0xAB) {
      out.push_back('~');
    } else if (b == 0xA1 && (t == 0xEE || t == 0xEF)) {
      out.push_back('*');
    } else {
      out.append(text.substr(i, 2));
    }
    i += 2;
  }
  return out;
}

namespace {

// The texts are C strings in the program: nothing after a NUL counts.
std::string Folded(std::string_view text) {
  const auto nul = text.find('\0');
  return FoldFullWidth(nul == std::string_view::npos ? text : text.substr(0, nul));
}

bool IsCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

int TextToInteger(std::string_view text) {
  const std::string s = Folded(text);
  std::size_t i = 0;
  while (i < s.size() && IsCSpace(s[i])) ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  // Beyond 32 bits the number stops at INT_MAX or INT_MIN instead of wrapping,
  // so that a huge countdown never turns negative.
  const std::int64_t limit = negative ? -static_cast<std::int64_t>(INT_MIN) : INT_MAX;
  std::int64_t value = 0;
  for (; i < s.size() && IsDigit(s[i]); ++i) {
    value = value * 10 + (s[i] - '0');
    if (value > limit) value = limit;
  }
  return static_cast<int>(negative ? -value : value);
}

double TextToNumber(std::string_view text) {
  const std::string s = Folded(text);
  std::size_t i = 0;
  while (i < s.size() && IsCSpace(s[i])) ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  const std::size_t start = i;
  std::size_t digits = 0;
  for (; i < s.size() && IsDigit(s[i]); ++i) ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    for (; i < s.size() && IsDigit(s[i]); ++i) ++digits;
  }
  if (digits == 0) return 0.0;
  std::size_t end = i;
  // An exponent counts only with at least one digit after the letter and sign.
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    if (j < s.size() && IsDigit(s[j])) {
      while (j < s.size() && IsDigit(s[j])) ++j;
      end = j;
    }
  }
  // from_chars reads the decimal point as '.', whatever the C locale says.
  double value = 0.0;
  const char* first = s.data() + start;
  const char* last = s.data() + end;
  const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    // Too large or too small for a double: the largest finite value keeps
    // the points printable as a number, and the smallest becomes 0.
    bool nonZero = false;
    long long point = -1, firstDigit = -1, position = 0;
    for (const char* p = first; p < last && *p != 'e' && *p != 'E'; ++p) {
      if (*p == '.') {
        point = position;
        continue;
      }
      if (*p != '0' && firstDigit < 0) firstDigit = position, nonZero = true;
      ++position;
    }
    if (point < 0) point = position;
    long long exponent = 0;
    for (const char* p = first; p < last; ++p) {
      if (*p == 'e' || *p == 'E') {
        const char* q = p + 1;
        const bool minus = *q == '-';
        if (*q == '+' || *q == '-') ++q;
        for (; q < last; ++q)
          exponent = exponent < 100000000 ? exponent * 10 + (*q - '0') : exponent;
        if (minus) exponent = -exponent;
        break;
      }
    }
    const bool overflow = nonZero && (point - firstDigit) + exponent > 0;
    value = overflow ? DBL_MAX : 0.0;
  } else if (ec != std::errc()) {
    value = 0.0;
  }
  return negative ? -value : value;
}

}  // namespace lornel::config
