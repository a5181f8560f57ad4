// HEFTRAK's age groups: 17-20, 21-27, 28-39 and 40 and over. The screening
// table has a column for each, the body-fat limits an entry, and the charts
// name them.
#pragma once

#include <array>
#include <string>

namespace heftrak {

// The first age of each group, youngest first. A group runs up to the age
// before the next group's first; the last has no end.
inline constexpr std::array<int, 4> kAgeGroupFirstAges = {17, 21, 28, 40};
inline constexpr int kAgeGroupCount = static_cast<int>(kAgeGroupFirstAges.size());

// The group an age falls in, 0 for the youngest. An age below the youngest
// group counts with the oldest. Inline: every Check and Calculate asks it.
inline int AgeGroupOf(int age) {
  // The groups the age has reached, counted without a branch on the age.
  int reached = 0;
  for (const int first : kAgeGroupFirstAges) {
    reached += age >= first ? 1 : 0;
  }
  return reached == 0 ? kAgeGroupCount - 1 : reached - 1;
}

// The group's ages as the charts write them: the first and last age with
// `dash` between ("17-20" or "17 - 20"), the last group as ">39".
std::string AgeGroupLabel(int group, const char* dash);

}  // namespace heftrak
