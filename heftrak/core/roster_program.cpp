#include "heftrak/core/roster_program.h"

#include "heftrak/core/roster_fields.h"
#include "heftrak/core/roster_row.h"

namespace heftrak {

namespace {

constexpr roster::FigureColumn kFigures[kRosterFigures] = {
    {"age", true},       {"sex", true},       {"height", true},    {"weight", true},
    {"abdomen1", false}, {"abdomen2", false}, {"abdomen3", false}, {"neck1", false},
    {"neck2", false},    {"neck3", false},    {"hips1", false},    {"hips2", false},
    {"hips3", false},    {"forearm1", false}, {"forearm2", false}, {"forearm3", false},
    {"wrist1", false},   {"wrist2", false},   {"wrist3", false},
};

// A site's average is written when the roster has a column for the site.
constexpr roster::ResultColumn kResults[kRosterResults] = {
    {"max_weight"},
    {"weight_within"},
    {"abdomen_avg", kAbdomenCells, kAbdomenCells + 2},
    {"neck_avg", kNeckCells, kNeckCells + 2},
    {"hips_avg", kHipsCells, kHipsCells + 2},
    {"forearm_avg", kForearmCells, kForearmCells + 2},
    {"wrist_avg", kWristCells, kWristCells + 2},
    {"body_fat"},
    {"body_fat_limit"},
    {"body_fat_within"},
};

constexpr const char* kTallies[kRosterTallies] = {"within", "over", "must be taped"};

constexpr roster::RosterProgram kProgram = {
    "heftrak-roster",
    "HEFTRAK",
    kFigures,
    kResults,
    kTallies,
    "then age, sex, height\n"
    "(inches with up to two decimals: 70.25), weight (pounds) and up to three\n"
    "readings a site in inches: abdomen1-3 and neck1-3 for men; hips1-3, forearm1-3,\n"
    "neck1-3 and wrist1-3 for women. Check runs on every row, Calculate on a row\n"
    "with readings.",
    &ScoreRow,
};

}  // namespace

const roster::RosterProgram& RosterProgram() {
  return kProgram;
}

}  // namespace heftrak
