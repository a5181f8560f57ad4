// VORNA's summary page of a scored roster: the events' and totals' figures,
// the soldiers per band of total points (by sex, passed and failed apart),
// and every soldier who failed with what each event still needs. Counted
// from the result cells a row writes, and its sex cell.
#pragma once

#include <array>
#include <cstddef>

#include "roster/core/program.h"
#include "vorna/core/state.h"

namespace vorna {

// The bands of total points, each from its first total to the next band's;
// the first has no floor. Below 180 no soldier can pass (each event needs
// 60); 300 is every event at 100, a maxed test (the scaled total goes on
// past it).
inline constexpr std::array<int, 4> kBandFirstTotals = {180, 240, 270, 300};
inline constexpr int kBandCount = static_cast<int>(kBandFirstTotals.size()) + 1;
inline constexpr const char* kBandLabels[kBandCount] = {"Under 180", "180-239", "240-269",
                                                        "270-299", "300 and over"};

constexpr int BandOf(long long total) {
  int band = 0;
  while (band < kBandCount - 1 && total >= kBandFirstTotals[static_cast<std::size_t>(band)]) {
    ++band;
  }
  return band;
}

// The page's counters (roster::PageTally::figures).
enum EventFigure : int { kEventSoldiers, kEventPoints, kEventUnder60 };
inline constexpr int kEventFigures = kEventUnder60 + 1;
enum PageFigure : int {
  kTotalSoldiersFigure = static_cast<int>(kEventCount) * kEventFigures,  // with a total
  kTotalPointsFigure,
  kLowestTotalFigure,
  kHighestTotalFigure,
  kBandFigures,  // per band, sex (men, women), passed (maxed too) or failed
  kPageFigures = kBandFigures + kBandCount * 2 * 2,
};

constexpr std::size_t EventFigureOf(int event, EventFigure figure) {
  return static_cast<std::size_t>(event * kEventFigures + static_cast<int>(figure));
}
constexpr std::size_t BandFigureOf(int band, bool woman, bool failed) {
  return static_cast<std::size_t>(kBandFigures + band * 4 + (woman ? 2 : 0) + (failed ? 1 : 0));
}

// The page's one list: the soldiers who failed.
enum PageListId : int { kFailedList, kPageLists };
// The failed list's cells: the total, then each event's points and what
// passes it (empty where it passed).
constexpr std::size_t kFailedTotalCell = 0;
constexpr std::size_t FailedPointsCell(int event) {
  return static_cast<std::size_t>(1 + 2 * event);
}
constexpr std::size_t FailedToPassCell(int event) {
  return FailedPointsCell(event) + 1;
}
inline constexpr std::size_t kFailedCells = FailedPointsCell(kEventCount);

extern const roster::PageRules kPageRules;

}  // namespace vorna
