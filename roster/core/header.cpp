#include "roster/core/header.h"

#include <algorithm>

#include "roster/core/cells.h"
#include "roster/core/csv.h"

namespace roster {

namespace {

// A header of thousands of such columns is no roster's: a few tell the clerk.
constexpr std::size_t kListedWarnings = 10;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string_view WithoutNumber(std::string_view key) {
  std::size_t end = key.size();
  while (end > 0 && IsDigit(key[end - 1])) {
    --end;
  }
  return key.substr(0, end);
}

// A key without the plural s before its reading number: "hips1" is "hip1".
std::string Stem(std::string_view key) {
  std::string stem(WithoutNumber(key));
  if (stem.size() > 1 && stem.back() == 's') {
    stem.pop_back();
  }
  return stem.append(key.substr(WithoutNumber(key).size()));
}

// Whether a header cell of this stem names the column `name`: a first
// reading is named by its site alone too.
bool Names(const std::string& stem, std::string_view name) {
  const std::string wanted = Stem(name);
  return stem == wanted || (wanted.ends_with('1') && stem + '1' == wanted);
}

// The site or event a figure column measures: "hips1" gives "hip".
std::string Word(std::string_view name) {
  return std::string(WithoutNumber(Stem(name)));
}

class Matcher {
 public:
  Matcher(const RosterProgram& program, const std::vector<std::string>& header)
      : program_(program), header_(header) {
    for (const std::string& cell : header) {
      // A name its results file made text is read as the name it was.
      keys_.push_back(ColumnKey(WithoutApostrophe(cell)));
      stems_.push_back(Stem(keys_.back()));
    }
    matched_.assign(header.size(), false);
  }

  // The only header cell naming `name`, -1 when none does; sets the match's
  // error when two do.
  int Find(std::string_view name, HeaderMatch& match) {
    int found = -1;
    for (std::size_t i = 0; i < header_.size(); ++i) {
      if (!Names(stems_[i], name)) {
        continue;
      }
      if (found >= 0 && match.error.empty()) {
        match.error = "the header names the column \"" + std::string(name) + "\" twice (\"" +
                      Shown(static_cast<std::size_t>(found)) + "\" and \"" + Shown(i) + "\")";
      }
      found = static_cast<int>(i);
      matched_[i] = true;
    }
    match.known += found >= 0 ? 1 : 0;
    return found;
  }

  // The results file's names of the columns written, the message column's
  // last, none taken by one of the first `carried` columns of the roster.
  std::vector<std::string> FreeNames(const std::vector<std::string>& wanted,
                                     std::size_t carried) const {
    std::vector<std::string> taken(keys_.begin(),
                                   keys_.begin() + static_cast<std::ptrdiff_t>(carried));
    std::vector<std::string> names;
    for (const std::string& name : wanted) {
      std::string free = name;
      for (int n = 2; std::find(taken.begin(), taken.end(), ColumnKey(free)) != taken.end(); ++n) {
        free = name + "_" + std::to_string(n);
      }
      taken.push_back(ColumnKey(free));
      names.push_back(free);
    }
    return names;
  }

  // How many columns at the end of the header are the results of an earlier
  // run: the result columns this run writes, in their order, with none
  // missing that every results file has (columns added since, and site
  // averages, may be).
  std::size_t ResultsBlock(const std::vector<std::string>& wanted,
                           const std::vector<bool>& always) const {
    for (std::size_t block = std::min(header_.size(), wanted.size()); block > 0; --block) {
      const std::size_t carried = header_.size() - block;
      const std::vector<std::string> names = FreeNames(wanted, carried);
      std::size_t next = 0;
      bool isBlock = true;
      for (std::size_t i = carried; i < header_.size() && isBlock; ++i) {
        while (next < names.size() && ColumnKey(names[next]) != keys_[i] && !always[next]) {
          ++next;
        }
        isBlock = next < names.size() && ColumnKey(names[next]) == keys_[i];
        ++next;
      }
      for (; next < names.size() && isBlock; ++next) {
        isBlock = !always[next];
      }
      if (isBlock) {
        return block;
      }
    }
    return 0;
  }

  // A column no figure column matched that names a site or event.
  void Warn(std::size_t i, HeaderMatch& match) const {
    if (matched_[i] || IsResultName(keys_[i])) {
      return;
    }
    for (const FigureColumn& column : program_.figures) {
      const std::string word = Word(column.name);
      if (!column.measure || keys_[i].find(word) == std::string::npos) {
        continue;
      }
      std::vector<std::string> read;
      for (const FigureColumn& other : program_.figures) {
        if (Word(other.name) == word) {
          read.push_back(other.name);
        }
      }
      std::string warning = "column \"" + Shown(i) + "\" is not read; the " + word +
                            (read.size() == 1 ? " column is " : " columns are ");
      for (std::size_t k = 0; k < read.size(); ++k) {
        warning += k == 0 ? "" : (k + 1 == read.size() ? " and " : ", ");
        warning += read[k];
      }
      match.warnings.push_back(warning);
      return;
    }
  }

 private:
  std::string Shown(std::size_t i) const { return Shortened(Trimmed(header_[i]), 40); }

  // A result column's name, perhaps numbered: an earlier run's result that
  // is repeated says nothing about the figures.
  bool IsResultName(const std::string& key) const {
    const std::string_view name = WithoutNumber(key);
    return name == kMessageColumn ||
           std::any_of(program_.results.begin(), program_.results.end(),
                       [&](const ResultColumn& column) { return ColumnKey(column.name) == name; });
  }

  const RosterProgram& program_;
  const std::vector<std::string>& header_;
  std::vector<std::string> keys_;
  std::vector<std::string> stems_;
  std::vector<bool> matched_;
};

}  // namespace

std::string ColumnKey(std::string_view headerCell) {
  std::string key;
  for (char c : Trimmed(headerCell)) {
    if (c == ' ' || c == '\t' || c == '_' || c == '-') {
      continue;
    }
    key += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  }
  return key;
}

HeaderMatch MatchHeader(const RosterProgram& program, const std::vector<std::string>& header) {
  HeaderMatch match;
  Matcher matcher(program, header);
  for (int i = 0; i < kPersonalColumns; ++i) {
    match.personal[static_cast<std::size_t>(i)] =
        matcher.Find(kPersonalColumnNames[static_cast<std::size_t>(i)], match);
  }
  for (const FigureColumn& column : program.figures) {
    const int at = matcher.Find(column.name, match);
    if (at < 0 && column.required) {
      match.missing.push_back(column.name);
    }
    match.figures.push_back(at);
  }

  std::vector<std::string> wanted;
  std::vector<bool> always;
  for (std::size_t r = 0; r < program.results.size(); ++r) {
    const ResultColumn& column = program.results[r];
    bool shown = column.firstInput < 0;
    for (int f = column.firstInput; f >= 0 && f <= column.lastInput; ++f) {
      shown = shown || match.figures[static_cast<std::size_t>(f)] >= 0;
    }
    if (shown) {
      match.results.push_back(r);
      wanted.push_back(column.name);
      always.push_back(column.firstInput < 0 && !column.added);
    }
  }
  wanted.push_back(kMessageColumn);
  always.push_back(true);

  const std::size_t carried = header.size() - matcher.ResultsBlock(wanted, always);
  for (std::size_t i = 0; i < carried; ++i) {
    match.carried.push_back(i);
    matcher.Warn(i, match);
  }
  if (match.warnings.size() > kListedWarnings) {
    const std::size_t more = match.warnings.size() - kListedWarnings;
    match.warnings.resize(kListedWarnings);
    match.warnings.push_back("and " + std::to_string(more) + " more such columns");
  }
  for (std::size_t i : match.carried) {
    match.names.push_back(header[i]);
  }
  for (std::string& name : matcher.FreeNames(wanted, carried)) {
    match.names.push_back(std::move(name));
  }
  return match;
}

}  // namespace roster
