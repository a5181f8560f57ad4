// A few roster rows typed into the real fitness test window under Wine: what
// the window shows after Calculate is what vorna-roster writes for them.
#include <gtest/gtest.h>

#include <string>

#include "roster/core/csv.h"
#include "roster/core/header.h"
#include "roster/core/run.h"
#include "roster/tests/expect_rows.h"
#include "vorna/core/evaluation.h"
#include "vorna/roster/roster_fields.h"
#include "vorna/roster/roster_program.h"
#include "vorna/tests/vorna_window_fixture.h"

namespace vorna {
namespace {

constexpr std::string_view kRoster =
    "age,sex,pushups,situps,run\n"
    "25,m,75,80,13:00\n"   // maxed
    "30,F,42,53,1754\n"    // passed
    "44,M,30,40,9:05\n"    // failed
    "36,M,55,60,\n"        // no run: no total
    "16,F,20,30,21:00\n"   // age out of range
    "20,M,20,30,13:75\n";  // seconds out of range: the other events scored

using RosterWindow = VornaWindow;

TEST_F(RosterWindow, ShowsWhatTheRosterWrites) {
  const roster::CsvTable input = roster::ParseCsv(kRoster);
  std::vector<roster::Shown> rows;
  for (std::size_t r = 1; r < input.records.size(); ++r) {
    const std::vector<std::string_view> cells(input.records[r].cells.begin(),
                                              input.records[r].cells.end());
    RowFields row;
    std::string refusal;
    FieldsOfRow(cells, RosterProgram().figures, row, refusal);
    harness::FocusField(kSex);
    harness::PressAlt('l');
    for (int id = 0; id < kEntryFieldCount; ++id) {
      harness::FocusField(id);
      harness::Type(std::string(row[static_cast<std::size_t>(id)]).c_str());
    }
    harness::PressAlt('c');

    // A refused age shows no points; refused seconds show the other events'.
    roster::Shown& shown = rows.emplace_back();
    shown["message"] = FitnessMessageText(Window().messageOnLine);
    const char* boxes[] = {"pushup_points", "situp_points", "run_points", "total", "scaled"};
    for (int box = 0; box < 5; ++box) {
      shown[boxes[box]] = ShownText(box);
    }
    const TestState& state = Window().model.state;
    if (!state.totalText.empty()) {
      shown["verdict"] = state.totalColour == kRed   ? "failed"
                         : !state.scaledText.empty() ? "maxed"
                                                     : "passed";
    }
  }
  std::string results;
  const roster::RosterSummary summary = ScoreRosterText(RosterProgram(), kRoster, results);
  // What reaches 60 points the window does not show; its own test checks it.
  roster::ExpectRows(summary, results, input.records[0].cells.size(), rows,
                     {"pushups_to_pass", "situps_to_pass", "run_to_pass"});
  EXPECT_EQ(summary.refused, 2);
}

}  // namespace
}  // namespace vorna
