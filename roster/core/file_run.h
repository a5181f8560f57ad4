// A roster file scored into the results file beside it, and its reports
// printed from a second reading: the run of the roster programs behind their
// command line, which a window runs as well. The files come from a Platform.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "roster/core/page_tally.h"
#include "roster/core/program.h"
#include "roster/core/run.h"
#include "shell/core/report.h"

namespace roster {

struct SummaryPage;

enum ExitStatus : int {
  kAllScored = 0,
  kSomeRefused = 1,
  kUnusable = 2,  // unusable input or output, or reports not printed
};

struct Options {
  std::string input;
  std::string output;   // empty: beside the input
  std::string date;     // empty: today's
  std::string summary;  // the summary page's text file; empty: none
  bool print = false;
  bool printSummary = false;
  bool help = false;
  // Whether the user can name another results file (-o): the advice for a
  // read-only one says so. A window cannot.
  bool canNameOutput = true;
  // Whether the run counts the summary page's figures and lists as it
  // scores: a window always shows them; a console run only when the page
  // is asked for, and then a row costs no more than its scoring.
  bool tallyPage = true;
};

// The name of a file without its folder: what follows the last slash or
// backslash.
std::string_view FileName(std::string_view path);

// "roster.csv" gives "roster-results.csv" in the same folder, "roster.txt"
// "roster.txt-results.csv".
std::string DefaultOutputPath(std::string_view input);

// What stands at the results file's path (its links followed), as far as
// writing the results there goes.
enum class OutputKind {
  Writable,  // a file, or nothing yet
  ReadOnly,  // a file its owner made read-only
  Folder,
  Device,
  Pipe,  // a named pipe
  Socket,
  NotAFile,          // something else a file cannot replace; `why` says what
  UnwritableFolder,  // its folder takes no new file; `why` says why
};

struct OutputCheck {
  OutputKind kind = OutputKind::Writable;
  std::string why;  // the system's words, where it gave some
};

// "its folder cannot be written to (Permission denied)": why the results
// cannot go beside a file in a folder the user may not write.
std::string UnwritableFolderText(std::string_view reason);

struct Platform {
  // Opens the roster and hands `read` a reader of its bytes; false with the
  // reason when it cannot be opened, is no file or is too large for a roster
  // (TooLargeForARoster).
  bool (*readFile)(const std::string& path, const std::function<void(const ByteReader&)>& read,
                   std::string& why);
  // Creates a temporary file beside `path` (beside the file a link there
  // leads to, so the link stays), hands `write` a writer into it, and
  // renames it over that file only when `write` returns true. Otherwise, on
  // any failure and when the program is interrupted, the temporary file is
  // removed, so a run cut short never leaves half a results file. `why` is
  // set when the file itself failed.
  bool (*replaceFile)(const std::string& path, const std::function<bool(const ByteWriter&)>& write,
                      std::string& why);
  // Removes the temporary files beside `path` that a run killed before it
  // could remove them left behind (never one a running program holds);
  // returns their names.
  std::vector<std::string> (*removeLeftovers)(const std::string& path);
  // What stands at `path`: results replace only a file (an atomic rename
  // would replace a device, a pipe or a link itself).
  OutputCheck (*checkOutput)(const std::string& path);
  // Whether two paths name one existing file.
  bool (*sameFile)(const std::string& a, const std::string& b);
  // One report on the default printer; nullptr where this build cannot print.
  bool (*print)(const shell::Report& report, std::string& why);
  std::string (*printerText)(std::string_view utf8);  // nullptr: as it stands
  std::string (*today)();                             // the print dialog's default date
  // Lines for the user: the summary; the warnings and one-line errors.
  void (*writeOut)(std::string_view text);
  void (*writeErr)(std::string_view text);
  // A roster's text as UTF-8, for the summary page: the Windows build reads
  // a roster saved in the ANSI code page. nullptr: as it stands.
  std::string (*utf8Text)(std::string_view text) = nullptr;
  // The summary page on the default printer; nullptr where this build
  // cannot print.
  bool (*printSummary)(const SummaryPage& page, std::string& why) = nullptr;
};

// A roster file scored into its results file: what the console program says
// after it, and a window shows.
struct ScoredFile {
  int status = kUnusable;
  std::string output;                // the results file
  std::vector<std::string> removed;  // temporary files of runs cut short, removed
  RosterSummary summary;
  PageTally page;           // the summary page's figures and lists (tallyPage)
  RosterSettings settings;  // what the roster was scored with (the reports' date)
  std::string error;        // set when nothing was written: one line, without the program's name
};

// The run behind the command line, up to the results file written: the
// results file's name, the checks before it is written, the roster read and
// the results written through `platform`'s files. Uses only the platform's
// files and its printerText and today.
ScoredFile ScoreRosterFile(const RosterProgram& program, const Platform& platform,
                           const Options& options, const RowObserver& observer = {});

// Why the summary page cannot be written to `options.summary` (the roster,
// the results file, or no file the results could go to either), as one
// line; empty when it can.
std::string SummaryPathRefusal(const Platform& platform, const Options& options);

// One scored soldier's report, found by reading the roster a second time.
struct ReportToPrint {
  int number = 0;  // 1 for the first
  int total = 0;   // the soldiers the scoring scored
  int line = 0;
  std::string_view soldier;     // "Doe, John"; may be empty
  std::string_view ssnWarning;  // what the report's SSN boxes could not hold
  const shell::Report& report;
};

enum class Printing {
  Printed,      // and on to the next
  PrintedLast,  // and stop: the user cancelled
  Failed,       // not printed; the reason set
};

using ReportPrinter = std::function<Printing(const ReportToPrint& report, std::string& why)>;

struct PrintedReports {
  int printed = 0;
  int total = 0;
  int ssnCut = 0;  // reports whose SSN boxes could not hold the whole cell
  bool cancelled = false;
  std::string failure;  // why printing stopped early: one line, as the console says it
};

// Reads the roster `input` again, now building each scored soldier's report,
// and hands them to `print` in roster order: no report is held longer than
// its print. Stops at the first failure, since a printer that failed once
// will not print the rest properly either.
PrintedReports PrintRosterReports(const RosterProgram& program, const Platform& platform,
                                  const std::string& input, RosterSettings settings,
                                  const RosterSummary& scored, const ReportPrinter& print);

// "5 reports printed."
std::string ReportsPrintedText(int printed);
// "2 of 5 reports printed."
std::string ReportsPrintedText(int printed, int total);

// "removed R-results.csv.tmp-AbC123, left behind by a run that was cut short."
std::string LeftoverRemovedText(std::string_view leftover);

// A row as messages name it: "line 4 (Roe, Jane)", or "line 7" without a name.
std::string RowName(int line, std::string_view soldier);

}  // namespace roster
