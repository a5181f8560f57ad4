// Maximum allowable body weight by height, age group and sex.
#pragma once

namespace heftrak {

// Maximum allowable weight in whole pounds for a height in whole inches, from
// the column of the age's group (age_groups.h).
// Shorter than the table: its first row; above 80 in.: the 80-inch entry plus
// 6 lb for each inch over.
int MaleMaxWeight(int age, int height);
int FemaleMaxWeight(int age, int height);

// First and last height row of each table, for the charts.
inline constexpr int kMaleScreeningFirstHeight = 60;
inline constexpr int kFemaleScreeningFirstHeight = 58;
inline constexpr int kScreeningLastHeight = 80;

}  // namespace heftrak
