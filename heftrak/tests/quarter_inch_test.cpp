#include "heftrak/core/quarter_inch.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "heftrak/core/body_fat_limit.h"

namespace heftrak {
namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

TEST(RoundToQuarterInch, Cases) {
  struct Case {
    float value;
    float expected;
  };
  constexpr float kMax = std::numeric_limits<float>::max();
  // 8388607.5 is the largest float with a fraction.
  constexpr Case kCases[] = {
      {36.625f, 36.75f}, {36.125f, 36.25f}, {36.124f, 36.0f}, {36.375f, 36.5f},
      {36.875f, 37.0f},  {36.874f, 36.75f}, {36.3f, 36.25f},  {36.0f, 36.0f},
      {35.0f, 35.0f},    {0.0f, 0.0f},      {-0.0f, 0.0f},    {-2.5f, 0.0f},
      {-kInf, 0.0f},     {1e-30f, 0.0f},    {0.1f, 0.0f},     {0.9f, 1.0f},
      {1.0f, 1.0f},      {1.5f, 1.5f},      {99.75f, 99.75f}, {8388607.5f, 8388607.5f},
      {1e30f, 1e30f},    {kMax, kMax},      {kInf, kInf},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(RoundToQuarterInch(c.value), c.expected) << c.value;
  }
  EXPECT_TRUE(std::isnan(RoundToQuarterInch(kNaN)));
}

// The rule as stated: take 1.0 off while the value is above 1.0, then round
// what is left. Compared for positive values only: at 0 the stated rule would
// give 1.0, which the real function deliberately does not.
float RoundByRepeatedSubtraction(float value) {
  float whole = 0.0f;
  while (value > 1.0f) {
    value -= 1.0f;
    whole += 1.0f;
  }
  const float table[] = {0.0f, 0.25f, 0.5f, 0.75f, 1.0f};
  const float bounds[] = {0.125f, 0.375f, 0.625f, 0.875f};
  int step = 0;
  while (step < 4 && value >= bounds[step]) {
    ++step;
  }
  return whole + table[step];
}

TEST(RoundToQuarterInch, AgreesWithRepeatedSubtraction) {
  for (int k = 1; k <= 130 * 512; ++k) {
    const float value = static_cast<float>(k) / 512.0f;
    ASSERT_EQ(RoundToQuarterInch(value), RoundByRepeatedSubtraction(value)) << value;
  }
  for (float value = 1e-3f; value < 3000.0f; value *= 1.0001f) {
    ASSERT_EQ(RoundToQuarterInch(value), RoundByRepeatedSubtraction(value)) << value;
  }
}

TEST(QuarterInchIndex, ClampsAndTakesTheQuarterBelow) {
  struct Case {
    float measurement;
    float lowest;
    int count;
    int expected;
  };
  constexpr Case kCases[] = {
      {5.0f, 5.0f, 44, 0},    {4.75f, 5.0f, 44, 0},     {-1e30f, 5.0f, 44, 0},
      {-kInf, 5.0f, 44, 0},   {kNaN, 5.0f, 44, 0},      {5.25f, 5.0f, 44, 1},
      {10.75f, 5.0f, 44, 23}, {15.75f, 5.0f, 44, 43},   {16.0f, 5.0f, 44, 43},
      {kInf, 5.0f, 44, 43},   {5.24f, 5.0f, 44, 0},     {5.3f, 5.0f, 44, 1},
      {5.99f, 5.0f, 44, 3},   {15.9f, 5.0f, 44, 43},    {53.75f, 30.0f, 96, 95},
      {7.0f, 5.0f, 1, 0},     {84.75f, 60.0f, 100, 99},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(QuarterInchIndex(c.measurement, c.lowest, c.count), c.expected)
        << c.measurement << " from " << c.lowest;
  }
}

TEST(MaxBodyFat, AgeGroupBoundaries) {
  struct Case {
    int age;
    float male;
    float female;
  };
  constexpr Case kCases[] = {
      {17, 20.0f, 30.0f}, {20, 20.0f, 30.0f}, {21, 22.0f, 32.0f}, {27, 22.0f, 32.0f},
      {28, 24.0f, 34.0f}, {39, 24.0f, 34.0f}, {40, 26.0f, 36.0f}, {70, 26.0f, 36.0f},
      {16, 26.0f, 36.0f}, {71, 26.0f, 36.0f},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(MaxBodyFat(c.age, 'M'), c.male) << c.age;
    EXPECT_EQ(MaxBodyFat(c.age, 'F'), c.female) << c.age;
    EXPECT_EQ(MaxBodyFat(c.age, '\0'), c.male) << c.age;
  }
}

}  // namespace
}  // namespace heftrak
