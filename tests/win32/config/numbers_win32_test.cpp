// The conversions as built for Windows: the same results whatever the C
// runtime's locale says the decimal point is.
#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <clocale>

#include "config/config.h"

namespace lornel::config {
namespace {

TEST(ConversionsOnWindows, SameResultsInAGermanLocale) {
  const char* before = std::setlocale(LC_ALL, nullptr);
  const std::string saved = before ? before : "C";
  std::setlocale(LC_ALL, "German");
  EXPECT_EQ(TextToNumber("1.5"), 1.5);
  EXPECT_EQ(TextToNumber("1,5"), 1.0);
  EXPECT_EQ(TextToNumber("\xA3\xAD\xA3\xB0\xA3\xAE\xA3\xB2\xA3\xB5"), -0.25);
  EXPECT_EQ(TextToNumber("1e999"), DBL_MAX);
  EXPECT_EQ(TextToNumber("1e-999"), 0.0);
  EXPECT_EQ(TextToNumber("0.1"), 0.1);
  EXPECT_EQ(TextToInteger("\xA3\xB3\xA3\xB0"), 30);
  EXPECT_EQ(TextToInteger("4294967326"), INT_MAX);
  EXPECT_EQ(TextToInteger("-99999999999"), INT_MIN);
  std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
}  // namespace lornel::config
