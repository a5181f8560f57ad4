#include "vorna/core/roster_program.h"

#include "vorna/core/roster_fields.h"
#include "vorna/core/roster_row.h"

namespace vorna {

namespace {

constexpr roster::FigureColumn kFigures[kRosterFigures] = {
    {"age", true}, {"sex", true}, {"pushups", true}, {"situps", true}, {"run", true},
};

constexpr roster::ResultColumn kResults[kRosterResults] = {
    {"pushup_points"}, {"situp_points"}, {"run_points"}, {"total"}, {"scaled"}, {"verdict"},
};

constexpr const char* kTallies[kRosterTallies] = {"passed", "failed", "maxed"};

constexpr roster::RosterProgram kProgram = {
    "vorna-roster",
    "VORNA",
    kFigures,
    kResults,
    kTallies,
    "then age, sex,\n"
    "pushups, situps and run (m:ss or mmss: 13:00 or 1300). An empty event is not\n"
    "scored, and a soldier without all three events gets no total.",
    &ScoreRow,
};

}  // namespace

const roster::RosterProgram& RosterProgram() {
  return kProgram;
}

}  // namespace vorna
