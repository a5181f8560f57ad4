// A value the clerk enters into two or three fields, taken apart as those
// fields hold it: a height or tape reading (whole inches, hundredths), a run
// time (minutes, seconds), a social security number (3, 2 and 4 digits).
// Used where such a value arrives whole: pasted into its first field, or read
// from a roster file.
#pragma once

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace shell {

// "70", "70.", "70.5", "70.50", "7.25": one or two digits of whole inches, then
// optionally a point and one or two digits of a fraction. One fraction digit
// is tenths, so "70.5" gives "70" and "50". Anything else: nothing. The parts
// are views of the text (of a constant for tenths). Inline: a roster splits
// a dozen readings a row.
inline std::optional<std::array<std::string_view, 2>> SplitInches(std::string_view text) {
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  // One pass: the whole inches' digits, then nothing, or a point and the
  // fraction's digits.
  std::size_t point = 0;
  while (point < text.size() && point < 3 && digit(text[point])) {
    ++point;
  }
  if (point == 0 || point > 2 || (point < text.size() && text[point] != '.')) {
    return std::nullopt;
  }
  std::string_view fraction = point < text.size() ? text.substr(point + 1) : std::string_view{};
  if (fraction.size() > 2 || !std::all_of(fraction.begin(), fraction.end(), digit)) {
    return std::nullopt;
  }
  if (fraction.size() == 1) {
    static constexpr std::string_view kTenths[] = {"00", "10", "20", "30", "40",
                                                   "50", "60", "70", "80", "90"};
    fraction = kTenths[fraction[0] - '0'];
  }
  return std::array<std::string_view, 2>{text.substr(0, point), fraction};
}

// "m:ss", "mm:ss", "mss" or "mmss": minutes and two digits of seconds, as
// views of the text.
std::optional<std::array<std::string_view, 2>> SplitRunTime(std::string_view text);

// "123-45-6789", "123 45 6789" or "123456789".
std::optional<std::array<std::string, 3>> SplitSsn(std::string_view text);

}  // namespace shell
