// One roster row through VORNA's window model, exactly as the window runs
// it: the row's texts in the fields, then Calculate. Every command run for a
// row, and every reading of its results, is in this file.
#pragma once

#include <memory>

#include "roster/core/program.h"
#include "shell/core/report.h"

namespace vorna {

// The result columns, in this order.
enum RosterResult : int {
  kPushupPointsResult,
  kSitupPointsResult,
  kRunPointsResult,
  kTotalResult,
  kScaledResult,
  kVerdictResult,
  // What reaches 60 points in an event not yet passed: the least repetitions,
  // the slowest run time; empty where the soldier reached it.
  kPushupsToPassResult,
  kSitupsToPassResult,
  kRunToPassResult,
  kRosterResults,
};

// The summary's counts, in this order.
enum RosterTally : int { kPassedTally, kFailedTally, kMaxedTally, kRosterTallies };

// A scorer of rows whose figure cells come in the order of RosterFigure
// (roster_fields.h).
std::unique_ptr<roster::RowScorer> RowScorer();

}  // namespace vorna
