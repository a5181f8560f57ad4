// Factors of the male body-fat calculation. Arguments in inches on the
// quarter-inch grid; out-of-domain arguments are clamped silently.
#pragma once

#include "heftrak/core/factor_table.h"

namespace heftrak {

extern const InchFactorTable kAbdomenNeckFactors;  // by abdomen minus neck
extern const InchFactorTable kMaleHeightFactors;

float AbdomenNeckFactor(float abdomenMinusNeck);
float MaleHeightFactor(float height);

}  // namespace heftrak
