#include "heftrak/core/chart_rows.h"

#include <array>
#include <cstddef>

#include "heftrak/core/age_groups.h"
#include "heftrak/core/body_fat_limit.h"
#include "heftrak/core/female_factors.h"
#include "heftrak/core/male_factors.h"
#include "heftrak/core/screening_table.h"
#include "heftrak/resources/heftrak_ids.h"
#include "shell/core/fixed_format.h"
#include "shell/core/text_format.h"

namespace heftrak {

namespace {

// Room for the longest row ("279 - 185.86") with plenty to spare.
constexpr std::size_t kRowCapacity = 32;

// An inch-based factor list: the table it walks and the printf width of its
// factor column.
struct InchList {
  const InchFactorTable& table;
  int factorWidth;
};

InchList InchListOf(ChartList list) {
  switch (list) {
    case ChartList::AbdomenNeck:
      return {kAbdomenNeckFactors, 6};
    case ChartList::MaleHeight:
      return {kMaleHeightFactors, 5};
    case ChartList::Hip:
      return {kHipFactors, 5};
    case ChartList::FemaleHeight:
      return {kFemaleHeightFactors, 6};
    case ChartList::Forearm:
      return {kForearmFactors, 5};
    case ChartList::Neck:
      return {kNeckFactors, 6};
    default:  // the wrist; the other lists are not inch tables
      return {kWristFactors, 5};
  }
}

// The two columns of a row, as the charts separate them.
std::string Columns(const char* left, const char* right) {
  std::string row = left;
  row += " - ";
  row += right;
  return row;
}

// "MEASUREMENT - %-W.2f": the factor left-justified, trailing blanks kept.
std::string FactorRow(const char* measurement, float factor, int factorWidth) {
  char right[kRowCapacity];
  shell::FormatFixed(right, sizeof right, factor, 2, factorWidth, shell::Align::Left);
  return Columns(measurement, right);
}

// Every entry of the table, from its first measurement up, with the factor
// its lookup gives for that measurement.
std::vector<std::string> InchRows(const InchList& list) {
  std::vector<std::string> rows;
  rows.reserve(list.table.factors.size());
  for (int i = 0; i < EntryCount(list.table); ++i) {
    const float inches = MeasurementAt(list.table, i);
    char measurement[kRowCapacity];
    shell::FormatFixed(measurement, sizeof measurement, inches, 2, 5, shell::Align::Left);
    rows.push_back(FactorRow(measurement, FactorFor(list.table, inches), list.factorWidth));
  }
  return rows;
}

std::vector<std::string> WeightRows() {
  std::vector<std::string> rows;
  rows.reserve(kWeightFactors.factors.size());
  for (int i = 0; i < EntryCount(kWeightFactors); ++i) {
    const int pounds = MeasurementAt(kWeightFactors, i);
    char measurement[kRowCapacity];
    shell::FormatText(measurement, sizeof measurement, "%-3i", pounds);
    rows.push_back(FactorRow(measurement, FactorFor(kWeightFactors, pounds), 6));
  }
  return rows;
}

std::vector<std::string> ScreeningRows(int (*maxWeight)(int, int), int firstHeight, int chartAge) {
  std::vector<std::string> rows;
  if (chartAge < 0) {
    return rows;
  }
  for (int height = firstHeight; height <= kScreeningLastHeight; ++height) {
    char row[kRowCapacity];
    shell::FormatText(row, sizeof row, "%2i - %3i", height, maxWeight(chartAge, height));
    rows.emplace_back(row);
  }
  return rows;
}

// One row per age group, youngest first: "17-20 - 20.0" ... ">39   - 26.0".
// Display texts only: the verdicts take their limits from MaxBodyFat.
std::vector<std::string> LimitRows(char sex) {
  constexpr int kLabelWidth = 5;  // "17-20"
  std::vector<std::string> rows;
  for (int group = 0; group < kAgeGroupCount; ++group) {
    char label[kRowCapacity];
    shell::FormatText(label, sizeof label, "%-*s", kLabelWidth, AgeGroupLabel(group, "-").c_str());
    char limit[kRowCapacity];
    shell::FormatFixed(limit, sizeof limit, MaxBodyFatOfGroup(group, sex), 1, 0,
                       shell::Align::Left);
    rows.push_back(Columns(label, limit));
  }
  return rows;
}

}  // namespace

std::vector<std::string> ChartRows(ChartList list, int chartAge) {
  switch (list) {
    case ChartList::MaleScreening:
      return ScreeningRows(MaleMaxWeight, kMaleScreeningFirstHeight, chartAge);
    case ChartList::FemaleScreening:
      return ScreeningRows(FemaleMaxWeight, kFemaleScreeningFirstHeight, chartAge);
    case ChartList::MaleLimits:
      return LimitRows('M');
    case ChartList::FemaleLimits:
      return LimitRows('F');
    case ChartList::Weight:
      return WeightRows();
    default:
      return InchRows(InchListOf(list));
  }
}

const char* AgeHeading(int chartAge) {
  if (chartAge < 0) {
    return "Age: Not Entered";
  }
  // Built once: the panels keep the pointer for as long as they are drawn.
  static const std::array<std::string, kAgeGroupCount> kHeadings = [] {
    std::array<std::string, kAgeGroupCount> headings;
    for (int group = 0; group < kAgeGroupCount; ++group) {
      headings[static_cast<std::size_t>(group)] = "Age: " + AgeGroupLabel(group, " - ");
    }
    return headings;
  }();
  // The heading names the group whose column the screening list shows.
  return kHeadings[static_cast<std::size_t>(AgeGroupOf(chartAge))].c_str();
}

ChartDialogLayout ChartLayout(ChartSex sex, const shell::LayoutGrid& grid) {
  const int X = grid.X;
  const int Y = grid.Y;
  const int QX = grid.QX;
  const int QY = grid.QY;
  const char* kScreeningSample = "80  -  247";
  const char* kLimitsSample = "28-39 - 36.0%";
  if (sex == ChartSex::Male) {
    return {
        {1, 51 * X + 3 * QX, 10 * Y + 2 * QY, 12 * X, 7 * QY},
        {
            {ChartList::MaleScreening, kMaleScreeningList, 3 * X + 2 * QX, 5 * Y, 15 * Y,
             kScreeningSample},
            {ChartList::MaleLimits, kMaleLimitsList, 51 * X, 4 * Y, 5 * Y, kLimitsSample},
            {ChartList::AbdomenNeck, kAbdomenNeckList, 17 * X, 4 * Y, 16 * Y, "40.75  -  123.11"},
            {ChartList::MaleHeight, kMaleHeightList, 34 * X + 2 * QX, 4 * Y, 16 * Y,
             "84.75  -  85.53"},
        },
    };
  }
  return {
      {1, 69 * X + 2 * QX, 10 * Y + 2 * QY, 12 * X, 7 * QY},
      {
          {ChartList::FemaleScreening, kFemaleScreeningList, 3 * X + 2 * QX, 5 * Y, 15 * Y,
           kScreeningSample},
          {ChartList::FemaleLimits, kFemaleLimitsList, 68 * X + 2 * QX, 4 * Y, 5 * Y,
           kLimitsSample},
          {ChartList::Weight, kWeightList, 17 * X + 3 * QX, 3 * Y, 10 * Y, "279  -  185.86"},
          {ChartList::Hip, kHipList, 17 * X + 2 * QX, 16 * Y, 10 * Y, "53.75  -  23.93"},
          {ChartList::FemaleHeight, kFemaleHeightList, 34 * X, 3 * Y, 10 * Y, "84.75  -  110.90"},
          {ChartList::Forearm, kForearmList, 34 * X + QX, 16 * Y, 10 * Y, "15.75  -  62.95"},
          {ChartList::Neck, kNeckList, 51 * X + 2 * QX, 3 * Y, 10 * Y, "15.75  -  21.33"},
          {ChartList::Wrist, kWristList, 52 * X, 16 * Y, 10 * Y, "15.75  -  8.01"},
      },
  };
}

std::vector<ChartPanel> ChartPanels(ChartSex sex, const shell::LayoutGrid& grid, int chartAge) {
  const int X = grid.X;
  const int Y = grid.Y;
  const int QX = grid.QX;
  const int QY = grid.QY;
  const char* age = AgeHeading(chartAge);
  // Both dialogs open with the screening weights on the left.
  std::vector<ChartPanel> panels = {
      {X,
       2 * QY,
       2 * Y,
       14 * X + 2 * QX,
       {{8 * X + QX, 2 * QY, "Max. Allowable"}, {8 * X + QX, Y + 2 * QY, "Weight"}}},
      {X,
       3 * Y,
       16 * Y + 2 * QY,
       14 * X + 2 * QX,
       {{8 * X + QX, 3 * Y, age}, {8 * X + QX, 4 * Y, "Ht.(in.) - Wt.(lbs.)"}}},
  };
  if (sex == ChartSex::Male) {
    const std::vector<ChartPanel> rest = {
        {16 * X,
         2 * QY,
         2 * Y,
         16 * X + 2 * QX,
         {{24 * X + QX, 2 * QY, "Abdomen - Neck"}, {24 * X + QX, Y + 2 * QY, "Factor"}}},
        {16 * X,
         3 * Y,
         16 * Y + 2 * QY,
         16 * X + 2 * QX,
         {{24 * X + QX, 3 * Y, "Diff.(in.) - Factor"}}},
        {33 * X,
         2 * QY,
         2 * Y,
         16 * X + 2 * QX,
         {{41 * X + QX, 2 * QY, "Height"}, {41 * X + QX, Y + 2 * QY, "Factor"}}},
        {33 * X,
         3 * Y,
         16 * Y + 2 * QY,
         16 * X + 2 * QX,
         {{41 * X + QX, 3 * Y, "Ht.(in.) - Factor"}}},
        {50 * X,
         2 * QY,
         2 * Y,
         14 * X + 3 * QX,
         {{57 * X + 2 * QX, 2 * QY, "Max. Allowable"},
          {57 * X + 2 * QX, Y + 2 * QY, "Body Fat %"}}},
        {50 * X, 3 * Y, 5 * Y + 2 * QY, 14 * X + 3 * QX, {{57 * X + 2 * QX, 3 * Y, "Age - %"}}},
    };
    panels.insert(panels.end(), rest.begin(), rest.end());
    return panels;
  }
  const std::vector<ChartPanel> rest = {
      {16 * X, 2 * QY, Y, 16 * X + 2 * QX, {{24 * X + QX, 2 * QY, "Weight Factor"}}},
      {16 * X,
       2 * Y,
       10 * Y + 2 * QY,
       16 * X + 2 * QX,
       {{24 * X + QX, 2 * Y, "Wt.(lbs.) - Factor"}}},
      {16 * X, 13 * Y + 2 * QY, Y, 16 * X + 2 * QX, {{24 * X + QX, 13 * Y + 2 * QY, "Hip Factor"}}},
      {16 * X,
       15 * Y,
       10 * Y + 2 * QY,
       16 * X + 2 * QX,
       {{24 * X + QX, 15 * Y, "Hip(in.) - Factor"}}},
      {33 * X, 2 * QY, Y, 16 * X + 2 * QX, {{41 * X + QX, 2 * QY, "Height Factor"}}},
      {33 * X,
       2 * Y,
       10 * Y + 2 * QY,
       16 * X + 2 * QX,
       {{41 * X + QX, 2 * Y, "Ht.(in.) - Factor"}}},
      {33 * X,
       13 * Y + 2 * QY,
       Y,
       16 * X + 2 * QX,
       {{41 * X + QX, 13 * Y + 2 * QY, "Forearm Factor"}}},
      {33 * X,
       15 * Y,
       10 * Y + 2 * QY,
       16 * X + 2 * QX,
       {{41 * X + QX, 15 * Y, "Arm(in.) - Factor"}}},
      {50 * X, 2 * QY, Y, 17 * X, {{58 * X + QX, 2 * QY, "Neck Factor"}}},
      {50 * X, 2 * Y, 10 * Y + 2 * QY, 17 * X, {{58 * X + QX, 2 * Y, "Neck(in.) - Factor"}}},
      {50 * X, 13 * Y + 2 * QY, Y, 17 * X, {{58 * X + QX, 13 * Y + 2 * QY, "Wrist Factor"}}},
      {50 * X, 15 * Y, 10 * Y + 2 * QY, 17 * X, {{58 * X + QX, 15 * Y, "Wrist(in.) - Factor"}}},
      {67 * X + 2 * QX,
       2 * QY,
       2 * Y,
       14 * X + 3 * QX,
       {{75 * X, 2 * QY, "Max. Allowable"}, {75 * X, Y + 2 * QY, "Body Fat %"}}},
      {67 * X + 2 * QX, 3 * Y, 5 * Y + 2 * QY, 14 * X + 3 * QX, {{75 * X, 3 * Y, "Age - %"}}},
  };
  panels.insert(panels.end(), rest.begin(), rest.end());
  return panels;
}

shell::Size ChartClientSize(ChartSex sex, const shell::LayoutGrid& grid,
                            const std::vector<shell::Size>& controlEnds) {
  shell::Size size;
  const auto reach = [&size](int right, int bottom) {
    size.width = right > size.width ? right : size.width;
    size.height = bottom > size.height ? bottom : size.height;
  };
  for (const ChartPanel& panel : ChartPanels(sex, grid, kChartAgeNotEntered)) {
    // A panel's white lower and right edges lie just outside it.
    reach(panel.left + panel.width + 2, panel.top + panel.height + 2);
  }
  for (const shell::Size& end : controlEnds) {
    reach(end.width, end.height);
  }
  return {size.width + grid.X, size.height + grid.Y};
}

}  // namespace heftrak
