// Compares a roster's results file, column by column, with what the window
// shows for each row: every result column named in a row's map must hold
// that text, every other one must be empty (but those `unchecked`).
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "roster/core/csv.h"
#include "roster/core/run.h"

namespace roster {

using Shown = std::map<std::string, std::string>;  // result column -> text

inline void ExpectRows(const RosterSummary& summary, const std::string& results,
                       std::size_t firstResult, const std::vector<Shown>& rows,
                       const std::set<std::string>& unchecked = {}) {
  ASSERT_EQ(summary.error, "");
  const CsvTable output = ParseCsv(results);
  ASSERT_EQ(output.records.size(), rows.size() + 1);
  const std::vector<std::string>& header = output.records[0].cells;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    for (std::size_t column = firstResult; column < header.size(); ++column) {
      if (unchecked.contains(header[column])) {
        continue;
      }
      const auto shown = rows[i].find(header[column]);
      EXPECT_EQ(output.records[i + 1].cells[column], shown == rows[i].end() ? "" : shown->second)
          << "row " << i + 1 << ", " << header[column];
    }
  }
}

}  // namespace roster
