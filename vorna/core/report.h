// The body of the printed "Physical Fitness Score Report": raw scores and
// points of the three events, the total and, for a scored soldier, the
// verdict.
#pragma once

#include "shell/core/report.h"
#include "vorna/core/state.h"

namespace vorna {

// The whole page for the state as the last Calculate left it.
shell::Report ScoreReport(const TestState& state, const shell::PersonalData& person);

}  // namespace vorna
