#include "shell/core/print_setup.h"

#include <algorithm>

#include "shell/core/text_format.h"

namespace shell {

namespace {

bool IsTokenDelimiter(char c) {
  return c == ',' || c == ' ';
}

// The next token of `text` after any leading delimiters; `text` is left
// just past it.
std::string_view NextToken(std::string_view& text) {
  std::size_t start = 0;
  while (start < text.size() && IsTokenDelimiter(text[start])) {
    ++start;
  }
  std::size_t end = start;
  while (end < text.size() && !IsTokenDelimiter(text[end])) {
    ++end;
  }
  const std::string_view token = text.substr(start, end - start);
  text.remove_prefix(end);
  return token;
}

constexpr const char* kMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

}  // namespace

std::optional<PrinterName> ParsePrinterDevice(std::string_view profileEntry) {
  profileEntry = profileEntry.substr(0, profileEntry.find('\0'));
  const std::size_t comma = profileEntry.find(',');
  if (comma == std::string_view::npos || comma == 0) {
    return std::nullopt;
  }
  std::string_view rest = profileEntry.substr(comma + 1);
  const std::string_view driver = NextToken(rest);
  const std::string_view port = NextToken(rest);
  if (driver.empty() || port.empty()) {
    return std::nullopt;
  }
  return PrinterName{std::string(profileEntry.substr(0, comma)), std::string(driver),
                     std::string(port)};
}

std::string DefaultDate(const std::tm& local) {
  // The same text as the day, month and year of asctime's form, made without
  // asctime: it has no defined behaviour for fields out of range, and a year
  // beyond four digits would push the year out of its place.
  const int day = std::clamp(local.tm_mday, 1, 31);
  const int month = std::clamp(local.tm_mon, 0, 11);
  const int year =
      static_cast<int>(std::clamp(static_cast<long long>(local.tm_year) + 1900, 0LL, 9999LL));
  char text[32];
  const int length = FormatText(text, sizeof text, "%02d %s %04d", day, kMonthNames[month], year);
  if (length < 0) {
    return {};
  }
  return std::string(text, std::min(static_cast<std::size_t>(length), sizeof text - 1));
}

std::string TodaysDate() {
  const std::time_t now = std::time(nullptr);
  const std::tm* local = std::localtime(&now);
  return local != nullptr ? DefaultDate(*local) : std::string();
}

}  // namespace shell
