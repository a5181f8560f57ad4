// A roster cell turned into the text a clerk would type into a field: what
// the field's key filter lets in, no longer than the field's reader takes.
// A cell that no field could hold as typed is refused, never cut or guessed.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace roster {

// The cell without the blanks around it.
std::string_view Trimmed(std::string_view cell);

// Up to `digits` decimal digits ("" for an empty cell).
std::optional<std::string> DigitsCell(std::string_view cell, std::size_t digits);

// "M" or "F" from m, M, f or F, as the Sex field upper-cases them; "" when empty.
std::optional<std::string> SexCell(std::string_view cell);

// Whole inches and hundredths ("70.25", "70.5", "70"); two empty texts for an
// empty cell.
std::optional<std::array<std::string, 2>> InchesCell(std::string_view cell);

// Minutes and seconds ("13:00", "1300"); two empty texts for an empty cell.
std::optional<std::array<std::string, 2>> RunTimeCell(std::string_view cell);

// The three SSN parts ("123-45-6789", "123456789"); three empty texts for an
// empty cell.
std::optional<std::array<std::string, 3>> SsnCell(std::string_view cell);

// What each kind of cell must look like, for the refusal message.
inline constexpr std::string_view kExpectTwoDigits = "a whole number of one or two digits";
inline constexpr std::string_view kExpectThreeDigits = "a whole number of up to three digits";
inline constexpr std::string_view kExpectSex = "M or F";
inline constexpr std::string_view kExpectInches = "inches with up to two decimals, as 70.25";
inline constexpr std::string_view kExpectRunTime = "a run time as 13:00 or 1300";
inline constexpr std::string_view kExpectSsn = "an SSN as 123-45-6789 or nine digits";

// The message of a refused row: names the column and shows (the start of)
// the cell, e.g.  Column "age" holds "025": expected a whole number of one or
// two digits.
std::string CellRefusal(std::string_view column, std::string_view cell, std::string_view expected);

}  // namespace roster
