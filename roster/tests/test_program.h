// A made-up calculator for the roster's own tests: it doubles a score, and
// (a column newer than the first results files) triples it. "0" is refused
// (with the tally of a pass), "1" fails, "9" is scored without a verdict,
// anything else passes.
#pragma once

#include <string>

#include "roster/core/cells.h"
#include "roster/core/program.h"

namespace roster {

inline RowScore Double(FigureCells cells, const shell::PersonalData* person) {
  RowScore score;
  const auto digits = DigitsCell(cells[0], 2);
  if (!digits || digits->empty() || *digits == "0") {
    score.refused = true;
    score.message = "Enter a score.";
    score.tally = 0;  // a refused row counts in no tally all the same
    return score;
  }
  const int value = std::stoi(*digits);
  score.results = {std::to_string(2 * value), std::to_string(3 * value)};
  score.tally = value == 9 ? -1 : (value == 1 ? 1 : 0);
  if (person != nullptr) {
    score.report = shell::ReportWithHeader("Title", "Doc", *person, value, 'M');
  }
  return score;
}

inline constexpr FigureColumn kTestFigures[] = {{"score", true, true}};
inline constexpr ResultColumn kTestResults[] = {{"double"}, {"triple", -1, -1, true}};
inline constexpr const char* kTestTallies[] = {"passed", "failed"};
inline constexpr ResultCount kTestCounts[] = {{"Doubled to 4", 0, "4"}, {"Tripled", 1}};
inline constexpr RosterProgram kTestProgram = {"test-roster", "TEST",   kTestFigures, kTestResults,
                                               kTestTallies,  "score.", &Double,      kTestCounts};

}  // namespace roster
