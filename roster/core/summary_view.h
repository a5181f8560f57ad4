// What a window shows of a roster it scores and of its reports as they
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
  std::string roster;                // the roster's file name
  std::vector<Figure> rows;          // rows read, scored, refused, without a verdict
  std::vector<Figure> verdicts;      // the program's counts of the scored rows
  std::vector<std::string> notes;    // warnings about the columns, leftovers removed
  std::vector<std::string> refused;  // the refused rows to correct, then how many more
  std::string results;               // the results file's path
  std::string date;                  // the reports' date unless the clerk sets another
};

// The summary of a roster file scored into its results.
SummaryView ViewOfScoredFile(const RosterProgram& program, std::string_view input,
                             const ScoredFile& run);

// "Line 8 (Pratt, Lee): Age must be between 17 and 70."
std::string RefusedRowText(const RefusedRow& row);

// "Scoring A Co.csv: 1200 rows read."
std::string ScoringText(std::string_view input, int rows);

// A scoring the clerk cancelled wrote nothing: the results file `results`
// stands as it was (`existed`) or there is none.
std::string ScoringCancelledText(std::string_view results, bool existed);

// Print Reports asks first before starting more print jobs than this.
inline constexpr int kPrintJobsWithoutAsking = 50;

// "Print 150 reports dated 07 Dec 2026 on the default printer, one print job each?"
std::string ConfirmPrintingText(int reports, std::string_view date);

// "Printing 12 of 150: Hale, Jordan"; a row without a name by its line.
std::string PrintingText(const ReportToPrint& report);

// The soldiers whose reports hold only part of their SSN cell, named at
// the end of the printing: the first few are kept.
inline constexpr std::size_t kNamedShortSsns = 10;
void NoteShortSsn(std::vector<std::string>& named, const ReportToPrint& report);

// How a printing run ended: how many printed, cancelled, or why it stopped;
// then, on a line of its own, the reports that hold only part of their
// SSN, naming the soldiers `shortSsns` (NoteShortSsn) lists.
std::string PrintingEndText(const PrintedReports& run,
                            const std::vector<std::string>& shortSsns = {});

// How Print Summary ended: printed, or why not.
std::string SummaryPrintedText(bool printed, std::string_view why);

// A roster changed on disk since it was scored: its reports would not be
// the soldiers the results hold.
std::string RosterChangedText(std::string_view input);

// The reports' date: the one the clerk typed, or today's when none.
std::string ReportsDate(std::string_view typed, std::string_view today);

// A file or folder could not be opened (`why`, the system's reason, "%1"
// standing for the file; empty when it gave none); with the offer of the
// folder that holds it instead.
std::string OpenFailedText(std::string_view path, std::string_view why, bool offerFolder = true);

// The folder that holds a file: "C:\Unit" of "C:\Unit\A-results.csv", "C:\"
// of "C:\A-results.csv".
std::string FolderOf(std::string_view path);

}  // namespace roster
