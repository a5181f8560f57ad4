// The Male Charts and Female Charts dialogs: the reference tables in full.
#pragma once

#include <windows.h>

#include "heftrak/core/chart_rows.h"

// Dialog procedures are exported by name.
extern "C" __declspec(dllexport) INT_PTR CALLBACK
    MChartProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
extern "C" __declspec(dllexport) INT_PTR CALLBACK
    FChartProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

namespace heftrak {

// Runs a chart dialog modally over `owner` for `chartAge` (-1: no age
// entered); returns when Exit (or Enter) closes it.
void ShowCharts(HWND owner, ChartSex sex, int chartAge);

}  // namespace heftrak
