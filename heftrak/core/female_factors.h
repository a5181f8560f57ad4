// Factors of the female body-fat calculation. Inch arguments on the
// quarter-inch grid; out-of-domain arguments are clamped silently.
#pragma once

#include "heftrak/core/factor_table.h"

namespace heftrak {

extern const PoundFactorTable kWeightFactors;
extern const InchFactorTable kHipFactors;
extern const InchFactorTable kFemaleHeightFactors;
extern const InchFactorTable kForearmFactors;
extern const InchFactorTable kNeckFactors;
extern const InchFactorTable kWristFactors;

float WeightFactor(int pounds);
float HipFactor(float hips);
float FemaleHeightFactor(float height);
float ForearmFactor(float forearm);
float NeckFactor(float neck);
float WristFactor(float wrist);

}  // namespace heftrak
