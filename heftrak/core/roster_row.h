// One roster row through HEFTRAK's own evaluations, exactly as the window
// runs them: Check, then Calculate when readings are present. Every call into
// the evaluations, and every reading of their results, is in this file.
#pragma once

#include "roster/core/program.h"
#include "shell/core/report.h"

namespace heftrak {

// The result columns, in this order.
enum RosterResult : int {
  kMaxWeightResult,
  kWeightWithinResult,
  kAbdomenAverageResult,
  kNeckAverageResult,
  kHipsAverageResult,
  kForearmAverageResult,
  kWristAverageResult,
  kBodyFatResult,
  kBodyFatLimitResult,
  kBodyFatWithinResult,
  kRosterResults,
};

// The summary's counts, in this order.
enum RosterTally : int { kWithinTally, kOverTally, kToBeTapedTally, kRosterTallies };

// The figure cells in the order of RosterFigure (roster_fields.h).
roster::RowScore ScoreRow(roster::FigureCells cells, const shell::PersonalData* person);

}  // namespace heftrak
