#include "roster/core/header.h"

#include <algorithm>

#include "roster/core/cells.h"

namespace roster {

namespace {

// The index of the only header cell named `name`; -1 when none is. Sets
// `error` when two are.
int Find(const std::vector<std::string>& names, const char* name, std::string& error) {
  int found = -1;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (names[i] != name) {
      continue;
    }
    if (found >= 0 && error.empty()) {
      error = std::string("the header names the column \"") + name + "\" twice";
    }
    found = static_cast<int>(i);
  }
  return found;
}

bool IsResultName(const RosterProgram& program, const std::string& name) {
  return name == kMessageColumn ||
         std::any_of(program.results.begin(), program.results.end(),
                     [&](const ResultColumn& column) { return name == column.name; });
}

}  // namespace

std::string ColumnName(std::string_view headerCell) {
  std::string name(Trimmed(headerCell));
  for (char& c : name) {
    if (c >= 'A' && c <= 'Z') {
      c = static_cast<char>(c - 'A' + 'a');
    }
  }
  return name;
}

HeaderMatch MatchHeader(const RosterProgram& program, const std::vector<std::string>& header) {
  HeaderMatch match;
  std::vector<std::string> names;
  for (const std::string& cell : header) {
    names.push_back(ColumnName(cell));
  }
  for (int i = 0; i < kPersonalColumns; ++i) {
    match.personal[static_cast<std::size_t>(i)] =
        Find(names, kPersonalColumnNames[static_cast<std::size_t>(i)], match.error);
  }
  for (const FigureColumn& column : program.figures) {
    const int at = Find(names, column.name, match.error);
    if (at < 0 && column.required && match.error.empty()) {
      match.error = std::string("the header has no column \"") + column.name + "\"";
    }
    match.figures.push_back(at);
  }
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (!IsResultName(program, names[i])) {
      match.carried.push_back(i);
    }
  }
  for (std::size_t r = 0; r < program.results.size(); ++r) {
    const ResultColumn& column = program.results[r];
    bool shown = column.firstInput < 0;
    for (int f = column.firstInput; f >= 0 && f <= column.lastInput; ++f) {
      shown = shown || match.figures[static_cast<std::size_t>(f)] >= 0;
    }
    if (shown) {
      match.results.push_back(r);
    }
  }
  return match;
}

}  // namespace roster
