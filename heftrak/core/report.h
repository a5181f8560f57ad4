// The body of the printed "Body Fat Content Report": the Weight Screen
// figures and, when a body-fat result is on the window, the readings,
// factors and verdict of the calculator that produced it.
#pragma once

#include "heftrak/core/evaluation.h"
#include "shell/core/report.h"

namespace heftrak {

// The whole page for the state as the last Check and Calculate left it.
shell::Report BodyFatReport(const WeightControlState& state, const shell::PersonalData& person);

}  // namespace heftrak
