#include "vorna/roster/roster_program.h"

#include "vorna/roster/roster_fields.h"
#include "vorna/roster/roster_row.h"
#include "vorna/roster/roster_summary.h"

namespace vorna {

namespace {

constexpr roster::ResultColumn kResults[kRosterResults] = {
    {"pushup_points"},
    {"situp_points"},
    {"run_points"},
    {"total"},
    {"scaled"},
    {"verdict"},
    {"pushups_to_pass", -1, -1, true},
    {"situps_to_pass", -1, -1, true},
    {"run_to_pass", -1, -1, true},
};

constexpr const char* kTallies[kRosterTallies] = {"passed", "failed", "maxed"};

// What the window's summary counts of the scored rows.
constexpr roster::ResultCount kCounts[] = {
    {"Passed", kVerdictResult, "passed"},
    {"Failed", kVerdictResult, "failed"},
    {"Maxed", kVerdictResult, "maxed"},
};

constexpr roster::RosterProgram kProgram = {
    "vorna-roster",
    "VORNA",
    kFigureColumns,
    kResults,
    kTallies,
    "age, sex, pushups, situps and run: 13:00 or 1300, 0:13:00 as a spreadsheet\n"
    "writes a duration, 13:5 as the window takes it (13:05). An empty event is not\n"
    "scored, and a soldier without all three events gets no total; seconds past 59\n"
    "refuse the row, but the other events keep their points. pushups_to_pass and\n"
    "situps_to_pass are the least repetitions, run_to_pass the slowest time, that\n"
    "score 60 points for the soldier's age and sex; empty where the soldier did.",
    &RowScorer,
    kCounts,
    &kPageRules,
};

}  // namespace

const roster::RosterProgram& RosterProgram() {
  return kProgram;
}

}  // namespace vorna
