// A value the clerk enters into two or three fields, taken apart as those
// fields hold it: a height or tape reading (whole inches, hundredths), a run
// time (minutes, seconds), a social security number (3, 2 and 4 digits).
// Used where such a value arrives whole: pasted into its first field, or read
// from a roster file.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace shell {

// "70", "70.", "70.5", "70.50", "7.25": one or two digits of whole inches, then
// optionally a point and one or two digits of a fraction. One fraction digit
// is tenths, so "70.5" gives "70" and "50". Anything else: nothing. The parts
// are views of the text (of a constant for tenths).
std::optional<std::array<std::string_view, 2>> SplitInches(std::string_view text);

// "m:ss", "mm:ss", "mss" or "mmss": minutes and two digits of seconds, as
// views of the text.
std::optional<std::array<std::string_view, 2>> SplitRunTime(std::string_view text);

// "123-45-6789", "123 45 6789" or "123456789".
std::optional<std::array<std::string, 3>> SplitSsn(std::string_view text);

}  // namespace shell
