// Factors of the female body-fat calculation. Inch arguments on the
// quarter-inch grid; out-of-domain arguments are clamped silently.
#pragma once

namespace heftrak {

float WeightFactor(int pounds);          // domain 90 to 279 lb
float HipFactor(float hips);             // domain 30.00 to 53.75
float FemaleHeightFactor(float height);  // domain 55.00 to 84.75
float ForearmFactor(float forearm);      // domain 5.00 to 15.75
float NeckFactor(float neck);            // domain 5.00 to 15.75
float WristFactor(float wrist);          // domain 5.00 to 15.75

}  // namespace heftrak
