#include "heftrak/core/male_factors.h"

namespace heftrak {

namespace {

// Factors are written as float literals: the compiler rounds each decimal
// literal to the nearest float, which is exactly the value a factor must
// have, and the table reads the same as the printed chart.

// Abdomen minus neck in quarter inches (row = whole inches, column = .00 .25
// .50 .75). Generated once from 76.462 x log10(d), evaluated in double
// precision and rounded half up to two decimals; a single-precision log10
// would already miss 27.00 (109.45 instead of 109.44).
constexpr float kAbdomenNeck[] = {
    53.44f,  55.06f,  56.61f,  58.09f,   // 5
    59.50f,  60.85f,  62.16f,  63.41f,   // 6
    64.62f,  65.78f,  66.91f,  68.00f,   // 7
    69.05f,  70.07f,  71.07f,  72.03f,   // 8
    72.96f,  73.87f,  74.76f,  75.62f,   // 9
    76.46f,  77.28f,  78.08f,  78.86f,   // 10
    79.63f,  80.37f,  81.10f,  81.82f,   // 11
    82.52f,  83.20f,  83.87f,  84.53f,   // 12
    85.17f,  85.81f,  86.43f,  87.04f,   // 13
    87.64f,  88.22f,  88.80f,  89.37f,   // 14
    89.93f,  90.48f,  91.02f,  91.55f,   // 15
    92.07f,  92.58f,  93.09f,  93.59f,   // 16
    94.08f,  94.57f,  95.05f,  95.52f,   // 17
    95.98f,  96.44f,  96.89f,  97.34f,   // 18
    97.78f,  98.21f,  98.64f,  99.06f,   // 19
    99.48f,  99.89f,  100.30f, 100.70f,  // 20
    101.10f, 101.49f, 101.88f, 102.26f,  // 21
    102.64f, 103.02f, 103.39f, 103.76f,  // 22
    104.12f, 104.48f, 104.83f, 105.19f,  // 23
    105.53f, 105.88f, 106.22f, 106.56f,  // 24
    106.89f, 107.22f, 107.55f, 107.87f,  // 25
    108.19f, 108.51f, 108.82f, 109.14f,  // 26
    109.44f, 109.75f, 110.05f, 110.35f,  // 27
    110.65f, 110.95f, 111.24f, 111.53f,  // 28
    111.82f, 112.10f, 112.39f, 112.67f,  // 29
    112.94f, 113.22f, 113.49f, 113.76f,  // 30
    114.03f, 114.30f, 114.56f, 114.83f,  // 31
    115.09f, 115.35f, 115.60f, 115.86f,  // 32
    116.11f, 116.36f, 116.61f, 116.85f,  // 33
    117.10f, 117.34f, 117.58f, 117.82f,  // 34
    118.06f, 118.30f, 118.53f, 118.77f,  // 35
    119.00f, 119.23f, 119.46f, 119.68f,  // 36
    119.91f, 120.13f, 120.35f, 120.57f,  // 37
    120.79f, 121.01f, 121.23f, 121.44f,  // 38
    121.66f, 121.87f, 122.08f, 122.29f,  // 39
    122.50f, 122.70f, 122.91f, 123.11f,  // 40
};

// Height in quarter inches. No formula reproduces these to the last digit, so
// they are kept as measured data.
constexpr float kHeight[] = {
    75.23f, 75.35f, 75.48f, 75.60f,  // 60
    75.72f, 75.84f, 75.96f, 76.09f,  // 61
    76.21f, 76.33f, 76.45f, 76.56f,  // 62
    76.68f, 76.80f, 76.92f, 77.04f,  // 63
    77.15f, 77.27f, 77.39f, 77.50f,  // 64
    77.62f, 77.73f, 77.84f, 77.96f,  // 65
    78.07f, 78.18f, 78.30f, 78.41f,  // 66
    78.52f, 78.63f, 78.74f, 78.85f,  // 67
    78.96f, 79.07f, 79.18f, 79.29f,  // 68
    79.40f, 79.50f, 79.61f, 79.72f,  // 69
    79.83f, 79.93f, 80.04f, 80.14f,  // 70
    80.25f, 80.35f, 80.46f, 80.56f,  // 71
    80.67f, 80.77f, 80.87f, 80.98f,  // 72
    81.08f, 81.18f, 81.28f, 81.38f,  // 73
    81.48f, 81.58f, 81.68f, 81.78f,  // 74
    81.88f, 81.98f, 82.08f, 82.18f,  // 75
    82.28f, 82.38f, 82.47f, 82.57f,  // 76
    82.67f, 82.77f, 82.86f, 82.96f,  // 77
    83.05f, 83.15f, 83.24f, 83.34f,  // 78
    83.43f, 83.53f, 83.62f, 83.72f,  // 79
    83.81f, 83.90f, 83.99f, 84.09f,  // 80
    84.18f, 84.27f, 84.36f, 84.45f,  // 81
    84.54f, 84.64f, 84.73f, 84.82f,  // 82
    84.91f, 85.00f, 85.08f, 85.17f,  // 83
    85.26f, 85.35f, 85.44f, 85.53f,  // 84
};

}  // namespace

constexpr InchFactorTable kAbdomenNeckFactors{5.0f, kAbdomenNeck};
constexpr InchFactorTable kMaleHeightFactors{60.0f, kHeight};
// A dropped or doubled entry would move the end of the domain.
static_assert(LastMeasurement(kAbdomenNeckFactors) == 40.75f);
static_assert(LastMeasurement(kMaleHeightFactors) == 84.75f);

float AbdomenNeckFactor(float abdomenMinusNeck) {
  return FactorFor(kAbdomenNeckFactors, abdomenMinusNeck);
}

float MaleHeightFactor(float height) {
  return FactorFor(kMaleHeightFactors, height);
}

}  // namespace heftrak
