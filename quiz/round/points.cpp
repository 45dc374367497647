#include "quiz/round/points.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace lornel::quiz {
namespace {

constexpr int kMaxScale = 18;
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

bool TimesTen(std::int64_t& units, int times) {
  for (; times > 0; --times) {
    if (units > kMax / 10 || units < -(kMax / 10)) return false;
    units *= 10;
  }
  return true;
}

}  // namespace

Points Points::Of(double value) {
  if (!std::isfinite(value))
    value = value > 0   ? std::numeric_limits<double>::max()
            : value < 0 ? -std::numeric_limits<double>::max()
                        : 0;
  char text[40];
  for (int digits = 1; digits <= 17; ++digits) {
    std::snprintf(text, sizeof text, "%.*e", digits - 1, value);
    double back = 0;
    std::from_chars(text, text + std::char_traits<char>::length(text), back);
    if (back == value) break;
  }
  // "d.ddde[+-]x" to units and a scale.
  Points p;
  const std::string_view t = text;
  const std::size_t e = t.find('e');
  int exponent = 0;
  std::from_chars(t.data() + e + 1 + (t[e + 1] == '+'), t.data() + t.size(), exponent);
  std::int64_t units = 0;
  int fraction = 0;
  bool point = false, fits = true;
  for (std::size_t i = 0; i < e; ++i) {
    if (t[i] == '.') {
      point = true;
    } else if (t[i] >= '0' && t[i] <= '9') {
      fits = fits && TimesTen(units, 1);
      units += t[i] - '0';
      fraction += point;
    }
  }
  int scale = fraction - exponent;
  if (scale < 0) {
    fits = fits && TimesTen(units, -scale);
    scale = 0;
  }
  if (!fits || scale > kMaxScale) {
    p.exact_ = false;
    p.inexact_ = value;
    return p;
  }
  p.units_ = value < 0 ? -units : units;
  p.scale_ = scale;
  while (p.scale_ > 0 && p.units_ % 10 == 0) p.units_ /= 10, --p.scale_;
  return p;
}

Points Points::Parse(std::string_view text) {
  std::size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  i += negative;
  std::int64_t units = 0;
  int scale = 0;
  bool point = false, digits = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '.' && !point) {
      point = true;
      continue;
    }
    if (c < '0' || c > '9' || !TimesTen(units, 1) || units > kMax - 9) break;
    units += c - '0';
    scale += point;
    digits = true;
  }
  if (i != text.size() || !digits || scale > kMaxScale) {
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return Of(value);
  }
  Points p;
  p.units_ = negative ? -units : units;
  p.scale_ = scale;
  while (p.scale_ > 0 && p.units_ % 10 == 0) p.units_ /= 10, --p.scale_;
  return p;
}

std::string Points::ExactText() const {
  if (!exact_) {
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", inexact_);
    return text;
  }
  std::string digits = std::to_string(units_ < 0 ? -(units_ + 1) + 1ull : std::uint64_t(units_));
  if (scale_ > 0) {
    if (digits.size() <= std::size_t(scale_))
      digits.insert(0, std::size_t(scale_) + 1 - digits.size(), '0');
    digits.insert(digits.size() - std::size_t(scale_), ".");
  }
  return units_ < 0 ? "-" + digits : digits;
}

double Points::value() const {
  if (!exact_) return inexact_;
  const std::string text = ExactText();
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

std::string Points::Text() const {
  // %.13g of a double is at most 21 characters ("-1.234567890123e-308").
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.13g", value());
  return buffer;
}

Points Points::operator-() const {
  Points p = *this;
  if (!exact_) {
    p.inexact_ = -inexact_;
  } else if (units_ == std::numeric_limits<std::int64_t>::min()) {
    p = Of(-value());
  } else {
    p.units_ = -units_;
  }
  return p;
}

Points Points::operator+(const Points& other) const {
  if (exact_ && other.exact_) {
    std::int64_t a = units_, b = other.units_;
    const int scale = std::max(scale_, other.scale_);
    std::int64_t sum = 0;
    if (TimesTen(a, scale - scale_) && TimesTen(b, scale - other.scale_) &&
        !((b > 0 && a > kMax - b) || (b < 0 && a < std::numeric_limits<std::int64_t>::min() - b))) {
      sum = a + b;
      Points p;
      p.units_ = sum;
      p.scale_ = scale;
      while (p.scale_ > 0 && p.units_ % 10 == 0) p.units_ /= 10, --p.scale_;
      return p;
    }
  }
  const double sum = value() + other.value();
  // Past the largest double there is no score to show: it stays there.
  return Of(std::isfinite(sum) ? sum
            : sum > 0          ? std::numeric_limits<double>::max()
                               : -std::numeric_limits<double>::max());
}

std::partial_ordering Points::operator<=>(const Points& other) const {
  if (exact_ && other.exact_) {
    std::int64_t a = units_, b = other.units_;
    const int scale = std::max(scale_, other.scale_);
    if (TimesTen(a, scale - scale_) && TimesTen(b, scale - other.scale_)) return a <=> b;
  }
  return value() <=> other.value();
}

}  // namespace lornel::quiz
