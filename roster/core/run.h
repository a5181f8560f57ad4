// Scoring a whole roster: its bytes in, the results file's bytes out, a row
// at a time, so that memory holds one row however long the roster. Touches
// no file and no printer: the console program and a window alike give it a
// reader, a writer and, to see each row as it is scored, an observer.
//
// The roster's dialect is found before its rows are read: a UTF-8 byte-order
// mark, a first line "sep=;" as a spreadsheet writes it, and otherwise the
// separator (comma, semicolon or tab) that splits the header into the
// program's columns. The results are written in the same dialect.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "roster/core/csv.h"
#include "roster/core/program.h"
#include "shell/core/report.h"

namespace roster {

// A roster of 200 soldiers is some 20 KB; anything near this is no roster.
// Line numbers of a file this long still fit an int.
inline constexpr long long kMaxRosterBytes = 1LL << 30;

// Whether a roster of `bytes` (so far) is too large, and then why. The files
// refuse a roster by its size before reading it; the scoring counts what it
// reads as well, against a file that grows meanwhile.
bool TooLargeForARoster(long long bytes, std::string& why);

// Takes the results' bytes in order; false with `why` set when they cannot
// be written.
using ByteWriter = std::function<bool(std::string_view bytes, std::string& why)>;

// A writer that appends the bytes to `text`.
ByteWriter TextWriter(std::string& text);

struct RosterSettings {
  bool reports = false;  // build each scored soldier's report
  std::string date;      // the report's date line
  // What a personal text becomes on the printed page (the Windows build
  // turns UTF-8 into the printer's code page); nullptr: as it stands.
  std::string (*printerText)(std::string_view) = nullptr;
};

struct RefusedRow {
  int line = 0;
  std::string soldier;  // "Doe, John" as the roster names him (shortened)
  std::string message;
};

// The refused rows a summary lists; the count goes on.
inline constexpr std::size_t kListedRefusedRows = 100;

enum class RosterFailure {
  None,
  Unusable,    // the roster is no roster: its line and what is wrong
  Unreadable,  // the roster could not be read on
  Unwritable,  // the results could not be written
  Stopped,     // the observer stopped the run
};

struct RosterSummary {
  int read = 0;
  int scored = 0;
  int refused = 0;
  int withoutVerdict = 0;               // scored, but counted in no tally
  std::vector<int> tallies;             // per program tally
  std::vector<int> counts;              // per program count (scored rows only)
  std::vector<RefusedRow> refusedRows;  // the first kListedRefusedRows
  std::vector<std::string> warnings;    // about the header's columns, "line 1: ..."
  char separator = ',';                 // the roster's, and so the results'

  RosterFailure failure = RosterFailure::None;
  std::string error;  // one line, no file name
};

// Who a row names, as the roster gives it (trimmed, without the apostrophe
// its results file gave a cell); never the SSN.
struct SoldierName {
  std::string_view last;
  std::string_view first;
  std::string_view middleInitial;
  std::string_view rank;
};

// What an observer learns of each row as it is scored.
struct ScoredRow {
  int line = 0;
  std::string_view soldier;  // "Doe, John"
  const RowScore& score;
  // With reports: what the report's SSN could not hold of the SSN cell.
  std::string_view ssnWarning;
  FigureCells figures = {};  // the figure cells scored, in the program's order
  SoldierName name = {};
};

// Sees each row (blank rows aside); false stops the run.
using RowObserver = std::function<bool(const ScoredRow& row)>;

// Scores the roster, writing the results through `results` (nullptr: none,
// as for printing the reports of a roster already scored).
RosterSummary ScoreRoster(const RosterProgram& program, const ByteReader& roster,
                          const ByteWriter* results, const RosterSettings& settings,
                          const RowObserver& observer = {});

// A roster held in memory, scored into `results`.
RosterSummary ScoreRosterText(const RosterProgram& program, std::string_view roster,
                              std::string& results, const RosterSettings& settings = {});

// "12 rows read: 10 scored, 2 refused; 7 passed, 2 failed, 1 without a verdict."
std::string SummaryText(const RosterProgram& program, const RosterSummary& summary);

}  // namespace roster
