// Points for the three events by sex and age group. The results are not
// clamped: a raw score beyond the 100-point score earns more than 100, and a
// very slow run earns fewer than 0.
#pragma once

namespace vorna {

// Ten age groups: 0 for 17-21, 1 for 22-26, ... 8 for 57-61, 9 for 62 and
// older. Ages below 17 belong to no group and are scored as group 0.
int AgeGroup(int age);

// Repetitions below the floor score as the floor. A count so large that its
// points would not fit in an int scores the largest int.
int MalePushupPoints(int repetitions, int age);
int FemalePushupPoints(int repetitions, int age);
int SitupPoints(int repetitions, int age);  // one table for both sexes

// Run times in seconds. Times slower than the floor score as the floor; a
// negative time (never typed, a run cannot take less than nothing) scores as 0:00.
int MaleRunPoints(int seconds, int age);
int FemaleRunPoints(int seconds, int age);

// A run time written as minutes and seconds, in seconds.
constexpr int MinSec(int minutes, int seconds) {
  return minutes * 60 + seconds;
}

// Lowest raw score that is scored; a lower one scores as the floor.
inline constexpr int kPushupFloor = 5;
inline constexpr int kSitupFloor = 21;
inline constexpr int kRunFloorSeconds = MinSec(26, 30);  // slower times score as 26:30

}  // namespace vorna
