// A few roster rows typed into the real fitness test window under Wine: what
// the window shows after Calculate is what vorna-roster writes for them.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "roster/core/csv.h"
#include "roster/core/header.h"
#include "roster/core/run.h"
#include "vorna/core/evaluation.h"
#include "vorna/core/roster_fields.h"
#include "vorna/core/roster_program.h"
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
    "20,M,20,30,13:75\n";  // seconds out of range

using RosterWindow = VornaWindow;

TEST_F(RosterWindow, ShowsWhatTheRosterWrites) {
  const roster::RosterRun run = ScoreRoster(RosterProgram(), kRoster, {});
  ASSERT_EQ(run.error, "");
  const roster::CsvTable input = roster::ParseCsv(kRoster);
  const roster::CsvTable output = roster::ParseCsv(run.resultsCsv);
  ASSERT_EQ(output.records.size(), input.records.size());
  const std::vector<std::string>& header = output.records[0].cells;
  const std::size_t firstResult = input.records[0].cells.size();
  for (std::size_t r = 1; r < input.records.size(); ++r) {
    std::vector<std::string_view> cells(input.records[r].cells.begin(),
                                        input.records[r].cells.end());
    const RowFields row = FieldsOfRow(cells, RosterProgram().figures);
    harness::FocusField(kSex);
    harness::PressAlt('l');
    for (int id = 0; id < kEntryFieldCount; ++id) {
      harness::FocusField(id);
      harness::Type(row.texts[static_cast<std::size_t>(id)].c_str());
    }
    harness::PressAlt('c');

    std::map<std::string, std::string> shown;
    const char* boxes[] = {"pushup_points", "situp_points", "run_points", "total", "scaled"};
    for (int box = 0; box < 5; ++box) {
      shown[boxes[box]] = ShownText(box);
    }
    const TestState& state = Window().state;
    if (!state.totalText.empty()) {
      shown["verdict"] = state.totalColour == kRed   ? "failed"
                         : !state.scaledText.empty() ? "maxed"
                                                     : "passed";
    }
    shown["message"] = FitnessMessageText(Window().messageOnLine);
    const bool refused = !shown["message"].empty();
    for (std::size_t column = firstResult; column < header.size(); ++column) {
      const bool message = header[column] == "message";
      EXPECT_EQ(output.records[r].cells[column], refused && !message ? "" : shown[header[column]])
          << "line " << r + 1 << ", " << header[column];
    }
  }
  EXPECT_EQ(run.summary.refused, 2);
}

}  // namespace
}  // namespace vorna
