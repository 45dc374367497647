// Numbers written into captions: "%d" for integers, "%.13g" for doubles.
#pragma once

#include <string>

namespace lornel::quiz {

std::string IntegerText(int value);
std::string NumberText(double value);

}  // namespace lornel::quiz
