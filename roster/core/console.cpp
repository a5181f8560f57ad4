#include "roster/core/console.h"

#include <cstdio>

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

void Warn(const RosterProgram& program, const Platform& platform, std::string_view text) {
  Complain(program, platform, "warning: " + std::string(text));
}

std::string RowName(int line, std::string_view soldier) {
  std::string text = "line " + std::to_string(line);
  if (!soldier.empty()) {
    text.append(" (").append(soldier).append(")");
  }
  return text;
}

// Reads the roster a second time, now building each scored soldier's report,
// and prints them in roster order: no report is held longer than its print.
// Stops at the first failure, since a printer that failed once will not
// print the rest properly either.
bool PrintReports(const RosterProgram& program, const Platform& platform, const Options& options,
                  RosterSettings settings, const RosterSummary& scored) {
  if (platform.print == nullptr) {
    Complain(program, platform, "this build cannot print; no report was printed.");
    return false;
  }
  settings.reports = true;
  int printed = 0;
  bool failed = false;
  RosterSummary again;
  std::string why;
  const auto print = [&](const ScoredRow& row) {
    if (row.score.refused || !row.score.report) {
      return true;
    }
    if (!row.ssnWarning.empty()) {
      Warn(program, platform, RowName(row.line, row.soldier) + ": " + std::string(row.ssnWarning));
    }
    std::string printWhy;
    if (!platform.print(*row.score.report, printWhy)) {
      Complain(program, platform,
               "the report of " + RowName(row.line, row.soldier) + " was not printed: " + printWhy +
                   "; " + std::to_string(printed) + " of " + std::to_string(scored.scored) +
                   " reports printed.");
      failed = true;
      return false;
    }
    ++printed;
    return true;
  };
  const bool opened = platform.readFile(
      options.input,
      [&](const ByteReader& reader) {
        again = ScoreRoster(program, reader, nullptr, settings, print);
      },
      why);
  if (failed) {
    return false;
  }
  if (!opened || again.failure != RosterFailure::None || again.read != scored.read ||
      again.scored != scored.scored) {
    Complain(program, platform,
             options.input + " could not be read again as it was scored, to print its reports; " +
                 std::to_string(printed) + " of " + std::to_string(scored.scored) +
                 " reports printed.");
    return false;
  }
  platform.writeOut(std::to_string(printed) + (printed == 1 ? " report" : " reports") +
                    " printed.\n");
  return true;
}

// Says why a run failed; false when it did.
bool Succeeded(const RosterProgram& program, const Platform& platform, const Options& options,
               const std::string& output, const RosterSummary& summary) {
  switch (summary.failure) {
    case RosterFailure::None:
      return true;
    case RosterFailure::Unusable:
      Complain(program, platform, options.input + ", " + summary.error);
      break;
    case RosterFailure::Unreadable:
      Complain(program, platform, options.input + ": " + summary.error);
      break;
    case RosterFailure::Unwritable:
      Complain(program, platform, output + ": " + summary.error);
      break;
    case RosterFailure::Stopped:
      Complain(program, platform, summary.error);
      break;
  }
  return false;
}

}  // namespace

Options ParseOptions(std::span<const std::string> args, std::string& error) {
  Options options;
  options.help = args.empty();
  bool onlyNames = false;  // after "--"
  for (std::size_t i = 0; i < args.size() && error.empty(); ++i) {
    const std::string& arg = args[i];
    const bool option = !onlyNames && arg.size() > 1 && arg[0] == '-';
    const bool takesValue = arg == "-o" || arg == "--output" || arg == "--date";
    const std::size_t equals = arg.find('=');
    const std::string name = arg.substr(0, equals);
    const std::string value = equals == std::string::npos ? std::string() : arg.substr(equals + 1);
    if (!option) {
      if (!options.input.empty()) {
        error = "one roster at a time (" + options.input + " and " + arg + ")";
      }
      options.input = arg;
    } else if (arg == "--") {
      onlyNames = true;
    } else if (takesValue && i + 1 >= args.size()) {
      error = arg + " needs a value";
    } else if (takesValue) {
      (arg == "--date" ? options.date : options.output) = args[++i];
    } else if ((name == "--output" || name == "--date") && equals != std::string::npos) {
      if (value.empty()) {
        error = name + "= needs a value";
      }
      (name == "--date" ? options.date : options.output) = value;
    } else if (arg == "--print") {
      options.print = true;
    } else if (arg == "-h" || arg == "--help") {
      options.help = true;
    } else {
      error = "unknown option " + arg;
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
      "  -o FILE, --output=FILE  where the results go; replaced if it exists, unless\n"
      "                          it is read-only\n"
      "  --print                 print each scored soldier's report on the default\n"
      "                          printer\n"
      "  --date TEXT             the date on the reports (default today, as\n"
      "  --date=TEXT             07 Dec 2026)\n"
      "  -h, --help              this text\n"
      "  --                      what follows is the roster's name, even if it starts\n"
      "                          with -\n"
      "\n"
      "Columns, named in the header row in any order: last, first, mi, rank and ssn,\n"
      "all optional (the SSN counts only on the report, which prints as much of a\n"
      "masked one as its boxes hold); then\n");
  text.append(program.figureHelp);
  text.append(
      "\n\n"
      "Column names do not mind case, blanks, underscores, hyphens or a plural s\n"
      "(Push-ups, Neck_1, hip1); a site named alone is its first reading (Abdomen).\n"
      "A column that names a site or event but none of these gets a warning; other\n"
      "columns (Unit) are repeated as they are.\n"
      "\n"
      "The separator is the one a first line such as sep=; names, else the comma,\n"
      "semicolon or tab that splits the header into these columns. The results are\n"
      "written with the roster's separator, sep= line and UTF-8 byte-order mark.\n"
      "\n"
      "The results repeat every column and cell of the roster (cells beyond the\n"
      "header's columns after the message), then the results and a message. A\n"
      "result whose name a roster column has takes the next free one (total_2). A\n"
      "results file scored again has its results, the block of result columns at\n"
      "the end of its header, replaced. A cell that starts with = + - @, a tab or a\n"
      "carriage return and is not a number is written after an apostrophe ('), so\n"
      "that no spreadsheet runs it as a formula.\n"
      "\n"
      "Exit status: 0 every row scored, 1 some rows refused, 2 unusable roster or\n"
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
    return args.empty() ? kUnusable : kAllScored;
  }
  const std::string output =
      options.output.empty() ? DefaultOutputPath(options.input) : options.output;
  if (output == options.input || platform.sameFile(output, options.input)) {
    Complain(program, platform, output + " is the roster itself; name another results file");
    return kUnusable;
  }
  for (const std::string& name : platform.removeLeftovers(output)) {
    platform.writeOut(std::string(program.name) + ": removed " + name +
                      ", left behind by a run that was cut short.\n");
  }
  if (platform.readOnly(output)) {
    Complain(program, platform,
             output + " is read-only; make it writable, or name another results file with -o");
    return kUnusable;
  }

  RosterSettings settings;
  settings.date = options.date.empty() ? platform.today() : options.date;
  settings.printerText = platform.printerText;
  RosterSummary summary;
  bool replaced = false;
  std::string readWhy;
  std::string writeWhy;
  const bool opened = platform.readFile(
      options.input,
      [&](const ByteReader& reader) {
        replaced = platform.replaceFile(
            output,
            [&](const ByteWriter& writer) {
              summary = ScoreRoster(program, reader, &writer, settings);
              return summary.failure == RosterFailure::None;
            },
            writeWhy);
      },
      readWhy);
  if (!opened) {
    Complain(program, platform, options.input + ": " + readWhy);
    return kUnusable;
  }
  for (const std::string& warning : summary.warnings) {
    Warn(program, platform, options.input + ", " + warning);
  }
  if (!Succeeded(program, platform, options, output, summary)) {
    return kUnusable;
  }
  if (!replaced) {
    Complain(program, platform, output + ": " + writeWhy);
    return kUnusable;
  }
  platform.writeOut(SummaryText(program, summary) + "\nResults: " + output + "\n");
  if (options.print && !PrintReports(program, platform, options, settings, summary)) {
    return kUnusable;
  }
  return summary.refused > 0 ? kSomeRefused : kAllScored;
}

void WriteStandardOut(std::string_view text) {
  Write(stdout, text);
}

void WriteStandardErr(std::string_view text) {
  Write(stderr, text);
}

}  // namespace roster
