// A score, or the points a step adds to one: an exact decimal while it fits
// (0.5 + 0.5 + 0.5 is 1.5, never 1.4999), a double beyond that.
#pragma once

#include <compare>
#include <cstdint>
#include <string>
#include <string_view>

namespace lornel::quiz {

class Points {
 public:
  constexpr Points() = default;
  // The shortest decimal that reads back as value: 0.1 is one tenth.
  static Points Of(double value);
  // A decimal as Text writes it ("-12.5"), exactly; anything else as a number.
  static Points Parse(std::string_view text);

  double value() const;
  // As the score bar shows a number: "%.13g".
  std::string Text() const;
  // Every digit: what Parse reads back as the same value.
  std::string ExactText() const;

  Points operator+(const Points& other) const;
  Points operator-() const;
  Points operator-(const Points& other) const { return *this + -other; }
  bool operator==(const Points& other) const { return (*this <=> other) == 0; }
  std::partial_ordering operator<=>(const Points& other) const;

 private:
  bool exact_ = true;
  std::int64_t units_ = 0;  // exact: the value times 10^scale_
  int scale_ = 0;
  double inexact_ = 0;  // not exact: the value
};

}  // namespace lornel::quiz
