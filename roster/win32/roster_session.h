// What the Score a Roster dialogs share: the roster scored and what its run
// said, and the roster programs' files as a window uses them.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "roster/core/file_run.h"
#include "roster/core/program.h"
#include "shell/core/print_dialog_layout.h"

// Dialog procedures are exported by name.
extern "C" __declspec(dllexport) INT_PTR CALLBACK
    RosterProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
extern "C" __declspec(dllexport) INT_PTR CALLBACK
    PrintingProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

namespace roster {

// When a file was last written and how long it was; equal stamps, an
// unchanged file.
struct FileStamp {
  bool found = false;
  DWORD writtenLow = 0;
  DWORD writtenHigh = 0;
  DWORD sizeLow = 0;
  DWORD sizeHigh = 0;
  friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

FileStamp StampOf(const std::string& path);

struct RosterSession {
  const RosterProgram* program = nullptr;
  std::string input;  // the roster, in UTF-8
  FileStamp stamp;    // the roster's as it was scored
  ScoredFile run;
};

// The roster programs' files, dates and printer texts on Windows; no console
// and no printer of theirs.
Platform RosterPlatform();

// A control of a roster dialog with its text (UTF-8, or the roster's ANSI).
HWND CreateRosterControl(HWND dialog, const wchar_t* kind, DWORD style, const shell::Box& box,
                         int id, std::string_view text = {});

// A problem the clerk must read: the alert, then the text in a message box.
void TellRosterProblem(HWND owner, const std::string& text);

// The summary dialog of a scored roster, modal over `owner`.
void ShowRosterSummary(HWND owner, RosterSession& session);

// Prints every scored soldier's report with a progress dialog, modal over
// `owner`; tells instead when the roster changed since it was scored.
void PrintSessionReports(HWND owner, RosterSession& session);

}  // namespace roster
