#include "vorna/win32/main_window.h"

#include "roster/win32/roster_window.h"
#include "shell/win32/app.h"
#include "shell/win32/drawing.h"
#include "shell/win32/frame.h"
#include "shell/win32/gdi.h"
#include "shell/win32/male_only.h"
#include "shell/win32/replay.h"
#include "shell/win32/text.h"
#include "vorna/core/chart.h"
#include "vorna/resources/vorna_ids.h"
#include "vorna/roster/roster_program.h"
#include "vorna/win32/chart_list.h"
#include "vorna/win32/paint.h"
#include "vorna/win32/printing.h"

namespace vorna {

namespace {

TextMeasures MeasureTexts(HWND window) {
  TextMeasures measures;
  shell::WindowDC dc(window);
  if (dc) {
    measures.chartTextWidth = shell::TextWidth(dc.get(), "27:54  |  100");
  }
  measures.scrollBarWidth = GetSystemMetrics(SM_CXVSCROLL);
  return measures;
}

void OnCreate(HWND window) {
  FitnessTestWindow& w = Window();
  w.model.Reset();
  w.messageOnLine = 0;
  w.messageColour = kBlack;
  w.layout = LayoutFor(shell::App().grid, MeasureTexts(window));

  for (const shell::ButtonPlace& button : w.layout.buttons) {
    shell::CreateButton(window, button);
  }
  // Unsorted, so the rows keep the order they are added in. The list keeps
  // its height to whole rows, which leaves the title below it clear.
  w.chartList = CreateWindowExA(
      0, "listbox", nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_DISABLENOSCROLL,
      w.layout.chartLeft, w.layout.chartTop, w.layout.chartWidth, w.layout.chartHeight, window,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kChartList)), shell::App().instance, nullptr);
  shell::PlaceMaleOnly(window, w.layout.maleOnlyBox.x, w.layout.maleOnlyBox.y);
  shell::AddAboutEntry(window);
  roster::AddRosterEntry(window, RosterProgram());
}

void OnPaint(HWND window) {
  // Everything is drawn anew: the message line holds no message any more,
  // only the verdict in words while the results stand.
  FitnessTestWindow& w = Window();
  const int message = RepaintedMessage(w.model.state);
  InvalidateRect(window, nullptr, TRUE);
  {
    shell::PaintDC dc(window);
    if (dc) {
      PaintWindowOn(dc.get(), w, message, w.model.state.totalColour);
    }
  }
  w.messageOnLine = message;
  w.messageColour = w.model.state.totalColour;
}

// The window as it stands on the screen, message included, into a device
// context of the caller's; and the system menu's Score a Roster.
bool OnOther(HWND window, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
  if (message != WM_PRINTCLIENT) {
    return roster::AnswerRosterEntry(window, message, wParam);
  }
  PaintWindowOn(reinterpret_cast<HDC>(wParam), Window(), Window().messageOnLine,
                Window().messageColour);
  return true;
}

// The dialog and printing are the window's; every other command the core
// decides (Alt+X and any other it does not know: nothing).
void OnCommand(HWND window, int id, bool fromControl) {
  switch (id) {
    case kPrintCommand:
      OpenPrintDialog(window);
      break;
    case IDM_PRINT_REPORT:
      if (!fromControl) {
        PrintScoreReport();
      }
      break;
    default:
      shell::RunCommand(window, id);
      break;
  }
}

}  // namespace

FitnessTestWindow& Window() {
  static FitnessTestWindow window;
  return window;
}

void ClearMessageLine(HWND window) {
  FitnessTestWindow& w = Window();
  shell::DrawOnWindow(window, [&](HDC dc) { DrawMessageLineOn(dc, w.layout); });
  w.messageOnLine = 0;
}

void ShowMessage(HWND window, int code, Rgb colour) {
  FitnessTestWindow& w = Window();
  shell::DrawOnWindow(window, [&](HDC dc) { DrawMessageOn(dc, w.layout, code, colour); });
  w.messageOnLine = code;
  w.messageColour = colour;
}

void PaintLabel(HWND window, int box, Rgb colour) {
  shell::DrawOnWindow(window, [&](HDC dc) { DrawResultLabelOn(dc, Window().layout, box, colour); });
}

void PaintResult(HWND window, int box, const char* text, Rgb colour) {
  shell::DrawOnWindow(window,
                      [&](HDC dc) { DrawResultOn(dc, Window().layout, box, text, colour); });
}

void CarryOutProgramRequest(HWND window, const shell::Request& request) {
  FitnessTestWindow& w = Window();
  switch (request.target) {
    case kEmptyChart:
      EmptyChart(window);
      break;
    case kWipeChartTitle:
      shell::DrawOnWindow(window, [&](HDC dc) { WipeChartTitleOn(dc, w.layout); });
      break;
    case kShowChart:
      ShowChart(window, ChartOf(request));
      break;
    default:
      break;
  }
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  static const shell::WindowHandlers handlers = {
      &OnCreate,
      &OnPaint,
      &OnCommand,
      &OnOther,
  };
  return shell::DispatchMainWindow(window, message, wParam, lParam, handlers);
}

}  // namespace vorna
