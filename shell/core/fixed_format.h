// Fixed-point text of single-precision figures, as printf's "%W.Df" writes
// it, computed the same way on every compiler and C library.
#pragma once

#include <cstddef>
#include <cstdint>

namespace shell {

enum class Align { Left, Right };

// The figure scaled to `decimals` places and rounded as printf rounds it
// (to nearest, exact ties to even). With decimals 1 or 2 the scaling of any
// float is exact, so this is the very number the user sees.
std::int64_t RoundToPlaces(float value, int decimals);

// Writes `value` with `decimals` places (1 or 2), padded with blanks to
// `width` on the side `align` leaves free: printf's "%-W.Df" or "%W.Df",
// except that a figure rounding to zero has no minus sign ("0.00", never
// "-0.00").
// Never writes more than `size` bytes (NUL included; of them, those after
// the NUL may be overwritten); returns the length of the text it would have
// written, like snprintf.
std::size_t FormatFixed(char* buffer, std::size_t size, float value, int decimals, int width,
                        Align align);

}  // namespace shell
