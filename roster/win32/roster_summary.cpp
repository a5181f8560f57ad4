// The summary of a scored roster: its name, the counts beside the summary
// page's chart, the warnings and the refused rows to correct in the
// spreadsheet, the results file, the reports' date, and what to do with
// them (the summary page printed among them).
#include <windows.h>

#include <objbase.h>
#include <shellapi.h>

#include <algorithm>

#include "roster/core/dialog_layout.h"
#include "roster/core/summary_chart.h"
#include "roster/core/summary_view.h"
#include "roster/win32/late_calls.h"
#include "roster/win32/roster_resources.h"
#include "roster/win32/roster_session.h"
#include "roster/win32/summary_drawing.h"
#include "roster/win32/summary_print.h"
#include "roster/win32/text.h"
#include "shell/core/print_setup.h"
#include "shell/core/report.h"
#include "shell/win32/app.h"
#include "shell/win32/gdi.h"

namespace roster {

namespace {

HWND CreateText(HWND dialog, const TextPlace& place, int id, std::string_view text) {
  return CreateRosterControl(
      dialog, L"STATIC", SS_NOPREFIX | SS_ENDELLIPSIS | (place.rightAligned ? SS_RIGHT : SS_LEFT),
      place.box, id, text);
}

// The width of each text in `window`'s font, as it draws them.
class TextMeasure {
 public:
  explicit TextMeasure(HWND window)
      : dc_(window),
        font_(dc_.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0))) {}
  int Width(const std::wstring& text) const {
    SIZE size{};
    GetTextExtentPoint32W(dc_.get(), text.c_str(), static_cast<int>(text.size()), &size);
    return static_cast<int>(size.cx);
  }

 private:
  shell::WindowDC dc_;
  shell::Selection font_;
};

// A list of lines, scrolled sideways as far as its longest line.
void CreateList(HWND dialog, const shell::Box& box, int id, const std::vector<std::string>& lines) {
  HWND list = CreateRosterControl(
      dialog, L"LISTBOX", WS_TABSTOP | WS_BORDER | WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT,
      box, id);
  int widest = 0;
  {
    const TextMeasure measure(list);
    for (const std::string& line : lines) {
      const std::wstring text = DisplayText(line);
      SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
      widest = std::max(widest, measure.Width(text));
    }
  }
  SendMessageW(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + 8), 0);
}

int WidestLabel(const TextMeasure& measure, const std::vector<Figure>& figures) {
  int widest = 0;
  for (const Figure& figure : figures) {
    widest = std::max(widest, measure.Width(DisplayText(figure.label + ":")));
  }
  return widest;
}

void OnInitDialog(HWND dialog, RosterSession& session) {
  // Keys typed while the roster was scored were not meant for a summary
  // the clerk has not seen yet.
  DiscardTypedAhead();
  SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&session));
  const SummaryView view = ViewOfScoredFile(*session.program, session.input, session.run);
  session.page = PageOfScoredFile(*session.program, session.run, session.input, &Utf8Text);
  SummaryShape shape;
  {
    // The chart is drawn in the dialog's own font, the System font.
    const shell::WindowDC dc(dialog);
    shape.chart = ChartSize(session.page.chart, RowHeightOn(dc.get()), WidthOn(dc.get()));
  }
  shape.rows = static_cast<int>(view.rows.size());
  shape.verdicts = static_cast<int>(view.verdicts.size());
  // The labels are measured in the font a text of the dialog is drawn in.
  HWND name = CreateText(dialog, {"", {}}, kRosterNameId, view.roster);
  {
    const TextMeasure measure(name);
    shape.rowLabelWidth = WidestLabel(measure, view.rows);
    shape.verdictLabelWidth = WidestLabel(measure, view.verdicts);
  }
  shape.notes = !view.notes.empty();
  const RosterSummaryLayout layout = LayoutRosterSummary(shell::App().grid, shape);
  shell::SizeClientArea(dialog, layout.client);
  session.chart = session.page.chart.bars.empty() ? shell::Box{} : layout.chart;
  MoveWindow(name, layout.name.left, layout.name.top, layout.name.width, layout.name.height, TRUE);
  for (const TextPlace& caption : layout.captions) {
    CreateText(dialog, caption, -1, caption.text);
  }
  std::vector<Figure> figures = view.rows;
  figures.insert(figures.end(), view.verdicts.begin(), view.verdicts.end());
  for (std::size_t k = 0; k < figures.size() && 2 * k + 1 < layout.figures.size(); ++k) {
    const int id = kRosterFiguresId + 2 * static_cast<int>(k);
    CreateText(dialog, layout.figures[2 * k], id, figures[k].label + ":");
    CreateText(dialog, layout.figures[2 * k + 1], id + 1, figures[k].value);
  }
  if (shape.notes) {
    CreateList(dialog, layout.notes, kRosterNotesId, view.notes);
  }
  CreateList(dialog, layout.refused, kRosterRefusedId, view.refused);
  CreateRosterControl(dialog, L"EDIT", WS_TABSTOP | WS_BORDER | ES_READONLY | ES_AUTOHSCROLL,
                      layout.results, kRosterResultsId, view.results);
  HWND date = CreateRosterControl(dialog, L"EDIT", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL,
                                  layout.date, kRosterDateId, view.date);
  // No more than the report's Date line prints.
  SendMessageW(date, EM_LIMITTEXT, shell::kPersonalFieldChars, 0);
  shell::CreateButton(dialog, layout.openResults, WS_TABSTOP);
  shell::ButtonPlace printReports = layout.printReports;
  printReports.enabled = session.run.summary.scored > 0;
  shell::CreateButton(dialog, printReports, WS_TABSTOP);
  shell::CreateButton(dialog, layout.printSummary, WS_TABSTOP);
  SetFocus(shell::CreateButton(dialog, layout.close, WS_TABSTOP | BS_DEFPUSHBUTTON));
  SendMessageA(dialog, DM_SETDEFID, kRosterCloseId, 0);
}

// What ShellExecuteEx's own codes mean as system errors, for the ones it
// returns without setting the last error.
DWORD ErrorOfShellCode(HINSTANCE code) {
  switch (static_cast<int>(reinterpret_cast<INT_PTR>(code))) {
    case SE_ERR_FNF:
      return ERROR_FILE_NOT_FOUND;
    case SE_ERR_PNF:
      return ERROR_PATH_NOT_FOUND;
    case SE_ERR_ACCESSDENIED:
      return ERROR_ACCESS_DENIED;
    case SE_ERR_OOM:
      return ERROR_NOT_ENOUGH_MEMORY;
    case SE_ERR_SHARE:
      return ERROR_SHARING_VIOLATION;
    case SE_ERR_DLLNOTFOUND:
      return ERROR_DLL_NOT_FOUND;
    case SE_ERR_NOASSOC:
    case SE_ERR_ASSOCINCOMPLETE:
      return ERROR_NO_ASSOCIATION;
    case SE_ERR_DDETIMEOUT:
    case SE_ERR_DDEFAIL:
    case SE_ERR_DDEBUSY:
      return ERROR_DDE_FAIL;
    default:
      return 0;
  }
}

// Opens `path` as Explorer does on a double click, asking Windows for no
// box of its own; false with the system's error (0 when it gave none).
bool Open(HWND dialog, const std::string& path, DWORD& error) {
  // Some file handlers are shell extensions, which need COM on this thread.
  const HRESULT com =
      late::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  const std::wstring file = Utf8ToWide(path);
  SHELLEXECUTEINFOW open{};
  open.cbSize = sizeof open;
  open.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
  open.hwnd = dialog;
  open.lpFile = file.c_str();
  open.nShow = SW_SHOWNORMAL;
  SetLastError(0);
  const bool opened = late::ShellExecuteExW(&open) != FALSE;
  error = opened ? 0 : GetLastError();
  if (!opened && error == 0) {
    error = ErrorOfShellCode(open.hInstApp);
  }
  if (SUCCEEDED(com)) {
    late::CoUninitialize();
  }
  return opened;
}

std::string Why(DWORD error) {
  return error != 0 ? SystemMessage(error) : std::string();
}

// Opens the results with the program Windows opens CSV files with; or, when
// there is none (or it fails), offers the folder that holds them.
void OpenResults(HWND dialog, const std::string& results) {
  DWORD error = 0;
  if (Open(dialog, results, error) || error == ERROR_CANCELLED) {
    return;
  }
  if (!AskRoster(dialog, OpenFailedText(results, Why(error)), true)) {
    return;
  }
  const std::string folder = FolderOf(results);
  if (!Open(dialog, folder, error) && error != ERROR_CANCELLED) {
    TellRosterProblem(dialog, OpenFailedText(folder, Why(error), false));
  }
}

// Print Reports: with the date the summary holds, after asking when the
// printer would get many jobs.
void PrintReports(HWND dialog, RosterSession& session) {
  wchar_t typed[shell::kPersonalFieldChars + 1] = {};
  GetDlgItemTextW(dialog, kRosterDateId, typed, static_cast<int>(std::size(typed)));
  session.date = ReportsDate(WideToUtf8(typed), shell::TodaysDate());
  const int reports = session.run.summary.scored;
  if (reports > kPrintJobsWithoutAsking &&
      !AskRoster(dialog, ConfirmPrintingText(reports, session.date), false)) {
    return;
  }
  PrintSessionReports(dialog, session);
}

// Print Summary: the summary page, dated as the reports would be.
void PrintSummary(HWND dialog, RosterSession& session) {
  wchar_t typed[shell::kPersonalFieldChars + 1] = {};
  GetDlgItemTextW(dialog, kRosterDateId, typed, static_cast<int>(std::size(typed)));
  SummaryPage page = session.page;
  page.date = ReportsDate(WideToUtf8(typed), shell::TodaysDate());
  std::string why;
  if (PrintSummaryPage(page, why)) {
    TellRoster(dialog, SummaryPrintedText(true, ""));
  } else {
    TellRosterProblem(dialog, SummaryPrintedText(false, why), true);
  }
}

// The chart, beside the figures; on a repaint and into a device context a
// test reads back (WM_PRINTCLIENT).
void DrawSummaryChart(HDC dc, const RosterSession& session) {
  if (session.chart.width > 0) {
    DrawChart(dc, LayoutChart(session.page.chart, session.chart, RowHeightOn(dc), WidthOn(dc)));
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
    case WM_PAINT:
      if (session != nullptr) {
        const shell::PaintDC dc(dialog);
        roster::DrawSummaryChart(dc.get(), *session);
        return TRUE;
      }
      return FALSE;
    case WM_PRINTCLIENT:
      if (session != nullptr) {
        roster::DrawSummaryChart(reinterpret_cast<HDC>(wParam), *session);
        return TRUE;
      }
      return FALSE;
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
          roster::PrintReports(dialog, *session);
          return TRUE;
        case roster::kRosterPrintSummaryId:
          roster::PrintSummary(dialog, *session);
          return TRUE;
        default:
          return FALSE;
      }
    default:
      return FALSE;
  }
}
