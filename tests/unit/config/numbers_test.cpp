// The conversions of countdown, points and score texts.
#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <clocale>
#include <string>

#include "config/config.h"

namespace lornel::config {
namespace {

TEST(FullWidthFolding, TheTableOfFoldedCharacters) {
  EXPECT_EQ(FoldFullWidth("\xA3\xB3\xA3\xB0"), "30");
  EXPECT_EQ(FoldFullWidth("\xA3\xAD\xA3\xAE\xA3\xA1\xA3\xFE"), "-.!~");
  EXPECT_EQ(FoldFullWidth("\xA1\xA1\xA1\xAB\xA1\xEE\xA1\xEF"), " ~**");
  // Everything else stays, and a lead byte never pairs across a character.
  EXPECT_EQ(FoldFullWidth("\xA3\xA0\xA1\xA2\xD6\xD0x"), "\xA3\xA0\xA1\xA2\xD6\xD0x");
  EXPECT_EQ(FoldFullWidth("\xB0\xA3\xB3"), "\xB0\xA3\xB3");
  EXPECT_EQ(FoldFullWidth("5\xA3"), "5\xA3");
}

TEST(TextToInteger, ReadsLeadingDigitsOfTheFoldedText) {
  EXPECT_EQ(TextToInteger("\xA3\xB3\xA3\xB0"), 30);
  EXPECT_EQ(TextToInteger("30"), 30);
  EXPECT_EQ(TextToInteger("  \t+40000"), 40000);
  EXPECT_EQ(TextToInteger("-2"), -2);
  EXPECT_EQ(TextToInteger("\xA3\xAD\xA3\xB2"), -2);
  EXPECT_EQ(TextToInteger("\xA1\xA1"
                          "12"),
            12);
  EXPECT_EQ(TextToInteger("00"), 0);
  EXPECT_EQ(TextToInteger("0.0"), 0);
  EXPECT_EQ(TextToInteger("1.9"), 1);
  EXPECT_EQ(TextToInteger("12abc"), 12);
  EXPECT_EQ(TextToInteger("abc"), 0);
  EXPECT_EQ(TextToInteger(""), 0);
  EXPECT_EQ(TextToInteger("- 5"), 0);
  EXPECT_EQ(TextToInteger("\xB6\xFE\xCA\xAE"), 0);  // 二十: no digits
  EXPECT_EQ(TextToInteger(std::string("7\0"
                                      "8",
                                      3)),
            7);
}

TEST(TextToInteger, SaturatesInsteadOfWrapping) {
  EXPECT_EQ(TextToInteger("2147483647"), INT_MAX);
  EXPECT_EQ(TextToInteger("2147483648"), INT_MAX);
  EXPECT_EQ(TextToInteger("4294967326"), INT_MAX);  // would wrap to 30
  EXPECT_EQ(TextToInteger(std::string(5000, '9')), INT_MAX);
  EXPECT_EQ(TextToInteger("-2147483648"), INT_MIN);
  EXPECT_EQ(TextToInteger("-99999999999"), INT_MIN);
  EXPECT_EQ(TextToInteger("000000000000000000042"), 42);
}

TEST(TextToNumber, DecimalNumbersWithExponent) {
  EXPECT_DOUBLE_EQ(TextToNumber("1.5"), 1.5);
  EXPECT_DOUBLE_EQ(TextToNumber("-2"), -2.0);
  EXPECT_DOUBLE_EQ(TextToNumber("\xA3\xB1\xA3\xAE\xA3\xB5"), 1.5);
  EXPECT_DOUBLE_EQ(TextToNumber("\xA3\xAD\xA3\xB0\xA3\xAE\xA3\xB2\xA3\xB5"), -0.25);
  EXPECT_DOUBLE_EQ(TextToNumber(" +.5"), 0.5);
  EXPECT_DOUBLE_EQ(TextToNumber("5."), 5.0);
  EXPECT_DOUBLE_EQ(TextToNumber("2e3"), 2000.0);
  EXPECT_DOUBLE_EQ(TextToNumber("2E-1x"), 0.2);
  EXPECT_DOUBLE_EQ(TextToNumber("2e"), 2.0);
  EXPECT_DOUBLE_EQ(TextToNumber("2e+"), 2.0);
  EXPECT_DOUBLE_EQ(TextToNumber("1,5"), 1.0);
  EXPECT_EQ(TextToNumber("0.1"), 0.1);
}

TEST(TextToNumber, NoNumberGivesZero) {
  for (const char* text : {"", "abc", ".", "-", "+.", "e5", "inf", "nan", "infinity", "\xA3\xAE"}) {
    EXPECT_EQ(TextToNumber(text), 0.0) << text;
  }
  // Hexadecimal is no number here: the reading stops at the 'x'.
  EXPECT_EQ(TextToNumber("0x10"), 0.0);
}

TEST(TextToNumber, OutOfRangeStaysFinite) {
  EXPECT_EQ(TextToNumber("1e999"), DBL_MAX);
  EXPECT_EQ(TextToNumber("-1e999"), -DBL_MAX);
  EXPECT_EQ(TextToNumber("1" + std::string(400, '0')), DBL_MAX);
  EXPECT_EQ(TextToNumber("1e-999"), 0.0);
  EXPECT_EQ(TextToNumber("0e999999"), 0.0);
  EXPECT_EQ(TextToNumber("0." + std::string(400, '0') + "1"), 0.0);
  EXPECT_EQ(TextToNumber("1e99999999999999999999"), DBL_MAX);
}

TEST(TextToNumber, TheDecimalPointIsAFullStopInEveryLocale) {
  const char* old = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = old ? old : "C";
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") || std::setlocale(LC_NUMERIC, "fr_FR.UTF-8")) {
    EXPECT_DOUBLE_EQ(TextToNumber("1.5"), 1.5);
    EXPECT_DOUBLE_EQ(TextToNumber("1,5"), 1.0);
  }
  std::setlocale(LC_NUMERIC, saved.c_str());
  EXPECT_DOUBLE_EQ(TextToNumber("1.5"), 1.5);
}

}  // namespace
}  // namespace lornel::config
