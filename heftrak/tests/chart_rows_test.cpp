#include "heftrak/core/chart_rows.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "heftrak/core/body_fat_limit.h"
#include "heftrak/core/female_factors.h"
#include "heftrak/core/male_factors.h"
#include "heftrak/core/screening_table.h"

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

// Every row of a factor or screening list shows the figure the calculation
// uses for the row's measurement, and the measurements go up a step a row:
// nothing skipped, repeated or shifted, whatever the table's steps are.
TEST(ChartRows, EveryRowShowsWhatTheCalculationUses) {
  const struct {
    ChartList list;
    float step;
    float (*figure)(float measurement, int chartAge);
  } kLists[] = {
      {ChartList::AbdomenNeck, 0.25f, [](float d, int) { return AbdomenNeckFactor(d); }},
      {ChartList::MaleHeight, 0.25f, [](float h, int) { return MaleHeightFactor(h); }},
      {ChartList::Hip, 0.25f, [](float h, int) { return HipFactor(h); }},
      {ChartList::FemaleHeight, 0.25f, [](float h, int) { return FemaleHeightFactor(h); }},
      {ChartList::Forearm, 0.25f, [](float f, int) { return ForearmFactor(f); }},
      {ChartList::Neck, 0.25f, [](float n, int) { return NeckFactor(n); }},
      {ChartList::Wrist, 0.25f, [](float w, int) { return WristFactor(w); }},
      {ChartList::Weight, 1.0f,
       [](float pounds, int) { return WeightFactor(static_cast<int>(pounds)); }},
      {ChartList::MaleScreening, 1.0f,
       [](float height, int age) {
         return static_cast<float>(MaleMaxWeight(age, static_cast<int>(height)));
       }},
      {ChartList::FemaleScreening, 1.0f,
       [](float height, int age) {
         return static_cast<float>(FemaleMaxWeight(age, static_cast<int>(height)));
       }},
  };
  for (const auto& l : kLists) {
    for (int age : {17, 21, 28, 40}) {
      const std::vector<std::string> rows = ChartRows(l.list, age);
      ASSERT_FALSE(rows.empty());
      const float first = std::strtof(rows.front().c_str(), nullptr);
      for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string& row = rows[i];
        const std::size_t dash = row.find(" - ");
        ASSERT_NE(dash, std::string::npos) << row;
        const float measurement = std::strtof(row.c_str(), nullptr);
        EXPECT_EQ(measurement, first + l.step * static_cast<float>(i)) << row;
        // A factor is the float nearest its two decimals, as the row shows them.
        EXPECT_EQ(std::strtof(row.c_str() + dash + 3, nullptr), l.figure(measurement, age))
            << row << " at age " << age;
      }
    }
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

constexpr shell::LayoutGrid kGrids[] = {{8, 16, 2, 4}, {6, 14, 1, 3}, {10, 20, 2, 5}};

bool Overlap(int left, int top, int right, int bottom, const ChartPanel& p) {
  return left < p.left + p.width && p.left < right && top < p.top + p.height && p.top < bottom;
}

// What a user would see go wrong: panels painted over each other, a list
// standing off its panel or over its headings, a heading off its panel, the
// Exit button over a panel, two controls with one id.
TEST(ChartLayout, ListsAndHeadingsStandOnTheirPanelsOnEveryGrid) {
  for (const shell::LayoutGrid& g : kGrids) {
    for (ChartSex sex : {ChartSex::Male, ChartSex::Female}) {
      SCOPED_TRACE(testing::Message()
                   << (sex == ChartSex::Male ? "male" : "female") << " X " << g.X);
      const ChartDialogLayout layout = ChartLayout(sex, g);
      const std::vector<ChartPanel> panels = ChartPanels(sex, g, 30);
      for (std::size_t i = 0; i < panels.size(); ++i) {
        const ChartPanel& p = panels[i];
        for (std::size_t j = i + 1; j < panels.size(); ++j) {
          EXPECT_FALSE(Overlap(p.left, p.top, p.left + p.width, p.top + p.height, panels[j]))
              << "panels " << i << " and " << j;
        }
        for (const ChartText& t : p.texts) {
          EXPECT_GT(t.x, p.left) << t.text;
          EXPECT_LT(t.x, p.left + p.width) << t.text;
          EXPECT_GE(t.y, p.top) << t.text;
          EXPECT_LE(t.y + g.Y, p.top + p.height) << t.text;
        }
      }
      std::set<int> ids = {layout.exitButton.id};
      for (const ChartListPlacement& list : layout.lists) {
        EXPECT_TRUE(ids.insert(list.id).second) << list.id;
        int panelsUnder = 0;
        for (const ChartPanel& p : panels) {
          if (Overlap(list.left, list.top, list.left + 1, list.top + 1, p)) {
            ++panelsUnder;
            for (const ChartText& t : p.texts) {
              EXPECT_LE(t.y + g.Y, list.top) << "list " << list.id << " covers " << t.text;
            }
          }
        }
        EXPECT_EQ(panelsUnder, 1) << "list " << list.id;
      }
      const ChartButtonPlacement& exit = layout.exitButton;
      for (const ChartPanel& p : panels) {
        EXPECT_FALSE(
            Overlap(exit.left, exit.top, exit.left + exit.width, exit.top + exit.height, p));
      }
    }
  }
}

// A list is as wide as its sample text, so the sample must be no narrower
// than any row: as many characters, and as many that are not blanks.
TEST(ChartLayout, EverySampleIsAsWideAsTheRowsOfItsList) {
  const auto inked = [](const std::string& text) {
    return text.size() - static_cast<std::size_t>(std::count(text.begin(), text.end(), ' '));
  };
  for (ChartSex sex : {ChartSex::Male, ChartSex::Female}) {
    for (const ChartListPlacement& list : ChartLayout(sex, kGrids[0]).lists) {
      const std::string sample = list.sample;
      for (int age : {17, 21, 28, 40}) {
        for (const std::string& row : ChartRows(list.list, age)) {
          EXPECT_LE(row.size(), sample.size()) << '"' << row << '"';
          EXPECT_LE(inked(row), inked(sample)) << '"' << row << '"';
        }
      }
    }
  }
}

TEST(ChartLayout, TheScreeningPanelCarriesTheAgeHeading) {
  for (ChartSex sex : {ChartSex::Male, ChartSex::Female}) {
    for (int age : {kChartAgeNotEntered, 45}) {
      const std::vector<ChartPanel> panels = ChartPanels(sex, kGrids[0], age);
      ASSERT_GE(panels.size(), 2u);
      ASSERT_FALSE(panels[1].texts.empty());
      EXPECT_STREQ(panels[1].texts[0].text, AgeHeading(age));
    }
  }
}

}  // namespace
}  // namespace heftrak
