// A made-up calculator for the roster's own tests: it doubles a score, and
// (a column newer than the first results files) triples it. "0" is refused
// (with the tally of a pass), "1" fails, "9" is scored without a verdict,
// anything else passes.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "roster/core/cells.h"
#include "roster/core/program.h"
#include "roster/core/score_sheet.h"

namespace roster {

class DoubleScorer final : public RowScorer {
 public:
  const RowScore& Score(FigureCells cells, const shell::PersonalData* person) override {
    sheet_.Clear();
    const auto digits = DigitsCell(cells[0], 2);
    if (!digits || digits->empty() || *digits == "0") {
      sheet_.Refuse("Enter a score.");
      sheet_.SetTally(0);  // a refused row counts in no tally all the same
      return sheet_.score();
    }
    const int value = std::stoi(std::string(*digits));
    sheet_.StartResults();
    sheet_.SetNumber(0, 2 * value);
    sheet_.SetNumber(1, 3 * value);
    sheet_.SetTally(value == 9 ? -1 : (value == 1 ? 1 : 0));
    if (person != nullptr) {
      report_ = shell::ReportWithHeader("Title", "Doc", *person, value, 'M');
      sheet_.SetReport(&*report_);
    }
    return sheet_.score();
  }

 private:
  ScoreSheet<2> sheet_;
  std::optional<shell::Report> report_;
};

inline std::unique_ptr<RowScorer> Double() {
  return std::make_unique<DoubleScorer>();
}

inline constexpr FigureColumn kTestFigures[] = {{"score", true, true}};
inline constexpr ResultColumn kTestResults[] = {{"double"}, {"triple", -1, -1, true}};
inline constexpr const char* kTestTallies[] = {"passed", "failed"};
inline constexpr ResultCount kTestCounts[] = {{"Doubled to 4", 0, "4"}, {"Tripled", 1}};
inline constexpr RosterProgram kTestProgram = {"test-roster", "TEST",   kTestFigures, kTestResults,
                                               kTestTallies,  "score.", &Double,      kTestCounts};

}  // namespace roster
