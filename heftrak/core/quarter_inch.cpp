#include "heftrak/core/quarter_inch.h"

#include <cmath>

namespace heftrak {

namespace {

// From 2^23 up every float is a whole number, so it is already on the grid.
constexpr float kAllWhole = 8388608.0f;

}  // namespace

float RoundToQuarterInch(float value) {
  if (std::isnan(value) || value >= kAllWhole) {
    return value;
  }
  // 0 is a measurement nobody took and must stay 0; a negative figure cannot
  // come from the entry fields and has no place on the grid either.
  if (value <= 0.0f) {
    return 0.0f;
  }
  // The whole inches are the number of times 1.0 can be taken from the value
  // while it stays above 1.0, so that a whole value keeps a fraction of 1.0
  // and comes back unchanged. Taking them one by one would never end for a
  // large value; ceil gives the same count at once. Below 2^23 both the count
  // and the fraction are exact floats, as each subtraction would have been.
  const float whole = value > 1.0f ? std::ceil(value) - 1.0f : 0.0f;
  const float fraction = value - whole;  // in (0, 1]
  float quarters;
  if (fraction < 0.125f) {
    quarters = 0.0f;
  } else if (fraction < 0.375f) {
    quarters = 0.25f;
  } else if (fraction < 0.625f) {
    quarters = 0.5f;
  } else if (fraction < 0.875f) {
    quarters = 0.75f;
  } else {
    quarters = 1.0f;
  }
  return whole + quarters;
}

int QuarterInchIndex(float measurement, float lowest, int count) {
  if (count <= 0 || std::isnan(measurement) || !std::isfinite(lowest)) {
    return 0;
  }
  const float highest = lowest + static_cast<float>(count - 1) * 0.25f;
  float x = measurement;
  if (x < lowest) {
    x = lowest;
  } else if (x > highest) {
    x = highest;
  }
  // Whole inches and truncated hundredths, in float like the measurement: a
  // quarter value is exact, so a grid point always finds its own entry.
  const float whole = std::floor(x);
  const int hundredths = static_cast<int>((x - whole) * 100.0f);
  // Counted in long long so that no count and no lowest bound can overflow
  // it; clamping keeps it inside the table even for a bound that is not a
  // whole inch.
  const long long index =
      4LL * static_cast<long long>(whole - std::floor(lowest)) + hundredths / 25;
  if (index < 0) {
    return 0;
  }
  return index < count ? static_cast<int>(index) : count - 1;
}

}  // namespace heftrak
