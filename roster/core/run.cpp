#include "roster/core/run.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <utility>

#include "roster/core/cells.h"
#include "roster/core/header.h"

namespace roster {

namespace {

// The roster's first bytes are read ahead to find its dialect: any header
// stands within them.
constexpr std::size_t kReadAheadBytes = 256u << 10;
// The results go to their writer in blocks of about this size.
constexpr std::size_t kResultsBlockBytes = 64u << 10;
// What a list of refused rows shows of a soldier's name.
constexpr std::size_t kShownSoldierChars = 60;
constexpr char kSeparators[] = {',', ';', '\t'};
// The header read ahead is split at each separator in turn, from memory:
// small blocks do.
constexpr std::size_t kGuessBlockBytes = 4u << 10;

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

bool Blank(const CsvRecord& record) {
  return std::all_of(record.cells.begin(), record.cells.end(),
                     [](const std::string& cell) { return Trimmed(cell).empty(); });
}

// The next record with something in it; spreadsheets end many a sheet with
// empty rows, and they are no soldiers.
bool NextRow(CsvReader& reader, CsvRecord& record) {
  while (reader.Next(record)) {
    if (!Blank(record)) {
      return true;
    }
  }
  return false;
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
    CsvReader reader(TextReader(intake.ahead()), separator, firstLine, kGuessBlockBytes);
    CsvRecord header;
    if (!NextRow(reader, header)) {
      continue;
    }
    const HeaderMatch match = MatchHeader(program, header.cells);
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
  ResultsOut(const ByteWriter* writer, char separator) : writer_(writer), separator_(separator) {}

  void Text(std::string_view text) {
    if (writer_ != nullptr) {
      block_.append(text);
    }
  }
  void Record(std::span<const std::string_view> cells) {
    if (writer_ != nullptr) {
      AppendCsvRecord(block_, cells, separator_);
      if (block_.size() >= kResultsBlockBytes) {
        Flush();
      }
    }
  }
  bool Flush() {
    if (writer_ != nullptr && ok_ && !block_.empty()) {
      ok_ = (*writer_)(block_, why_);
      block_.clear();
    }
    return ok_;
  }
  bool ok() const { return ok_; }
  const std::string& why() const { return why_; }

 private:
  const ByteWriter* writer_;
  char separator_;
  std::string block_;
  bool ok_ = true;
  std::string why_;
};

std::string_view Cell(const CsvRecord& record, int index) {
  return index >= 0 && static_cast<std::size_t>(index) < record.cells.size()
             ? std::string_view(record.cells[static_cast<std::size_t>(index)])
             : std::string_view();
}

// A cell to read as a figure or a name: without the apostrophe its results
// file gave it.
std::string_view Read(const CsvRecord& record, int index) {
  return WithoutApostrophe(Cell(record, index));
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

class RowScorer {
 public:
  RowScorer(const RosterProgram& program, const RosterSettings& settings, const HeaderMatch& m,
            std::size_t headerSize)
      : program_(program), settings_(settings), match_(m), headerSize_(headerSize) {}

  RowScore Score(const CsvRecord& record, std::string& ssnWarning) const {
    ssnWarning.clear();
    const std::size_t beyond = Width(record) - std::min(Width(record), headerSize_);
    if (beyond > 0) {
      RowScore refused;
      refused.refused = true;
      refused.message = "The row has " + std::to_string(beyond) +
                        (beyond == 1 ? " cell" : " cells") + " more than the header has columns; " +
                        (beyond == 1 ? "it follows" : "they follow") + " the message.";
      return refused;
    }
    std::vector<std::string_view> figures;
    for (int at : match_.figures) {
      figures.push_back(Read(record, at));
    }
    if (!settings_.reports) {
      return program_.score(figures, nullptr);
    }
    // The print dialog's middle initial and rank boxes show upper case; its
    // SSN boxes hold digits, so a masked number prints as far as it fits.
    shell::PersonalData person;
    person.lastName = Printed(Personal(record, kLast));
    person.firstName = Printed(Personal(record, kFirst));
    person.middleInitial = Printed(Upper(Personal(record, kMiddleInitial)));
    person.rank = Printed(Upper(Personal(record, kRank)));
    const SsnParts ssn = SsnCell(Personal(record, kSsn));
    for (std::size_t part = 0; part < ssn.parts.size(); ++part) {
      person.ssn[part] = ssn.parts[part];
    }
    person.date = Printed(settings_.date);
    RowScore score = program_.score(figures, &person);
    if (!ssn.whole && !score.refused) {
      ssnWarning = "the report prints the SSN \"" + Shortened(Personal(record, kSsn), 24) +
                   "\" as \"" + ssn.parts[0] + "/" + ssn.parts[1] + "/" + ssn.parts[2] +
                   "\": its boxes hold 3, 2 and 4 digits";
    }
    return score;
  }

  // The row's line: the roster's columns, the results and the message, then
  // any cells beyond the header's columns.
  void Write(const CsvRecord& record, const RowScore& score, ResultsOut& out) {
    cells_.clear();
    for (std::size_t column : match_.carried) {
      cells_.push_back(Cell(record, static_cast<int>(column)));
    }
    for (std::size_t column : match_.results) {
      cells_.push_back(column < score.results.size() ? std::string_view(score.results[column])
                                                     : std::string_view());
    }
    cells_.push_back(score.message);
    for (std::size_t i = headerSize_; i < Width(record); ++i) {
      cells_.push_back(record.cells[i]);
    }
    out.Record(cells_);
  }

  std::string Soldier(const CsvRecord& record) const {
    std::string name(Personal(record, kLast));
    const std::string_view first = Personal(record, kFirst);
    if (!first.empty()) {
      name.append(name.empty() ? "" : ", ").append(first);
    }
    return name;
  }

 private:
  // The cells up to the last one with something in it beyond the header.
  std::size_t Width(const CsvRecord& record) const {
    std::size_t width = record.cells.size();
    while (width > headerSize_ && Trimmed(record.cells[width - 1]).empty()) {
      --width;
    }
    return width;
  }

  std::string_view Personal(const CsvRecord& record, PersonalColumn column) const {
    return Trimmed(Read(record, match_.personal[static_cast<std::size_t>(column)]));
  }

  std::string Printed(std::string_view text) const {
    return settings_.printerText != nullptr ? settings_.printerText(text) : std::string(text);
  }

  const RosterProgram& program_;
  const RosterSettings& settings_;
  const HeaderMatch& match_;
  std::size_t headerSize_;
  std::vector<std::string_view> cells_;
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
  return count.value == nullptr || score.results[column] == count.value;
}

void Count(const RosterProgram& program, RosterSummary& summary, const RowScore& score, int line,
           std::string_view soldier) {
  ++summary.read;
  if (score.refused) {
    ++summary.refused;
    if (summary.refusedRows.size() < kListedRefusedRows) {
      summary.refusedRows.push_back({line, Shortened(soldier, kShownSoldierChars), score.message});
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
  CsvRecord header;
  if (!NextRow(reader, header)) {
    return reader.error() ? Failed(summary, *reader.error())
                          : Failed(summary, RosterFailure::Unusable, "the file is empty");
  }
  const HeaderMatch match = MatchHeader(program, header.cells);
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

  RowScorer scorer(program, settings, match, header.cells.size());
  CsvRecord record;
  std::string ssnWarning;
  while (NextRow(reader, record)) {
    const RowScore score = scorer.Score(record, ssnWarning);
    const std::string soldier = scorer.Soldier(record);
    Count(program, summary, score, record.line, soldier);
    scorer.Write(record, score, out);
    if (observer && !observer(ScoredRow{record.line, soldier, score, ssnWarning})) {
      return Failed(summary, RosterFailure::Stopped,
                    "stopped at line " + std::to_string(record.line));
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
  std::string text = std::to_string(summary.read) + (summary.read == 1 ? " row" : " rows") +
                     " read: " + std::to_string(summary.scored) + " scored, " +
                     std::to_string(summary.refused) + " refused";
  std::string counts;
  for (std::size_t i = 0; i < program.tallies.size() && i < summary.tallies.size(); ++i) {
    counts += (counts.empty() ? "" : ", ") + std::to_string(summary.tallies[i]) + " " +
              program.tallies[i];
  }
  if (summary.withoutVerdict > 0) {
    counts += (counts.empty() ? "" : ", ") + std::to_string(summary.withoutVerdict) +
              " without a verdict";
  }
  return text + (counts.empty() ? "" : "; " + counts) + ".";
}

}  // namespace roster
