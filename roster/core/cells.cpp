#include "roster/core/cells.h"

#include <algorithm>

#include "shell/core/split_entry.h"

namespace roster {

namespace {

bool AllDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A refusal shows this much of the cell at most, on one line.
constexpr std::size_t kShownCellChars = 24;

}  // namespace

std::string_view Trimmed(std::string_view cell) {
  const std::size_t first = cell.find_first_not_of(" \t");
  if (first == std::string_view::npos) {
    return {};
  }
  return cell.substr(first, cell.find_last_not_of(" \t") - first + 1);
}

std::optional<std::string> DigitsCell(std::string_view cell, std::size_t digits) {
  const std::string_view text = Trimmed(cell);
  if (text.size() > digits || !AllDigits(text)) {
    return std::nullopt;
  }
  return std::string(text);
}

std::optional<std::string> SexCell(std::string_view cell) {
  const std::string_view text = Trimmed(cell);
  if (text.empty()) {
    return std::string();
  }
  if (text == "M" || text == "m") {
    return std::string("M");
  }
  if (text == "F" || text == "f") {
    return std::string("F");
  }
  return std::nullopt;
}

std::optional<std::array<std::string, 2>> InchesCell(std::string_view cell) {
  const std::string_view text = Trimmed(cell);
  return text.empty() ? std::array<std::string, 2>{} : shell::SplitInches(text);
}

std::optional<std::array<std::string, 2>> RunTimeCell(std::string_view cell) {
  const std::string_view text = Trimmed(cell);
  return text.empty() ? std::array<std::string, 2>{} : shell::SplitRunTime(text);
}

std::optional<std::array<std::string, 3>> SsnCell(std::string_view cell) {
  const std::string_view text = Trimmed(cell);
  return text.empty() ? std::array<std::string, 3>{} : shell::SplitSsn(text);
}

std::string CellRefusal(std::string_view column, std::string_view cell, std::string_view expected) {
  std::size_t cut = std::min(cell.size(), kShownCellChars);
  // Not inside a UTF-8 sequence.
  while (cut > 0 && cut < cell.size() && (static_cast<unsigned char>(cell[cut]) & 0xC0) == 0x80) {
    --cut;
  }
  std::string shown;
  for (char c : cell.substr(0, cut)) {
    shown += (c == '\r' || c == '\n' || c == '\t') ? ' ' : c;
  }
  if (cut < cell.size()) {
    shown += "...";
  }
  std::string message = "Column \"";
  message.append(column).append("\" holds \"").append(shown).append("\": expected ");
  message.append(expected).append(".");
  return message;
}

}  // namespace roster
