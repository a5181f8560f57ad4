#include "heftrak/core/screening_table.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "heftrak/core/age_groups.h"

namespace heftrak {

namespace {

// One height row: the maximum allowable weight in pounds for each age column.
using AgeColumns = std::array<int, kAgeGroupCount>;

// Men, one row per inch from 60 to 80.
constexpr AgeColumns kMale[] = {
    {132, 136, 139, 141},  // 60 in.
    {136, 140, 144, 146},  // 61 in.
    {141, 144, 148, 150},  // 62 in.
    {145, 149, 153, 155},  // 63 in.
    {150, 154, 158, 160},  // 64 in.
    {155, 159, 163, 165},  // 65 in.
    {160, 163, 168, 170},  // 66 in.
    {165, 169, 174, 176},  // 67 in.
    {170, 174, 179, 181},  // 68 in.
    {175, 179, 184, 186},  // 69 in.
    {180, 185, 189, 192},  // 70 in.
    {185, 189, 194, 197},  // 71 in.
    {190, 195, 200, 203},  // 72 in.
    {195, 200, 205, 208},  // 73 in.
    {201, 206, 211, 214},  // 74 in.
    {206, 212, 217, 220},  // 75 in.
    {212, 217, 223, 226},  // 76 in.
    {218, 223, 229, 232},  // 77 in.
    {223, 229, 235, 238},  // 78 in.
    {229, 235, 241, 244},  // 79 in.
    {234, 240, 247, 250},  // 80 in.
};

// Women, one row per inch from 58 to 80.
constexpr AgeColumns kFemale[] = {
    {109, 112, 115, 119},  // 58 in.
    {113, 116, 119, 123},  // 59 in.
    {116, 120, 123, 127},  // 60 in.
    {120, 124, 127, 131},  // 61 in.
    {125, 129, 132, 137},  // 62 in.
    {129, 133, 137, 141},  // 63 in.
    {133, 137, 141, 145},  // 64 in.
    {137, 141, 145, 149},  // 65 in.
    {141, 146, 150, 154},  // 66 in.
    {145, 149, 154, 159},  // 67 in.
    {150, 154, 159, 164},  // 68 in.
    {154, 158, 163, 168},  // 69 in.
    {159, 163, 168, 173},  // 70 in.
    {163, 167, 172, 177},  // 71 in.
    {167, 172, 177, 183},  // 72 in.
    {172, 177, 182, 188},  // 73 in.
    {178, 183, 189, 194},  // 74 in.
    {183, 188, 194, 200},  // 75 in.
    {189, 194, 200, 206},  // 76 in.
    {193, 199, 205, 211},  // 77 in.
    {198, 204, 210, 216},  // 78 in.
    {203, 209, 215, 222},  // 79 in.
    {208, 214, 220, 227},  // 80 in.
};

static_assert(std::size(kMale) == kScreeningLastHeight - kMaleScreeningFirstHeight + 1);
static_assert(std::size(kFemale) == kScreeningLastHeight - kFemaleScreeningFirstHeight + 1);

// Each inch over the table adds this much to the 80-inch entry.
constexpr int kPoundsPerInchOver = 6;

// No soldier comes near this; it only keeps the weight added for the inches
// over the table inside an int whatever height a caller passes.
constexpr int kMaxInchesOver = 1000;

template <std::size_t Rows>
int MaxWeight(const AgeColumns (&table)[Rows], int firstHeight, int age, int height) {
  int inchesOver = 0;
  if (height < firstHeight) {
    height = firstHeight;
  } else if (height > kScreeningLastHeight) {
    inchesOver = std::min(height - kScreeningLastHeight, kMaxInchesOver);
    height = kScreeningLastHeight;
  }
  const AgeColumns& row = table[static_cast<std::size_t>(height - firstHeight)];
  return row[static_cast<std::size_t>(AgeGroupOf(age))] + kPoundsPerInchOver * inchesOver;
}

}  // namespace

int MaleMaxWeight(int age, int height) {
  return MaxWeight(kMale, kMaleScreeningFirstHeight, age, height);
}

int FemaleMaxWeight(int age, int height) {
  return MaxWeight(kFemale, kFemaleScreeningFirstHeight, age, height);
}

}  // namespace heftrak
