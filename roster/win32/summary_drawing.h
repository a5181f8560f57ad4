// The summary's chart drawn with GDI, the same in the summary dialog and on
// the printed page: the shapes summary_chart.h lays out, in the device
// context's current font.
#pragma once

#include <windows.h>

#include "roster/core/summary_chart.h"

namespace roster {

// How wide a text is, and how high a row, in the device context's font.
TextWidth WidthOn(HDC dc);
int RowHeightOn(HDC dc);

void DrawChart(HDC dc, const ChartShapes& shapes);

}  // namespace roster
