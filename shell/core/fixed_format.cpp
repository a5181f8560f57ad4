#include "shell/core/fixed_format.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "shell/core/short_text.h"

namespace shell {

namespace {

constexpr std::int64_t kScale[] = {1, 10, 100};
constexpr std::uint64_t kOnes = 0x0101010101010101ULL;

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

}  // namespace

std::int64_t RoundToPlaces(float value, int decimals) {
  if (decimals < 0 || decimals > 2 || !std::isfinite(value)) {
    return 0;
  }
  // A float has 24 significant bits and 100 needs 7, so the product is exact
  // in double; nearbyint then rounds it exactly as printf rounds the decimal
  // expansion (ties to even in the default rounding mode).
  const double scaled = static_cast<double>(value) * static_cast<double>(kScale[decimals]);
  const double limit = 9.0e15;  // far beyond any figure of these programs
  if (scaled > limit || scaled < -limit) {
    return 0;
  }
  return static_cast<std::int64_t>(std::nearbyint(scaled));
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

  // Most figures (up to 999.99, or 9999.9) with their padding make seven
  // characters at most: made in a word from their last character and
  // stored at once, their NUL with them, so that the field model's read of
  // them right after finds them in one store.
  if (size >= sizeof(std::uint64_t) && magnitude < 100000) {  // five digits
    std::uint64_t word = 0;
    std::size_t length = 0;
    const auto put = [&](std::uint64_t c) {
      word = word << 8 | c;
      ++length;
    };
    auto whole = static_cast<std::uint32_t>(magnitude);
    for (int place = 0; place < decimals; ++place) {
      put('0' + whole % 10);
      whole /= 10;
    }
    put('.');
    do {
      put('0' + whole % 10);
      whole /= 10;
    } while (whole != 0);
    if (negative) {
      put('-');
    }
    const std::size_t padding = width > 0 && static_cast<std::size_t>(width) > length
                                    ? static_cast<std::size_t>(width) - length
                                    : 0;
    if (length + padding <= kShortText) {
      const std::uint64_t blanks = padding == 0 ? 0 : (kOnes * ' ') >> (8 * (8 - padding));
      word = align == Align::Right ? word << (8 * padding) | blanks : word | blanks << (8 * length);
      StoreWord(buffer, word);
      return length + padding;
    }
  }

  // The figure from its last digit, two digits at a time: the evaluations
  // format a dozen figures each, for every row of a roster, and snprintf
  // would be most of their time.
  char figure[32];
  char* const last = figure + sizeof figure;
  char* first = last;
  const auto pair = [&](std::uint64_t twoDigits) {
    first -= 2;
    first[0] = kDigitPairs[2 * twoDigits];
    first[1] = kDigitPairs[2 * twoDigits + 1];
  };
  // Likely: GCC otherwise takes this path for a rare one and divides with
  // a divide instruction, at many times the cost of a product.
  if (decimals == 2) [[likely]] {
    pair(magnitude % 100);
    magnitude /= 100;
  } else {
    const std::uint64_t tenths = magnitude;
    magnitude = tenths / 10;
    *--first = static_cast<char>('0' + (tenths - 10 * magnitude));
  }
  *--first = '.';
  while (magnitude >= 100) {
    pair(magnitude % 100);
    magnitude /= 100;
  }
  if (magnitude >= 10) {
    pair(magnitude);
  } else {
    *--first = static_cast<char>('0' + magnitude);
  }
  if (negative) {
    *--first = '-';
  }
  const std::size_t length = static_cast<std::size_t>(last - first);
  const std::size_t padding = width > 0 && static_cast<std::size_t>(width) > length
                                  ? static_cast<std::size_t>(width) - length
                                  : 0;
  const std::size_t total = length + padding;

  // Padded on the side `align` leaves free; what fits of it. It nearly
  // always all fits, and is then written without a test a character.
  if (total < size) {
    char* out = buffer;
    const auto pad = [&] {
      for (std::size_t i = 0; i < padding; ++i) {
        *out++ = ' ';
      }
    };
    if (align == Align::Right) {
      pad();
    }
    // A figure is 3 to 8 characters but for the absurd: two words that
    // overlap, never a call.
    if (length >= 4 && length <= 8) {
      std::uint32_t head;
      std::uint32_t tail;
      std::memcpy(&head, first, sizeof head);
      std::memcpy(&tail, last - sizeof tail, sizeof tail);
      std::memcpy(out, &head, sizeof head);
      std::memcpy(out + length - sizeof tail, &tail, sizeof tail);
      out += length;
    } else {
      for (const char* c = first; c != last; ++c) {
        *out++ = *c;
      }
    }
    if (align == Align::Left) {
      pad();
    }
    *out = '\0';
    return total;
  }
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
