// Every scored soldier's report printed from the summary, one job each,
// through the page the window's Print prints, with a progress dialog: the
// roster read a second time, as the roster programs' --print does, so no
// more than one report is held at a time.
#include <windows.h>

#include "roster/core/dialog_layout.h"
#include "roster/core/summary_view.h"
#include "roster/win32/roster_progress.h"
#include "roster/win32/roster_resources.h"
#include "roster/win32/roster_session.h"
#include "roster/win32/text.h"
#include "shell/win32/app.h"
#include "shell/win32/beeper.h"
#include "shell/win32/report_page.h"

namespace roster {

namespace {

constexpr UINT kStartPrinting = WM_APP;

struct PrintingState {
  RosterSession* session = nullptr;
  bool printing = false;
  bool cancelled = false;  // Cancel pressed: stop after the page printing
};

PrintingState& State() {
  static PrintingState state;
  return state;
}

void OnInitDialog(HWND dialog, RosterSession& session) {
  // Printing from now on: Cancel before the first page prints none.
  State() = {&session, true, false};
  CreateProgressControls(dialog, session.run.summary.scored);
  PostMessageA(dialog, kStartPrinting, 0, 0);
}

void PrintAll(HWND dialog) {
  PrintingState& state = State();
  RosterSession& session = *state.session;
  ShowWindow(dialog, SW_SHOW);
  RosterSettings settings;
  settings.date = session.date;
  settings.printerText = &PrinterText;
  bool printerFailed = false;
  std::vector<std::string> shortSsns;
  PrintedReports run;
  run.total = session.run.summary.scored;
  run.cancelled = state.cancelled;
  const auto print = [&](const ReportToPrint& report, std::string& why) {
    SetProgressText(dialog, PrintingText(report));
    SetProgressPosition(dialog, report.number - 1);
    UpdateWindow(dialog);
    state.cancelled = !HandlePending(dialog) || state.cancelled;
    // The page the dialog names is printed, Cancel or not.
    if (!shell::PrintReport(report.report, &why)) {
      printerFailed = true;  // the page sounded the alert
      return Printing::Failed;
    }
    NoteShortSsn(shortSsns, report);
    SetProgressPosition(dialog, report.number);
    state.cancelled = !HandlePending(dialog) || state.cancelled;
    return state.cancelled ? Printing::PrintedLast : Printing::Printed;
  };
  if (!run.cancelled) {
    run = PrintRosterReports(*session.program, RosterPlatform(), session.input, settings,
                             session.run.summary, print);
  }
  state.printing = false;
  if (!run.failure.empty() && !printerFailed) {
    shell::Alert();
  }
  SetProgressText(dialog, PrintingEndText(run, shortSsns));
  HWND close = GetDlgItem(dialog, kRosterCloseId);
  SetWindowTextA(close, "&Close");
  EnableWindow(close, TRUE);
  SendMessageA(dialog, DM_SETDEFID, kRosterCloseId, 0);
  SetFocus(close);
}

}  // namespace

void PrintSessionReports(HWND owner, RosterSession& session) {
  if (!(StampOf(session.input) == session.stamp)) {
    TellRosterProblem(owner, RosterChangedText(session.input));
    return;
  }
  DialogBoxParamA(shell::App().instance, RES_DIALOG_PRINTING, owner, &PrintingProc,
                  reinterpret_cast<LPARAM>(&session));
}

}  // namespace roster

INT_PTR CALLBACK PrintingProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  roster::PrintingState& state = roster::State();
  switch (message) {
    case WM_INITDIALOG:
      roster::OnInitDialog(dialog, *reinterpret_cast<roster::RosterSession*>(lParam));
      return FALSE;  // the focus is on Cancel already
    case roster::kStartPrinting:
      roster::PrintAll(dialog);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) != IDOK && LOWORD(wParam) != roster::kRosterCloseId) {
        return FALSE;
      }
      if (!state.printing) {
        EndDialog(dialog, 0);
      } else if (LOWORD(wParam) == roster::kRosterCloseId) {
        // Enter (IDOK) while printing cancels nothing by accident.
        state.cancelled = true;
        EnableWindow(GetDlgItem(dialog, roster::kRosterCloseId), FALSE);
      }
      return TRUE;
    default:
      return FALSE;
  }
}
