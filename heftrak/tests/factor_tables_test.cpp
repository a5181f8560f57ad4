#include <climits>
#include <cmath>

#include <gtest/gtest.h>

#include "heftrak/core/female_factors.h"
#include "heftrak/core/male_factors.h"

namespace heftrak {
namespace {

using InchLookup = float (*)(float);

// Out of the domain the nearest end applies; off the quarter grid, the
// quarter below.
TEST(FactorTables, ClampedAndOffGridMeasurements) {
  struct Case {
    InchLookup lookup;
    float measurement;
    float expected;
  };
  const Case kCases[] = {
      {AbdomenNeckFactor, 4.75f, 53.44f},   {AbdomenNeckFactor, 0.0f, 53.44f},
      {AbdomenNeckFactor, -3.0f, 53.44f},   {AbdomenNeckFactor, 41.0f, 123.11f},
      {AbdomenNeckFactor, 100.0f, 123.11f}, {MaleHeightFactor, 59.75f, 75.23f},
      {MaleHeightFactor, 85.0f, 85.53f},    {HipFactor, 29.75f, 13.19f},
      {HipFactor, 60.0f, 23.63f},           {FemaleHeightFactor, 54.75f, 71.97f},
      {FemaleHeightFactor, 85.0f, 110.90f}, {ForearmFactor, 4.75f, 19.98f},
      {ForearmFactor, 16.0f, 62.95f},       {NeckFactor, 0.0f, 6.77f},
      {WristFactor, 99.0f, 8.01f},          {HipFactor, 44.6f, 19.59f},
      {MaleHeightFactor, 69.99f, 79.72f},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(c.lookup(c.measurement), c.expected) << c.measurement;
  }
}

// Clamping at both ends, and the first and last pound of spot rows.
TEST(FactorTables, WeightTable) {
  struct Case {
    int pounds;
    float expected;
  };
  constexpr Case kCases[] = {
      {89, 134.08f},  {0, 134.08f},   {INT_MIN, 134.08f}, {300, 185.86f}, {INT_MAX, 185.86f},
      {90, 134.08f},  {99, 138.44f},  {150, 157.44f},     {159, 160.11f}, {210, 172.83f},
      {219, 174.75f}, {220, 174.99f}, {229, 176.82f},     {270, 184.36f}, {279, 185.86f},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(WeightFactor(c.pounds), c.expected) << c.pounds;
  }
}

// The table holds 76.462 x log10(d) rounded half up to two decimals; recompute
// it in double precision and take the float nearest to the hundredths.
TEST(FactorTables, AbdomenNeckFollowsItsRuleAtEveryEntry) {
  for (int i = 0; i < 144; ++i) {
    const float d = 5.0f + static_cast<float>(i) * 0.25f;
    const double hundredths = std::floor(76.462 * std::log10(static_cast<double>(d)) * 100.0 + 0.5);
    EXPECT_EQ(AbdomenNeckFactor(d), static_cast<float>(hundredths) / 100.0f) << d;
  }
}

// Whole rows of the quarter-inch tables held as data: the first and last
// rows, the irregular hip steps, and the rows where a fitted log formula
// misses the last digit (61.50 and 77.25). The abdomen-neck table is checked
// against its rule at every entry above.
TEST(FactorTables, SpotRowsOfQuarterInchTables) {
  struct Row {
    InchLookup lookup;
    float whole;
    float entries[4];
  };
  const Row kRows[] = {
      {MaleHeightFactor, 60.0f, {75.23f, 75.35f, 75.48f, 75.60f}},
      {MaleHeightFactor, 61.0f, {75.72f, 75.84f, 75.96f, 76.09f}},
      {MaleHeightFactor, 77.0f, {82.67f, 82.77f, 82.86f, 82.96f}},
      {MaleHeightFactor, 84.0f, {85.26f, 85.35f, 85.44f, 85.53f}},
      {HipFactor, 30.0f, {13.19f, 13.30f, 13.41f, 13.52f}},
      {HipFactor, 36.0f, {15.83f, 15.94f, 16.05f, 16.15f}},
      {HipFactor, 44.0f, {19.34f, 19.45f, 19.59f, 19.67f}},
      {HipFactor, 53.0f, {23.30f, 23.41f, 23.52f, 23.63f}},
      {FemaleHeightFactor, 55.0f, {71.97f, 72.30f, 72.62f, 72.95f}},
      {FemaleHeightFactor, 84.0f, {109.92f, 110.24f, 110.57f, 110.90f}},
      {ForearmFactor, 5.0f, {19.98f, 20.98f, 21.98f, 22.98f}},
      {ForearmFactor, 7.0f, {27.98f, 28.98f, 29.98f, 30.97f}},
      {ForearmFactor, 15.0f, {59.95f, 60.95f, 61.95f, 62.95f}},
      {NeckFactor, 5.0f, {6.77f, 7.11f, 7.45f, 7.79f}},
      {NeckFactor, 15.0f, {20.31f, 20.65f, 20.99f, 21.33f}},
      {WristFactor, 5.0f, {2.54f, 2.67f, 2.80f, 2.93f}},
      {WristFactor, 15.0f, {7.63f, 7.76f, 7.89f, 8.01f}},
  };
  for (const Row& r : kRows) {
    for (int q = 0; q < 4; ++q) {
      const float x = r.whole + 0.25f * static_cast<float>(q);
      EXPECT_EQ(r.lookup(x), r.entries[q]) << x;
    }
  }
}

// Each lookup with the table the charts list for it: the factors rise with
// every step (so a swapped or repeated entry shows), and the lookup clamps
// right past the first and last entries, so the chart lists its whole domain
// and nothing beyond.
TEST(FactorTables, EachLookupRisesOverItsChartedDomainAndClampsPastIt) {
  const struct {
    const char* name;
    InchLookup lookup;
    const InchFactorTable& table;
  } kInchTables[] = {
      {"abdomen-neck", AbdomenNeckFactor, kAbdomenNeckFactors},
      {"male height", MaleHeightFactor, kMaleHeightFactors},
      {"hip", HipFactor, kHipFactors},
      {"female height", FemaleHeightFactor, kFemaleHeightFactors},
      {"forearm", ForearmFactor, kForearmFactors},
      {"neck", NeckFactor, kNeckFactors},
      {"wrist", WristFactor, kWristFactors},
  };
  constexpr float kStep = InchFactorTable::kStep;
  for (const auto& t : kInchTables) {
    SCOPED_TRACE(t.name);
    for (int i = 1; i < EntryCount(t.table); ++i) {
      const float x = MeasurementAt(t.table, i);
      EXPECT_LT(t.lookup(x - kStep), t.lookup(x)) << x;
    }
    const float first = t.table.first;
    const float last = LastMeasurement(t.table);
    EXPECT_EQ(t.lookup(first - kStep), t.lookup(first));
    EXPECT_EQ(t.lookup(last + kStep), t.lookup(last));
  }
  for (int i = 1; i < EntryCount(kWeightFactors); ++i) {
    const int pounds = MeasurementAt(kWeightFactors, i);
    EXPECT_LT(WeightFactor(pounds - 1), WeightFactor(pounds)) << pounds;
  }
  EXPECT_EQ(WeightFactor(kWeightFactors.first - 1), WeightFactor(kWeightFactors.first));
  const int heaviest = LastMeasurement(kWeightFactors);
  EXPECT_EQ(WeightFactor(heaviest + 1), WeightFactor(heaviest));
}

}  // namespace
}  // namespace heftrak
