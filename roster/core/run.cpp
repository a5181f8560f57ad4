#include "roster/core/run.h"

#include <algorithm>
#include <array>

#include "roster/core/cells.h"
#include "roster/core/csv.h"
#include "roster/core/header.h"

namespace roster {

namespace {

bool Blank(const CsvRecord& record) {
  return std::all_of(record.cells.begin(), record.cells.end(),
                     [](const std::string& cell) { return Trimmed(cell).empty(); });
}

std::string_view Cell(const CsvRecord& record, int index) {
  return index >= 0 && static_cast<std::size_t>(index) < record.cells.size()
             ? std::string_view(record.cells[static_cast<std::size_t>(index)])
             : std::string_view();
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

class RosterScorer {
 public:
  RosterScorer(const RosterProgram& program, const RosterSettings& settings, const HeaderMatch& m)
      : program_(program), settings_(settings), match_(m) {}

  // Scores one record and appends its line to the results.
  void Score(const CsvRecord& record, std::size_t headerSize, RosterRun& run) {
    RowScore score = ScoreCells(record, headerSize);
    RosterSummary& summary = run.summary;
    ++summary.read;
    if (score.refused) {
      ++summary.refused;
    } else {
      ++summary.scored;
      if (score.tally >= 0 && static_cast<std::size_t>(score.tally) < summary.tallies.size()) {
        ++summary.tallies[static_cast<std::size_t>(score.tally)];
      }
    }
    std::vector<std::string_view> cells;
    for (std::size_t column : match_.carried) {
      cells.push_back(Cell(record, static_cast<int>(column)));
    }
    for (std::size_t column : match_.results) {
      cells.push_back(score.refused || column >= score.results.size()
                          ? std::string_view()
                          : std::string_view(score.results[column]));
    }
    cells.push_back(score.message);
    AppendCsvRecord(run.resultsCsv, cells);
    if (score.report) {
      run.reports.push_back({record.line, Soldier(record), std::move(*score.report)});
    }
  }

 private:
  std::string_view Personal(const CsvRecord& record, PersonalColumn column) const {
    return Trimmed(Cell(record, match_.personal[static_cast<std::size_t>(column)]));
  }

  std::string Soldier(const CsvRecord& record) const {
    std::string name(Personal(record, kLast));
    const std::string_view first = Personal(record, kFirst);
    if (!first.empty()) {
      name.append(name.empty() ? "" : ", ").append(first);
    }
    return name;
  }

  std::string Printed(std::string_view text) const {
    return settings_.printerText != nullptr ? settings_.printerText(text) : std::string(text);
  }

  RowScore ScoreCells(const CsvRecord& record, std::size_t headerSize) const {
    RowScore refused;
    refused.refused = true;
    for (std::size_t i = headerSize; i < record.cells.size(); ++i) {
      if (!Trimmed(record.cells[i]).empty()) {
        refused.message = "The row has " + std::to_string(record.cells.size()) +
                          " cells but the header names " + std::to_string(headerSize) + " columns.";
        return refused;
      }
    }
    const std::string_view ssnCell = Personal(record, kSsn);
    const std::optional<std::array<std::string, 3>> ssn = SsnCell(ssnCell);
    if (!ssn) {
      refused.message = CellRefusal(kPersonalColumnNames[kSsn], ssnCell, kExpectSsn);
      return refused;
    }
    std::vector<std::string_view> figures;
    for (int at : match_.figures) {
      figures.push_back(Cell(record, at));
    }
    if (!settings_.reports) {
      return program_.score(figures, nullptr);
    }
    // The print dialog's middle initial and rank boxes show upper case.
    shell::PersonalData person;
    person.lastName = Printed(Personal(record, kLast));
    person.firstName = Printed(Personal(record, kFirst));
    person.middleInitial = Printed(Upper(Personal(record, kMiddleInitial)));
    person.rank = Printed(Upper(Personal(record, kRank)));
    for (std::size_t part = 0; part < ssn->size(); ++part) {
      person.ssn[part] = (*ssn)[part];
    }
    person.date = Printed(settings_.date);
    return program_.score(figures, &person);
  }

  const RosterProgram& program_;
  const RosterSettings& settings_;
  const HeaderMatch& match_;
};

}  // namespace

RosterRun ScoreRoster(const RosterProgram& program, std::string_view csv,
                      const RosterSettings& settings) {
  RosterRun run;
  run.summary.tallies.assign(program.tallies.size(), 0);
  // Spreadsheets offer "Unicode text" too; it would read as a header of noise.
  if (csv.starts_with("\xFF\xFE") || csv.starts_with("\xFE\xFF")) {
    run.error = "the file is UTF-16 text; save the sheet as CSV (UTF-8 or the system's code page)";
    return run;
  }
  const CsvTable table = ParseCsv(csv);
  if (table.error) {
    run.error = "line " + std::to_string(table.error->line) + ": " + table.error->what;
    return run;
  }
  auto record = std::find_if_not(table.records.begin(), table.records.end(), Blank);
  if (record == table.records.end()) {
    run.error = "the file is empty";
    return run;
  }
  const CsvRecord& header = *record;
  const HeaderMatch match = MatchHeader(program, header.cells);
  if (!match.error.empty()) {
    run.error = "line " + std::to_string(header.line) + ": " + match.error;
    return run;
  }

  std::vector<std::string_view> names;
  for (std::size_t column : match.carried) {
    names.push_back(header.cells[column]);
  }
  for (std::size_t column : match.results) {
    names.push_back(program.results[column].name);
  }
  names.push_back(kMessageColumn);
  // A spreadsheet that saved its roster with a byte-order mark reads the
  // results as UTF-8 only with one; without, it takes them for its code page.
  if (csv.starts_with(kUtf8ByteOrderMark)) {
    run.resultsCsv = kUtf8ByteOrderMark;
  }
  AppendCsvRecord(run.resultsCsv, names);

  RosterScorer scorer(program, settings, match);
  for (++record; record != table.records.end(); ++record) {
    // Spreadsheets end many a sheet with empty rows: they are no soldiers.
    if (!Blank(*record)) {
      scorer.Score(*record, header.cells.size(), run);
    }
  }
  return run;
}

std::string SummaryText(const RosterProgram& program, const RosterSummary& summary) {
  std::string text = std::to_string(summary.read) + (summary.read == 1 ? " row" : " rows") +
                     " read: " + std::to_string(summary.scored) + " scored, " +
                     std::to_string(summary.refused) + " refused";
  for (std::size_t i = 0; i < program.tallies.size() && i < summary.tallies.size(); ++i) {
    text += i == 0 ? "; " : ", ";
    text += std::to_string(summary.tallies[i]) + " " + program.tallies[i];
  }
  return text + ".";
}

}  // namespace roster
