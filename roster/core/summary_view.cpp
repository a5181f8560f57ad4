#include "roster/core/summary_view.h"

#include "roster/core/cells.h"

namespace roster {

namespace {

// What the texts of a dialog show of a soldier's name, which the roster
// may give at any length.
constexpr std::size_t kShownNameChars = 60;

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
  view.date = run.settings.date;
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
    view.refused.push_back(RefusedRowText(row));
  }
  const std::size_t listed = summary.refusedRows.size();
  if (static_cast<std::size_t>(summary.refused) > listed) {
    view.refused.push_back("And " + std::to_string(summary.refused - static_cast<int>(listed)) +
                           " more refused rows: the results' message column tells each one.");
  }
  return view;
}

std::string RefusedRowText(const RefusedRow& row) {
  return Capitalised(RowName(row.line, row.soldier)) + ": " + row.message;
}

std::string ScoringText(std::string_view input, int rows) {
  std::string text = "Scoring ";
  text.append(FileName(input)).append(": ").append(std::to_string(rows));
  return text + (rows == 1 ? " row read." : " rows read.");
}

std::string ScoringCancelledText(std::string_view results, bool existed) {
  std::string text = "Scoring cancelled: ";
  if (!existed) {
    return text + "no results were written.";
  }
  text.append(results).append(" is as it was.");
  return text;
}

std::string ConfirmPrintingText(int reports, std::string_view date) {
  std::string text = "Print " + std::to_string(reports) + " reports dated ";
  text.append(date).append(" on the default printer, one print job each?");
  return text;
}

std::string PrintingText(const ReportToPrint& report) {
  return "Printing " + std::to_string(report.number) + " of " + std::to_string(report.total) +
         ": " +
         (report.soldier.empty() ? "line " + std::to_string(report.line)
                                 : Shortened(report.soldier, kShownNameChars));
}

void NoteShortSsn(std::vector<std::string>& named, const ReportToPrint& report) {
  if (!report.ssnWarning.empty() && named.size() < kNamedShortSsns) {
    named.push_back(report.soldier.empty() ? "line " + std::to_string(report.line)
                                           : Shortened(report.soldier, kShownNameChars));
  }
}

std::string PrintingEndText(const PrintedReports& run, const std::vector<std::string>& shortSsns) {
  if (!run.failure.empty()) {
    return Capitalised(run.failure);
  }
  // Appended piece by piece: GCC 12 at -O2 takes "literal" + std::string&&
  // for an overlapping copy and fails the optimised build (-Werror=restrict).
  std::string text = run.cancelled ? "Cancelled: " : "";
  text +=
      run.cancelled ? ReportsPrintedText(run.printed, run.total) : ReportsPrintedText(run.printed);
  if (run.ssnCut > 0) {
    text += '\n';
    text += std::to_string(run.ssnCut);
    text += run.ssnCut == 1 ? " report holds only the SSN digits its boxes take"
                            : " reports hold only the SSN digits their boxes take";
    for (std::size_t i = 0; i < shortSsns.size(); ++i) {
      text += i == 0 ? ": " : "; ";
      text += shortSsns[i];
    }
    const int unnamed = run.ssnCut - static_cast<int>(shortSsns.size());
    if (!shortSsns.empty() && unnamed > 0) {
      text += "; and ";
      text += std::to_string(unnamed);
      text += " more";
    }
    text += '.';
  }
  return text;
}

std::string ReportsDate(std::string_view typed, std::string_view today) {
  const std::string_view date = Trimmed(typed);
  return std::string(date.empty() ? today : date);
}

std::string OpenFailedText(std::string_view path, std::string_view why, bool offerFolder) {
  while (!why.empty() && (why.back() == '.' || why.back() == ' ')) {
    why.remove_suffix(1);
  }
  std::string reason(why.empty() ? std::string_view("Windows gave no reason") : why);
  for (std::size_t at = reason.find("%1"); at != std::string::npos; at = reason.find("%1", at)) {
    const std::string_view name = FileName(path);
    reason.replace(at, 2, name);
    at += name.size();
  }
  std::string text(path);
  text.append(" could not be opened: ").append(reason);
  text.append(offerFolder ? ". Open the folder that holds it instead?" : ".");
  return text;
}

std::string FolderOf(std::string_view path) {
  std::string_view folder = path.substr(0, path.size() - FileName(path).size());
  // A drive's root keeps its separator: "C:" alone is the drive's current folder.
  if (folder.size() > 1 && folder[folder.size() - 2] != ':') {
    folder.remove_suffix(1);
  }
  return std::string(folder);
}

std::string SummaryPrintedText(bool printed, std::string_view why) {
  if (printed) {
    return "The summary page was printed.";
  }
  std::string text = "The summary page was not printed: ";
  return text.append(why).append(".");
}

std::string RosterChangedText(std::string_view input) {
  return std::string(input) +
         " has changed since it was scored; score it again to print its reports.";
}

}  // namespace roster
