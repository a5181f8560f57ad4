// The roster program's whole run behind its command line: options, the run
// on the files (file_run.h), printing, the summary and the exit status. The
// files, the printer and the console come from a Platform, so the run is the
// same natively, under Windows and in the tests.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "roster/core/file_run.h"
#include "roster/core/program.h"

namespace roster {

// `args` without the program's name. Sets `error` (one line) when they make no sense.
Options ParseOptions(std::span<const std::string> args, std::string& error);

std::string UsageText(const RosterProgram& program);

int RunRosterProgram(const RosterProgram& program, const Platform& platform,
                     std::span<const std::string> args);

// The widest line the programs show on a console: a double-clicked
// program's console is 80 columns wide, and a line of 80 would leave a blank
// one after it.
inline constexpr std::size_t kConsoleColumns = 79;

// `text` with every line longer than kConsoleColumns characters broken at
// blanks, as a console shows it; a word longer than a line (a long file
// name) is left whole. A file or a pipe gets each message on one line.
std::string Wrapped(std::string_view text);

// What the console says of a roster scored: the counts, the lines of the
// refused rows (the first ten, then how many more) and the results file.
std::string ScoredText(const RosterProgram& program, const ScoredFile& run);

// The standard output and error streams, written through at once.
void WriteStandardOut(std::string_view text);
void WriteStandardErr(std::string_view text);

}  // namespace roster
