#include "roster/core/summary_view.h"

namespace roster {

namespace {

std::string Capitalised(std::string text) {
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') {
    text[0] = static_cast<char>(text[0] - 'a' + 'A');
  }
  return text;
}

}  // namespace

SummaryView ViewOfScoredFile(const RosterProgram& program, std::string_view input,
                             const ScoredFile& run) {
  const RosterSummary& summary = run.summary;
  SummaryView view;
  view.roster = FileName(input);
  view.results = run.output;
  view.rows = {{"Rows read", std::to_string(summary.read)},
               {"Scored", std::to_string(summary.scored)},
               {"Refused", std::to_string(summary.refused)},
               {"Without a verdict", std::to_string(summary.withoutVerdict)}};
  for (std::size_t i = 0; i < program.counts.size() && i < summary.counts.size(); ++i) {
    view.verdicts.push_back({program.counts[i].label, std::to_string(summary.counts[i])});
  }
  for (const std::string& warning : summary.warnings) {
    view.notes.push_back("Warning: " + warning);
  }
  for (const std::string& removed : run.removed) {
    view.notes.push_back(Capitalised(LeftoverRemovedText(removed)));
  }
  for (const RefusedRow& row : summary.refusedRows) {
    view.notes.push_back(RefusedRowText(row));
  }
  const std::size_t listed = summary.refusedRows.size();
  if (static_cast<std::size_t>(summary.refused) > listed) {
    view.notes.push_back("And " + std::to_string(summary.refused - static_cast<int>(listed)) +
                         " more refused rows: the results' message column tells each one.");
  }
  return view;
}

std::string RefusedRowText(const RefusedRow& row) {
  return Capitalised(RowName(row.line, row.soldier)) + ": " + row.message;
}

std::string PrintingText(const ReportToPrint& report) {
  return "Printing " + std::to_string(report.number) + " of " + std::to_string(report.total) +
         ": " +
         (report.soldier.empty() ? "line " + std::to_string(report.line)
                                 : std::string(report.soldier));
}

std::string PrintingEndText(const PrintedReports& run) {
  if (!run.failure.empty()) {
    return Capitalised(run.failure);
  }
  // Appended piece by piece: GCC 12 at -O2 takes "literal" + std::string&&
  // for an overlapping copy and fails the optimised build (-Werror=restrict).
  std::string text = run.cancelled ? "Cancelled: " : "";
  text +=
      run.cancelled ? ReportsPrintedText(run.printed, run.total) : ReportsPrintedText(run.printed);
  if (run.ssnCut > 0) {
    text += ' ';
    text += std::to_string(run.ssnCut);
    text += run.ssnCut == 1 ? " report holds" : " reports hold";
    text += " only the SSN digits its boxes take.";
  }
  return text;
}

std::string OpenFailedText(std::string_view results, std::string_view why) {
  return std::string(results) + " could not be opened: " + std::string(why) + ".";
}

std::string RosterChangedText(std::string_view input) {
  return std::string(input) +
         " has changed since it was scored; score it again to print its reports.";
}

}  // namespace roster
