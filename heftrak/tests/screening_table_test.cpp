#include "heftrak/core/screening_table.h"

#include <climits>

#include <gtest/gtest.h>

namespace heftrak {
namespace {

int MaxWeight(char sex, int age, int height) {
  return sex == 'F' ? FemaleMaxWeight(age, height) : MaleMaxWeight(age, height);
}

TEST(ScreeningTable, AgeGroupsShortAndTallSoldiers) {
  struct Case {
    char sex;
    int age;
    int height;
    int expected;
  };
  constexpr Case kCases[] = {
      {'M', 20, 70, 180}, {'M', 21, 70, 185}, {'M', 27, 70, 185},
      {'M', 28, 70, 189}, {'M', 39, 70, 189}, {'M', 40, 70, 192},
      {'M', 70, 70, 192}, {'M', 16, 70, 192},  // outside 17-39: the last column
      {'M', 30, 59, 139}, {'M', 30, 0, 139},  {'F', 17, 55, 109},
      {'M', 30, 81, 253}, {'M', 30, 85, 277}, {'F', 45, 81, 233},
      {'M', 25, 72, 195}, {'F', 17, 80, 208},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(MaxWeight(c.sex, c.age, c.height), c.expected)
        << c.sex << " age " << c.age << " height " << c.height;
  }
}

TEST(ScreeningTable, AbsurdHeightsStayDefined) {
  EXPECT_EQ(MaleMaxWeight(30, INT_MIN), 139);
  EXPECT_EQ(FemaleMaxWeight(30, INT_MIN), 115);
  // The inches over the table are capped, so the sum cannot overflow.
  EXPECT_EQ(MaleMaxWeight(30, INT_MAX), 247 + 6 * 1000);
  EXPECT_EQ(FemaleMaxWeight(40, INT_MAX), 227 + 6 * 1000);
}

// The first (17-20) and last (40 and over) entry of every row.
TEST(ScreeningTable, FirstAndLastEntryOfEveryRow) {
  struct Row {
    int height;
    int youngest;
    int oldest;
  };
  constexpr Row kMale[] = {
      {60, 132, 141}, {61, 136, 146}, {62, 141, 150}, {63, 145, 155}, {64, 150, 160},
      {65, 155, 165}, {66, 160, 170}, {67, 165, 176}, {68, 170, 181}, {69, 175, 186},
      {70, 180, 192}, {71, 185, 197}, {72, 190, 203}, {73, 195, 208}, {74, 201, 214},
      {75, 206, 220}, {76, 212, 226}, {77, 218, 232}, {78, 223, 238}, {79, 229, 244},
      {80, 234, 250},
  };
  constexpr Row kFemale[] = {
      {58, 109, 119}, {59, 113, 123}, {60, 116, 127}, {61, 120, 131}, {62, 125, 137},
      {63, 129, 141}, {64, 133, 145}, {65, 137, 149}, {66, 141, 154}, {67, 145, 159},
      {68, 150, 164}, {69, 154, 168}, {70, 159, 173}, {71, 163, 177}, {72, 167, 183},
      {73, 172, 188}, {74, 178, 194}, {75, 183, 200}, {76, 189, 206}, {77, 193, 211},
      {78, 198, 216}, {79, 203, 222}, {80, 208, 227},
  };
  for (const Row& r : kMale) {
    EXPECT_EQ(MaleMaxWeight(17, r.height), r.youngest) << "male " << r.height;
    EXPECT_EQ(MaleMaxWeight(40, r.height), r.oldest) << "male " << r.height;
  }
  for (const Row& r : kFemale) {
    EXPECT_EQ(FemaleMaxWeight(17, r.height), r.youngest) << "female " << r.height;
    EXPECT_EQ(FemaleMaxWeight(40, r.height), r.oldest) << "female " << r.height;
  }
}

// A taller soldier may never weigh less, nor an older one in the same row.
TEST(ScreeningTable, NonDecreasingInHeightAndAge) {
  constexpr int kAges[] = {17, 21, 28, 40};
  for (const char sex : {'M', 'F'}) {
    for (int height = 50; height < 90; ++height) {
      for (int a = 0; a < 4; ++a) {
        EXPECT_LE(MaxWeight(sex, kAges[a], height), MaxWeight(sex, kAges[a], height + 1))
            << sex << " age " << kAges[a] << " height " << height;
        if (a > 0) {
          EXPECT_LE(MaxWeight(sex, kAges[a - 1], height), MaxWeight(sex, kAges[a], height))
              << sex << " age " << kAges[a] << " height " << height;
        }
      }
    }
  }
}

}  // namespace
}  // namespace heftrak
