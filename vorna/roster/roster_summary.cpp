#include "vorna/roster/roster_summary.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

#include "roster/core/cells.h"
#include "roster/core/summary_page.h"
#include "vorna/core/evaluation.h"
#include "vorna/roster/roster_fields.h"
#include "vorna/roster/roster_row.h"

namespace vorna {

namespace {

constexpr const char* kEventNames[kEventCount] = {"Push-ups", "Sit-ups", "2-mile run"};

void Tally(roster::PageTally& tally, const roster::ScoredRow& row) {
  if (row.score.refused) {
    return;
  }
  std::vector<long long>& figures = tally.figures;
  for (int event = 0; event < kEventCount; ++event) {
    long long points = 0;
    if (roster::ReadWhole(roster::ResultCell(row, kPushupPointsResult + event), points)) {
      ++figures[EventFigureOf(event, kEventSoldiers)];
      figures[EventFigureOf(event, kEventPoints)] += points;
      figures[EventFigureOf(event, kEventUnder60)] += points < kPassingPoints ? 1 : 0;
    }
  }
  long long total = 0;
  if (!roster::ReadWhole(roster::ResultCell(row, kTotalResult), total)) {
    return;
  }
  const bool first = figures[kTotalSoldiersFigure]++ == 0;
  figures[kTotalPointsFigure] += total;
  figures[kLowestTotalFigure] = first ? total : std::min(figures[kLowestTotalFigure], total);
  figures[kHighestTotalFigure] = first ? total : std::max(figures[kHighestTotalFigure], total);
  const bool failed = roster::ResultCell(row, kVerdictResult) == "failed";
  const auto sex =
      row.figures.size() > kSexCell ? roster::SexCell(row.figures[kSexCell]) : std::nullopt;
  if (sex && !sex->empty()) {
    ++figures[BandFigureOf(BandOf(total), *sex == "F", failed)];
  }
  if (failed) {
    std::array<std::string_view, kFailedCells> cells;
    cells[kFailedTotalCell] = roster::ResultCell(row, kTotalResult);
    for (int event = 0; event < kEventCount; ++event) {
      cells[FailedPointsCell(event)] = roster::ResultCell(row, kPushupPointsResult + event);
      cells[FailedToPassCell(event)] = roster::ResultCell(row, kPushupsToPassResult + event);
    }
    tally.lists[kFailedList].Add(row.name, row.line, cells);
  }
}

void AddSoldiersTable(roster::SummaryPage& page, const roster::RosterSummary& summary) {
  const auto tally = [&](int which) {
    return static_cast<std::size_t>(which) < summary.tallies.size()
               ? static_cast<long long>(summary.tallies[static_cast<std::size_t>(which)])
               : 0LL;
  };
  const long long verdicts = tally(kPassedTally) + tally(kFailedTally) + tally(kMaxedTally);
  roster::PageTable& table = roster::AddTable(page, "Soldiers", {"Count", "Share"});
  roster::AddRow(table, "Rows read", {summary.read});
  roster::AddRow(table, "  refused", {summary.refused});
  roster::AddRow(table, "  scored", {summary.scored});
  roster::AddRow(table, "    without a verdict", {summary.withoutVerdict});
  roster::AddRow(table, "    with a verdict", {verdicts});
  constexpr std::pair<const char*, int> kVerdicts[] = {
      {"      passed", kPassedTally}, {"      failed", kFailedTally}, {"      maxed", kMaxedTally}};
  for (const auto& [label, which] : kVerdicts) {
    roster::AddRow(table, label, {tally(which)})
        .push_back(roster::ShareText(tally(which), verdicts));
  }
  table.notes.push_back(
      "A refused row's message in the results says what to correct; a soldier without a verdict "
      "lacks an event. Shares are of the soldiers with a verdict.");
}

// "45, needs 52": an event under 60 points and what scores 60 in it.
std::string EventCell(const std::string& points, const std::string& toPass) {
  std::string cell;
  if (!toPass.empty()) {
    cell.append(points).append(", needs ").append(toPass);
  }
  return cell;
}

void Page(const roster::PageTally& tally, const roster::RosterSummary& summary,
          roster::SummaryPage& page) {
  const std::vector<long long>& figures = tally.figures;
  AddSoldiersTable(page, summary);

  roster::PageTable& events =
      roster::AddTable(page, "Event", {"Soldiers", "Average points", "Under 60"});
  for (int event = 0; event < kEventCount; ++event) {
    const long long soldiers = figures[EventFigureOf(event, kEventSoldiers)];
    std::vector<std::string>& row = roster::AddRow(events, kEventNames[event], {soldiers});
    row.push_back(roster::AverageText(figures[EventFigureOf(event, kEventPoints)], soldiers));
    row.push_back(roster::CountText(figures[EventFigureOf(event, kEventUnder60)]));
  }
  events.notes.push_back("Points as the calculator shows them: at most 100 an event.");

  const long long totals = figures[kTotalSoldiersFigure];
  std::vector<std::string>& total = roster::AddRow(
      roster::AddTable(page, "Total points", {"Soldiers", "Average", "Lowest", "Highest"}),
      "All three events", {totals});
  total.push_back(roster::AverageText(figures[kTotalPointsFigure], totals));
  for (const int extreme : {kLowestTotalFigure, kHighestTotalFigure}) {
    total.push_back(totals > 0 ? roster::CountText(figures[static_cast<std::size_t>(extreme)])
                               : "-");
  }

  roster::PageTable& bands =
      roster::AddTable(page, "Soldiers by total", {"Men", "Women", "All", "Passed", "Failed"});
  page.chart.caption = "Soldiers by total points";
  page.chart.series[0] = "passed or maxed";
  page.chart.series[1] = "failed";
  for (int band = 0; band < kBandCount; ++band) {
    long long bySex[2] = {};
    long long byVerdict[2] = {};
    for (int woman = 0; woman < 2; ++woman) {
      for (int failed = 0; failed < 2; ++failed) {
        const long long n = figures[BandFigureOf(band, woman == 1, failed == 1)];
        bySex[woman] += n;
        byVerdict[failed] += n;
      }
    }
    roster::AddRow(bands, kBandLabels[band],
                   {bySex[0], bySex[1], bySex[0] + bySex[1], byVerdict[0], byVerdict[1]});
    roster::PageBar& bar = page.chart.bars.emplace_back();
    bar.label = kBandLabels[band];
    bar.counts = {byVerdict[0], byVerdict[1]};
  }
  bands.notes.push_back(
      "Below 180 no soldier passes: each event needs 60. 300 is every event at 100.");

  roster::PageList& list = roster::AddList(
      page,
      "Failed: each event under 60 points, and what scores 60 in it (the fewest repetitions, the "
      "slowest run)",
      {"Total", "Push-ups", "Sit-ups", "2-mile run"}, tally.lists[kFailedList]);
  for (roster::ListedSoldier& soldier : list.soldiers) {
    std::vector<std::string> cells;
    cells.push_back(std::move(soldier.cells[kFailedTotalCell]));
    for (int event = 0; event < kEventCount; ++event) {
      cells.push_back(EventCell(soldier.cells[FailedPointsCell(event)],
                                soldier.cells[FailedToPassCell(event)]));
    }
    soldier.cells = std::move(cells);
  }
}

}  // namespace

const roster::PageRules kPageRules = {
    "Physical Fitness Roster Summary", kPageFigures, kPageLists, &Tally, &Page,
};

}  // namespace vorna
