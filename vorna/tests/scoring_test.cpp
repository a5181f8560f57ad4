#include "vorna/core/scoring.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>

namespace vorna {
namespace {

using ScoreFn = int (*)(int, int);

// One column of a table: its youngest and oldest age, the raw score worth 100
// points, one worth exactly 60 and what the floor (or anything worse) scores.
struct ColumnCheck {
  int youngest;
  int oldest;
  int at100;
  int at60;
  int atFloor;
};

using TableChecks = std::array<ColumnCheck, 10>;

constexpr TableChecks kMalePushupChecks = {{
    {17, 21, 71, 42, 9},
    {22, 26, 75, 40, 20},
    {27, 31, 77, 39, 24},
    {32, 36, 75, 36, 28},
    {37, 41, 73, 34, 30},
    {42, 46, 66, 30, 32},
    {47, 51, 59, 25, 36},
    {52, 56, 56, 20, 43},
    {57, 61, 53, 18, 45},
    {62, 70, 50, 16, 47},
}};

constexpr TableChecks kFemalePushupChecks = {{
    {17, 21, 42, 19, 36},
    {22, 26, 46, 17, 43},
    {27, 31, 50, 17, 45},
    {32, 36, 45, 15, 47},
    {37, 41, 40, 13, 48},
    {42, 46, 37, 12, 49},
    {47, 51, 34, 10, 52},
    {52, 56, 31, 9, 53},
    {57, 61, 28, 8, 54},
    {62, 70, 25, 7, 56},
}};

constexpr TableChecks kSitupChecks = {{
    {17, 21, 78, 53, 9},
    {22, 26, 80, 50, 21},
    {27, 31, 82, 45, 34},
    {32, 36, 76, 42, 35},
    {37, 41, 76, 38, 42},
    {42, 46, 72, 32, 49},
    {47, 51, 66, 30, 50},
    {52, 56, 66, 28, 53},
    {57, 61, 64, 27, 54},
    {62, 70, 63, 26, 55},
}};

constexpr TableChecks kMaleRunChecks = {{
    {17, 21, MinSec(13, 0), MinSec(15, 54), -62},
    {22, 26, MinSec(13, 0), MinSec(16, 36), -45},
    {27, 31, MinSec(13, 18), MinSec(17, 0), -39},
    {32, 36, MinSec(13, 18), MinSec(17, 42), -22},
    {37, 41, MinSec(13, 36), MinSec(18, 18), -12},
    {42, 46, MinSec(14, 6), MinSec(18, 42), -9},
    {47, 51, MinSec(14, 24), MinSec(19, 30), 5},
    {52, 56, MinSec(14, 42), MinSec(19, 48), 7},
    {57, 61, MinSec(15, 18), MinSec(19, 54), 3},
    {62, 70, MinSec(15, 42), MinSec(20, 0), 0},
}};

constexpr TableChecks kFemaleRunChecks = {{
    {17, 21, MinSec(15, 36), MinSec(18, 54), -26},
    {22, 26, MinSec(15, 36), MinSec(19, 36), -9},
    {27, 31, MinSec(15, 48), MinSec(20, 30), 9},
    {32, 36, MinSec(15, 54), MinSec(21, 42), 27},
    {37, 41, MinSec(17, 0), MinSec(22, 42), 33},
    {42, 46, MinSec(17, 24), MinSec(23, 42), 42},
    {47, 51, MinSec(17, 36), MinSec(24, 0), 44},
    {52, 56, MinSec(19, 0), MinSec(24, 24), 44},
    {57, 61, MinSec(19, 42), MinSec(24, 48), 47},
    {62, 70, MinSec(20, 0), MinSec(25, 0), 48},
}};

void ExpectRepetitionColumns(ScoreFn points, int floor, const TableChecks& checks) {
  for (const ColumnCheck& c : checks) {
    for (int age : {c.youngest, c.oldest}) {
      SCOPED_TRACE(testing::Message() << "age " << age);
      EXPECT_EQ(points(c.at100, age), 100);
      EXPECT_LT(points(c.at100 - 1, age), 100);
      EXPECT_EQ(points(c.at60, age), 60);
      EXPECT_EQ(points(floor, age), c.atFloor);
      EXPECT_EQ(points(0, age), c.atFloor);
      EXPECT_EQ(points(-3, age), c.atFloor);
      // Beyond the 100-point score every repetition adds exactly one point.
      for (int extra = 0; extra <= 300; ++extra) {
        ASSERT_EQ(points(c.at100 + extra, age), 100 + extra) << extra;
      }
    }
  }
}

void ExpectRunColumns(ScoreFn points, const TableChecks& checks) {
  for (const ColumnCheck& c : checks) {
    for (int age : {c.youngest, c.oldest}) {
      SCOPED_TRACE(testing::Message() << "age " << age);
      // A scored time stands for the 2 seconds before it and the 3 after it.
      for (int offset = -2; offset <= 3; ++offset) {
        EXPECT_EQ(points(c.at100 + offset, age), 100) << offset;
        EXPECT_EQ(points(c.at60 + offset, age), 60) << offset;
      }
      EXPECT_LT(points(c.at100 + 4, age), 100);
      EXPECT_EQ(points(kRunFloorSeconds, age), c.atFloor);
      EXPECT_EQ(points(kRunFloorSeconds + 1, age), c.atFloor);
      EXPECT_EQ(points(MinSec(99, 59), age), c.atFloor);
      EXPECT_EQ(points(INT_MAX, age), c.atFloor);
      // Every 6 seconds faster than the 100-point time adds exactly one point.
      for (int faster = 0; faster <= c.at100; faster += 6) {
        ASSERT_EQ(points(c.at100 - faster, age), 100 + faster / 6) << faster;
      }
    }
  }
}

// Fewer repetitions never score more; a slower run never scores more.
void ExpectMonotonic(ScoreFn points, bool isRun) {
  for (int age = 17; age <= 72; ++age) {
    SCOPED_TRACE(testing::Message() << "age " << age);
    const int last = isRun ? MinSec(28, 0) : 150;
    int previous = points(0, age);
    for (int raw = 1; raw <= last; ++raw) {
      const int current = points(raw, age);
      if (isRun) {
        ASSERT_LE(current, previous) << raw;
      } else {
        ASSERT_GE(current, previous) << raw;
      }
      previous = current;
    }
  }
}

TEST(AgeGroupTest, GroupsOfFiveYearsFrom17) {
  struct AgeCase {
    int age;
    int group;
  };
  constexpr AgeCase kCases[] = {{-1, 0}, {16, 0}, {17, 0}, {21, 0}, {22, 1}, {26, 1},
                                {27, 2}, {36, 3}, {41, 4}, {46, 5}, {51, 6}, {56, 7},
                                {61, 8}, {62, 9}, {70, 9}, {120, 9}};
  for (const AgeCase& c : kCases) {
    EXPECT_EQ(AgeGroup(c.age), c.group) << c.age;
  }
}

// Every column meets the check values of its table, and no event ever
// scores a worse raw score higher.
TEST(EventScoring, ColumnsMeetTheirCheckValuesAndNeverRewardWorse) {
  const struct {
    const char* event;
    ScoreFn points;
    bool isRun;
    int floor;
    const TableChecks& checks;
  } kEvents[] = {
      {"male push-ups", MalePushupPoints, false, kPushupFloor, kMalePushupChecks},
      {"female push-ups", FemalePushupPoints, false, kPushupFloor, kFemalePushupChecks},
      {"sit-ups", SitupPoints, false, kSitupFloor, kSitupChecks},
      {"male run", MaleRunPoints, true, kRunFloorSeconds, kMaleRunChecks},
      {"female run", FemaleRunPoints, true, kRunFloorSeconds, kFemaleRunChecks},
  };
  for (const auto& e : kEvents) {
    SCOPED_TRACE(e.event);
    if (e.isRun) {
      ExpectRunColumns(e.points, e.checks);
    } else {
      ExpectRepetitionColumns(e.points, e.floor, e.checks);
    }
    ExpectMonotonic(e.points, e.isRun);
  }
}

struct PointCase {
  const char* what;
  ScoreFn points;
  int raw;
  int age;
  int expected;
};

// The steps worth 2, 0 and 3 points, the 6-second grid of the run and the
// columns without any listed step.
TEST(ScoringTest, StepsAndGridEdges) {
  constexpr PointCase kCases[] = {
      {"male 20 push-ups", MalePushupPoints, 72, 20, 101},
      {"male 20 push-ups", MalePushupPoints, 6, 20, 10},
      {"male 20 push-ups", MalePushupPoints, 7, 20, 12},
      {"female 23 push-ups, step worth 0", FemalePushupPoints, 8, 23, 48},
      {"female 23 push-ups, step worth 0", FemalePushupPoints, 9, 23, 49},
      {"female 23 push-ups, step worth 0", FemalePushupPoints, 10, 23, 49},
      {"female 23 push-ups, step worth 0", FemalePushupPoints, 11, 23, 50},
      {"male 50 push-ups, two steps of 2", MalePushupPoints, 50, 50, 89},
      {"male 50 push-ups, two steps of 2", MalePushupPoints, 51, 50, 91},
      {"male 50 push-ups, two steps of 2", MalePushupPoints, 52, 50, 93},
      {"female 65 push-ups, step worth 3", FemalePushupPoints, 9, 65, 64},
      {"female 65 push-ups, step worth 3", FemalePushupPoints, 10, 65, 67},
      {"female 65 push-ups", FemalePushupPoints, 26, 65, 101},
      {"sit-ups 19", SitupPoints, 22, 19, 10},
      {"sit-ups 19", SitupPoints, 77, 19, 98},
      {"sit-ups 19", SitupPoints, 82, 19, 104},
      {"male 20 run", MaleRunPoints, MinSec(13, 3), 20, 100},
      {"male 20 run", MaleRunPoints, MinSec(13, 4), 20, 99},
      {"male 20 run", MaleRunPoints, MinSec(13, 9), 20, 99},
      {"male 20 run", MaleRunPoints, MinSec(13, 10), 20, 97},
      {"male 20 run", MaleRunPoints, MinSec(13, 12), 20, 97},
      {"male 20 run", MaleRunPoints, MinSec(20, 18), 20, 0},
      {"male 20 run", MaleRunPoints, MinSec(0, 0), 20, 230},
      {"male 20 run, never typed", MaleRunPoints, -100, 20, 230},
      {"female 40 run", FemaleRunPoints, MinSec(16, 48), 40, 102},
      {"female 40 run", FemaleRunPoints, MinSec(16, 51), 40, 102},
      {"female 40 run", FemaleRunPoints, MinSec(16, 52), 40, 101},
      {"female 40 run", FemaleRunPoints, MinSec(16, 54), 40, 101},
      {"female 40 run", FemaleRunPoints, MinSec(16, 57), 40, 101},
      {"female 40 run", FemaleRunPoints, MinSec(16, 58), 40, 100},
      {"female 40 run, step worth 0", FemaleRunPoints, MinSec(17, 6), 40, 99},
      {"female 40 run, step worth 0", FemaleRunPoints, MinSec(17, 12), 40, 99},
      {"male 62 run, step worth 0", MaleRunPoints, MinSec(26, 24), 62, 0},
      {"male 62 run, step worth 0", MaleRunPoints, MinSec(26, 30), 62, 0},
      {"female 22 run, no listed step", FemaleRunPoints, MinSec(26, 30), 22, -9},
      {"a count too large for an int", MalePushupPoints, INT_MAX, 20, INT_MAX},
      {"a count too large for an int", SitupPoints, INT_MAX - 5, 70, INT_MAX},
  };
  for (const PointCase& c : kCases) {
    EXPECT_EQ(c.points(c.raw, c.age), c.expected) << c.what << ", raw " << c.raw;
  }
}

TEST(ScoringTest, SitupsAt42To46AreCountPlus28) {
  for (int age = 42; age <= 46; ++age) {
    for (int count = kSitupFloor; count <= 120; ++count) {
      ASSERT_EQ(SitupPoints(count, age), count + 28) << age << " " << count;
    }
  }
}

TEST(ScoringTest, SixtyTwoAndOlderShareOneColumn) {
  for (ScoreFn points : {MalePushupPoints, FemalePushupPoints, SitupPoints}) {
    for (int raw = 0; raw <= 90; ++raw) {
      ASSERT_EQ(points(raw, 62), points(raw, 70)) << raw;
      ASSERT_EQ(points(raw, 62), points(raw, 99)) << raw;
    }
  }
  for (ScoreFn points : {MaleRunPoints, FemaleRunPoints}) {
    for (int t = 0; t <= MinSec(27, 0); ++t) {
      ASSERT_EQ(points(t, 62), points(t, 70)) << t;
    }
  }
}

}  // namespace
}  // namespace vorna
