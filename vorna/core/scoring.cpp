// The scoring columns of the three events and the rule that turns a raw score into points.
//
// A column holds the raw score worth 100 points and the raw scores whose step
// is not worth the usual 1 point. Everything else follows from the rule, so
// the tables stay short and a wrong entry shows up as a wrong check value
// in the tests.
#include "vorna/core/scoring.h"

#include <array>
#include <climits>
#include <cstdint>

namespace vorna {
namespace {

constexpr int kGroupCount = 10;

// Raw scores in ascending order; unused slots are 0, which no listed raw
// score can be (every floor is above 0 repetitions or 0:00).
using RawList = std::array<std::int16_t, 34>;
using ShortRawList = std::array<std::int16_t, 4>;

// For repetitions, the step of r is what r scores more than r - 1. For the
// run, the step of a scored time s is what s scores more than s + 6 seconds.
struct Column {
  int best = 0;           // the raw score worth exactly 100 points
  RawList twos{};         // steps worth 2 points
  RawList zeros{};        // steps worth nothing
  ShortRawList threes{};  // steps worth 3 points
};

using Table = std::array<Column, kGroupCount>;

constexpr Table kMalePushups = {{
    // 17-21
    {.best = 71, .twos = {7,  10, 12, 15, 17, 20, 23, 25, 28, 31, 33, 36, 39,
                          41, 44, 46, 49, 52, 54, 57, 60, 62, 65, 68, 70}},
    // 22-26
    {.best = 75, .twos = {9, 16, 23, 30, 37, 44, 51, 58, 65, 72}},
    // 27-31
    {.best = 77, .twos = {11, 31, 49, 68}},
    // 32-36
    {.best = 75, .twos = {17, 56}},
    // 37-41
    {.best = 73, .twos = {15, 54}},
    // 42-46
    {.best = 66, .twos = {8, 17, 26, 35, 44, 53, 62}},
    // 47-51
    {.best = 59, .twos = {6, 11, 17, 23, 28, 34, 40, 45, 51, 52}},
    // 52-56
    {.best = 56, .twos = {7, 16, 25, 34, 43, 52}},
    // 57-61
    {.best = 53, .twos = {8, 15, 22, 29, 36, 43, 50}},
    // 62+
    {.best = 50, .twos = {8, 14, 19, 25, 31, 36, 42, 48}},
}};

constexpr Table kFemalePushups = {{
    // 17-21
    {.best = 42, .twos = {7,  8,  9,  11, 12, 13, 15, 16, 17, 19, 20, 22, 23, 24,
                          26, 27, 28, 30, 31, 32, 34, 35, 36, 38, 39, 40, 42}},
    // 22-26
    {.best = 46,
     .twos = {6, 8, 12, 13, 14, 16, 19, 21, 24, 27, 29, 32, 35, 37, 40, 43, 45},
     .zeros = {10}},
    // 27-31
    {.best = 50, .twos = {6, 11, 12, 15, 20, 25, 29, 34, 39, 43, 48}, .zeros = {9}},
    // 32-36
    {.best = 45, .twos = {10, 11, 12, 13, 17, 20, 23, 26, 29, 32, 35, 38, 41, 44}, .zeros = {8}},
    // 37-41
    {.best = 40, .twos = {6, 8, 10, 12, 15, 17, 19, 21, 23, 25, 27, 29, 31, 33, 35, 37, 39}},
    // 42-46
    {.best = 37,
     .twos = {7, 8, 10, 12, 13, 15, 17, 18, 20, 22, 23, 25, 27, 28, 30, 32, 33, 35, 37}},
    // 47-51
    {.best = 34,
     .twos = {7, 8, 10, 11, 13, 14, 16, 17, 19, 20, 22, 23, 25, 26, 28, 29, 31, 32, 34}},
    // 52-56
    {.best = 31,
     .twos = {6, 8, 9, 10, 11, 13, 14, 15, 16, 17, 19, 20, 21, 22, 24, 25, 26, 27, 28, 30, 31}},
    // 57-61
    {.best = 28, .twos = {6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17,
                          18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28}},
    // 62+
    {.best = 25,
     .twos = {6, 7, 8, 9, 11, 12, 13, 15, 16, 17, 18, 20, 21, 22, 24, 25},
     .threes = {10, 14, 19, 23}},
}};

constexpr Table kSitups = {{
    // 17-21
    {.best = 78, .twos = {23, 24, 26, 28, 29, 31, 33, 34, 36, 38, 39, 41, 43, 44, 46, 48, 49,
                          51, 53, 54, 56, 58, 59, 61, 63, 64, 66, 68, 69, 71, 73, 74, 76, 78}},
    // 22-26
    {.best = 80,
     .twos = {22, 25, 28, 31, 34, 37, 40, 44, 46, 49, 52, 55, 58, 61, 64, 67, 70, 73, 76, 79}},
    // 27-31
    {.best = 82, .twos = {27, 39, 52, 64, 76}},
    // 32-36
    {.best = 76, .twos = {23, 28, 35, 40, 45, 51, 57, 62, 68, 74}},
    // 37-41
    {.best = 76, .twos = {30, 48, 67}},
    // 42-46
    {.best = 72},
    // 47-51
    {.best = 66, .twos = {26, 35, 44, 53, 62}},
    // 52-56
    {.best = 66, .twos = {38, 57}},
    // 57-61
    {.best = 64, .twos = {34, 46, 58}},
    // 62+
    {.best = 63, .twos = {33, 45, 57}},
}};

constexpr Table kMaleRun = {{
    // 17-21
    {.best = MinSec(13, 0),
     .twos = {MinSec(13, 6),  MinSec(13, 18), MinSec(13, 36), MinSec(13, 54), MinSec(14, 6),
              MinSec(14, 24), MinSec(14, 42), MinSec(14, 54), MinSec(15, 12), MinSec(15, 30),
              MinSec(15, 42), MinSec(16, 0),  MinSec(16, 12), MinSec(16, 30), MinSec(16, 48),
              MinSec(17, 0),  MinSec(17, 18), MinSec(17, 36), MinSec(17, 48), MinSec(18, 6),
              MinSec(18, 24), MinSec(18, 36), MinSec(18, 54), MinSec(19, 6),  MinSec(19, 24),
              MinSec(19, 42), MinSec(19, 54)}},
    // 22-26
    {.best = MinSec(13, 0),
     .twos = {MinSec(13, 24), MinSec(14, 18), MinSec(15, 12), MinSec(16, 6), MinSec(17, 0),
              MinSec(17, 54), MinSec(18, 48), MinSec(19, 42), MinSec(20, 36), MinSec(21, 30)}},
    // 27-31
    {.best = MinSec(13, 18),
     .twos = {MinSec(13, 54), MinSec(15, 6), MinSec(16, 18), MinSec(17, 36), MinSec(18, 48),
              MinSec(20, 0), MinSec(21, 18)}},
    // 32-36
    {.best = MinSec(13, 18),
     .zeros = {MinSec(13, 48), MinSec(14, 54), MinSec(16, 0), MinSec(17, 6), MinSec(18, 12),
               MinSec(19, 18), MinSec(20, 24), MinSec(21, 30), MinSec(22, 36), MinSec(23, 42)}},
    // 37-41
    {.best = MinSec(13, 36),
     .zeros = {MinSec(13, 54), MinSec(14, 36), MinSec(15, 12), MinSec(15, 54), MinSec(16, 36),
               MinSec(17, 12), MinSec(17, 54), MinSec(18, 36), MinSec(19, 18), MinSec(19, 54),
               MinSec(20, 36), MinSec(21, 18), MinSec(21, 54), MinSec(22, 36), MinSec(23, 18),
               MinSec(24, 0), MinSec(24, 36)}},
    // 42-46
    {.best = MinSec(14, 6),
     .zeros = {MinSec(14, 24), MinSec(15, 12), MinSec(16, 0), MinSec(16, 42), MinSec(17, 30),
               MinSec(18, 18), MinSec(19, 0), MinSec(19, 48), MinSec(20, 36), MinSec(21, 18),
               MinSec(22, 6), MinSec(22, 54), MinSec(23, 36), MinSec(24, 24), MinSec(25, 12)}},
    // 47-51
    {.best = MinSec(14, 24),
     .zeros = {MinSec(14, 36), MinSec(15, 0),  MinSec(15, 30), MinSec(16, 0),  MinSec(16, 24),
               MinSec(16, 54), MinSec(17, 24), MinSec(17, 48), MinSec(18, 18), MinSec(18, 48),
               MinSec(19, 12), MinSec(19, 42), MinSec(20, 6),  MinSec(20, 36), MinSec(21, 6),
               MinSec(21, 30), MinSec(22, 0),  MinSec(22, 30), MinSec(22, 54), MinSec(23, 24),
               MinSec(23, 54), MinSec(24, 18), MinSec(24, 48), MinSec(25, 12), MinSec(25, 42),
               MinSec(26, 12)}},
    // 52-56
    {.best = MinSec(14, 42),
     .zeros = {MinSec(14, 54), MinSec(15, 18), MinSec(15, 48), MinSec(16, 18), MinSec(16, 42),
               MinSec(17, 12), MinSec(17, 42), MinSec(18, 6),  MinSec(18, 36), MinSec(19, 6),
               MinSec(19, 30), MinSec(20, 0),  MinSec(20, 24), MinSec(20, 54), MinSec(21, 24),
               MinSec(21, 48), MinSec(22, 18), MinSec(22, 48), MinSec(23, 12), MinSec(23, 42),
               MinSec(24, 12), MinSec(24, 36), MinSec(25, 6),  MinSec(25, 30), MinSec(26, 0)}},
    // 57-61
    {.best = MinSec(15, 18),
     .zeros = {MinSec(15, 36), MinSec(16, 24), MinSec(17, 12), MinSec(17, 54), MinSec(18, 42),
               MinSec(19, 30), MinSec(20, 12), MinSec(21, 0), MinSec(21, 48), MinSec(22, 30),
               MinSec(23, 18), MinSec(24, 6), MinSec(24, 48), MinSec(25, 36), MinSec(26, 24)}},
    // 62+
    {.best = MinSec(15, 42),
     .zeros = {MinSec(16, 24), MinSec(17, 48), MinSec(19, 12), MinSec(20, 42), MinSec(22, 6),
               MinSec(23, 30), MinSec(25, 0), MinSec(26, 24)}},
}};

constexpr Table kFemaleRun = {{
    // 17-21
    {.best = MinSec(15, 36),
     .twos = {MinSec(15, 48), MinSec(16, 18), MinSec(16, 42), MinSec(17, 12), MinSec(17, 42),
              MinSec(18, 6), MinSec(18, 36), MinSec(19, 6), MinSec(19, 36), MinSec(20, 0),
              MinSec(20, 30), MinSec(21, 0), MinSec(21, 24), MinSec(21, 54), MinSec(22, 24),
              MinSec(22, 54), MinSec(23, 18)}},
    // 22-26
    {.best = MinSec(15, 36)},
    // 27-31
    {.best = MinSec(15, 48),
     .zeros = {MinSec(16, 6), MinSec(16, 48), MinSec(17, 24), MinSec(18, 6), MinSec(18, 48),
               MinSec(19, 24), MinSec(20, 6), MinSec(20, 48), MinSec(21, 30), MinSec(22, 6),
               MinSec(22, 48), MinSec(23, 30), MinSec(24, 6), MinSec(24, 48), MinSec(25, 30),
               MinSec(26, 12)}},
    // 32-36
    {.best = MinSec(15, 54),
     .zeros = {MinSec(16, 0),  MinSec(16, 18), MinSec(16, 42), MinSec(17, 0),  MinSec(17, 18),
               MinSec(17, 36), MinSec(17, 54), MinSec(18, 18), MinSec(18, 36), MinSec(18, 54),
               MinSec(19, 12), MinSec(19, 36), MinSec(19, 54), MinSec(20, 12), MinSec(20, 30),
               MinSec(20, 48), MinSec(21, 12), MinSec(21, 30), MinSec(21, 48), MinSec(22, 6),
               MinSec(22, 30), MinSec(22, 48), MinSec(23, 12), MinSec(23, 24), MinSec(23, 42),
               MinSec(24, 6),  MinSec(24, 24), MinSec(24, 42), MinSec(25, 0),  MinSec(25, 24),
               MinSec(25, 42), MinSec(26, 0),  MinSec(26, 18)}},
    // 37-41
    {.best = MinSec(17, 0),
     .zeros = {MinSec(17, 6),  MinSec(17, 30), MinSec(17, 48), MinSec(18, 6),  MinSec(18, 30),
               MinSec(18, 48), MinSec(19, 6),  MinSec(19, 30), MinSec(19, 48), MinSec(20, 6),
               MinSec(20, 30), MinSec(20, 48), MinSec(21, 6),  MinSec(21, 30), MinSec(21, 48),
               MinSec(22, 6),  MinSec(22, 30), MinSec(22, 48), MinSec(23, 12), MinSec(23, 30),
               MinSec(23, 48), MinSec(24, 12), MinSec(24, 30), MinSec(24, 48), MinSec(25, 12),
               MinSec(25, 30), MinSec(25, 48), MinSec(26, 12)}},
    // 42-46
    {.best = MinSec(17, 24),
     .zeros = {MinSec(17, 30), MinSec(17, 48), MinSec(18, 0),  MinSec(18, 18), MinSec(18, 36),
               MinSec(18, 54), MinSec(19, 6),  MinSec(19, 24), MinSec(19, 42), MinSec(20, 0),
               MinSec(20, 12), MinSec(20, 30), MinSec(20, 48), MinSec(21, 0),  MinSec(21, 18),
               MinSec(21, 36), MinSec(21, 54), MinSec(22, 6),  MinSec(22, 24), MinSec(22, 42),
               MinSec(23, 0),  MinSec(23, 12), MinSec(23, 30), MinSec(23, 48), MinSec(24, 6),
               MinSec(24, 18), MinSec(24, 36), MinSec(24, 54), MinSec(25, 12), MinSec(25, 24),
               MinSec(25, 42), MinSec(26, 0),  MinSec(26, 18)}},
    // 47-51
    {.best = MinSec(17, 36),
     .zeros = {MinSec(17, 42), MinSec(18, 0),  MinSec(18, 12), MinSec(18, 30), MinSec(18, 48),
               MinSec(19, 0),  MinSec(19, 18), MinSec(19, 36), MinSec(19, 48), MinSec(20, 6),
               MinSec(20, 24), MinSec(20, 36), MinSec(20, 54), MinSec(21, 12), MinSec(21, 24),
               MinSec(21, 42), MinSec(22, 0),  MinSec(22, 12), MinSec(22, 30), MinSec(22, 48),
               MinSec(23, 0),  MinSec(23, 18), MinSec(23, 36), MinSec(23, 48), MinSec(24, 6),
               MinSec(24, 24), MinSec(24, 36), MinSec(24, 54), MinSec(25, 12), MinSec(25, 24),
               MinSec(25, 42), MinSec(26, 0),  MinSec(26, 12)}},
    // 52-56
    {.best = MinSec(19, 0),
     .zeros = {MinSec(19, 6), MinSec(19, 30), MinSec(19, 54), MinSec(20, 18), MinSec(20, 42),
               MinSec(21, 6), MinSec(21, 30), MinSec(21, 48), MinSec(22, 12), MinSec(22, 36),
               MinSec(23, 0), MinSec(23, 24), MinSec(23, 48), MinSec(24, 12), MinSec(24, 30),
               MinSec(24, 54), MinSec(25, 18), MinSec(25, 42), MinSec(26, 6)}},
    // 57-61
    {.best = MinSec(19, 42),
     .zeros = {MinSec(19, 54), MinSec(20, 18), MinSec(20, 48), MinSec(21, 18), MinSec(21, 42),
               MinSec(22, 12), MinSec(22, 42), MinSec(23, 6), MinSec(23, 36), MinSec(24, 6),
               MinSec(24, 30), MinSec(25, 0), MinSec(25, 24), MinSec(25, 54), MinSec(26, 24)}},
    // 62+
    {.best = MinSec(20, 0),
     .zeros = {MinSec(20, 12), MinSec(20, 42), MinSec(21, 12), MinSec(21, 42), MinSec(22, 12),
               MinSec(22, 42), MinSec(23, 12), MinSec(23, 42), MinSec(24, 12), MinSec(24, 42),
               MinSec(25, 12), MinSec(25, 42), MinSec(26, 12)}},
}};

// Compile-time sanity of the data: every list ascending and every listed raw
// score inside the stretch the rule walks (above the floor up to the 100-point
// score for repetitions; from the 100-point time up to the floor, on the
// 6-second grid, for the run).
template <std::size_t N>
constexpr bool ListFits(const std::array<std::int16_t, N>& raws, int low, int high, int grid) {
  int previous = low - 1;
  for (int raw : raws) {
    if (raw == 0) {
      break;
    }
    if (raw <= previous || raw > high || raw % grid != 0) {
      return false;
    }
    previous = raw;
  }
  return true;
}

constexpr bool TableFits(const Table& table, bool isRun, int floor) {
  for (const Column& column : table) {
    const int low = isRun ? column.best : floor + 1;
    const int high = isRun ? floor - 6 : column.best;
    const int grid = isRun ? 6 : 1;
    if ((isRun && (column.best % 6 != 0 || column.best >= floor)) ||
        (!isRun && column.best <= floor) || !ListFits(column.twos, low, high, grid) ||
        !ListFits(column.zeros, low, high, grid) || !ListFits(column.threes, low, high, grid)) {
      return false;
    }
  }
  return true;
}

static_assert(TableFits(kMalePushups, false, kPushupFloor));
static_assert(TableFits(kFemalePushups, false, kPushupFloor));
static_assert(TableFits(kSitups, false, kSitupFloor));
static_assert(TableFits(kMaleRun, true, kRunFloorSeconds));
static_assert(TableFits(kFemaleRun, true, kRunFloorSeconds));

// How many points the listed steps within [from, to] cost beyond the 1 point
// an ordinary step costs.
template <std::size_t N>
int ExtraCost(const std::array<std::int16_t, N>& raws, int worth, int from, int to) {
  int cost = 0;
  for (int raw : raws) {
    if (raw == 0 || raw > to) {
      break;
    }
    if (raw >= from) {
      cost += worth - 1;
    }
  }
  return cost;
}

int ListedCost(const Column& column, int from, int to) {
  return ExtraCost(column.twos, 2, from, to) + ExtraCost(column.zeros, 0, from, to) +
         ExtraCost(column.threes, 3, from, to);
}

int RepetitionPoints(const Table& table, int floor, int repetitions, int age) {
  const Column& column = table[static_cast<std::size_t>(AgeGroup(age))];
  const int r = repetitions < floor ? floor : repetitions;
  if (r >= column.best) {
    const int beyond = r - column.best;
    return beyond > INT_MAX - 100 ? INT_MAX : 100 + beyond;
  }
  // 100 minus the steps of r + 1 ... best: one point each, plus what the
  // listed steps cost beyond that.
  return 100 - (column.best - r) - ListedCost(column, r + 1, column.best);
}

int RunPoints(const Table& table, int seconds, int age) {
  const Column& column = table[static_cast<std::size_t>(AgeGroup(age))];
  int t = seconds < 0 ? 0 : seconds;
  if (t > kRunFloorSeconds) {
    t = kRunFloorSeconds;
  }
  // Times are scored on a 6-second grid, the last 2 seconds of a slot going
  // to the next one: 13:03 counts as 13:00, 13:04 as 13:06.
  int slots = t / 6;
  if (t % 6 >= 4) {
    ++slots;
  }
  const int scored = slots * 6;
  if (scored <= column.best) {
    return 100 + (column.best - scored) / 6;
  }
  // 100 minus the steps of best, best + 6, ... up to the slot before the
  // scored time.
  return 100 - (scored - column.best) / 6 - ListedCost(column, column.best, scored - 6);
}

}  // namespace

int AgeGroup(int age) {
  if (age < 17) {
    return 0;
  }
  const int group = (age - 17) / 5;
  return group < kGroupCount ? group : kGroupCount - 1;
}

int MalePushupPoints(int repetitions, int age) {
  return RepetitionPoints(kMalePushups, kPushupFloor, repetitions, age);
}

int FemalePushupPoints(int repetitions, int age) {
  return RepetitionPoints(kFemalePushups, kPushupFloor, repetitions, age);
}

int SitupPoints(int repetitions, int age) {
  return RepetitionPoints(kSitups, kSitupFloor, repetitions, age);
}

int MaleRunPoints(int seconds, int age) {
  return RunPoints(kMaleRun, seconds, age);
}

int FemaleRunPoints(int seconds, int age) {
  return RunPoints(kFemaleRun, seconds, age);
}

}  // namespace vorna
