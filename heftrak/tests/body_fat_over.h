// What heftrak-roster's body_fat_over must hold: the body fat less its limit
// as the window shows both ("26.22" and "22.0" give "4.22"), worked out in
// whole hundredths of a percentage point.
#pragma once

#include <cmath>
#include <cstdio>
#include <string>

namespace heftrak {

inline std::string BodyFatOver(const std::string& bodyFat, const std::string& limit) {
  const auto hundredths = [](const std::string& text) {
    return std::lround(std::stod(text) * 100);
  };
  const long over = hundredths(bodyFat) - hundredths(limit);
  char text[48];
  std::snprintf(text, sizeof text, "%ld.%02ld", over / 100, over % 100);
  return text;
}

}  // namespace heftrak
