#include "heftrak/core/chart_rows.h"

#include <cstdio>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "heftrak/core/body_fat_limit.h"

namespace heftrak {
namespace {

struct ListCase {
  ChartList list;
  int chartAge;
  std::size_t rows;
  const char* first;
  const char* last;
};

// Row counts and both ends of every list, trailing blanks included.
TEST(ChartRows, EveryListFromFirstToLastRow) {
  const ListCase kCases[] = {
      {ChartList::MaleScreening, 17, 21, "60 - 132", "80 - 234"},
      {ChartList::MaleScreening, 20, 21, "60 - 132", "80 - 234"},
      {ChartList::MaleScreening, 25, 21, "60 - 136", "80 - 240"},
      {ChartList::MaleScreening, 28, 21, "60 - 139", "80 - 247"},
      {ChartList::MaleScreening, 40, 21, "60 - 141", "80 - 250"},
      {ChartList::MaleScreening, 70, 21, "60 - 141", "80 - 250"},
      {ChartList::FemaleScreening, 17, 23, "58 - 109", "80 - 208"},
      {ChartList::FemaleScreening, 25, 23, "58 - 112", "80 - 214"},
      {ChartList::FemaleScreening, 39, 23, "58 - 115", "80 - 220"},
      {ChartList::FemaleScreening, 45, 23, "58 - 119", "80 - 227"},
      {ChartList::MaleLimits, 25, 4, "17-20 - 20.0", ">39   - 26.0"},
      {ChartList::FemaleLimits, -1, 4, "17-20 - 30.0", ">39   - 36.0"},
      {ChartList::AbdomenNeck, -1, 144, "5.00  - 53.44 ", "40.75 - 123.11"},
      {ChartList::MaleHeight, -1, 100, "60.00 - 75.23", "84.75 - 85.53"},
      {ChartList::Weight, -1, 190, "90  - 134.08", "279 - 185.86"},
      {ChartList::Hip, -1, 96, "30.00 - 13.19", "53.75 - 23.63"},
      {ChartList::FemaleHeight, -1, 120, "55.00 - 71.97 ", "84.75 - 110.90"},
      {ChartList::Forearm, -1, 44, "5.00  - 19.98", "15.75 - 62.95"},
      {ChartList::Neck, -1, 44, "5.00  - 6.77  ", "15.75 - 21.33 "},
      {ChartList::Wrist, -1, 44, "5.00  - 2.54 ", "15.75 - 8.01 "},
  };
  for (const ListCase& c : kCases) {
    const std::vector<std::string> rows = ChartRows(c.list, c.chartAge);
    SCOPED_TRACE(testing::Message()
                 << "list " << static_cast<int>(c.list) << " age " << c.chartAge);
    ASSERT_EQ(rows.size(), c.rows);
    EXPECT_EQ(rows.front(), c.first);
    EXPECT_EQ(rows.back(), c.last);
    // Fixed-width, left-justified columns: every row of a list is as long as its first.
    for (const std::string& row : rows) {
      EXPECT_EQ(row.size(), rows.front().size()) << '"' << row << '"';
    }
  }
}

TEST(ChartRows, ScreeningListsStayEmptyWithoutAnAge) {
  for (ChartList list : {ChartList::MaleScreening, ChartList::FemaleScreening}) {
    EXPECT_TRUE(ChartRows(list, kChartAgeNotEntered).empty());
  }
  // The other lists do not depend on the age.
  EXPECT_EQ(ChartRows(ChartList::Hip, kChartAgeNotEntered), ChartRows(ChartList::Hip, 30));
}

// Rows inside the lists, where the steps of the tables are irregular or a
// new whole inch or ten pounds begins: the lookups must be walked in order
// with nothing skipped or repeated.
TEST(ChartRows, RowsInsideTheLists) {
  const struct {
    ChartList list;
    std::size_t index;
    const char* row;
  } kCases[] = {
      {ChartList::AbdomenNeck, 1, "5.25  - 55.06 "},
      {ChartList::AbdomenNeck, 20, "10.00 - 76.46 "},
      {ChartList::AbdomenNeck, 100, "30.00 - 112.94"},
      {ChartList::AbdomenNeck, 142, "40.50 - 122.91"},
      {ChartList::MaleHeight, 6, "61.50 - 75.96"},
      {ChartList::MaleHeight, 69, "77.25 - 82.77"},
      {ChartList::Weight, 10, "100 - 138.90"},
      {ChartList::Weight, 129, "219 - 174.75"},
      {ChartList::Weight, 130, "220 - 174.99"},
      {ChartList::Hip, 27, "36.75 - 16.15"},
      {ChartList::Hip, 58, "44.50 - 19.59"},
      {ChartList::FemaleHeight, 86, "76.50 - 100.10"},
      {ChartList::Forearm, 11, "7.75  - 30.97"},
      {ChartList::Neck, 8, "7.00  - 9.48  "},
      {ChartList::Neck, 9, "7.25  - 9.82  "},
      {ChartList::Neck, 10, "7.50  - 10.16 "},
      {ChartList::Wrist, 43, "15.75 - 8.01 "},
      {ChartList::FemaleScreening, 12, "70 - 168"},
  };
  for (const auto& c : kCases) {
    const std::vector<std::string> rows = ChartRows(c.list, 30);
    ASSERT_LT(c.index, rows.size());
    EXPECT_EQ(rows[c.index], c.row) << static_cast<int>(c.list) << " row " << c.index;
  }
}

TEST(ChartRows, AgeHeadingNamesTheColumnShown) {
  const struct {
    int age;
    const char* heading;
  } kCases[] = {
      {-1, "Age: Not Entered"}, {17, "Age: 17 - 20"}, {20, "Age: 17 - 20"}, {21, "Age: 21 - 27"},
      {25, "Age: 21 - 27"},     {27, "Age: 21 - 27"}, {28, "Age: 28 - 39"}, {39, "Age: 28 - 39"},
      {40, "Age: >39"},         {70, "Age: >39"},
  };
  for (const auto& c : kCases) {
    EXPECT_STREQ(AgeHeading(c.age), c.heading) << c.age;
  }
}

// Whether an age group's text ("17-20", "17 - 20" or ">39") takes in `age`.
bool GroupHolds(const std::string& text, int age) {
  int first = 0;
  int last = 0;
  if (std::sscanf(text.c_str(), ">%d", &first) == 1) {
    return age > first;
  }
  return std::sscanf(text.c_str(), "%d - %d", &first, &last) == 2 && first <= age && age <= last;
}

// For every age a soldier may have, the heading names the age's group, and
// the limits list shows the limit the verdict applies on that group's row.
TEST(ChartRows, HeadingAndLimitRowsAgreeWithTheVerdictAtEveryAge) {
  for (int age = 17; age <= 70; ++age) {
    const std::string heading = AgeHeading(age);
    ASSERT_EQ(heading.rfind("Age: ", 0), 0u) << heading;
    EXPECT_TRUE(GroupHolds(heading.substr(5), age)) << heading << " for " << age;
    for (const char sex : {'M', 'F'}) {
      int rowsHolding = 0;
      for (const std::string& row :
           ChartRows(sex == 'M' ? ChartList::MaleLimits : ChartList::FemaleLimits, age)) {
        const std::size_t dash = row.find(" - ");
        if (GroupHolds(row.substr(0, dash), age)) {
          ++rowsHolding;
          char limit[16];
          std::snprintf(limit, sizeof limit, "%.1f", static_cast<double>(MaxBodyFat(age, sex)));
          EXPECT_EQ(row.substr(dash + 3), limit) << sex << " " << age;
        }
      }
      EXPECT_EQ(rowsHolding, 1) << sex << " " << age;
    }
  }
}

TEST(ChartLayout, ListsInCreationOrderWithTheirPlaces) {
  const shell::LayoutGrid grid{8, 16, 2, 4};
  const ChartDialogLayout male = ChartLayout(ChartSex::Male, grid);
  EXPECT_EQ(male.exitButton.id, 1);
  EXPECT_EQ(male.exitButton.left, 414);
  EXPECT_EQ(male.exitButton.top, 168);
  EXPECT_EQ(male.exitButton.width, 96);
  EXPECT_EQ(male.exitButton.height, 28);
  ASSERT_EQ(male.lists.size(), 4u);
  const int maleIds[] = {350, 353, 351, 352};
  for (std::size_t i = 0; i < male.lists.size(); ++i) {
    EXPECT_EQ(male.lists[i].id, maleIds[i]);
  }
  EXPECT_EQ(male.lists[3].left, 276);
  EXPECT_EQ(male.lists[3].height, 256);

  const ChartDialogLayout female = ChartLayout(ChartSex::Female, grid);
  EXPECT_EQ(female.exitButton.left, 556);
  ASSERT_EQ(female.lists.size(), 8u);
  std::set<int> ids;
  for (const ChartListPlacement& p : female.lists) {
    ids.insert(p.id);
  }
  EXPECT_EQ(ids, (std::set<int>{354, 355, 356, 357, 358, 359, 360, 361}));
  EXPECT_EQ(female.lists[2].list, ChartList::Weight);
  EXPECT_EQ(female.lists[2].left, 142);
  EXPECT_STREQ(female.lists[7].sample, "15.75  -  8.01");
  EXPECT_EQ(female.lists[7].top, 256);
}

TEST(ChartLayout, PanelsCarryTheAgeHeading) {
  const shell::LayoutGrid grid{8, 16, 2, 4};
  for (ChartSex sex : {ChartSex::Male, ChartSex::Female}) {
    const std::vector<ChartPanel> panels = ChartPanels(sex, grid, 45);
    ASSERT_EQ(panels.size(), sex == ChartSex::Male ? 8u : 16u);
    const ChartPanel& screening = panels[1];
    EXPECT_EQ(screening.left, 8);
    EXPECT_EQ(screening.top, 48);
    EXPECT_EQ(screening.height, 264);
    EXPECT_EQ(screening.width, 116);
    ASSERT_EQ(screening.texts.size(), 2u);
    EXPECT_EQ(screening.texts[0].x, 66);
    EXPECT_EQ(screening.texts[0].y, 48);
    EXPECT_STREQ(screening.texts[0].text, "Age: >39");
    EXPECT_STREQ(ChartPanels(sex, grid, -1)[1].texts[0].text, "Age: Not Entered");
    EXPECT_STREQ(panels.back().texts.back().text, "Age - %");
  }
  // The body-fat limits panel stands further right in the wider dialog.
  EXPECT_EQ(ChartPanels(ChartSex::Male, grid, 25).back().left, 400);
  EXPECT_EQ(ChartPanels(ChartSex::Female, grid, 25).back().left, 540);
  EXPECT_EQ(ChartPanels(ChartSex::Female, grid, 25).back().texts[0].x, 600);
}

}  // namespace
}  // namespace heftrak
