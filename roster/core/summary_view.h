// What a window shows of a roster it scored and of its reports as they
// print: every text decided here, so the window only places them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "roster/core/file_run.h"
#include "roster/core/program.h"
#include "roster/core/run.h"

namespace roster {

struct Figure {
  std::string label;  // "Rows read"
  std::string value;  // "12"
};

struct SummaryView {
  std::string roster;              // the roster's file name
  std::vector<Figure> rows;        // rows read, scored, refused, without a verdict
  std::vector<Figure> verdicts;    // the program's counts of the scored rows
  std::vector<std::string> notes;  // warnings, leftovers removed, then the refused rows
  std::string results;             // the results file's path
};

// The summary of a roster file scored into its results.
SummaryView ViewOfScoredFile(const RosterProgram& program, std::string_view input,
                             const ScoredFile& run);

// "Line 8 (Pratt, Lee): Age must be between 17 and 70."
std::string RefusedRowText(const RefusedRow& row);

// "Printing 12 of 150: Hale, Jordan"; a row without a name by its line.
std::string PrintingText(const ReportToPrint& report);

// How a printing run ended: how many printed, cancelled, or why it stopped.
std::string PrintingEndText(const PrintedReports& run);

// A roster changed on disk since it was scored: its reports would not be
// the soldiers the results hold.
std::string RosterChangedText(std::string_view input);

// The results file could not be opened (`why`, the system's reason).
std::string OpenFailedText(std::string_view results, std::string_view why);

}  // namespace roster
