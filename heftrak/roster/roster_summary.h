// HEFTRAK's summary page of a scored roster: how many soldiers were
// screened, taped and within each limit, in all, by the four age groups of
// the weight tables and by sex; the body fat within and not within the limit
// per age group as a chart; and who needs what next: every soldier not
// within the body fat limit, and every one not within weight and not yet
// taped. Counted from the result cells a row writes, and its age and sex
// cells.
#pragma once

#include <cstddef>

#include "heftrak/core/age_groups.h"
#include "roster/core/program.h"

namespace heftrak {

// The page's counters (roster::PageTally::figures): a table of these rows...
enum PageRow : int {
  kReadRow,
  kRefusedRow,
  kScoredRow,
  kScreenedRow,  // the weight checked against the screening table
  kWithinWeightRow,
  kNotWithinWeightRow,
  kToBeTapedRow,  // not within weight, and no readings
  kTapedRow,      // body fat calculated
  kWithinBodyFatRow,
  kNotWithinBodyFatRow,
};
inline constexpr int kPageRows = kNotWithinBodyFatRow + 1;

// ... by these columns: every soldier, each age group, men, women. A row
// counts under an age group or a sex only when its age (17 to 70) or sex
// (M or F) reads as the calculator takes them.
enum PageColumn : int {
  kAllColumn,
  kFirstAgeGroupColumn,
  kMenColumn = kFirstAgeGroupColumn + kAgeGroupCount,
  kWomenColumn,
};
inline constexpr int kPageColumns = kWomenColumn + 1;

constexpr std::size_t PageFigureOf(PageRow row, int column) {
  return static_cast<std::size_t>(static_cast<int>(row) * kPageColumns + column);
}
inline constexpr std::size_t kPageFigures = kPageRows * kPageColumns;

// The lists: who is not within the body fat limit (cells: body fat, limit,
// points over, pounds over), and who is still to be taped (cells: weight,
// maximum weight, pounds over).
enum PageListId : int { kOverBodyFatList, kToBeTapedList, kPageLists };
enum OverBodyFatCell : int { kFatPercentCell, kFatLimitCell, kFatOverCell, kFatLbsOverCell };
enum ToBeTapedCell : int { kTapeWeightCell, kTapeMaxWeightCell, kTapeLbsOverCell };

extern const roster::PageRules kPageRules;

}  // namespace heftrak
