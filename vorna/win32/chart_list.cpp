#include "vorna/win32/chart_list.h"

#include <string>
#include <vector>

#include "shell/win32/drawing.h"
#include "shell/win32/fields.h"
#include "vorna/core/chart.h"
#include "vorna/core/evaluation.h"
#include "vorna/win32/main_window.h"
#include "vorna/win32/paint.h"

namespace vorna {

void EmptyChart(HWND window) {
  FitnessTestWindow& w = Window();
  SendMessageA(w.chartList, LB_RESETCONTENT, 0, 0);
  shell::DrawOnWindow(window, [&](HDC dc) { WipeChartTitleOn(dc, w.layout); });
}

void FillChart(HWND window, int field) {
  FitnessTestWindow& w = Window();
  TestState& state = w.state;
  const ChartKind kind = ChartKindOf(field);
  if (kind == ChartKind::None && state.accepted) {
    // Into Age or Sex: the chart of an age and sex about to change goes.
    EmptyChart(window);
    return;
  }
  // Silent: the messages belong to Calculate. Age and Sex take part too, so
  // an age and sex complete when the caret enters either count as accepted.
  if (!AcceptAgeAndSex(state, shell::EntrySnapshot<kEntryFieldCount>().texts()) ||
      kind == ChartKind::None) {
    return;
  }

  const std::vector<std::string> rows = ChartRows(kind, state.age, state.sex);
  shell::DrawOnWindow(window, [&](HDC dc) {
    DrawChartTitleOn(dc, w.layout, ChartTitle(state.age, state.sex).c_str());
  });
  // Up to 136 rows: the list is drawn once, when they are all in.
  SendMessageA(w.chartList, WM_SETREDRAW, FALSE, 0);
  SendMessageA(w.chartList, LB_RESETCONTENT, 0, 0);
  shell::DrawOnWindow(window, [&](HDC dc) { DrawChartHeaderOn(dc, w.layout, ChartHeader(kind)); });
  WPARAM index = 0;
  for (const std::string& row : rows) {
    // Inserted at the next index, so the rows keep their order.
    SendMessageA(w.chartList, LB_INSERTSTRING, index++, reinterpret_cast<LPARAM>(row.c_str()));
  }
  SendMessageA(w.chartList, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(w.chartList, nullptr, TRUE);
}

}  // namespace vorna
