// The summary of a scored roster: its name, the counts, the refused rows to
// correct in the spreadsheet, the results file, and what to do with them.
#include <windows.h>

#include <objbase.h>
#include <shellapi.h>

#include <algorithm>

#include "roster/core/dialog_layout.h"
#include "roster/core/summary_view.h"
#include "roster/win32/roster_resources.h"
#include "roster/win32/roster_session.h"
#include "roster/win32/text.h"
#include "shell/win32/app.h"
#include "shell/win32/gdi.h"

namespace roster {

namespace {

HWND CreateText(HWND dialog, const TextPlace& place, int id, std::string_view text) {
  return CreateRosterControl(
      dialog, L"STATIC", SS_NOPREFIX | SS_ENDELLIPSIS | (place.rightAligned ? SS_RIGHT : SS_LEFT),
      place.box, id, text);
}

// The list of refused rows, scrolled sideways as far as its longest line.
void FillNotes(HWND list, const std::vector<std::string>& notes) {
  int widest = 0;
  {
    const shell::WindowDC dc(list);
    const shell::Selection font(dc.get(),
                                reinterpret_cast<HGDIOBJ>(SendMessageW(list, WM_GETFONT, 0, 0)));
    for (const std::string& note : notes) {
      const std::wstring text = DisplayText(note);
      SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
      SIZE size{};
      GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
      widest = std::max(widest, static_cast<int>(size.cx));
    }
  }
  SendMessageW(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + 8), 0);
}

void OnInitDialog(HWND dialog, RosterSession& session) {
  SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&session));
  const SummaryView view = ViewOfScoredFile(*session.program, session.input, session.run);
  const RosterSummaryLayout layout =
      LayoutRosterSummary(shell::App().grid, static_cast<int>(view.rows.size()),
                          static_cast<int>(view.verdicts.size()));
  shell::SizeClientArea(dialog, layout.client);
  for (const TextPlace& caption : layout.captions) {
    CreateText(dialog, caption, -1, caption.text);
  }
  CreateText(dialog, {"", layout.name}, kRosterNameId, view.roster);
  std::vector<Figure> figures = view.rows;
  figures.insert(figures.end(), view.verdicts.begin(), view.verdicts.end());
  for (std::size_t k = 0; k < figures.size() && 2 * k + 1 < layout.figures.size(); ++k) {
    const int id = kRosterFiguresId + 2 * static_cast<int>(k);
    CreateText(dialog, layout.figures[2 * k], id, figures[k].label + ":");
    CreateText(dialog, layout.figures[2 * k + 1], id + 1, figures[k].value);
  }
  FillNotes(
      CreateRosterControl(dialog, L"LISTBOX",
                          WS_TABSTOP | WS_BORDER | WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT,
                          layout.notes, kRosterNotesId),
      view.notes);
  CreateRosterControl(dialog, L"EDIT", WS_TABSTOP | WS_BORDER | ES_READONLY | ES_AUTOHSCROLL,
                      layout.results, kRosterResultsId, view.results);
  shell::CreateButton(dialog, layout.openResults, WS_TABSTOP);
  shell::ButtonPlace printReports = layout.printReports;
  printReports.enabled = session.run.summary.scored > 0;
  shell::CreateButton(dialog, printReports, WS_TABSTOP);
  SetFocus(shell::CreateButton(dialog, layout.close, WS_TABSTOP | BS_DEFPUSHBUTTON));
  SendMessageA(dialog, DM_SETDEFID, kRosterCloseId, 0);
}

// Opens the results with the program Windows associates with CSV files.
void OpenResults(HWND dialog, const std::string& results) {
  // Some file handlers are shell extensions, which need COM on this thread.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  const std::wstring file = Utf8ToWide(results);
  SHELLEXECUTEINFOW open{};
  open.cbSize = sizeof open;
  open.fMask = SEE_MASK_NOASYNC;
  open.hwnd = dialog;
  open.lpVerb = L"open";
  open.lpFile = file.c_str();
  open.nShow = SW_SHOWNORMAL;
  const bool opened = ShellExecuteExW(&open) != FALSE;
  const DWORD error = GetLastError();
  if (SUCCEEDED(com)) {
    CoUninitialize();
  }
  // Cancelled: the clerk closed Windows' own "Open with" choice.
  if (!opened && error != ERROR_CANCELLED) {
    TellRosterProblem(dialog, OpenFailedText(results, SystemMessage(error)));
  }
}

}  // namespace

HWND CreateRosterControl(HWND dialog, const wchar_t* kind, DWORD style, const shell::Box& box,
                         int id, std::string_view text) {
  return CreateWindowExW(0, kind, DisplayText(text).c_str(), WS_CHILD | WS_VISIBLE | style,
                         box.left, box.top, box.width, box.height, dialog,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), shell::App().instance,
                         nullptr);
}

void ShowRosterSummary(HWND owner, RosterSession& session) {
  DialogBoxParamA(shell::App().instance, RES_DIALOG_ROSTER, owner, &RosterProc,
                  reinterpret_cast<LPARAM>(&session));
}

}  // namespace roster

INT_PTR CALLBACK RosterProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* session = reinterpret_cast<roster::RosterSession*>(GetWindowLongPtrA(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG:
      roster::OnInitDialog(dialog, *reinterpret_cast<roster::RosterSession*>(lParam));
      return FALSE;  // the focus is on Close already
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK:  // Enter, whichever button is the default
        case roster::kRosterCloseId:
          EndDialog(dialog, 0);
          return TRUE;
        case roster::kRosterOpenResultsId:
          roster::OpenResults(dialog, session->run.output);
          return TRUE;
        case roster::kRosterPrintReportsId:
          roster::PrintSessionReports(dialog, *session);
          return TRUE;
        default:
          return FALSE;
      }
    default:
      return FALSE;
  }
}
