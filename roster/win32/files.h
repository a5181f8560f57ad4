// The roster's files on Windows, named in UTF-8 and opened by their UTF-16
// names, so any file Explorer can drop on the program opens.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "roster/core/csv.h"
#include "roster/core/file_run.h"
#include "roster/core/run.h"

namespace roster {

bool ReadRosterFile(const std::string& path, const std::function<void(const ByteReader&)>& read,
                    std::string& why);
bool ReplaceRosterFile(const std::string& path, const std::function<bool(const ByteWriter&)>& write,
                       std::string& why);
std::vector<std::string> RemoveRosterLeftovers(const std::string& path);
OutputCheck CheckRosterOutput(const std::string& path);
bool SameRosterFile(const std::string& a, const std::string& b);

// Windows' files, printer text and today's date: what the console program
// and the windows' "Score a Roster..." share; each adds its own printing and
// output.
Platform WindowsPlatform();

// Removes the temporary results file when the console's Ctrl+C or Ctrl+Break
// comes, or its window is closed; installed once at start.
void RemoveTemporaryOnConsoleClose();

}  // namespace roster
