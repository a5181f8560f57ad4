#include "shell/core/fixed_format.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace shell {

namespace {

constexpr std::int64_t kScale[] = {1, 10, 100};

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

  // The digits, from the last: decimals, the point, then the whole part.
  // Done by hand because the evaluations format a dozen figures each and
  // snprintf would be most of their time.
  char digits[32];
  char* const last = digits + sizeof digits;
  char* first = last;
  for (int place = 0; place < decimals; ++place) {
    *--first = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  }
  *--first = '.';
  do {
    *--first = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (negative) {
    *--first = '-';
  }
  const std::size_t length = static_cast<std::size_t>(last - first);

  const std::size_t padding = width > 0 && static_cast<std::size_t>(width) > length
                                  ? static_cast<std::size_t>(width) - length
                                  : 0;
  const std::size_t total = length + padding;
  if (total < size) {
    char* out = buffer;
    if (align == Align::Right) {
      std::memset(out, ' ', padding);
      out += padding;
    }
    std::memcpy(out, first, length);
    out += length;
    if (align == Align::Left) {
      std::memset(out, ' ', padding);
      out += padding;
    }
    *out = '\0';
    return total;
  }
  // What fits of it.
  std::size_t at = 0;
  const auto put = [&](char c) {
    if (at + 1 < size) {
      buffer[at] = c;
    }
    ++at;
  };
  if (align == Align::Right) {
    for (std::size_t i = 0; i < padding; ++i) {
      put(' ');
    }
  }
  for (const char* c = first; c != last; ++c) {
    put(*c);
  }
  if (align == Align::Left) {
    for (std::size_t i = 0; i < padding; ++i) {
      put(' ');
    }
  }
  if (size > 0) {
    buffer[at < size ? at : size - 1] = '\0';
  }
  return total;
}

}  // namespace shell
