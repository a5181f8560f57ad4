// What makes one roster program of the two: the figure columns it reads, the
// result columns it writes, the verdicts it counts, and the scoring of a row,
// which goes through the calculator's own evaluations.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "shell/core/report.h"

namespace roster {

struct FigureColumn {
  const char* name;  // as the header names it, in lower case
  bool required;     // a header without it is refused
};

struct ResultColumn {
  const char* name;
  // Written only when the header has one of the figure columns firstInput to
  // lastInput (indexes into the program's figure columns); -1: always.
  int firstInput = -1;
  int lastInput = -1;
};

struct RowScore {
  bool refused = false;
  std::string message;               // the calculator's message, or why the row is refused
  std::vector<std::string> results;  // one per result column ("" when none); empty when refused
  int tally = -1;                    // index into the program's tallies; -1: counts in none
  std::optional<shell::Report> report;
};

// The figure cells of one row, in the order of the program's figure columns
// ("" where the header has no such column).
using FigureCells = std::span<const std::string_view>;

struct RosterProgram {
  const char* name;        // the command, e.g. "heftrak-roster"
  const char* calculator;  // e.g. "HEFTRAK"
  std::span<const FigureColumn> figures;
  std::span<const ResultColumn> results;
  std::span<const char* const> tallies;  // the summary's verdict counts, e.g. "passed"
  const char* figureHelp;                // the figure columns, for --help
  // Scores one row; builds its report when `person` is given and the row is scored.
  RowScore (*score)(FigureCells cells, const shell::PersonalData* person);
};

}  // namespace roster
