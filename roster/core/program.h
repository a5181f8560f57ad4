// What makes one roster program of the two: the figure columns it reads, the
// result columns it writes, the verdicts it counts, and the scoring of a row,
// which goes through the calculator's own evaluations.
#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "shell/core/report.h"

namespace roster {

struct FigureColumn {
  const char* name;  // as the header names it, in lower case
  bool required;     // a header without it is refused
  // A tape site or a test event: a header column that names it but matches
  // no column ("Abdomen 4", "Run time") gets a warning.
  bool measure = false;
};

struct ResultColumn {
  const char* name;
  // Written only when the header has one of the figure columns firstInput to
  // lastInput (indexes into the program's figure columns); -1: always.
  int firstInput = -1;
  int lastInput = -1;
  // Not in the first results files: a block of results without it is still
  // recognised as results when such a file is scored again.
  bool added = false;
};

// One row's score: views into the scorer that scored it, good until it
// scores the next row.
struct RowScore {
  bool refused = false;
  std::string_view message;  // the calculator's messages, or why the row is refused
  // One per result column ("" when none); empty when nothing was scored. A
  // refused row keeps what was scored before the refusal (HEFTRAK's Check
  // beside a refused Calculate).
  std::span<const std::string_view> results;
  // Index into the program's tallies; -1: counts in none. A refused row
  // counts in none whatever it says.
  int tally = -1;
  const shell::Report* report = nullptr;  // when asked for, of a row scored
};

// The figure cells of one row, in the order of the program's figure columns
// ("" where the header has no such column).
using FigureCells = std::span<const std::string_view>;

// Scores a roster's rows one after another, each exactly as the calculator's
// window would, keeping its window model and every buffer from row to row:
// once the first rows are scored, a row allocates nothing (a report aside).
class RowScorer {
 public:
  virtual ~RowScorer() = default;
  // Builds the row's report when `person` is given and the row is scored.
  virtual const RowScore& Score(FigureCells cells, const shell::PersonalData* person) = 0;
};

// A count the window's summary shows of the scored rows: those whose result
// column `result` holds `value` (nullptr: any text at all); or, with a
// `tally`, the rows of that tally, as the console's summary counts them.
struct ResultCount {
  const char* label;  // e.g. "Within weight"
  int result;         // index into the program's result columns
  const char* value = nullptr;
  int tally = -1;  // index into the program's tallies; -1: by the result
};

struct PageTally;
struct ScoredRow;
struct SummaryPage;
struct RosterSummary;

// What a program's summary page counts and shows (summary_page.h): the
// counters it keeps in a PageTally and its lists of soldiers, how each
// scored row counts in them, and the page's own part made of them.
struct PageRules {
  const char* title;    // e.g. "Physical Fitness Roster Summary"
  std::size_t figures;  // counters in PageTally::figures
  std::size_t lists;    // lists in PageTally::lists
  void (*tally)(PageTally& tally, const ScoredRow& row);
  // The tables, the chart and the lists, from the tally and the run's counts.
  void (*page)(const PageTally& tally, const RosterSummary& summary, SummaryPage& page);
};

struct RosterProgram {
  const char* name;        // the command, e.g. "heftrak-roster"
  const char* calculator;  // e.g. "HEFTRAK"
  std::span<const FigureColumn> figures;
  std::span<const ResultColumn> results;
  std::span<const char* const> tallies;  // the summary's verdict counts, e.g. "passed"
  const char* figureHelp;                // the figure columns, for --help
  // A scorer for one roster's rows.
  std::unique_ptr<RowScorer> (*scorer)();
  std::span<const ResultCount> counts = {};  // the window summary's verdict counts
  const PageRules* page = nullptr;           // nullptr: no summary page
};

}  // namespace roster
