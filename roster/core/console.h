// The roster program's whole run behind its command line: options, reading
// the roster, writing the results beside it, printing, the summary and the
// exit status. The files, the printer and the console come from a Platform,
// so the run is the same natively, under Windows and in the tests.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "roster/core/program.h"
#include "roster/core/run.h"
#include "shell/core/report.h"

namespace roster {

enum ExitStatus : int {
  kAllScored = 0,
  kSomeRefused = 1,
  kUnusable = 2,  // unusable input or output, or reports not printed
};

struct Options {
  std::string input;
  std::string output;  // empty: beside the input
  std::string date;    // empty: today's
  bool print = false;
  bool help = false;
};

// `args` without the program's name. Sets `error` (one line) when they make no sense.
Options ParseOptions(std::span<const std::string> args, std::string& error);

// "roster.csv" gives "roster-results.csv" in the same folder.
std::string DefaultOutputPath(std::string_view input);

std::string UsageText(const RosterProgram& program);

struct Platform {
  // Opens the roster and hands `read` a reader of its bytes; false with the
  // reason when it cannot be opened, is no file or is larger than
  // kMaxRosterBytes.
  bool (*readFile)(const std::string& path, const std::function<void(const ByteReader&)>& read,
                   std::string& why);
  // Creates a temporary file beside `path`, hands `write` a writer into it,
  // and renames it over `path` only when `write` returns true. Otherwise, on
  // any failure and when the program is interrupted, the temporary file is
  // removed, so a run cut short never leaves half a results file. `why` is
  // set when the file itself failed.
  bool (*replaceFile)(const std::string& path, const std::function<bool(const ByteWriter&)>& write,
                      std::string& why);
  // Removes the temporary files beside `path` that a run killed before it
  // could remove them left behind (never one a running program holds);
  // returns their names.
  std::vector<std::string> (*removeLeftovers)(const std::string& path);
  // Whether `path` is an existing file its owner made read-only.
  bool (*readOnly)(const std::string& path);
  // Whether two paths name one existing file.
  bool (*sameFile)(const std::string& a, const std::string& b);
  // One report on the default printer; nullptr where this build cannot print.
  bool (*print)(const shell::Report& report, std::string& why);
  std::string (*printerText)(std::string_view utf8);  // nullptr: as it stands
  std::string (*today)();                             // the print dialog's default date
  // Lines for the user: the summary; the warnings and one-line errors.
  void (*writeOut)(std::string_view text);
  void (*writeErr)(std::string_view text);
};

int RunRosterProgram(const RosterProgram& program, const Platform& platform,
                     std::span<const std::string> args);

// The standard output and error streams, written through at once.
void WriteStandardOut(std::string_view text);
void WriteStandardErr(std::string_view text);

}  // namespace roster
