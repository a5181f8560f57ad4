#include "roster/core/console.h"

#include <algorithm>
#include <cstdio>

#include "roster/core/summary_page.h"

namespace roster {

namespace {

void Write(std::FILE* stream, std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), stream);
  std::fflush(stream);
}

// The refused rows a console names by their line.
constexpr std::size_t kNamedRefusedLines = 10;

// One line on the error stream, after the program's name.
void Complain(const RosterProgram& program, const Platform& platform, std::string_view text) {
  std::string line(program.name);
  line.append(": ").append(text).append("\n");
  platform.writeErr(line);
}

// A byte that starts a character: a UTF-8 sequence takes one column.
bool StartsCharacter(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}

std::size_t Columns(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), StartsCharacter));
}

// Where a line too long is broken: the last blank before the text would
// pass kConsoleColumns, else the first blank after a word too long for it.
std::size_t BreakAt(std::string_view line) {
  std::size_t at = std::string_view::npos;
  std::size_t columns = 0;
  for (std::size_t i = 0; i < line.size() && columns <= kConsoleColumns; ++i) {
    if (line[i] == ' ' && i > 0) {
      at = i;
    }
    columns += StartsCharacter(line[i]) ? 1u : 0u;
  }
  return at != std::string_view::npos ? at : line.find(' ', 1);
}

void Warn(const RosterProgram& program, const Platform& platform, std::string_view text) {
  Complain(program, platform, "warning: " + std::string(text));
}

// Prints every scored soldier's report through the platform's printer.
bool PrintReports(const RosterProgram& program, const Platform& platform, const Options& options,
                  const RosterSettings& settings, const RosterSummary& scored) {
  if (platform.print == nullptr) {
    Complain(program, platform, "this build cannot print; no report was printed.");
    return false;
  }
  const PrintedReports run = PrintRosterReports(
      program, platform, options.input, settings, scored,
      [&](const ReportToPrint& report, std::string& why) {
        if (!report.ssnWarning.empty()) {
          Warn(program, platform,
               RowName(report.line, report.soldier) + ": " + std::string(report.ssnWarning));
        }
        return platform.print(report.report, why) ? Printing::Printed : Printing::Failed;
      });
  if (!run.failure.empty()) {
    Complain(program, platform, run.failure);
    return false;
  }
  platform.writeOut(ReportsPrintedText(run.printed) + "\n");
  return true;
}

// What became of temporary files that runs cut short left beside a file.
void SayRemoved(const RosterProgram& program, const Platform& platform,
                const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    std::string line(program.name);
    platform.writeOut(line.append(": ").append(LeftoverRemovedText(name)).append("\n"));
  }
}

// The summary page into its text file, replaced whole or not at all.
bool WriteSummary(const RosterProgram& program, const Platform& platform, const Options& options,
                  const SummaryPage& page) {
  SayRemoved(program, platform, platform.removeLeftovers(options.summary));
  const std::string text = PageText(page);
  std::string writeWhy;
  std::string why;
  const bool written = platform.replaceFile(
      options.summary, [&](const ByteWriter& writer) { return writer(text, writeWhy); }, why);
  if (!written) {
    std::string line = options.summary;
    Complain(program, platform,
             line.append(": ")
                 .append(why.empty() ? writeWhy : why)
                 .append("; the summary page was not written"));
    return false;
  }
  platform.writeOut("Summary: " + options.summary + "\n");
  return true;
}

// The summary page on the default printer, before the reports: the
// commander's page first.
bool PrintSummary(const RosterProgram& program, const Platform& platform, const SummaryPage& page) {
  if (platform.printSummary == nullptr) {
    Complain(program, platform, "this build cannot print; the summary page was not printed.");
    return false;
  }
  std::string why;
  if (!platform.printSummary(page, why)) {
    Complain(program, platform, "the summary page was not printed: " + why);
    return false;
  }
  platform.writeOut("Summary page printed.\n");
  return true;
}

}  // namespace

Options ParseOptions(std::span<const std::string> args, std::string& error) {
  Options options;
  options.help = args.empty();
  bool onlyNames = false;  // after "--"
  for (std::size_t i = 0; i < args.size() && error.empty(); ++i) {
    const std::string& arg = args[i];
    const bool option = !onlyNames && arg.size() > 1 && arg[0] == '-';
    const bool takesValue =
        arg == "-o" || arg == "--output" || arg == "--date" || arg == "--summary";
    const std::size_t equals = arg.find('=');
    const std::string name = arg.substr(0, equals);
    const std::string value = equals == std::string::npos ? std::string() : arg.substr(equals + 1);
    const auto valueOf = [&options](std::string_view named) -> std::string& {
      return named == "--date"      ? options.date
             : named == "--summary" ? options.summary
                                    : options.output;
    };
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
      valueOf(arg) = args[++i];
    } else if ((name == "--output" || name == "--date" || name == "--summary") &&
               equals != std::string::npos) {
      if (value.empty()) {
        error = name + "= needs a value";
      }
      valueOf(name) = value;
    } else if (arg == "--print") {
      options.print = true;
    } else if (arg == "--print-summary") {
      options.printSummary = true;
    } else if (arg == "-h" || arg == "--help") {
      options.help = true;
    } else {
      error = "unknown option " + arg;
    }
  }
  if (error.empty() && !options.help && options.input.empty()) {
    error = "no roster file named";
  }
  options.tallyPage = !options.summary.empty() || options.printSummary;
  return options;
}

std::string UsageText(const RosterProgram& program) {
  std::string text = "Usage: ";
  text.append(program.name)
      .append(" ROSTER.csv [-o RESULTS.csv] [--summary FILE] [--print]\n")
      .append(std::string(std::string_view(program.name).size() + 7, ' '))
      .append("[--print-summary] [--date TEXT]\n");
  text.append("Scores every soldier of a roster with ").append(program.calculator);
  text.append(
      "'s own evaluations and writes\n"
      "the results beside it, unless -o names the file: ROSTER.csv gives\n"
      "ROSTER-results.csv, and any other name gains -results.csv (roster.txt gives\n"
      "roster.txt-results.csv).\n"
      "  -o FILE, --output=FILE  where the results go: a file, replaced unless it is\n"
      "                          read-only (through a link, the file it leads to)\n"
      "  --summary FILE          also write the roster's summary page (the figures, a\n"
      "  --summary=FILE          chart and who needs what next) to FILE, as plain\n"
      "                          UTF-8 text within 80 columns\n"
      "  --print                 print each scored soldier's report on the default\n"
      "                          printer\n"
      "  --print-summary         print the summary page on the default printer\n"
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
  if (!options.summary.empty()) {
    if (const std::string refusal = SummaryPathRefusal(platform, options); !refusal.empty()) {
      Complain(program, platform, refusal);
      return kUnusable;
    }
  }
  const ScoredFile run = ScoreRosterFile(program, platform, options);
  SayRemoved(program, platform, run.removed);
  for (const std::string& warning : run.summary.warnings) {
    Warn(program, platform, options.input + ", " + warning);
  }
  if (!run.error.empty()) {
    Complain(program, platform, run.error);
    return kUnusable;
  }
  platform.writeOut(ScoredText(program, run));
  int status = run.status;
  if (!options.summary.empty() || options.printSummary) {
    const SummaryPage page = PageOfScoredFile(program, run, options.input, platform.utf8Text);
    if (!options.summary.empty() && !WriteSummary(program, platform, options, page)) {
      status = kUnusable;
    }
    if (options.printSummary && !PrintSummary(program, platform, page)) {
      status = kUnusable;
    }
  }
  if (options.print && !PrintReports(program, platform, options, run.settings, run.summary)) {
    return kUnusable;
  }
  return status;
}

std::string Wrapped(std::string_view text) {
  std::string wrapped;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    for (std::size_t at = 0;
         Columns(line) > kConsoleColumns && (at = BreakAt(line)) != std::string_view::npos;) {
      wrapped.append(line.substr(0, at)).append("\n");
      line.remove_prefix(std::min(line.find_first_not_of(' ', at), line.size()));
    }
    wrapped.append(line).append(end < text.size() ? "\n" : "");
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  return wrapped;
}

std::string ScoredText(const RosterProgram& program, const ScoredFile& run) {
  std::string text = SummaryText(program, run.summary) + "\n";
  const std::vector<RefusedRow>& rows = run.summary.refusedRows;
  const std::size_t named = std::min(rows.size(), kNamedRefusedLines);
  if (named > 0) {
    text += named == 1 && run.summary.refused == 1 ? "Refused: line " : "Refused: lines ";
    const int more = run.summary.refused - static_cast<int>(named);
    for (std::size_t i = 0; i < named; ++i) {
      const bool last = i + 1 == named && more == 0;
      text += i == 0 ? "" : (last ? " and " : ", ");
      text += std::to_string(rows[i].line);
    }
    if (more > 0) {
      text += " and " + std::to_string(more) + " more";
    }
    text += "; the results' message column says why.\n";
  }
  return text + "Results: " + run.output + "\n";
}

void WriteStandardOut(std::string_view text) {
  Write(stdout, text);
}

void WriteStandardErr(std::string_view text) {
  Write(stderr, text);
}

}  // namespace roster
