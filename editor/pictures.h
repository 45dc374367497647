// A question's picture: taking a chosen picture into the quiz's folder, so
// that copying that folder onto a USB stick takes every picture along.
#pragma once

#include <cstddef>
#include <string>

#include "platform/host.h"

namespace lornel::editor {

inline constexpr const char* kPictureFolder = "图片";

// What the file should name for a picture chosen at chosenPath: a picture
// inside configPath's folder by its relative name; any other copied into the
// folder "图片" beside configPath first, under a name of its own ("猫 (2).jpg"
// when "猫.jpg" there holds other bytes; the same bytes are not copied twice).
// A refused copy leaves no part of the file behind and says why (GBK).
struct AdoptedPicture {
  std::string value;    // "" when refused
  std::string problem;  // the message when refused
};
AdoptedPicture AdoptPicture(platform::Files& files, const std::string& configPath,
                            const std::string& chosenPath);

}  // namespace lornel::editor
