#include "roster/core/page_tally.h"

#include <algorithm>

namespace roster {

namespace {

// The start of `text`, at most `limit` bytes, not cut inside a UTF-8
// character.
std::string_view Cut(std::string_view text, std::size_t limit) {
  if (text.size() <= limit) {
    return text;
  }
  std::size_t end = limit;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
    --end;
  }
  return text.substr(0, end);
}

// Line breaks and other control characters as blanks: a page keeps each
// soldier on one line.
void Blanked(std::string& text) {
  for (char& c : text) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
      c = ' ';
    }
  }
}

void AssignKept(std::string& kept, std::string_view text, std::size_t limit) {
  kept.assign(Cut(text, limit));
  Blanked(kept);
}

// As the print dialog's middle initial and rank boxes show them.
void Uppercase(std::string& text, std::size_t from = 0) {
  for (std::size_t i = from; i < text.size(); ++i) {
    if (text[i] >= 'a' && text[i] <= 'z') {
      text[i] = static_cast<char>(text[i] - 'a' + 'A');
    }
  }
}

void AppendFolded(std::string& key, std::string_view part) {
  const std::size_t from = key.size();
  key.append(Cut(part, kKeptNameBytes));
  Uppercase(key, from);
}

// "Hale, Jordan Q.", as the reports name a soldier.
void AssignName(std::string& name, const SoldierName& who) {
  name.clear();
  name.append(Cut(who.last, kKeptNameBytes));
  if (!who.first.empty()) {
    name.append(name.empty() ? "" : ", ").append(Cut(who.first, kKeptNameBytes));
  }
  if (!who.middleInitial.empty()) {
    name.append(name.empty() ? "" : " ");
    const std::size_t initial = name.size();
    name.append(Cut(who.middleInitial, kKeptNameBytes));
    Uppercase(name, initial);
    if (!who.middleInitial.ends_with('.')) {
      name.push_back('.');
    }
  }
  name.resize(Cut(name, kKeptNameBytes).size());
  Blanked(name);
}

}  // namespace

bool SoldierList::Before(const Entry& a, const Entry& b) {
  const int order = a.key.compare(b.key);
  return order != 0 ? order < 0 : a.soldier.line < b.soldier.line;
}

void SoldierList::Add(const SoldierName& who, int line, std::span<const std::string_view> cells) {
  ++count_;
  if (kept_ == 0) {
    return;
  }
  // A row that names nobody sorts after every name.
  std::string& key = candidate_.key;
  key.clear();
  key.reserve(kLongestKey);
  if (who.last.empty() && who.first.empty() && who.middleInitial.empty()) {
    key.push_back('\xFF');
  } else {
    AppendFolded(key, who.last);
    key.push_back('\x01');
    AppendFolded(key, who.first);
    key.push_back('\x01');
    AppendFolded(key, who.middleInitial);
  }
  candidate_.soldier.line = line;
  if (heap_.size() == kept_) {
    if (!Before(candidate_, heap_.front())) {
      return;
    }
    std::pop_heap(heap_.begin(), heap_.end(), &Before);
  } else {
    // Room for the longest texts from the start: a soldier who takes this
    // place later allocates nothing.
    Entry& fresh = heap_.emplace_back();
    fresh.key.reserve(kLongestKey);
    fresh.soldier.name.reserve(kLongestName);
    fresh.soldier.rank.reserve(kKeptCellBytes);
    fresh.soldier.cells.resize(cells.size());
    for (std::string& cell : fresh.soldier.cells) {
      cell.reserve(kKeptCellBytes);
    }
  }
  Entry& entry = heap_.back();
  entry.key.assign(key);
  entry.soldier.line = line;
  AssignName(entry.soldier.name, who);
  AssignKept(entry.soldier.rank, who.rank, kKeptCellBytes);
  Uppercase(entry.soldier.rank);
  entry.soldier.cells.resize(cells.size());
  for (std::size_t i = 0; i < cells.size(); ++i) {
    AssignKept(entry.soldier.cells[i], cells[i], kKeptCellBytes);
  }
  std::push_heap(heap_.begin(), heap_.end(), &Before);
}

std::vector<ListedSoldier> SoldierList::Sorted() const {
  std::vector<Entry> entries = heap_;
  std::sort_heap(entries.begin(), entries.end(), &Before);
  std::vector<ListedSoldier> sorted(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    sorted[i] = std::move(entries[i].soldier);
  }
  return sorted;
}

PageTally StartTally(const RosterProgram& program) {
  if (program.page == nullptr) {
    return {};
  }
  return {std::vector<long long>(program.page->figures),
          std::vector<SoldierList>(program.page->lists)};
}

void TallyRow(const RosterProgram& program, PageTally& tally, const ScoredRow& row) {
  if (program.page != nullptr) {
    program.page->tally(tally, row);
  }
}

bool ReadWhole(std::string_view cell, long long& value) {
  // At most 18 digits: far more than any cell counts, and never an overflow.
  const bool negative = cell.starts_with('-');
  const std::string_view digits = cell.substr(negative ? 1 : 0);
  if (digits.empty() || digits.size() > 18) {
    return false;
  }
  long long read = 0;
  for (const char digit : digits) {
    if (digit < '0' || digit > '9') {
      return false;
    }
    read = read * 10 + (digit - '0');
  }
  value = negative ? -read : read;
  return true;
}

std::string_view ResultCell(const ScoredRow& row, int column) {
  const std::span<const std::string_view> results = row.score.results;
  return column >= 0 && static_cast<std::size_t>(column) < results.size()
             ? results[static_cast<std::size_t>(column)]
             : std::string_view();
}

}  // namespace roster
