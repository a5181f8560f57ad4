// Matching a roster's header row against the columns a program knows: names
// compared without regard to case or surrounding blanks, in any order.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "roster/core/program.h"

namespace roster {

// The personal data of the print dialog, in this order.
enum PersonalColumn : int { kLast, kFirst, kMiddleInitial, kRank, kSsn, kPersonalColumns };
inline constexpr std::array<const char*, kPersonalColumns> kPersonalColumnNames = {
    "last", "first", "mi", "rank", "ssn"};

inline constexpr const char* kMessageColumn = "message";

struct HeaderMatch {
  std::array<int, kPersonalColumns> personal{};  // index in a record, -1 when absent
  std::vector<int> figures;                      // the same per figure column
  std::vector<std::size_t> carried;  // the input columns the results file repeats, in order
  std::vector<std::size_t> results;  // the program's result columns written, in order
  std::string error;                 // set: the header is unusable (one line)
};

// The lower-case name of a header cell without its surrounding blanks.
std::string ColumnName(std::string_view headerCell);

// Input columns named like a result column are results of an earlier run:
// they are not repeated, so a results file can be scored again.
HeaderMatch MatchHeader(const RosterProgram& program, const std::vector<std::string>& header);

}  // namespace roster
