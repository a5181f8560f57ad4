// The roster programs on Windows: UTF-16 command line, files and console, the report
// printed through the windows' own report page, and a console window that
// stays open for its summary (or, started by a double click, the usage) when
// the program made it.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "roster/console_main.h"
#include "roster/core/console.h"
#include "roster/win32/files.h"
#include "roster/win32/summary_print.h"
#include "roster/win32/text.h"
#include "shell/core/layout_grid.h"
#include "shell/core/print_setup.h"
#include "shell/win32/app.h"
#include "shell/win32/beeper.h"
#include "shell/win32/report_page.h"

namespace roster {

namespace {

std::vector<std::string> Arguments() {
  std::vector<std::string> args;
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr) {
    return args;
  }
  for (int i = 1; i < count; ++i) {
    args.push_back(WideToUtf8(wide[i]));
  }
  LocalFree(wide);
  return args;
}

bool Print(const shell::Report& report, std::string& why) {
  return shell::PrintReport(report, &why);
}

// A console shows the texts in its own wide characters, wrapped to its
// width; a file or a pipe takes their UTF-8 bytes, a message to a line.
void WriteOut(std::string_view text) {
  if (!WriteToConsole(GetStdHandle(STD_OUTPUT_HANDLE), Wrapped(text))) {
    WriteStandardOut(text);
  }
}

void WriteErr(std::string_view text) {
  if (!WriteToConsole(GetStdHandle(STD_ERROR_HANDLE), Wrapped(text))) {
    WriteStandardErr(text);
  }
}

// The alert of a failed print switches the system's warning beeper; the
// user's setting comes back at exit, as in the windows.
class BeeperSetting {
 public:
  BeeperSetting() { shell::SaveBeeperSetting(); }
  ~BeeperSetting() { shell::RestoreBeeperSetting(); }
  BeeperSetting(const BeeperSetting&) = delete;
  BeeperSetting& operator=(const BeeperSetting&) = delete;
};

// A console window that holds no other process was made for this one (a drop
// on the program in Explorer, a double click): it closes when the program
// ends. A console without a window (Wine in a terminal) stays anyway. Only
// input from that console can keep it open: with input from a file or a pipe
// nobody presses Enter.
bool OwnConsoleWindow() {
  DWORD processes[2] = {};
  DWORD mode = 0;
  return GetConsoleWindow() != nullptr && GetConsoleProcessList(processes, 2) == 1 &&
         GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode) != 0;
}

}  // namespace

int ConsoleMain(const RosterProgram& program, int, char**) {
  const BeeperSetting beeper;
  // The report's margin is five screen character widths, as the windows print it.
  const LONG units = GetDialogBaseUnits();
  shell::App().grid = shell::GridFromBaseUnits(LOWORD(units), HIWORD(units));

  RemoveTemporaryOnConsoleClose();
  Platform platform = WindowsPlatform();
  platform.print = &Print;
  platform.printSummary = &PrintSummaryPage;
  platform.writeOut = &WriteOut;
  platform.writeErr = &WriteErr;
  const int status = RunRosterProgram(program, platform, Arguments());
  if (OwnConsoleWindow()) {
    WriteOut("Press Enter to close this window.\n");
    char line[16];
    std::fgets(line, sizeof line, stdin);
  }
  return status;
}

}  // namespace roster
