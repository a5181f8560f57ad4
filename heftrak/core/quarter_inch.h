// The quarter-inch grid on which every height and circumference is handled.
#pragma once

namespace heftrak {

// Brings an averaged measurement onto the quarter-inch grid: a fraction
// below .125 goes down, .125 up to .375 becomes .25, and so on; a fraction of
// exactly .125, .375, .625 or .875 goes up. Whole values and 0 stay as they are.
float RoundToQuarterInch(float value);

// Index of a measurement in a factor table whose domain runs from `lowest` to
// `lowest + (count - 1) / 4` inches in quarter steps: the measurement is
// clamped to the domain, then split into whole inches and truncated
// hundredths. A fraction off the quarter grid takes the quarter below it.
int QuarterInchIndex(float measurement, float lowest, int count);

}  // namespace heftrak
