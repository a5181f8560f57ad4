// Every scored soldier's report printed from the summary, one job each,
// through the page the window's Print prints, with a progress dialog: the
// roster read a second time, as the roster programs' --print does, so no
// more than one report is held at a time.
#include <windows.h>

#include <commctrl.h>

#include "roster/core/dialog_layout.h"
#include "roster/core/summary_view.h"
#include "roster/win32/roster_resources.h"
#include "roster/win32/roster_session.h"
#include "roster/win32/text.h"
#include "shell/core/print_setup.h"
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

void SetStatus(HWND dialog, const std::string& text) {
  SetDlgItemTextW(dialog, kRosterStatusId, DisplayText(text).c_str());
}

void SetProgress(HWND dialog, int done) {
  SendDlgItemMessageA(dialog, kRosterProgressId, PBM_SETPOS, static_cast<WPARAM>(done), 0);
}

// Handles what has come in between two reports: the dialog's keys and
// Cancel, and every repaint (the main window's too). The owners are
// disabled while the dialog is up, so nothing else can start meanwhile.
void HandlePending(HWND dialog) {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));  // for the main loop, after us
      State().cancelled = true;
      return;
    }
    if (IsDialogMessageA(dialog, &message) == FALSE) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
}

void OnInitDialog(HWND dialog, RosterSession& session) {
  // Printing from now on: Cancel before the first page prints none.
  State() = {&session, true, false};
  const RosterPrintingLayout layout = LayoutRosterPrinting(shell::App().grid);
  shell::SizeClientArea(dialog, layout.client);
  CreateRosterControl(dialog, L"STATIC", SS_LEFT | SS_NOPREFIX, layout.status, kRosterStatusId);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);
  CreateRosterControl(dialog, PROGRESS_CLASSW, WS_BORDER, layout.progress, kRosterProgressId);
  SendDlgItemMessageA(dialog, kRosterProgressId, PBM_SETRANGE32, 0, session.run.summary.scored);
  SetFocus(shell::CreateButton(dialog, layout.cancel, WS_TABSTOP));
  PostMessageA(dialog, kStartPrinting, 0, 0);
}

void PrintAll(HWND dialog) {
  PrintingState& state = State();
  RosterSession& session = *state.session;
  RosterSettings settings;
  settings.date = shell::TodaysDate();  // as the personal data dialog gives it now
  settings.printerText = &PrinterText;
  bool printerFailed = false;
  PrintedReports run;
  run.total = session.run.summary.scored;
  run.cancelled = state.cancelled;
  if (!run.cancelled) {
    run =
        PrintRosterReports(*session.program, RosterPlatform(), session.input, settings,
                           session.run.summary, [&](const ReportToPrint& report, std::string& why) {
                             SetStatus(dialog, PrintingText(report));
                             SetProgress(dialog, report.number - 1);
                             UpdateWindow(dialog);
                             HandlePending(dialog);
                             // The page the dialog names is printed, Cancel or not.
                             if (!shell::PrintReport(report.report, &why)) {
                               printerFailed = true;  // the page sounded the alert
                               return Printing::Failed;
                             }
                             SetProgress(dialog, report.number);
                             HandlePending(dialog);
                             return state.cancelled ? Printing::PrintedLast : Printing::Printed;
                           });
  }
  state.printing = false;
  if (!run.failure.empty() && !printerFailed) {
    shell::Alert();
  }
  SetStatus(dialog, PrintingEndText(run));
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
