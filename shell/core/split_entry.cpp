#include "shell/core/split_entry.h"

#include <algorithm>

namespace shell {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool AllDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), IsDigit);
}

bool Digits(std::string_view text, std::size_t least, std::size_t most) {
  return text.size() >= least && text.size() <= most && AllDigits(text);
}

}  // namespace

std::optional<std::array<std::string_view, 2>> SplitRunTime(std::string_view text) {
  const std::size_t colon = text.find(':');
  std::string_view minutes;
  std::string_view seconds;
  if (colon == std::string_view::npos) {
    if (!Digits(text, 3, 4)) {
      return std::nullopt;
    }
    minutes = text.substr(0, text.size() - 2);
    seconds = text.substr(text.size() - 2);
  } else {
    minutes = text.substr(0, colon);
    seconds = text.substr(colon + 1);
  }
  if (!Digits(minutes, 1, 2) || !Digits(seconds, 2, 2)) {
    return std::nullopt;
  }
  return std::array<std::string_view, 2>{minutes, seconds};
}

std::optional<std::array<std::string, 3>> SplitSsn(std::string_view text) {
  std::string digits;
  if (text.size() == 11) {
    const char separator = text[3];
    if ((separator != '-' && separator != ' ') || text[6] != separator) {
      return std::nullopt;
    }
    digits = std::string(text.substr(0, 3)) + std::string(text.substr(4, 2)) +
             std::string(text.substr(7));
  } else {
    digits = std::string(text);
  }
  if (!Digits(digits, 9, 9)) {
    return std::nullopt;
  }
  return std::array<std::string, 3>{digits.substr(0, 3), digits.substr(3, 2), digits.substr(5)};
}

}  // namespace shell
