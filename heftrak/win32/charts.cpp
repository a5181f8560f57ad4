#include "heftrak/win32/charts.h"

#include <algorithm>
#include <string>
#include <vector>

#include "heftrak/core/chart_rows.h"
#include "heftrak/resources/heftrak_ids.h"
#include "shell/win32/app.h"
#include "shell/win32/drawing.h"
#include "shell/win32/gdi.h"
#include "shell/win32/text.h"

namespace heftrak {

namespace {

HMENU ControlId(int id) {
  return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
}

// The lists take no font and no notifications: the charts are read, not used.
constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_DISABLENOSCROLL;

// Makes the dialog large enough for everything on it, whatever font its
// template resolved to.
void FitClientArea(HWND dialog, ChartSex sex) {
  std::vector<shell::Size> ends;
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    RECT place;
    GetWindowRect(child, &place);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
    ends.push_back({place.right, place.bottom});
  }
  const shell::Size needed = ChartClientSize(sex, shell::App().grid, ends);
  RECT client;
  GetClientRect(dialog, &client);
  if (client.right >= needed.width && client.bottom >= needed.height) {
    return;
  }
  shell::SizeClientArea(dialog, {std::max(static_cast<int>(client.right), needed.width),
                                 std::max(static_cast<int>(client.bottom), needed.height)});
}

// The chart age travels with the dialog: set from the creation parameter,
// read at every paint. The main window is disabled meanwhile, so it cannot
// change.
int ChartAgeOf(HWND dialog) {
  return static_cast<int>(GetWindowLongPtrA(dialog, DWLP_USER));
}

void CreateControls(HWND dialog, ChartSex sex, int chartAge) {
  SetWindowLongPtrA(dialog, DWLP_USER, chartAge);
  const shell::AppState& app = shell::App();
  const ChartDialogLayout layout = ChartLayout(sex, app.grid);
  const ChartButtonPlacement& exit = layout.exitButton;
  CreateWindowExA(0, "button", "Exit", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                  exit.left, exit.top, exit.width, exit.height, dialog, ControlId(exit.id),
                  app.instance, nullptr);

  std::vector<HWND> lists;
  {
    // One context measures every sample, in the dialog's own default font.
    shell::WindowDC dc(dialog);
    const int scrollBar = GetSystemMetrics(SM_CXVSCROLL);
    for (const ChartListPlacement& p : layout.lists) {
      const int width = (dc ? shell::TextWidth(dc.get(), p.sample) : 0) + scrollBar;
      lists.push_back(CreateWindowExA(0, "listbox", nullptr, kListStyle, p.left, p.top, width,
                                      p.height, dialog, ControlId(p.id), app.instance, nullptr));
    }
  }

  FitClientArea(dialog, sex);

  for (std::size_t i = 0; i < lists.size(); ++i) {
    if (lists[i] == nullptr) {
      continue;
    }
    for (const std::string& row : ChartRows(layout.lists[i].list, chartAge)) {
      SendMessageA(lists[i], LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
    }
  }
}

void PaintChart(HWND dialog, ChartSex sex) {
  // Everything is redrawn on every paint, over a freshly erased background;
  // the lists, being child windows, then paint themselves over the panels.
  InvalidateRect(dialog, nullptr, TRUE);
  shell::PaintDC dc(dialog);
  if (!dc) {
    return;
  }
  for (const ChartPanel& panel : ChartPanels(sex, shell::App().grid, ChartAgeOf(dialog))) {
    shell::DrawPanel({panel.left, panel.top, panel.height, panel.width, 0, 1}, dialog);
    for (const ChartText& text : panel.texts) {
      shell::TextAt(dc.get(), text.x, text.y, text.text, shell::TextAlign::Centre);
    }
  }
}

INT_PTR ChartProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, ChartSex sex) {
  switch (message) {
    case WM_INITDIALOG:
      CreateControls(dialog, sex, static_cast<int>(lParam));
      return TRUE;
    case WM_PAINT:
      PaintChart(dialog, sex);
      return TRUE;
    case WM_COMMAND:
      // Exit or Enter. Escape's command 2 is left unanswered, so it does not close.
      if (wParam == 1) {
        EndDialog(dialog, 0);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

void ShowCharts(HWND owner, ChartSex sex, int chartAge) {
  if (sex == ChartSex::Male) {
    DialogBoxParamA(shell::App().instance, RES_DIALOG_CHART_MALE, owner, &MChartProc, chartAge);
  } else {
    DialogBoxParamA(shell::App().instance, RES_DIALOG_CHART_FEMALE, owner, &FChartProc, chartAge);
  }
}

}  // namespace heftrak

INT_PTR CALLBACK MChartProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  return heftrak::ChartProc(dialog, message, wParam, lParam, heftrak::ChartSex::Male);
}

INT_PTR CALLBACK FChartProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  return heftrak::ChartProc(dialog, message, wParam, lParam, heftrak::ChartSex::Female);
}
