#include "heftrak/roster/roster_summary.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "heftrak/roster/roster_fields.h"
#include "heftrak/roster/roster_row.h"
#include "roster/core/cells.h"
#include "roster/core/summary_page.h"

namespace heftrak {

namespace {

constexpr int kYoungestAge = 17;
constexpr int kOldestAge = 70;

// The columns a row counts under: all, its age group, its sex (-1: none).
struct RowColumns {
  int ageGroup = -1;
  int sex = -1;
};

RowColumns ColumnsOf(roster::FigureCells figures) {
  RowColumns columns;
  if (figures.size() <= kSexCell) {
    return columns;
  }
  long long age = 0;
  const auto digits = roster::DigitsCell(figures[kAgeCell], 2);
  if (digits && roster::ReadWhole(*digits, age) && age >= kYoungestAge && age <= kOldestAge) {
    columns.ageGroup = kFirstAgeGroupColumn + AgeGroupOf(static_cast<int>(age));
  }
  const auto sex = roster::SexCell(figures[kSexCell]);
  if (sex && !sex->empty()) {
    columns.sex = *sex == "M" ? kMenColumn : kWomenColumn;
  }
  return columns;
}

void Tally(roster::PageTally& tally, const roster::ScoredRow& row) {
  const RowColumns columns = ColumnsOf(row.figures);
  const auto count = [&](PageRow pageRow) {
    ++tally.figures[PageFigureOf(pageRow, kAllColumn)];
    for (int column : {columns.ageGroup, columns.sex}) {
      if (column >= 0) {
        ++tally.figures[PageFigureOf(pageRow, column)];
      }
    }
  };
  count(kReadRow);
  if (row.score.refused) {
    count(kRefusedRow);
    return;
  }
  count(kScoredRow);
  const std::string_view weightWithin = roster::ResultCell(row, kWeightWithinResult);
  const std::string_view bodyFat = roster::ResultCell(row, kBodyFatResult);
  const std::string_view bodyFatWithin = roster::ResultCell(row, kBodyFatWithinResult);
  if (!weightWithin.empty()) {
    count(kScreenedRow);
    count(weightWithin == "yes" ? kWithinWeightRow : kNotWithinWeightRow);
  }
  if (weightWithin == "no" && bodyFat.empty()) {
    count(kToBeTapedRow);
    const std::array<std::string_view, 3> cells = {roster::Trimmed(row.figures[kWeightCell]),
                                                   roster::ResultCell(row, kMaxWeightResult),
                                                   roster::ResultCell(row, kLbsOverResult)};
    tally.lists[kToBeTapedList].Add(row.name, row.line, cells);
  }
  if (!bodyFat.empty()) {
    count(kTapedRow);
  }
  if (bodyFatWithin == "yes") {
    count(kWithinBodyFatRow);
  } else if (bodyFatWithin == "no") {
    count(kNotWithinBodyFatRow);
    const std::array<std::string_view, 4> cells = {
        bodyFat, roster::ResultCell(row, kBodyFatLimitResult),
        roster::ResultCell(row, kBodyFatOverResult), roster::ResultCell(row, kLbsOverResult)};
    tally.lists[kOverBodyFatList].Add(row.name, row.line, cells);
  }
}

std::string GroupLabel(int group) {
  std::string label;
  roster::AppendWhole(label, kAgeGroupFirstAges[static_cast<std::size_t>(group)]);
  if (group + 1 == kAgeGroupCount) {
    return label.append("+");
  }
  return roster::AppendWhole(label.append("-"),
                             kAgeGroupFirstAges[static_cast<std::size_t>(group + 1)] - 1);
}

constexpr const char* kRowLabels[kPageRows] = {
    "Rows read",
    "  refused",
    "  scored",
    "Weight checked",
    "  within weight limit",
    "  not within weight limit",
    "    still to be taped",
    "Taped: body fat calculated",
    "  within body fat limit",
    "  not within body fat limit",
};

// "1 refused row with no sex M or F"
void AppendRefused(std::string& note, long long rows, std::string_view without) {
  note.append(roster::CountText(rows))
      .append(rows == 1 ? " refused row" : " refused rows")
      .append(" with no ")
      .append(without);
}

void Page(const roster::PageTally& tally, const roster::RosterSummary&, roster::SummaryPage& page) {
  const std::vector<long long>& figures = tally.figures;
  roster::PageTable& table = roster::AddTable(page, "Soldiers", {"All"});
  for (int group = 0; group < kAgeGroupCount; ++group) {
    table.columns.push_back(GroupLabel(group));
  }
  table.columns.push_back("Men");
  table.columns.push_back("Women");
  for (int row = 0; row < kPageRows; ++row) {
    const auto first = figures.begin() + static_cast<std::ptrdiff_t>(
                                             PageFigureOf(static_cast<PageRow>(row), kAllColumn));
    std::vector<std::string>& cells = roster::AddRow(table, kRowLabels[row]);
    std::for_each(first, first + kPageColumns,
                  [&](long long figure) { cells.push_back(roster::CountText(figure)); });
  }
  table.notes.push_back(
      "Still to be taped: not within weight, and no tape readings yet. The age groups are the "
      "weight tables'.");
  // A refused row may give no age or sex the calculator takes.
  const long long read = figures[PageFigureOf(kReadRow, kAllColumn)];
  long long noAge = read;
  for (int group = 0; group < kAgeGroupCount; ++group) {
    noAge -= figures[PageFigureOf(kReadRow, kFirstAgeGroupColumn + group)];
  }
  const long long noSex = read - figures[PageFigureOf(kReadRow, kMenColumn)] -
                          figures[PageFigureOf(kReadRow, kWomenColumn)];
  if (noAge > 0 || noSex > 0) {
    std::string note = "Counted under All only: ";
    if (noAge > 0) {
      std::string ages = "age from ";
      roster::AppendWhole(roster::AppendWhole(ages, kYoungestAge).append(" to "), kOldestAge);
      AppendRefused(note, noAge, ages);
    }
    if (noSex > 0) {
      AppendRefused(note.append(noAge > 0 ? "; " : ""), noSex, "sex M or F");
    }
    note.append(".");
    table.notes.push_back(std::move(note));
  }

  page.chart.caption = "Body fat by age group";
  page.chart.series[0] = "within the limit";
  page.chart.series[1] = "not within";
  for (int group = 0; group < kAgeGroupCount; ++group) {
    roster::PageBar& bar = page.chart.bars.emplace_back();
    bar.label = table.columns[static_cast<std::size_t>(kFirstAgeGroupColumn + group)];
    bar.counts = {figures[PageFigureOf(kWithinBodyFatRow, kFirstAgeGroupColumn + group)],
                  figures[PageFigureOf(kNotWithinBodyFatRow, kFirstAgeGroupColumn + group)]};
  }

  roster::AddList(page,
                  "Not within the body fat limit: percent body fat, the limit, percentage points "
                  "over it, and pounds over the weight limit",
                  {"Body fat", "Limit", "Over", "Lbs over"}, tally.lists[kOverBodyFatList]);
  roster::AddList(page, "To be taped: not within the weight limit, no tape readings yet",
                  {"Weight", "Max weight", "Lbs over"}, tally.lists[kToBeTapedList]);
}

}  // namespace

const roster::PageRules kPageRules = {
    "Weight Control Roster Summary", kPageFigures, kPageLists, &Tally, &Page,
};

}  // namespace heftrak
