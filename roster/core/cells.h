// A roster cell turned into the text a clerk would type into a field: what
// the field's key filter lets in, no longer than the field's reader takes.
// A cell that no field could hold as typed is refused, never cut or guessed.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "shell/core/split_entry.h"

namespace roster {

// The cell without the blanks around it. Inline: every cell of a row is
// trimmed at least once.
inline std::string_view Trimmed(std::string_view cell) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  std::size_t first = 0;
  std::size_t end = cell.size();
  while (first < end && blank(cell[first])) {
    ++first;
  }
  while (end > first && blank(cell[end - 1])) {
    --end;
  }
  return cell.substr(first, end - first);
}

// The texts are views of the cell (or of constants): a row is read without a
// copy of its cells.

// Inline, the three below: a roster's row is a dozen of them.

// Up to `digits` decimal digits ("" for an empty cell).
inline std::optional<std::string_view> DigitsCell(std::string_view cell, std::size_t digits) {
  const std::string_view text = Trimmed(cell);
  if (text.size() > digits ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  return text;
}

// "M" or "F" from m, M, f or F, as the Sex field upper-cases them; "" when empty.
inline std::optional<std::string_view> SexCell(std::string_view cell) {
  const std::string_view text = Trimmed(cell);
  if (text.empty()) {
    return std::string_view();
  }
  if (text == "M" || text == "m") {
    return std::string_view("M");
  }
  if (text == "F" || text == "f") {
    return std::string_view("F");
  }
  return std::nullopt;
}

// Whole inches and hundredths ("70.25", "70.5", "70"); two empty texts for an
// empty cell.
inline std::optional<std::array<std::string_view, 2>> InchesCell(std::string_view cell) {
  const std::string_view text = Trimmed(cell);
  return text.empty() ? std::array<std::string_view, 2>{} : shell::SplitInches(text);
}

// Minutes and seconds ("13:00", "1300"), also as a spreadsheet writes a
// duration ("0:13:00", "00:13:00"); one-digit seconds ("13:5") as typed, for
// Calculate to complete as it completes them in the window. Two empty texts
// for an empty cell.
std::optional<std::array<std::string_view, 2>> RunTimeCell(std::string_view cell);

// What a report's three SSN parts (3, 2 and 4 digits) hold of a cell:
// "123-45-6789" or "123456789" whole; of a masked, partial or overlong
// number the groups of digits, the last group in the last part, each as
// far as its part takes it ("XXX-XX-1234" and "1234" give only the last
// four digits, "123-45-678901" gives 123, 45 and 6789).
struct SsnParts {
  std::array<std::string, 3> parts;
  bool whole = true;  // false: some of the cell does not stand in the parts
};
SsnParts SsnCell(std::string_view cell);

// What each kind of cell must look like, for the refusal message.
inline constexpr std::string_view kExpectTwoDigits = "a whole number of one or two digits";
inline constexpr std::string_view kExpectThreeDigits = "a whole number of up to three digits";
inline constexpr std::string_view kExpectSex = "M or F";
inline constexpr std::string_view kExpectInches = "inches with up to two decimals, as 70.25";
inline constexpr std::string_view kExpectRunTime = "a run time as 13:00, 13:5, 1300 or 0:13:00";

// The start of a text, at most `chars` bytes (not cut inside a UTF-8
// character), on one line, "..." where it was cut.
std::string Shortened(std::string_view text, std::size_t chars);
void AppendShortened(std::string& out, std::string_view text, std::size_t chars);

// The message of a refused row: names the column and shows (the start of)
// the cell, e.g.  Column "age" holds "025": expected a whole number of one or
// two digits.
std::string CellRefusal(std::string_view column, std::string_view cell, std::string_view expected);
void AppendCellRefusal(std::string& out, std::string_view column, std::string_view cell,
                       std::string_view expected);

}  // namespace roster
