#include "heftrak/roster/roster_program.h"

#include "heftrak/roster/roster_fields.h"
#include "heftrak/roster/roster_row.h"
#include "heftrak/roster/roster_summary.h"

namespace heftrak {

namespace {

// A site's average is written when the roster has a column for the site.
constexpr roster::ResultColumn kResults[kRosterResults] = {
    {"max_weight"},
    {"weight_within"},
    {"lbs_over", -1, -1, true},
    {"abdomen_avg", kAbdomenCells, kAbdomenCells + 2},
    {"neck_avg", kNeckCells, kNeckCells + 2},
    {"hips_avg", kHipsCells, kHipsCells + 2},
    {"forearm_avg", kForearmCells, kForearmCells + 2},
    {"wrist_avg", kWristCells, kWristCells + 2},
    {"body_fat"},
    {"body_fat_limit"},
    {"body_fat_within"},
    {"body_fat_over", -1, -1, true},
};

constexpr const char* kTallies[kRosterTallies] = {"within", "over", "must be taped"};

// What the window's summary counts of the scored rows.
constexpr roster::ResultCount kCounts[] = {
    {"Within weight", kWeightWithinResult, "yes"},
    {"Not within weight", kWeightWithinResult, "no"},
    // The console's "must be taped": not within weight, and no readings yet.
    {"Must be taped (no readings)", -1, nullptr, kToBeTapedTally},
    {"Taped", kBodyFatResult},
    {"Within body fat", kBodyFatWithinResult, "yes"},
    {"Not within body fat", kBodyFatWithinResult, "no"},
};

constexpr roster::RosterProgram kProgram = {
    "heftrak-roster",
    "HEFTRAK",
    kFigureColumns,
    kResults,
    kTallies,
    "age, sex, height (inches with up to two decimals: 70.25), weight (pounds) and\n"
    "up to three readings a site in inches: abdomen1-3 and neck1-3 for men; hips1-3,\n"
    "forearm1-3, neck1-3 and wrist1-3 for women. Check runs on every row, then\n"
    "Calculate on a row with readings; a Calculate refused keeps the Check's results\n"
    "and both messages. lbs_over is the weight above the screening table's maximum,\n"
    "body_fat_over the percentage points above the limit (empty when within).",
    &RowScorer,
    kCounts,
    &kPageRules,
};

}  // namespace

const roster::RosterProgram& RosterProgram() {
  return kProgram;
}

}  // namespace heftrak
