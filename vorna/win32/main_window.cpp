#include "vorna/win32/main_window.h"

#include <windowsx.h>

#include "shell/win32/app.h"
#include "shell/win32/frame.h"
#include "shell/win32/gdi.h"
#include "shell/win32/text.h"
#include "vorna/win32/chart_list.h"
#include "vorna/win32/clear.h"
#include "vorna/win32/male_only.h"
#include "vorna/win32/paint.h"
#include "vorna/win32/printing.h"
#include "vorna/win32/replay.h"
#include "vorna/win32/vorna_ids.h"
#include "vorna/win32/wiping.h"

namespace vorna {

namespace {

TextMeasures MeasureTexts(HWND window) {
  TextMeasures measures;
  shell::WindowDC dc(window);
  if (dc) {
    measures.underlineWidth = shell::TextWidth(dc.get(), "M");
    measures.optionClickWidth = shell::TextWidth(dc.get(), "Male Onlynly");
    measures.chartTextWidth = shell::TextWidth(dc.get(), "27:54  |  100");
  }
  measures.scrollBarWidth = GetSystemMetrics(SM_CXVSCROLL);
  return measures;
}

HWND CreateChild(HWND window, const char* windowClass, const char* text, DWORD style, int id,
                 int left, int top, int width, int height) {
  return CreateWindowExA(0, windowClass, text, WS_CHILD | WS_VISIBLE | style, left, top, width,
                         height, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         shell::App().instance, nullptr);
}

void OnCreate(HWND window) {
  FitnessTestWindow& w = Window();
  w = FitnessTestWindow{};
  // The frames' white wells lie under the entry fields; drawing one outside
  // a repaint must not paint over the text typed into the field.
  SetWindowLongPtrA(window, GWL_STYLE, GetWindowLongPtrA(window, GWL_STYLE) | WS_CLIPCHILDREN);
  w.layout = LayoutFor(shell::App().grid, MeasureTexts(window));

  constexpr int kButtonIds[kButtonCount] = {IDC_CALCULATE, IDC_CLEAR, IDC_PRINT};
  for (int i = 0; i < kButtonCount; ++i) {
    const Button& b = w.layout.buttons[static_cast<std::size_t>(i)];
    HWND button = CreateChild(window, "button", b.text, BS_PUSHBUTTON, kButtonIds[i], b.left, b.top,
                              b.width, b.height);
    EnableWindow(button, b.enabledAtStart ? TRUE : FALSE);
    if (kButtonIds[i] == IDC_PRINT) {
      w.printButton = button;
    }
  }
  // Unsorted, so the rows keep the order they are added in. The list keeps
  // its height to whole rows, which leaves the title below it clear.
  w.chartList = CreateChild(
      window, "listbox", nullptr, WS_BORDER | WS_VSCROLL | LBS_DISABLENOSCROLL, IDC_CHART_LIST,
      w.layout.chartLeft, w.layout.chartTop, w.layout.chartWidth, w.layout.chartHeight);
  shell::App().chartList = w.chartList;
  shell::AddAboutEntry(window);
}

void OnPaint(HWND window) {
  // Everything is drawn anew, which also leaves the message line empty.
  InvalidateRect(window, nullptr, TRUE);
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  if (dc != nullptr) {
    PaintWindowOn(dc, Window(), 0);
  }
  EndPaint(window, &paint);
  Window().messageOnLine = 0;
}

// Command 16: the personal data dialog, from which the report is printed.
void OnPrint(HWND window) {
  OpenPrintDialog(window);
}

// Command 200, sent by the personal data dialog's Print button: prints the
// score report.
void OnPrintReport(HWND /*window*/) {
  PrintScoreReport();
}

void OnFieldNotification(HWND window, int field, int code) {
  switch (code) {
    case EN_SETFOCUS:
      Window().state.currentField = static_cast<FieldId>(field);
      FillChart(window, field);
      break;
    case EN_CHANGE:
      OnFieldChanged(window, field);
      break;
    default:
      break;
  }
}

void OnCommand(HWND window, int id, int code, HWND control) {
  if (control != nullptr) {
    if (id >= kAge && id < kEntryFieldCount) {
      OnFieldNotification(window, id, code);
      return;
    }
    if (code != BN_CLICKED) {
      return;  // the chart list's notifications, say
    }
  }
  switch (id) {
    case IDC_CALCULATE:
      Calculate(window);
      break;
    case IDC_CLEAR:
      ClearTest(window);
      break;
    case IDM_MALE_ONLY:
      ToggleMaleOnly(window);
      break;
    case IDC_PRINT:
      OnPrint(window);
      break;
    case IDM_PRINT_REPORT:
      if (control == nullptr) {
        OnPrintReport(window);
      }
      break;
    default:
      break;  // Alt+X and anything else: nothing to do here
  }
}

}  // namespace

FitnessTestWindow& Window() {
  static FitnessTestWindow window;
  return window;
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      OnCreate(window);
      return 0;
    case WM_PAINT:
      OnPaint(window);
      return 0;
    case WM_PRINTCLIENT:
      // The window as it stands on the screen, message included, into a
      // device context of the caller's.
      PaintWindowOn(reinterpret_cast<HDC>(wParam), Window(), Window().messageOnLine,
                    Window().messageColour);
      return 0;
    case WM_LBUTTONDOWN:
      OnMainWindowClick(window, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_SETFOCUS:
      shell::MainWindowFocused(shell::App().fields.At(Window().state.currentField));
      return 0;
    case WM_DESTROY:
      shell::MainWindowDestroyed();
      return 0;
    case WM_SYSCOMMAND:
      if (shell::HandleAboutCommand(window, wParam)) {
        return 0;
      }
      break;
    case WM_COMMAND:
      OnCommand(window, LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace vorna
