#include "heftrak/core/female_factors.h"

namespace heftrak {

namespace {

// Factors are written as float literals: the compiler rounds each decimal
// literal to the nearest float, which is exactly the value a factor must
// have, and the tables read the same as the printed charts. No formula
// reproduces them to the last digit, so they are kept as data, irregular
// steps included (hip 36.75 and 44.50, weight 220).

// Body weight, one entry per pound (five pounds a row).
constexpr float kWeight[] = {
    134.08f, 134.58f, 135.08f, 135.58f, 136.07f,  // 90
    136.55f, 137.03f, 137.50f, 137.97f, 138.44f,  // 95
    138.90f, 139.35f, 139.80f, 140.25f, 140.69f,  // 100
    141.13f, 141.56f, 141.99f, 142.42f, 142.84f,  // 105
    143.26f, 143.67f, 144.08f, 144.49f, 144.89f,  // 110
    145.29f, 145.69f, 146.08f, 146.47f, 146.85f,  // 115
    147.24f, 147.62f, 147.99f, 148.37f, 148.74f,  // 120
    149.10f, 149.47f, 149.83f, 150.19f, 150.54f,  // 125
    150.90f, 151.25f, 151.60f, 151.94f, 152.28f,  // 130
    152.62f, 152.96f, 153.30f, 153.63f, 153.96f,  // 135
    154.29f, 154.61f, 154.94f, 155.26f, 155.58f,  // 140
    155.89f, 156.21f, 156.52f, 156.83f, 157.14f,  // 145
    157.44f, 157.75f, 158.05f, 158.35f, 158.65f,  // 150
    158.94f, 159.24f, 159.53f, 159.82f, 160.11f,  // 155
    160.40f, 160.68f, 160.96f, 161.25f, 161.53f,  // 160
    161.80f, 162.08f, 162.35f, 162.63f, 162.90f,  // 165
    163.17f, 163.44f, 163.70f, 163.97f, 164.23f,  // 170
    164.49f, 164.76f, 165.01f, 165.27f, 165.53f,  // 175
    165.78f, 166.04f, 166.29f, 166.54f, 166.79f,  // 180
    167.04f, 167.28f, 167.53f, 167.77f, 168.02f,  // 185
    168.26f, 168.50f, 168.74f, 168.97f, 169.21f,  // 190
    169.44f, 169.68f, 169.91f, 170.14f, 170.37f,  // 195
    170.60f, 170.83f, 171.06f, 171.28f, 171.51f,  // 200
    171.73f, 171.96f, 172.18f, 172.40f, 172.62f,  // 205
    172.83f, 173.05f, 173.27f, 173.48f, 173.70f,  // 210
    173.91f, 174.12f, 174.33f, 174.54f, 174.75f,  // 215
    174.99f, 175.20f, 175.41f, 175.61f, 175.82f,  // 220
    176.02f, 176.22f, 176.42f, 176.62f, 176.82f,  // 225
    177.03f, 177.22f, 177.42f, 177.62f, 177.81f,  // 230
    178.00f, 178.20f, 178.40f, 178.59f, 178.78f,  // 235
    178.97f, 179.16f, 179.35f, 179.54f, 179.73f,  // 240
    179.92f, 180.10f, 180.29f, 180.47f, 180.66f,  // 245
    180.84f, 181.02f, 181.20f, 181.39f, 181.57f,  // 250
    181.75f, 181.92f, 182.10f, 182.28f, 182.46f,  // 255
    182.63f, 182.81f, 182.98f, 183.16f, 183.33f,  // 260
    183.51f, 183.68f, 183.85f, 184.02f, 184.19f,  // 265
    184.36f, 184.53f, 184.70f, 184.87f, 185.03f,  // 270
    185.20f, 185.37f, 185.53f, 185.70f, 185.86f,  // 275
};

// Hip circumference.
constexpr float kHip[] = {
    13.19f, 13.30f, 13.41f, 13.52f,  // 30
    13.63f, 13.74f, 13.85f, 13.96f,  // 31
    14.07f, 14.18f, 14.29f, 14.40f,  // 32
    14.51f, 14.62f, 14.73f, 14.84f,  // 33
    14.95f, 15.06f, 15.17f, 15.28f,  // 34
    15.39f, 15.50f, 15.61f, 15.72f,  // 35
    15.83f, 15.94f, 16.05f, 16.15f,  // 36
    16.26f, 16.37f, 16.48f, 16.59f,  // 37
    16.70f, 16.81f, 16.92f, 17.03f,  // 38
    17.14f, 17.25f, 17.36f, 17.47f,  // 39
    17.58f, 17.69f, 17.80f, 17.91f,  // 40
    18.02f, 18.13f, 18.24f, 18.35f,  // 41
    18.46f, 18.57f, 18.68f, 18.79f,  // 42
    18.90f, 19.01f, 19.12f, 19.23f,  // 43
    19.34f, 19.45f, 19.59f, 19.67f,  // 44
    19.78f, 19.89f, 20.00f, 20.11f,  // 45
    20.22f, 20.33f, 20.44f, 20.55f,  // 46
    20.66f, 20.77f, 20.88f, 20.99f,  // 47
    21.10f, 21.21f, 21.32f, 21.43f,  // 48
    21.54f, 21.65f, 21.76f, 21.87f,  // 49
    21.98f, 22.09f, 22.20f, 22.31f,  // 50
    22.42f, 22.53f, 22.64f, 22.75f,  // 51
    22.86f, 22.97f, 23.08f, 23.19f,  // 52
    23.30f, 23.41f, 23.52f, 23.63f,  // 53
};

// Height.
constexpr float kHeight[] = {
    71.97f,  72.30f,  72.62f,  72.95f,   // 55
    73.28f,  73.61f,  73.93f,  74.26f,   // 56
    74.59f,  74.91f,  75.24f,  75.57f,   // 57
    75.90f,  76.22f,  76.55f,  76.88f,   // 58
    77.20f,  77.53f,  77.86f,  78.19f,   // 59
    78.51f,  78.84f,  79.17f,  79.49f,   // 60
    79.82f,  80.15f,  80.48f,  80.80f,   // 61
    81.13f,  81.46f,  81.78f,  82.11f,   // 62
    82.44f,  82.77f,  83.09f,  83.42f,   // 63
    83.75f,  84.07f,  84.40f,  84.73f,   // 64
    85.06f,  85.38f,  85.71f,  86.04f,   // 65
    86.36f,  86.69f,  87.02f,  87.35f,   // 66
    87.67f,  88.00f,  88.33f,  88.65f,   // 67
    88.98f,  89.31f,  89.64f,  89.96f,   // 68
    90.29f,  90.62f,  90.94f,  91.27f,   // 69
    91.60f,  91.93f,  92.25f,  92.58f,   // 70
    92.91f,  93.23f,  93.56f,  93.89f,   // 71
    94.22f,  94.54f,  94.87f,  95.20f,   // 72
    95.52f,  95.85f,  96.18f,  96.51f,   // 73
    96.83f,  97.16f,  97.49f,  97.81f,   // 74
    98.14f,  98.47f,  98.80f,  99.12f,   // 75
    99.45f,  99.78f,  100.10f, 100.43f,  // 76
    100.76f, 101.09f, 101.41f, 101.74f,  // 77
    102.07f, 102.39f, 102.72f, 103.05f,  // 78
    103.38f, 103.70f, 104.03f, 104.36f,  // 79
    104.68f, 105.01f, 105.34f, 105.67f,  // 80
    105.99f, 106.32f, 106.65f, 106.97f,  // 81
    107.30f, 107.63f, 107.96f, 108.28f,  // 82
    108.61f, 108.94f, 109.26f, 109.59f,  // 83
    109.92f, 110.24f, 110.57f, 110.90f,  // 84
};

// Forearm circumference.
constexpr float kForearm[] = {
    19.98f, 20.98f, 21.98f, 22.98f,  // 5
    23.98f, 24.98f, 25.98f, 26.98f,  // 6
    27.98f, 28.98f, 29.98f, 30.97f,  // 7
    31.97f, 32.97f, 33.97f, 34.97f,  // 8
    35.97f, 36.97f, 37.97f, 38.97f,  // 9
    39.97f, 40.97f, 41.97f, 42.97f,  // 10
    43.96f, 44.96f, 45.96f, 46.96f,  // 11
    47.96f, 48.96f, 49.96f, 50.96f,  // 12
    51.96f, 52.96f, 53.96f, 54.96f,  // 13
    55.95f, 56.95f, 57.95f, 58.95f,  // 14
    59.95f, 60.95f, 61.95f, 62.95f,  // 15
};

// Neck circumference.
constexpr float kNeck[] = {
    6.77f,  7.11f,  7.45f,  7.79f,   // 5
    8.12f,  8.46f,  8.80f,  9.14f,   // 6
    9.48f,  9.82f,  10.16f, 10.49f,  // 7
    10.83f, 11.17f, 11.51f, 11.85f,  // 8
    12.19f, 12.53f, 12.86f, 13.20f,  // 9
    13.54f, 13.88f, 14.22f, 14.56f,  // 10
    14.90f, 15.23f, 15.57f, 15.91f,  // 11
    16.25f, 16.59f, 16.93f, 17.26f,  // 12
    17.60f, 17.94f, 18.28f, 18.62f,  // 13
    18.96f, 19.30f, 19.63f, 19.97f,  // 14
    20.31f, 20.65f, 20.99f, 21.33f,  // 15
};

// Wrist circumference.
constexpr float kWrist[] = {
    2.54f, 2.67f, 2.80f, 2.93f,  // 5
    3.05f, 3.18f, 3.31f, 3.43f,  // 6
    3.56f, 3.69f, 3.82f, 3.94f,  // 7
    4.07f, 4.20f, 4.33f, 4.45f,  // 8
    4.58f, 4.71f, 4.83f, 4.96f,  // 9
    5.09f, 5.22f, 5.34f, 5.47f,  // 10
    5.60f, 5.72f, 5.85f, 5.98f,  // 11
    6.11f, 6.23f, 6.36f, 6.49f,  // 12
    6.62f, 6.74f, 6.87f, 7.00f,  // 13
    7.12f, 7.25f, 7.38f, 7.51f,  // 14
    7.63f, 7.76f, 7.89f, 8.01f,  // 15
};

}  // namespace

constexpr PoundFactorTable kWeightFactors{90, kWeight};
constexpr InchFactorTable kHipFactors{30.0f, kHip};
constexpr InchFactorTable kFemaleHeightFactors{55.0f, kHeight};
constexpr InchFactorTable kForearmFactors{5.0f, kForearm};
constexpr InchFactorTable kNeckFactors{5.0f, kNeck};
constexpr InchFactorTable kWristFactors{5.0f, kWrist};
// A dropped or doubled entry would move the end of the domain.
static_assert(LastMeasurement(kWeightFactors) == 279);
static_assert(LastMeasurement(kHipFactors) == 53.75f);
static_assert(LastMeasurement(kFemaleHeightFactors) == 84.75f);
static_assert(LastMeasurement(kForearmFactors) == 15.75f);
static_assert(LastMeasurement(kNeckFactors) == 15.75f);
static_assert(LastMeasurement(kWristFactors) == 15.75f);

float WeightFactor(int pounds) {
  return FactorFor(kWeightFactors, pounds);
}

float HipFactor(float hips) {
  return FactorFor(kHipFactors, hips);
}

float FemaleHeightFactor(float height) {
  return FactorFor(kFemaleHeightFactors, height);
}

float ForearmFactor(float forearm) {
  return FactorFor(kForearmFactors, forearm);
}

float NeckFactor(float neck) {
  return FactorFor(kNeckFactors, neck);
}

float WristFactor(float wrist) {
  return FactorFor(kWristFactors, wrist);
}

}  // namespace heftrak
