#include "shell/core/fixed_format.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "shell/core/short_text.h"

namespace shell {

namespace {

constexpr double kScale[] = {1, 10, 100};
constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
// From 2^52 up every double is a whole number.
constexpr double kAllWhole = 4503599627370496.0;

}  // namespace

std::int64_t RoundToPlaces(float value, int decimals) {
  if (decimals < 0 || decimals > 2) {
    return 0;
  }
  // A float has 24 significant bits and 100 needs 7, so the product is exact
  // in double.
  const double scaled = static_cast<double>(value) * kScale[decimals];
  // Far beyond any figure of these programs, or no figure at all (a NaN
  // fails every comparison).
  if (!(std::fabs(scaled) <= 9.0e15)) {
    return 0;
  }
  // Rounded as printf rounds the decimal expansion: to the nearest, exact
  // ties to even. Below 2^52, the sum with 2^52 has no room for a fraction,
  // so the default rounding mode rounds it just so (as nearbyint would), and
  // taking 2^52 away again is exact; from 2^52 up a figure is whole already.
  double whole = scaled;
  if (std::fabs(scaled) < kAllWhole) {
    const double shift = std::copysign(kAllWhole, scaled);
    whole = (scaled + shift) - shift;
  }
  return static_cast<std::int64_t>(whole);
}

std::size_t FormatFixed(char* buffer, std::size_t size, float value, int decimals, int width,
                        Align align) {
  if (decimals < 1 || decimals > 2) {
    decimals = 2;
  }
  const std::int64_t scaled = RoundToPlaces(value, decimals);
  std::uint64_t magnitude =
      scaled < 0 ? static_cast<std::uint64_t>(-scaled) : static_cast<std::uint64_t>(scaled);
  // printf keeps the sign of a negative figure that rounds to zero ("-0.00");
  // to a reader that is a figure below zero, so it is shown as 0.00.
  const bool negative = scaled < 0;

  // The figure from its last character, into a buffer of its own and into
  // a word: the evaluations format a dozen figures each, for every row of
  // a roster, and snprintf would be most of their time.
  char figure[32];
  char* const last = figure + sizeof figure;
  char* first = last;
  std::uint64_t word = 0;
  const auto put = [&](std::uint64_t c) {
    *--first = static_cast<char>(c);
    word = word << 8 | c;
  };
  for (int place = 0; place < decimals; ++place) {
    put('0' + magnitude % 10);
    magnitude /= 10;
  }
  put('.');
  do {
    put('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (negative) {
    put('-');
  }
  const std::size_t length = static_cast<std::size_t>(last - first);
  const std::size_t padding = width > 0 && static_cast<std::size_t>(width) > length
                                  ? static_cast<std::size_t>(width) - length
                                  : 0;
  const std::size_t total = length + padding;

  // Most figures with their padding make seven characters at most: stored
  // from the word at once, their NUL with them, so that the field model's
  // read of them right after finds them in one store.
  if (size >= sizeof word && total <= kShortText) {
    const std::uint64_t blanks = padding == 0 ? 0 : (kOnes * ' ') >> (8 * (8 - padding));
    StoreWord(buffer, align == Align::Right ? word << (8 * padding) | blanks
                                            : word | blanks << (8 * length));
    return total;
  }

  // Padded on the side `align` leaves free; what fits of it.
  const std::size_t written = size > 0 ? std::min(total, size - 1) : 0;
  const std::size_t figureStart = align == Align::Right ? padding : 0;
  for (std::size_t i = 0; i < written; ++i) {
    const bool inFigure = i >= figureStart && i < figureStart + length;
    buffer[i] = inFigure ? first[i - figureStart] : ' ';
  }
  if (size > 0) {
    buffer[written] = '\0';
  }
  return total;
}

}  // namespace shell
