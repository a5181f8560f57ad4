#include "roster/core/file_run.h"

#include <cstddef>
#include <iterator>

namespace roster {

namespace {

// Why a run failed, as one line; empty when it did not.
std::string FailureText(const Options& options, const std::string& output,
                        const RosterSummary& summary) {
  switch (summary.failure) {
    case RosterFailure::None:
      return {};
    case RosterFailure::Unusable:
      return options.input + ", " + summary.error;
    case RosterFailure::Unreadable:
      return options.input + ": " + summary.error;
    case RosterFailure::Unwritable:
      return output + ": " + summary.error;
    case RosterFailure::Stopped:
      break;
  }
  return summary.error;
}

// Why a file the run writes (the results, the summary page) cannot go to
// `output`, as one line; empty when it can. `option` names the option that
// names another ("-o"), or is empty where the user cannot.
std::string OutputRefusal(const std::string& output, const OutputCheck& check,
                          std::string_view noun, std::string_view option) {
  // What the output is instead of a file it can replace, by its kind.
  constexpr const char* kWhat[] = {
      "",
      " is read-only; make it writable",
      " is a folder, not a file",
      " is a device, not a file",
      " is a named pipe, not a file",
      " is a socket, not a file",
      " is not a file",
      ": ",
  };
  static_assert(std::size(kWhat) == static_cast<std::size_t>(OutputKind::UnwritableFolder) + 1);
  if (check.kind == OutputKind::Writable) {
    return {};
  }
  std::string text = output;
  text.append(kWhat[static_cast<std::size_t>(check.kind)]);
  if (check.kind == OutputKind::NotAFile && !check.why.empty()) {
    text.append(" (").append(check.why).append(")");
  }
  if (check.kind == OutputKind::UnwritableFolder) {
    text.append(UnwritableFolderText(check.why));
  }
  if (!option.empty()) {
    const bool folder = check.kind == OutputKind::UnwritableFolder;
    text.append(check.kind == OutputKind::ReadOnly ? ", or name another "
                : folder                           ? "; name a "
                                                   : "; name another ")
        .append(noun)
        .append(folder ? " in another folder with " : " with ")
        .append(option);
  }
  return text;
}

}  // namespace

std::string UnwritableFolderText(std::string_view reason) {
  std::string text = "its folder cannot be written to (";
  text.append(reason).append(")");
  return text;
}

std::string_view FileName(std::string_view path) {
  const std::size_t separator = path.find_last_of("\\/");
  return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

std::string DefaultOutputPath(std::string_view input) {
  // Only ".csv" gives way: roster.txt (a sheet saved as tab-delimited text)
  // beside roster.csv must not take its results.
  const std::string_view name = FileName(input);
  const auto sameLetter = [](char c, char lower) { return c == lower || c == lower - 'a' + 'A'; };
  const bool csv = name.size() > 4 && name[name.size() - 4] == '.' &&
                   sameLetter(name[name.size() - 3], 'c') &&
                   sameLetter(name[name.size() - 2], 's') && sameLetter(name[name.size() - 1], 'v');
  return std::string(input.substr(0, input.size() - (csv ? 4 : 0))) + "-results.csv";
}

std::string ReportsPrintedText(int printed) {
  return std::to_string(printed) + (printed == 1 ? " report" : " reports") + " printed.";
}

std::string ReportsPrintedText(int printed, int total) {
  return std::to_string(printed) + " of " + std::to_string(total) + " reports printed.";
}

std::string LeftoverRemovedText(std::string_view leftover) {
  std::string text = "removed ";
  text.append(leftover).append(", left behind by a run that was cut short.");
  return text;
}

std::string RowName(int line, std::string_view soldier) {
  std::string text = "line " + std::to_string(line);
  if (!soldier.empty()) {
    text.append(" (").append(soldier).append(")");
  }
  return text;
}

ScoredFile ScoreRosterFile(const RosterProgram& program, const Platform& platform,
                           const Options& options, const RowObserver& observer) {
  ScoredFile run;
  run.output = options.output.empty() ? DefaultOutputPath(options.input) : options.output;
  const std::string& output = run.output;
  if (output == options.input || platform.sameFile(output, options.input)) {
    run.error = output + " is the roster itself; name another results file";
    return run;
  }
  run.removed = platform.removeLeftovers(output);
  run.error = OutputRefusal(output, platform.checkOutput(output), "results file",
                            options.canNameOutput ? "-o" : "");
  if (!run.error.empty()) {
    return run;
  }

  RowObserver tally = observer;
  if (options.tallyPage) {
    run.page = StartTally(program);
    tally = [&](const ScoredRow& row) {
      TallyRow(program, run.page, row);
      return !observer || observer(row);
    };
  }
  run.settings.date = options.date.empty() ? platform.today() : options.date;
  run.settings.printerText = platform.printerText;
  RosterSummary& summary = run.summary;
  bool replaced = false;
  std::string readWhy;
  std::string writeWhy;
  const bool opened = platform.readFile(
      options.input,
      [&](const ByteReader& reader) {
        replaced = platform.replaceFile(
            output,
            [&](const ByteWriter& writer) {
              summary = ScoreRoster(program, reader, &writer, run.settings, tally);
              return summary.failure == RosterFailure::None;
            },
            writeWhy);
      },
      readWhy);
  if (!opened) {
    run.error = options.input + ": " + readWhy;
  } else if (summary.failure != RosterFailure::None) {
    run.error = FailureText(options, output, summary);
  } else if (!replaced) {
    run.error = output + ": " + writeWhy;
  } else {
    run.status = summary.refused > 0 ? kSomeRefused : kAllScored;
  }
  return run;
}

std::string SummaryPathRefusal(const Platform& platform, const Options& options) {
  const std::string& path = options.summary;
  const std::string output =
      options.output.empty() ? DefaultOutputPath(options.input) : options.output;
  if (path == options.input || platform.sameFile(path, options.input)) {
    return path + " is the roster itself; name another summary file";
  }
  if (path == output || platform.sameFile(path, output)) {
    return path + " is the results file; name another summary file";
  }
  return OutputRefusal(path, platform.checkOutput(path), "summary file", "--summary");
}

PrintedReports PrintRosterReports(const RosterProgram& program, const Platform& platform,
                                  const std::string& input, RosterSettings settings,
                                  const RosterSummary& scored, const ReportPrinter& print) {
  settings.reports = true;
  PrintedReports run;
  run.total = scored.scored;
  bool stopped = false;
  RosterSummary again;
  std::string why;
  const auto printRow = [&](const ScoredRow& row) {
    if (row.score.refused || !row.score.report) {
      return true;
    }
    const ReportToPrint report{run.printed + 1, run.total,      row.line,
                               row.soldier,     row.ssnWarning, *row.score.report};
    std::string printWhy;
    const Printing printed = print(report, printWhy);
    if (printed == Printing::Failed) {
      run.failure = "the report of " + RowName(row.line, row.soldier) +
                    " was not printed: " + printWhy + "; " +
                    ReportsPrintedText(run.printed, run.total);
      stopped = true;
      return false;
    }
    ++run.printed;
    run.ssnCut += row.ssnWarning.empty() ? 0 : 1;
    run.cancelled = printed == Printing::PrintedLast;
    stopped = run.cancelled;
    return !stopped;
  };
  const bool opened = platform.readFile(
      input,
      [&](const ByteReader& reader) {
        again = ScoreRoster(program, reader, nullptr, settings, printRow);
      },
      why);
  if (stopped) {
    return run;
  }
  if (!opened || again.failure != RosterFailure::None || again.read != scored.read ||
      again.scored != scored.scored) {
    run.failure = input + " could not be read again as it was scored, to print its reports; " +
                  ReportsPrintedText(run.printed, run.total);
  }
  return run;
}

}  // namespace roster
