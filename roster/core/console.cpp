#include "roster/core/console.h"

#include <cstdio>

#include "roster/core/run.h"

namespace roster {

namespace {

void Write(std::FILE* stream, std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), stream);
  std::fflush(stream);
}

bool IsSeparator(char c) {
  return c == '/' || c == '\\';
}

// One line on the error stream, after the program's name.
void Complain(const RosterProgram& program, const Platform& platform, std::string_view text) {
  std::string line(program.name);
  line.append(": ").append(text).append("\n");
  platform.writeErr(line);
}

// Prints every report in roster order; stops at the first failure, since a
// printer that failed once will not print the rest properly either.
bool PrintReports(const RosterProgram& program, const Platform& platform,
                  const std::vector<ReportToPrint>& reports) {
  if (platform.print == nullptr) {
    Complain(program, platform, "this build cannot print; no report was printed.");
    return false;
  }
  std::size_t printed = 0;
  for (const ReportToPrint& job : reports) {
    std::string why;
    if (!platform.print(job.report, why)) {
      std::string text = "the report of line " + std::to_string(job.line);
      if (!job.soldier.empty()) {
        text.append(" (").append(job.soldier).append(")");
      }
      text.append(" was not printed: ").append(why).append("; ").append(std::to_string(printed));
      text.append(" of ").append(std::to_string(reports.size())).append(" reports printed.");
      Complain(program, platform, text);
      return false;
    }
    ++printed;
  }
  platform.writeOut(std::to_string(printed) + (printed == 1 ? " report" : " reports") +
                    " printed.\n");
  return true;
}

}  // namespace

Options ParseOptions(std::span<const std::string> args, std::string& error) {
  Options options;
  for (std::size_t i = 0; i < args.size() && error.empty(); ++i) {
    const std::string& arg = args[i];
    const bool takesValue = arg == "-o" || arg == "--output" || arg == "--date";
    if (takesValue && i + 1 >= args.size()) {
      error = arg + " needs a value";
    } else if (arg == "-o" || arg == "--output") {
      options.output = args[++i];
    } else if (arg == "--date") {
      options.date = args[++i];
    } else if (arg == "--print") {
      options.print = true;
    } else if (arg == "-h" || arg == "--help") {
      options.help = true;
    } else if (arg.size() > 1 && arg[0] == '-') {
      error = "unknown option " + arg;
    } else if (!options.input.empty()) {
      error = "one roster at a time (" + options.input + " and " + arg + ")";
    } else {
      options.input = arg;
    }
  }
  if (error.empty() && !options.help && options.input.empty()) {
    error = "no roster file named";
  }
  return options;
}

std::string DefaultOutputPath(std::string_view input) {
  std::size_t nameStart = input.size();
  while (nameStart > 0 && !IsSeparator(input[nameStart - 1])) {
    --nameStart;
  }
  std::size_t stem = input.rfind('.');
  if (stem == std::string_view::npos || stem <= nameStart) {
    stem = input.size();  // no extension (a leading dot is part of the name)
  }
  return std::string(input.substr(0, stem)) + "-results.csv";
}

std::string UsageText(const RosterProgram& program) {
  std::string text = "Usage: ";
  text.append(program.name).append(" ROSTER.csv [-o RESULTS.csv] [--print] [--date TEXT]\n");
  text.append("Scores every soldier of a roster with ").append(program.calculator);
  text.append(
      "'s own evaluations and writes\n"
      "the results beside it (ROSTER-results.csv unless -o names the file).\n"
      "  -o, --output FILE  where the results go (replaced if it exists)\n"
      "  --print            print each scored soldier's report on the default printer\n"
      "  --date TEXT        the date on the reports (default today, as 07 Dec 2026)\n"
      "  -h, --help         this text\n"
      "Columns, named in the header row in any case and order: last, first, mi, rank,\n"
      "ssn (123-45-6789 or nine digits; all optional), ");
  text.append(program.figureHelp);
  text.append(
      "\nExit status: 0 every row scored, 1 some rows refused, 2 unusable roster or\n"
      "results file, or reports not printed.\n");
  return text;
}

int RunRosterProgram(const RosterProgram& program, const Platform& platform,
                     std::span<const std::string> args) {
  std::string error;
  const Options options = ParseOptions(args, error);
  if (!error.empty()) {
    Complain(program, platform, error + " (" + program.name + " --help tells more)");
    return kUnusable;
  }
  if (options.help) {
    platform.writeOut(UsageText(program));
    return kAllScored;
  }
  const std::string output =
      options.output.empty() ? DefaultOutputPath(options.input) : options.output;

  std::string csv;
  std::string why;
  if (!platform.readFile(options.input, csv, why)) {
    Complain(program, platform, options.input + ": " + why);
    return kUnusable;
  }
  if (output == options.input || platform.sameFile(output, options.input)) {
    Complain(program, platform, output + " is the roster itself; name another results file");
    return kUnusable;
  }
  RosterSettings settings;
  settings.reports = options.print;
  settings.date = options.date.empty() ? platform.today() : options.date;
  settings.printerText = platform.printerText;
  const RosterRun run = ScoreRoster(program, csv, settings);
  if (!run.error.empty()) {
    Complain(program, platform, options.input + ", " + run.error);
    return kUnusable;
  }
  if (!platform.replaceFile(output, run.resultsCsv, why)) {
    Complain(program, platform, output + ": " + why);
    return kUnusable;
  }
  platform.writeOut(SummaryText(program, run.summary) + "\nResults: " + output + "\n");
  if (options.print && !PrintReports(program, platform, run.reports)) {
    return kUnusable;
  }
  return run.summary.refused > 0 ? kSomeRefused : kAllScored;
}

void WriteStandardOut(std::string_view text) {
  Write(stdout, text);
}

void WriteStandardErr(std::string_view text) {
  Write(stderr, text);
}

}  // namespace roster
