#include "heftrak/core/chart_rows.h"

#include <cstddef>
#include <cstdio>
#include <utility>

#include "heftrak/core/female_factors.h"
#include "heftrak/core/male_factors.h"
#include "heftrak/core/screening_table.h"
#include "shell/core/fixed_format.h"

namespace heftrak {

namespace {

// Room for the longest row ("279 - 185.86") with plenty to spare.
constexpr std::size_t kRowCapacity = 32;

// An inch-based factor table: its first grid point and how many quarter
// inches it runs, and the printf width of its factor column.
struct InchTable {
  float (*lookup)(float);
  float first;
  int rows;
  int factorWidth;
};

InchTable InchTableOf(ChartList list) {
  switch (list) {
    case ChartList::AbdomenNeck:
      return {AbdomenNeckFactor, 5.0f, 144, 6};
    case ChartList::MaleHeight:
      return {MaleHeightFactor, 60.0f, 100, 5};
    case ChartList::Hip:
      return {HipFactor, 30.0f, 96, 5};
    case ChartList::FemaleHeight:
      return {FemaleHeightFactor, 55.0f, 120, 6};
    case ChartList::Forearm:
      return {ForearmFactor, 5.0f, 44, 5};
    case ChartList::Neck:
      return {NeckFactor, 5.0f, 44, 6};
    default:  // the wrist; the other lists are not inch tables
      return {WristFactor, 5.0f, 44, 5};
  }
}

// "%-5.2f - %-W.2f": the measurement and its factor, trailing blanks kept.
std::string FactorRow(float measurement, float factor, int factorWidth) {
  char left[kRowCapacity];
  char right[kRowCapacity];
  shell::FormatFixed(left, sizeof left, measurement, 2, 5, shell::Align::Left);
  shell::FormatFixed(right, sizeof right, factor, 2, factorWidth, shell::Align::Left);
  std::string row = left;
  row += " - ";
  row += right;
  return row;
}

std::vector<std::string> InchRows(const InchTable& table) {
  std::vector<std::string> rows;
  rows.reserve(static_cast<std::size_t>(table.rows));
  for (int i = 0; i < table.rows; ++i) {
    // Quarter steps are exact in a float, so every point is its own grid value.
    const float measurement = table.first + 0.25f * static_cast<float>(i);
    rows.push_back(FactorRow(measurement, table.lookup(measurement), table.factorWidth));
  }
  return rows;
}

std::vector<std::string> WeightRows() {
  constexpr int kFirst = 90;
  constexpr int kLast = 279;
  std::vector<std::string> rows;
  rows.reserve(kLast - kFirst + 1);
  for (int pounds = kFirst; pounds <= kLast; ++pounds) {
    char left[kRowCapacity];
    char right[kRowCapacity];
    std::snprintf(left, sizeof left, "%-3i", pounds);
    shell::FormatFixed(right, sizeof right, WeightFactor(pounds), 2, 6, shell::Align::Left);
    std::string row = left;
    row += " - ";
    row += right;
    rows.push_back(std::move(row));
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
    std::snprintf(row, sizeof row, "%2i - %3i", height, maxWeight(chartAge, height));
    rows.emplace_back(row);
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
    // Display texts only: the verdicts take their limits from MaxBodyFat.
    case ChartList::MaleLimits:
      return {"17-20 - 20.0", "21-27 - 22.0", "28-39 - 24.0", ">39   - 26.0"};
    case ChartList::FemaleLimits:
      return {"17-20 - 30.0", "21-27 - 32.0", "28-39 - 34.0", ">39   - 36.0"};
    case ChartList::Weight:
      return WeightRows();
    default:
      return InchRows(InchTableOf(list));
  }
}

const char* AgeHeading(int chartAge) {
  if (chartAge < 0) {
    return "Age: Not Entered";
  }
  // The heading names the column the screening list shows.
  switch (ScreeningAgeColumn(chartAge)) {
    case 0:
      return "Age: 17 - 20";
    case 1:
      return "Age: 21 - 27";
    case 2:
      return "Age: 28 - 39";
    default:
      return "Age: >39";
  }
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
            {ChartList::MaleScreening, 350, 3 * X + 2 * QX, 5 * Y, 15 * Y, kScreeningSample},
            {ChartList::MaleLimits, 353, 51 * X, 4 * Y, 5 * Y, kLimitsSample},
            {ChartList::AbdomenNeck, 351, 17 * X, 4 * Y, 16 * Y, "40.75  -  123.11"},
            {ChartList::MaleHeight, 352, 34 * X + 2 * QX, 4 * Y, 16 * Y, "84.75  -  85.53"},
        },
    };
  }
  return {
      {1, 69 * X + 2 * QX, 10 * Y + 2 * QY, 12 * X, 7 * QY},
      {
          {ChartList::FemaleScreening, 354, 3 * X + 2 * QX, 5 * Y, 15 * Y, kScreeningSample},
          {ChartList::FemaleLimits, 355, 68 * X + 2 * QX, 4 * Y, 5 * Y, kLimitsSample},
          {ChartList::Weight, 356, 17 * X + 3 * QX, 3 * Y, 10 * Y, "279  -  185.86"},
          {ChartList::Hip, 357, 17 * X + 2 * QX, 16 * Y, 10 * Y, "53.75  -  23.93"},
          {ChartList::FemaleHeight, 358, 34 * X, 3 * Y, 10 * Y, "84.75  -  110.90"},
          {ChartList::Forearm, 359, 34 * X + QX, 16 * Y, 10 * Y, "15.75  -  62.95"},
          {ChartList::Neck, 360, 51 * X + 2 * QX, 3 * Y, 10 * Y, "15.75  -  21.33"},
          {ChartList::Wrist, 361, 52 * X, 16 * Y, 10 * Y, "15.75  -  8.01"},
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
