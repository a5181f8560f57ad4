// What a roster's summary page counts while the rows are scored: counters
// the program's page rules index, and the lists of soldiers who need
// something next. Memory stays the same however long the roster: a list
// keeps only the first soldiers by name and counts the rest, and a row that
// changes only counters allocates nothing.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "roster/core/program.h"
#include "roster/core/run.h"

namespace roster {

// The soldiers a page lists by name; the rest are counted, and the results
// file holds every one.
inline constexpr std::size_t kListedSoldiers = 200;

// What a listed soldier's name, rank and cells keep of the roster's, in
// bytes: more than any page column shows.
inline constexpr std::size_t kKeptNameBytes = 48;
inline constexpr std::size_t kKeptCellBytes = 24;
// The most a sort key or a name takes before it is cut: three parts of a
// name and what joins them.
inline constexpr std::size_t kLongestKey = 3 * kKeptNameBytes + 2;
inline constexpr std::size_t kLongestName = 3 * kKeptNameBytes + 5;

struct ListedSoldier {
  int line = 0;
  std::string name;  // "Hale, Jordan Q."; "" when the row names nobody
  std::string rank;
  std::vector<std::string> cells;  // the list's own columns
};

// Soldiers sorted by name (last, first, middle initial, case aside), then by
// line; the first `kept` are kept. One who sorts after them costs nothing;
// one who sorts among them takes the place, and the storage, of the last.
class SoldierList {
 public:
  explicit SoldierList(std::size_t kept = kListedSoldiers) : kept_(kept) {}

  void Add(const SoldierName& who, int line, std::span<const std::string_view> cells);

  long long count() const { return count_; }  // every soldier added
  std::vector<ListedSoldier> Sorted() const;  // the kept ones, by name

 private:
  struct Entry {
    std::string key;
    ListedSoldier soldier;
  };
  static bool Before(const Entry& a, const Entry& b);

  std::size_t kept_;
  long long count_ = 0;
  std::vector<Entry> heap_;  // the last by name on top
  Entry candidate_;          // the key of a soldier being added
};

struct PageTally {
  std::vector<long long> figures;  // indexed by the program's page rules
  std::vector<SoldierList> lists;
};

// An empty tally for the program's page (none when it has no page).
PageTally StartTally(const RosterProgram& program);

// Counts a row scored (refused rows included) in the program's tally.
void TallyRow(const RosterProgram& program, PageTally& tally, const ScoredRow& row);

// A result or figure cell as a whole number ("-12", "300"); false when it
// is empty or something else.
bool ReadWhole(std::string_view cell, long long& value);

// The result cell `column` of a row ("" when the row has none).
std::string_view ResultCell(const ScoredRow& row, int column);

}  // namespace roster
