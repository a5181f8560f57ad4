// Matching a roster's header row against the columns a program knows, in
// any order, by their obvious spellings: case, blanks, underscores and
// hyphens do not count ("Neck_1", "neck 1"), a plural s does not either
// ("hip1", "hips1"), and a site named alone is its first reading
// ("Abdomen" is abdomen1).
//
// The results repeat every column of the roster, then add the program's
// result columns and "message". A results file scored again is recognised
// by its own result columns standing as a block at the end of its header:
// that block is replaced, not repeated. A result column whose name is taken
// by a column of the roster (a clerk's own "Total") gets the first free name
// of "total_2", "total_3", ...
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
  std::vector<std::size_t> carried;  // the roster's columns the results repeat, in order
  std::vector<std::size_t> results;  // the program's result columns written, in order
  std::vector<std::string> names;    // the results file's header
  std::vector<std::string> missing;  // required figure columns the header lacks
  // Columns that name a site or event but match no column, each with the
  // columns that would be read.
  std::vector<std::string> warnings;
  std::string error;  // set: two columns are one (one line)
  int known = 0;      // personal and figure columns found
};

// What a header cell's name comes to: lower case, without blanks,
// underscores and hyphens.
std::string ColumnKey(std::string_view headerCell);

HeaderMatch MatchHeader(const RosterProgram& program, const std::vector<std::string>& header);

}  // namespace roster
