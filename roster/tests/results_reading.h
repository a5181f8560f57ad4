// A results file read back as a leader's own spreadsheet would read it, for
// the summary page's tests: its cells by column name, which rows were
// refused (a message that is not a verdict), and the soldiers a page lists,
// sorted by name. Nothing here calls the page's code.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "roster/core/cells.h"
#include "roster/core/csv.h"
#include "roster/core/page_tally.h"
#include "roster/core/run.h"

namespace roster {

class ResultsFile {
 public:
  explicit ResultsFile(std::string_view text) : table_(ParseCsv(text)) {
    EXPECT_FALSE(table_.error.has_value());
    if (!table_.records.empty()) {
      const std::vector<std::string>& header = table_.records[0].cells;
      for (std::size_t i = 0; i < header.size(); ++i) {
        columns_.emplace(Lower(header[i]), i);
      }
    }
  }

  std::span<const CsvRecord> rows() const {
    return std::span<const CsvRecord>(table_.records).subspan(table_.records.empty() ? 0 : 1);
  }

  static std::string Lower(std::string text) {
    for (char& c : text) {
      c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return text;
  }

  // The cell of the column so named, case aside, as the clerk typed it: trimmed, without the
  // apostrophe that keeps a formula text; "" where the file has no such column.
  std::string operator()(const CsvRecord& row, std::string_view column) const {
    const auto at = columns_.find(std::string(column));
    if (at == columns_.end() || at->second >= row.cells.size()) {
      return "";
    }
    return std::string(Trimmed(WithoutApostrophe(row.cells[at->second])));
  }

  // Every message a scored row gets is a verdict, a sentence about the
  // soldier; a refused row's message says what is wrong.
  bool Refused(const CsvRecord& row) const {
    const std::string message = (*this)(row, "message");
    std::size_t start = 0;
    while (start < message.size()) {
      if (message.compare(start, 8, "Soldier ") != 0) {
        return true;
      }
      const std::size_t end = message.find(". ", start);
      start = end == std::string::npos ? message.size() : end + 2;
    }
    return false;
  }

 private:
  CsvTable table_;
  std::map<std::string, std::size_t> columns_;
};

inline std::string Upper(std::string text) {
  for (char& c : text) {
    c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  }
  return text;
}

// A soldier a page should list, with the list's cells.
struct ExpectedSoldier {
  int line;
  std::string last, first, initial, rank;
  std::vector<std::string> cells;

  static ExpectedSoldier Of(const ResultsFile& results, const CsvRecord& row,
                            std::vector<std::string> cells) {
    return {row.line,
            results(row, "last"),
            results(row, "first"),
            Upper(results(row, "mi")),
            Upper(results(row, "rank")),
            std::move(cells)};
  }
  // "Hale, Jordan Q.", as the reports name a soldier.
  std::string Name() const {
    std::string name = last;
    if (!first.empty()) {
      name += (name.empty() ? "" : ", ") + first;
    }
    if (!initial.empty()) {
      name += (name.empty() ? "" : " ") + initial + (initial.ends_with('.') ? "" : ".");
    }
    return name;
  }
  // By last name, first name and middle initial, case aside; a row without
  // a name after every name; then by line.
  auto Order() const {
    const bool nameless = last.empty() && first.empty() && initial.empty();
    return std::make_tuple(nameless, Upper(last), Upper(first), initial, line);
  }
};

// The list holds every soldier expected, the first kListedSoldiers by name.
inline void ExpectListed(const SoldierList& list, std::vector<ExpectedSoldier> expected,
                         const char* which) {
  std::sort(expected.begin(), expected.end(),
            [](const auto& a, const auto& b) { return a.Order() < b.Order(); });
  EXPECT_EQ(list.count(), static_cast<long long>(expected.size())) << which;
  const std::vector<ListedSoldier> listed = list.Sorted();
  ASSERT_EQ(listed.size(), std::min(expected.size(), kListedSoldiers)) << which;
  for (std::size_t i = 0; i < listed.size(); ++i) {
    EXPECT_EQ(listed[i].line, expected[i].line) << which << " #" << i;
    EXPECT_EQ(listed[i].name, expected[i].Name()) << which << " line " << listed[i].line;
    EXPECT_EQ(listed[i].rank, expected[i].rank) << which << " line " << listed[i].line;
    EXPECT_EQ(listed[i].cells, expected[i].cells) << which << " line " << listed[i].line;
  }
}

// A roster scored with its page counted, as a file run counts it.
struct CountedRun {
  RosterSummary summary;
  PageTally tally;
  std::string results;
};

inline CountedRun ScoreCounted(const RosterProgram& program, std::string_view roster) {
  CountedRun run;
  run.tally = StartTally(program);
  const ByteWriter writer = TextWriter(run.results);
  run.summary = ScoreRoster(program, TextReader(roster), &writer, {}, [&](const ScoredRow& row) {
    TallyRow(program, run.tally, row);
    return true;
  });
  EXPECT_EQ(run.summary.error, "");
  return run;
}

}  // namespace roster
