#include "vorna/win32/chart_list.h"

#include <string>
#include <vector>

#include "shell/win32/drawing.h"
#include "vorna/win32/main_window.h"
#include "vorna/win32/paint.h"

namespace vorna {

void EmptyChart(HWND window) {
  FitnessTestWindow& w = Window();
  SendMessageA(w.chartList, LB_RESETCONTENT, 0, 0);
  shell::DrawOnWindow(window, [&](HDC dc) { WipeChartTitleOn(dc, w.layout); });
}

void ShowChart(HWND window, const ChartShown& chart) {
  FitnessTestWindow& w = Window();
  const std::vector<std::string> rows = ChartRows(chart.kind, chart.age, chart.sex);
  shell::DrawOnWindow(window, [&](HDC dc) {
    DrawChartTitleOn(dc, w.layout, ChartTitle(chart.age, chart.sex).c_str());
  });
  // Up to 136 rows: the list is drawn once, when they are all in.
  SendMessageA(w.chartList, WM_SETREDRAW, FALSE, 0);
  SendMessageA(w.chartList, LB_RESETCONTENT, 0, 0);
  shell::DrawOnWindow(window,
                      [&](HDC dc) { DrawChartHeaderOn(dc, w.layout, ChartHeader(chart.kind)); });
  WPARAM index = 0;
  for (const std::string& row : rows) {
    // Inserted at the next index, so the rows keep their order.
    SendMessageA(w.chartList, LB_INSERTSTRING, index++, reinterpret_cast<LPARAM>(row.c_str()));
  }
  SendMessageA(w.chartList, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(w.chartList, nullptr, TRUE);
}

}  // namespace vorna
