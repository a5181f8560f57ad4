#include "roster/core/run.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <optional>
#include <utility>

#include "roster/core/cells.h"
#include "roster/core/header.h"
#include "roster/core/score_sheet.h"

namespace roster {

namespace {

// The roster's first bytes are read ahead to find its dialect: any header
// stands within them.
constexpr std::size_t kReadAheadBytes = 256u << 10;
// The results go to their writer in blocks of about this size.
constexpr std::size_t kResultsBlockBytes = 256u << 10;
// What a list of refused rows shows of a soldier's name.
constexpr std::size_t kShownSoldierChars = 60;
constexpr char kSeparators[] = {',', ';', '\t'};

// The roster's bytes, counted against kMaxRosterBytes; the first of them are
// read ahead and handed out again.
class Intake {
 public:
  explicit Intake(const ByteReader& source) : source_(source) {}

  bool ReadAhead(std::string& why) {
    constexpr std::size_t kStep = 16u << 10;
    while (ahead_.size() < kReadAheadBytes) {
      const std::size_t filled = ahead_.size();
      ahead_.resize(filled + kStep);
      const std::ptrdiff_t got = Pull(ahead_.data() + filled, kStep, why);
      ahead_.resize(filled + static_cast<std::size_t>(std::max<std::ptrdiff_t>(got, 0)));
      if (got <= 0) {
        return got == 0;
      }
    }
    return true;
  }

  std::string_view ahead() const { return std::string_view(ahead_).substr(at_); }
  void Skip(std::size_t bytes) { at_ += bytes; }

  std::ptrdiff_t Read(char* buffer, std::size_t capacity, std::string& why) {
    if (at_ >= ahead_.size()) {
      return Pull(buffer, capacity, why);
    }
    const std::size_t size = std::min(capacity, ahead_.size() - at_);
    std::memcpy(buffer, ahead_.data() + at_, size);
    at_ += size;
    if (at_ == ahead_.size()) {
      ahead_ = std::string();
      at_ = 0;
    }
    return static_cast<std::ptrdiff_t>(size);
  }

 private:
  std::ptrdiff_t Pull(char* buffer, std::size_t capacity, std::string& why) {
    const std::ptrdiff_t got = source_(buffer, capacity, why);
    if (got > 0) {
      total_ += std::min(static_cast<long long>(got), static_cast<long long>(capacity));
      if (TooLargeForARoster(total_, why)) {
        return -1;
      }
      return std::min(got, static_cast<std::ptrdiff_t>(capacity));
    }
    return got;
  }

  const ByteReader& source_;
  std::string ahead_;
  std::size_t at_ = 0;
  long long total_ = 0;
};

struct Dialect {
  bool byteOrderMark = false;
  bool sepLine = false;  // the roster's first line names its separator ("sep=;")
  char separator = ',';
  int firstLine = 1;  // the line the header's search starts on
};

// The separator a first line "sep=;" names, and the line's length with its
// line end; nothing when the text does not start with such a line. A sheet
// that kept the line as a cell writes it quoted, the empty cells of its
// other columns after it: "sep=;";;
std::optional<std::pair<char, std::size_t>> SepLine(std::string_view text) {
  const std::size_t quote = text.starts_with('"') ? 1 : 0;
  const auto is = [&](std::size_t at, char lower) {
    return text[quote + at] == lower || text[quote + at] == lower - 'a' + 'A';
  };
  if (text.size() < quote + 5 || !is(0, 's') || !is(1, 'e') || !is(2, 'p') ||
      text[quote + 3] != '=') {
    return std::nullopt;
  }
  const char separator = text[quote + 4];
  const bool alphanumeric = (separator >= '0' && separator <= '9') ||
                            (separator >= 'a' && separator <= 'z') ||
                            (separator >= 'A' && separator <= 'Z');
  if (alphanumeric || std::string_view("\" \r\n").find(separator) != std::string_view::npos) {
    return std::nullopt;
  }
  std::size_t end = quote + 5;
  if (quote > 0) {
    if (end >= text.size() || text[end] != '"') {
      return std::nullopt;
    }
    for (++end; end < text.size() && text[end] == separator;) {
      ++end;
    }
  }
  const std::size_t lineEnd = end;
  if (end < text.size() && text[end] == '\r') {
    ++end;
  }
  if (end < text.size() && text[end] == '\n') {
    ++end;
  }
  if (end == lineEnd && end < text.size()) {
    return std::nullopt;  // more on the line: a header that starts with "sep="
  }
  return std::make_pair(separator, end);
}

std::string SeparatorName(char separator) {
  if (separator == '\t') {
    return "tab";
  }
  std::string name(3, '"');
  name[1] = separator;
  return name;
}

bool Blank(const CsvRow& row) {
  for (const std::string_view cell : row.cells) {
    if (!Trimmed(cell).empty()) {
      return false;
    }
  }
  return true;
}

// The next record with something in it; spreadsheets end many a sheet with
// empty rows, and they are no soldiers.
bool NextRow(CsvReader& reader, CsvRow& row) {
  while (reader.Next(row)) {
    if (!Blank(row)) {
      return true;
    }
  }
  return false;
}

// The header's names, kept: the reader reads on over the cells.
std::vector<std::string> Names(const CsvRow& header) {
  return {header.cells.begin(), header.cells.end()};
}

int RequiredFound(const RosterProgram& program, const HeaderMatch& match) {
  return static_cast<int>(std::count_if(program.figures.begin(), program.figures.end(),
                                        [](const FigureColumn& f) { return f.required; })) -
         static_cast<int>(match.missing.size());
}

// The separator that makes the most of the header read ahead: the most
// required columns found, then the most columns of the program; a comma when
// none finds any. `found` tells whether one did.
char GuessSeparator(const RosterProgram& program, const Intake& intake, int firstLine,
                    bool& found) {
  char best = ',';
  std::pair<int, int> bestFound(0, 0);
  for (char separator : kSeparators) {
    CsvReader reader(intake.ahead(), separator, firstLine);
    CsvRow header;
    if (!NextRow(reader, header)) {
      continue;
    }
    const HeaderMatch match = MatchHeader(program, Names(header));
    const std::pair<int, int> made(RequiredFound(program, match), match.known);
    if (made > bestFound) {
      best = separator;
      bestFound = made;
    }
  }
  found = bestFound.second > 0;
  return best;
}

std::string MissingColumns(const HeaderMatch& match, const Dialect& dialect, bool found) {
  std::string text =
      match.missing.size() == 1 ? "the header has no column " : "the header has no columns ";
  for (std::size_t k = 0; k < match.missing.size(); ++k) {
    text += k == 0 ? "" : (k + 1 == match.missing.size() ? " and " : ", ");
    text += "\"" + match.missing[k] + "\"";
  }
  if (dialect.sepLine) {
    return text + " (its columns split at " + SeparatorName(dialect.separator) +
           ", as its sep= line says)";
  }
  if (found) {
    return text + " (its columns split at " + SeparatorName(dialect.separator) + ")";
  }
  return text + " (tried \",\", \";\" and tab as the separator)";
}

// The results, handed to their writer a block at a time.
class ResultsOut {
 public:
  ResultsOut(const ByteWriter* writer, char separator) : writer_(writer), separator_(separator) {
    if (writer != nullptr) {
      Allocate(2 * kResultsBlockBytes);
    }
  }

  void Text(std::string_view text) {
    if (char* at = Room(text.size())) {
      std::memcpy(at, text.data(), text.size());
      used_ += text.size();
    }
  }
  // A record whose first cells are `written`, as the writer would write them;
  // `bound` is CsvRecordBound of the cells.
  void Record(std::string_view written, std::span<const std::string_view> cells,
              std::size_t bound) {
    if (char* at = Room(written.size() + 1 + bound)) {
      std::memcpy(at, written.data(), written.size());
      at += written.size();
      *at++ = separator_;
      used_ = static_cast<std::size_t>(WriteCsvRecord(at, cells, separator_) - block_.get());
      if (used_ >= kResultsBlockBytes) {
        Flush();
      }
    }
  }
  void Record(std::span<const std::string_view> cells) {
    if (char* at = Room(CsvRecordBound(cells))) {
      used_ = static_cast<std::size_t>(WriteCsvRecord(at, cells, separator_) - block_.get());
      if (used_ >= kResultsBlockBytes) {
        Flush();
      }
    }
  }
  bool Flush() {
    if (writer_ != nullptr && ok_ && used_ > 0) {
      ok_ = (*writer_)(std::string_view(block_.get(), used_), why_);
    }
    used_ = 0;
    return ok_;
  }
  bool ok() const { return ok_; }
  const std::string& why() const { return why_; }

 private:
  // Where `bytes` more can be written: the block flushed first when they do
  // not fit behind what it holds, and made larger for a row that never would.
  char* Room(std::size_t bytes) {
    if (writer_ == nullptr) {
      return nullptr;
    }
    if (size_ - used_ < bytes) {
      Flush();
      if (size_ < bytes) {
        Allocate(bytes);
      }
    }
    return block_.get() + used_;
  }
  void Allocate(std::size_t size) {
    block_ = std::make_unique_for_overwrite<char[]>(size);
    size_ = size;
  }

  const ByteWriter* writer_;
  char separator_;
  std::unique_ptr<char[]> block_;
  std::size_t size_ = 0;
  std::size_t used_ = 0;
  bool ok_ = true;
  std::string why_;
};

std::string_view Cell(const CsvRow& row, int index) {
  return index >= 0 && static_cast<std::size_t>(index) < row.cells.size()
             ? row.cells[static_cast<std::size_t>(index)]
             : std::string_view();
}

// A cell to read as a figure or a name: without the apostrophe its results
// file gave it.
std::string_view Read(const CsvRow& row, int index) {
  return WithoutApostrophe(Cell(row, index));
}

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') {
      c = static_cast<char>(c - 'a' + 'A');
    }
  }
  return upper;
}

// A roster's rows through the program's scorer and into the results, with
// every list and text kept from one row to the next.
class RowScoring {
 public:
  RowScoring(const RosterProgram& program, const RosterSettings& settings, const HeaderMatch& m,
             std::size_t headerSize)
      : scorer_(program.scorer()),
        settings_(settings),
        match_(m),
        headerSize_(headerSize),
        // The results repeat every column of the roster, in its order.
        carriesAll_(m.carried.size() == headerSize &&
                    std::is_sorted(m.carried.begin(), m.carried.end()) &&
                    (m.carried.empty() || m.carried.back() + 1 == headerSize)),
        figures_(m.figures.size()) {
    message_.reserve(kMessageRoom);
    soldier_.reserve(2 * kShownSoldierChars);
  }

  const RowScore& Score(const CsvRow& row, std::string& ssnWarning) {
    ssnWarning.clear();
    // A figure cell keeps an apostrophe its results file gave it; most rows
    // hold none at all, and their cells are taken as they stand.
    const bool apostrophes = row.text.find('\'') != std::string_view::npos;
    // Through plain pointers: a view stored through the list's own could,
    // to the compiler, change where the lists are.
    const std::size_t width = row.cells.size();
    const std::string_view* const rowCells = row.cells.data();
    const int* const columns = match_.figures.data();
    std::string_view* const figures = figures_.data();
    const std::size_t count = figures_.size();
    for (std::size_t i = 0; i < count; ++i) {
      const auto at = static_cast<std::size_t>(columns[i]);  // -1: none, beyond any row
      figures[i] = at < width ? rowCells[at] : std::string_view();
    }
    if (apostrophes) {
      for (std::size_t i = 0; i < count; ++i) {
        figures[i] = WithoutApostrophe(figures[i]);
      }
    }
    const std::size_t cells = Width(row);
    const std::size_t beyond = cells - std::min(cells, headerSize_);
    if (beyond > 0) {
      refused_ = RowScore{};
      refused_.refused = true;
      message_.assign("The row has ").append(std::to_string(beyond));
      message_.append(beyond == 1 ? " cell" : " cells")
          .append(" more than the header has columns; ")
          .append(beyond == 1 ? "it follows" : "they follow")
          .append(" the message.");
      refused_.message = message_;
      return refused_;
    }
    if (!settings_.reports) {
      return scorer_->Score(figures_, nullptr);
    }
    // The print dialog's middle initial and rank boxes show upper case; its
    // SSN boxes hold digits, so a masked number prints as far as it fits.
    shell::PersonalData person;
    person.lastName = Printed(Personal(row, kLast));
    person.firstName = Printed(Personal(row, kFirst));
    person.middleInitial = Printed(Upper(Personal(row, kMiddleInitial)));
    person.rank = Printed(Upper(Personal(row, kRank)));
    const SsnParts ssn = SsnCell(Personal(row, kSsn));
    for (std::size_t part = 0; part < ssn.parts.size(); ++part) {
      person.ssn[part] = ssn.parts[part];
    }
    person.date = Printed(settings_.date);
    const RowScore& score = scorer_->Score(figures_, &person);
    if (!ssn.whole && !score.refused) {
      ssnWarning = "the report prints the SSN \"" + Shortened(Personal(row, kSsn), 24) +
                   "\" as \"" + ssn.parts[0] + "/" + ssn.parts[1] + "/" + ssn.parts[2] +
                   "\": its boxes hold 3, 2 and 4 digits";
    }
    return score;
  }

  // The row's line: the roster's columns, the results and the message, then
  // any cells beyond the header's columns.
  void Write(const CsvRow& row, const RowScore& score, ResultsOut& out) {
    // Most rows are written as they stand, their results after them: a list
    // as long each row, and its bound counted as it is filled.
    if (carriesAll_ && row.plain && row.cells.size() == headerSize_) {
      const std::size_t results = match_.results.size();
      cells_.resize(results + 1);
      std::size_t bound = CsvRecordBound({});
      for (std::size_t i = 0; i < results; ++i) {
        const std::size_t column = match_.results[i];
        const std::string_view cell =
            column < score.results.size() ? score.results[column] : std::string_view();
        cells_[i] = cell;
        bound += CsvCellBound(cell);
      }
      cells_[results] = score.message;
      out.Record(row.text, cells_, bound + CsvCellBound(score.message));
      return;
    }
    cells_.clear();
    for (std::size_t column : match_.carried) {
      cells_.push_back(Cell(row, static_cast<int>(column)));
    }
    for (std::size_t column : match_.results) {
      cells_.push_back(column < score.results.size() ? score.results[column] : std::string_view());
    }
    cells_.push_back(score.message);
    for (std::size_t i = headerSize_; i < Width(row); ++i) {
      cells_.push_back(row.cells[i]);
    }
    out.Record(cells_);
  }

  FigureCells figures() const { return figures_; }

  SoldierName Name(const CsvRow& row) const {
    return {Personal(row, kLast), Personal(row, kFirst), Personal(row, kMiddleInitial),
            Personal(row, kRank)};
  }

  // "Doe, John", as the roster names the soldier.
  std::string_view Soldier(const CsvRow& row) {
    soldier_.assign(Personal(row, kLast));
    const std::string_view first = Personal(row, kFirst);
    if (!first.empty()) {
      soldier_.append(soldier_.empty() ? "" : ", ").append(first);
    }
    return soldier_;
  }

 private:
  // The cells up to the last one with something in it beyond the header.
  std::size_t Width(const CsvRow& row) const {
    std::size_t width = row.cells.size();
    while (width > headerSize_ && Trimmed(row.cells[width - 1]).empty()) {
      --width;
    }
    return width;
  }

  std::string_view Personal(const CsvRow& row, PersonalColumn column) const {
    return Trimmed(Read(row, match_.personal[static_cast<std::size_t>(column)]));
  }

  std::string Printed(std::string_view text) const {
    return settings_.printerText != nullptr ? settings_.printerText(text) : std::string(text);
  }

  std::unique_ptr<RowScorer> scorer_;
  const RosterSettings& settings_;
  const HeaderMatch& match_;
  std::size_t headerSize_;
  bool carriesAll_;
  std::vector<std::string_view> figures_;
  std::vector<std::string_view> cells_;
  RowScore refused_;  // a row with more cells than the header has columns
  std::string message_;
  std::string soldier_;
};

bool Counted(const ResultCount& count, const RowScore& score) {
  if (count.tally >= 0) {
    return score.tally == count.tally;
  }
  const std::size_t column =
      count.result < 0 ? score.results.size() : static_cast<std::size_t>(count.result);
  if (column >= score.results.size() || score.results[column].empty()) {
    return false;
  }
  if (count.value == nullptr) {
    return true;
  }
  // Compared as it is read: measuring the value first would cost as much
  // again, for every count of every row.
  const char* value = count.value;
  for (const char c : score.results[column]) {
    if (*value == '\0' || *value != c) {
      return false;
    }
    ++value;
  }
  return *value == '\0';
}

void Count(const RosterProgram& program, RosterSummary& summary, const RowScore& score, int line,
           std::string_view soldier) {
  ++summary.read;
  if (score.refused) {
    ++summary.refused;
    if (summary.refusedRows.size() < kListedRefusedRows) {
      summary.refusedRows.push_back(
          {line, Shortened(soldier, kShownSoldierChars), std::string(score.message)});
    }
    return;
  }
  ++summary.scored;
  for (std::size_t i = 0; i < program.counts.size(); ++i) {
    summary.counts[i] += Counted(program.counts[i], score) ? 1 : 0;
  }
  if (score.tally >= 0 && static_cast<std::size_t>(score.tally) < summary.tallies.size()) {
    ++summary.tallies[static_cast<std::size_t>(score.tally)];
  } else {
    ++summary.withoutVerdict;
  }
}

RosterSummary& Failed(RosterSummary& summary, RosterFailure failure, std::string error) {
  summary.failure = failure;
  summary.error = std::move(error);
  return summary;
}

RosterSummary& Failed(RosterSummary& summary, const CsvError& error) {
  if (error.unreadable) {
    return Failed(summary, RosterFailure::Unreadable, error.what);
  }
  return Failed(summary, RosterFailure::Unusable,
                "line " + std::to_string(error.line) + ": " + error.what);
}

}  // namespace

bool TooLargeForARoster(long long bytes, std::string& why) {
  if (bytes <= kMaxRosterBytes) {
    return false;
  }
  why = "larger than 1 GiB: too large for a roster";
  return true;
}

RosterSummary ScoreRoster(const RosterProgram& program, const ByteReader& roster,
                          const ByteWriter* results, const RosterSettings& settings,
                          const RowObserver& observer) {
  RosterSummary summary;
  summary.tallies.assign(program.tallies.size(), 0);
  summary.counts.assign(program.counts.size(), 0);
  Intake intake(roster);
  std::string why;
  if (!intake.ReadAhead(why)) {
    return Failed(summary, RosterFailure::Unreadable, why);
  }
  // Spreadsheets offer "Unicode text" too; it would read as a header of noise.
  if (intake.ahead().starts_with("\xFF\xFE") || intake.ahead().starts_with("\xFE\xFF")) {
    return Failed(summary, RosterFailure::Unusable,
                  "the file is UTF-16 text; save the sheet as CSV (UTF-8 or the system's code "
                  "page)");
  }
  Dialect dialect;
  if (intake.ahead().starts_with(kUtf8ByteOrderMark)) {
    dialect.byteOrderMark = true;
    intake.Skip(kUtf8ByteOrderMark.size());
  }
  bool found = true;
  if (const auto sep = SepLine(intake.ahead())) {
    dialect.sepLine = true;
    dialect.separator = sep->first;
    dialect.firstLine = 2;
    intake.Skip(sep->second);
  } else {
    dialect.separator = GuessSeparator(program, intake, dialect.firstLine, found);
  }
  summary.separator = dialect.separator;

  CsvReader reader(
      [&intake](char* b, std::size_t c, std::string& w) { return intake.Read(b, c, w); },
      dialect.separator, dialect.firstLine);
  CsvRow header;
  if (!NextRow(reader, header)) {
    return reader.error() ? Failed(summary, *reader.error())
                          : Failed(summary, RosterFailure::Unusable, "the file is empty");
  }
  const HeaderMatch match = MatchHeader(program, Names(header));
  const std::string line = "line " + std::to_string(header.line) + ": ";
  // A header split into no column of the program's is no header to warn
  // about: the error says what is wrong.
  for (const std::string& warning : match.warnings) {
    if (match.known > 0) {
      summary.warnings.push_back(line + warning);
    }
  }
  if (!match.error.empty()) {
    return Failed(summary, RosterFailure::Unusable, line + match.error);
  }
  if (!match.missing.empty()) {
    return Failed(summary, RosterFailure::Unusable, line + MissingColumns(match, dialect, found));
  }

  ResultsOut out(results, dialect.separator);
  // A spreadsheet reads the results as it read the roster: as UTF-8 only
  // with a byte-order mark, and split at the separator its sep= line names.
  if (dialect.byteOrderMark) {
    out.Text(kUtf8ByteOrderMark);
  }
  if (dialect.sepLine) {
    out.Text(std::string("sep=") + dialect.separator + "\r\n");
  }
  const std::vector<std::string_view> names(match.names.begin(), match.names.end());
  out.Record(names);

  RowScoring rows(program, settings, match, header.cells.size());
  CsvRow row;
  std::string ssnWarning;
  while (NextRow(reader, row)) {
    const RowScore& score = rows.Score(row, ssnWarning);
    // Named in the summary's list of refused rows and to the observer.
    const std::string_view soldier =
        score.refused || observer ? rows.Soldier(row) : std::string_view();
    Count(program, summary, score, row.line, soldier);
    rows.Write(row, score, out);
    if (observer && !observer(ScoredRow{row.line, soldier, score, ssnWarning, rows.figures(),
                                        rows.Name(row)})) {
      return Failed(summary, RosterFailure::Stopped, "stopped at line " + std::to_string(row.line));
    }
    if (!out.ok()) {
      return Failed(summary, RosterFailure::Unwritable, out.why());
    }
  }
  if (reader.error()) {
    return Failed(summary, *reader.error());
  }
  if (!out.Flush()) {
    return Failed(summary, RosterFailure::Unwritable, out.why());
  }
  return summary;
}

ByteWriter TextWriter(std::string& text) {
  return [&text](std::string_view bytes, std::string&) {
    text.append(bytes);
    return true;
  };
}

RosterSummary ScoreRosterText(const RosterProgram& program, std::string_view roster,
                              std::string& results, const RosterSettings& settings) {
  results.clear();
  const ByteWriter writer = TextWriter(results);
  return ScoreRoster(program, TextReader(roster), &writer, settings);
}

std::string SummaryText(const RosterProgram& program, const RosterSummary& summary) {
  std::string text = std::to_string(summary.read);
  text.append(summary.read == 1 ? " row" : " rows")
      .append(" read: ")
      .append(std::to_string(summary.scored))
      .append(" scored, ")
      .append(std::to_string(summary.refused))
      .append(" refused");
  const char* before = "; ";  // before the first count, then between them
  const auto count = [&](int n, std::string_view what) {
    text.append(before).append(std::to_string(n)).append(" ").append(what);
    before = ", ";
  };
  for (std::size_t i = 0; i < program.tallies.size() && i < summary.tallies.size(); ++i) {
    count(summary.tallies[i], program.tallies[i]);
  }
  if (summary.withoutVerdict > 0) {
    count(summary.withoutVerdict, "without a verdict");
  }
  return text.append(".");
}

}  // namespace roster
