#include "roster/core/cells.h"

#include <algorithm>
#include <vector>

#include "shell/core/report.h"
#include "shell/core/split_entry.h"

namespace roster {

namespace {

bool AllDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A refusal shows this much of the cell at most, on one line.
constexpr std::size_t kShownCellChars = 24;

}  // namespace

std::optional<std::array<std::string_view, 2>> RunTimeCell(std::string_view cell) {
  std::string_view text = Trimmed(cell);
  if (text.empty()) {
    return std::array<std::string_view, 2>{};
  }
  if (std::count(text.begin(), text.end(), ':') == 2) {
    const std::string_view hours = text.substr(0, text.find(':'));
    if (hours.empty() || hours.size() > 2 ||
        hours.find_first_not_of('0') != std::string_view::npos) {
      return std::nullopt;
    }
    text.remove_prefix(hours.size() + 1);
  }
  if (auto split = shell::SplitRunTime(text)) {
    return split;
  }
  const std::size_t colon = text.find(':');
  const std::string_view minutes = text.substr(0, colon);
  const std::string_view seconds =
      colon == std::string_view::npos ? std::string_view() : text.substr(colon + 1);
  if (minutes.empty() || minutes.size() > 2 || !AllDigits(minutes) || seconds.size() != 1 ||
      !AllDigits(seconds)) {
    return std::nullopt;
  }
  return std::array<std::string_view, 2>{minutes, seconds};
}

SsnParts SsnCell(std::string_view cell) {
  SsnParts ssn;
  const std::string_view text = Trimmed(cell);
  if (text.empty()) {
    return ssn;
  }
  if (const auto whole = shell::SplitSsn(text)) {
    ssn.parts = *whole;
    return ssn;
  }
  ssn.whole = false;
  std::vector<std::string_view> groups;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = std::min(text.find_first_of("- ", at), text.size());
    if (end > at) {
      groups.push_back(text.substr(at, end - at));
    }
    at = end + 1;
  }
  if (groups.size() > ssn.parts.size()) {
    return ssn;
  }
  // A group of digits too long for its box prints as many as it takes.
  const std::size_t first = ssn.parts.size() - groups.size();
  for (std::size_t i = 0; i < groups.size(); ++i) {
    if (AllDigits(groups[i])) {
      ssn.parts[first + i] = groups[i].substr(0, shell::kSsnPartChars[first + i]);
    }
  }
  return ssn;
}

std::string Shortened(std::string_view text, std::size_t chars) {
  std::string shown;
  AppendShortened(shown, text, chars);
  return shown;
}

void AppendShortened(std::string& shown, std::string_view text, std::size_t chars) {
  std::size_t cut = std::min(text.size(), chars);
  // Not inside a UTF-8 sequence.
  while (cut > 0 && cut < text.size() && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
    --cut;
  }
  // On one line, and without the control characters (a NUL) no message
  // should carry.
  for (char c : text.substr(0, cut)) {
    const unsigned char byte = static_cast<unsigned char>(c);
    const bool control = byte < 0x20 || byte == 0x7F;
    shown += (c == '\r' || c == '\n' || c == '\t') ? ' ' : (control ? '?' : c);
  }
  if (cut < text.size()) {
    shown += "...";
  }
}

std::string CellRefusal(std::string_view column, std::string_view cell, std::string_view expected) {
  std::string message;
  AppendCellRefusal(message, column, cell, expected);
  return message;
}

void AppendCellRefusal(std::string& message, std::string_view column, std::string_view cell,
                       std::string_view expected) {
  message.append("Column \"").append(column).append("\" holds \"");
  AppendShortened(message, cell, kShownCellChars);
  message.append("\": expected ").append(expected).append(".");
}

}  // namespace roster
