#include "quiz/number_text.h"

#include <cstdio>

namespace lornel::quiz {

std::string IntegerText(int value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%d", value);
  return buffer;
}

std::string NumberText(double value) {
  // %.13g of a double is at most 21 characters ("-1.234567890123e-308").
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.13g", value);
  return buffer;
}

}  // namespace lornel::quiz
