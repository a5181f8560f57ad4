// Scoring a whole roster: the CSV text in, the results file's text, the
// summary and the reports to print out. Touches no file and no printer.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "roster/core/program.h"
#include "shell/core/report.h"

namespace roster {

struct RosterSummary {
  int read = 0;
  int scored = 0;
  int refused = 0;
  std::vector<int> tallies;  // per program tally
};

struct ReportToPrint {
  int line = 0;         // the file line of the soldier's row
  std::string soldier;  // "Doe, John" as the roster names him, for messages
  shell::Report report;
};

struct RosterSettings {
  bool reports = false;  // build each scored soldier's report
  std::string date;      // the report's date line
  // What a personal text becomes on the printed page (the Windows build
  // turns UTF-8 into the printer's code page); nullptr: as it stands.
  std::string (*printerText)(std::string_view) = nullptr;
};

struct RosterRun {
  std::string error;  // set: the roster is unusable (one line, no file name)
  std::string resultsCsv;
  RosterSummary summary;
  std::vector<ReportToPrint> reports;
};

RosterRun ScoreRoster(const RosterProgram& program, std::string_view csv,
                      const RosterSettings& settings);

// "12 rows read: 10 scored, 2 refused; 7 passed, 2 failed, 1 maxed."
std::string SummaryText(const RosterProgram& program, const RosterSummary& summary);

}  // namespace roster
