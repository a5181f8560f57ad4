// The colours the programs paint their texts in.
#pragma once

#include <cstdint>

namespace shell {

// Plain data: a colour is always given, never left to a default.
struct Rgb {
  std::uint8_t red;
  std::uint8_t green;
  std::uint8_t blue;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kGrey{127, 127, 127};  // a label with nothing beside it

}  // namespace shell
