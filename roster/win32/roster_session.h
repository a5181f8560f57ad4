// What the Score a Roster dialogs share: the roster scored and what its run
// said, and the roster programs' files as a window uses them.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "roster/core/file_run.h"
#include "roster/core/program.h"
#include "roster/core/summary_page.h"
#include "shell/core/print_dialog_layout.h"

// Dialog procedures are exported by name.
extern "C" __declspec(dllexport) INT_PTR CALLBACK
    RosterProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
extern "C" __declspec(dllexport) INT_PTR CALLBACK
    PrintingProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
extern "C" __declspec(dllexport) INT_PTR CALLBACK
    ScoringProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

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
  std::string date;  // the reports', as the summary set it
  SummaryPage page;  // the summary page of the run
  shell::Box chart;  // where the summary dialog draws the page's chart
};

// The roster programs' files, dates and printer texts on Windows; no console
// and no printer of theirs.
Platform RosterPlatform();

// A control of a roster dialog with its text (UTF-8, or the roster's ANSI).
HWND CreateRosterControl(HWND dialog, const wchar_t* kind, DWORD style, const shell::Box& box,
                         int id, std::string_view text = {});

// A problem the clerk must read: the alert (unless what failed sounded it
// already), then the text in a message box.
void TellRosterProblem(HWND owner, const std::string& text, bool alerted = false);

// What the clerk did, told in a message box.
void TellRoster(HWND owner, const std::string& text);

// A question, Yes or No: an offer after a `problem` (the alert first, Yes
// the default), or a confirmation (No the default).
bool AskRoster(HWND owner, const std::string& text, bool problem);

// Throws away the keys typed but not yet read: they were typed before what
// comes next was on the screen, and must not answer it unseen.
void DiscardTypedAhead();

// Scores the roster `input` of `program` into its results file with a
// progress dialog modal over `owner` (shown once the scoring takes a
// moment), whose Cancel stops it before the results are written.
// `cancelled`: it did.
ScoredFile ScoreWithProgress(HWND owner, const RosterProgram& program, const std::string& input,
                             bool& cancelled);

// The summary dialog of a scored roster, modal over `owner`.
void ShowRosterSummary(HWND owner, RosterSession& session);

// Prints every scored soldier's report with a progress dialog, modal over
// `owner`; tells instead when the roster changed since it was scored.
void PrintSessionReports(HWND owner, RosterSession& session);

}  // namespace roster
