// The scoring chart on the window: the list of an event's points with its
// header and title, as the core's focus reaction asks for them.
#pragma once

#include <windows.h>

#include "vorna/core/chart.h"

namespace vorna {

// Lists, titles and heads the chart.
void ShowChart(HWND window, const ChartShown& chart);

// Empties the list and wipes the title and header.
void EmptyChart(HWND window);

}  // namespace vorna
