// Factors of the male body-fat calculation. Arguments in inches on the
// quarter-inch grid; out-of-domain arguments are clamped silently.
#pragma once

namespace heftrak {

float AbdomenNeckFactor(float abdomenMinusNeck);  // domain 5.00 to 40.75
float MaleHeightFactor(float height);             // domain 60.00 to 84.75

}  // namespace heftrak
