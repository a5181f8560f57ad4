// One roster row through HEFTRAK's window model, exactly as the window runs
// it: the row's texts in the fields, Check, then Calculate when readings are
// present; a Calculate refused keeps the Check's results and message beside
// its own. Every command run for a row, and every reading of their results,
// is in this file.
#pragma once

#include <memory>

#include "roster/core/program.h"
#include "shell/core/report.h"

namespace heftrak {

// The result columns, in this order.
enum RosterResult : int {
  kMaxWeightResult,
  kWeightWithinResult,
  kLbsOverResult,  // weight above the screening maximum; empty when within
  kAbdomenAverageResult,
  kNeckAverageResult,
  kHipsAverageResult,
  kForearmAverageResult,
  kWristAverageResult,
  kBodyFatResult,
  kBodyFatLimitResult,
  kBodyFatWithinResult,
  kBodyFatOverResult,  // percentage points above the limit; empty when within
  kRosterResults,
};

// The summary's counts, in this order.
enum RosterTally : int { kWithinTally, kOverTally, kToBeTapedTally, kRosterTallies };

// A scorer of rows whose figure cells come in the order of RosterFigure
// (roster_fields.h).
std::unique_ptr<roster::RowScorer> RowScorer();

}  // namespace heftrak
