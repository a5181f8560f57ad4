// The Male Charts and Female Charts dialogs: the reference tables in full.
#pragma once

#include <windows.h>

// Dialog procedures are exported by name.
extern "C" __declspec(dllexport) INT_PTR CALLBACK
    MChartProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
extern "C" __declspec(dllexport) INT_PTR CALLBACK
    FChartProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

namespace heftrak {

// Run a chart dialog modally over `owner` for the chart age left in the
// window's state; return when Exit (or Enter) closes it.
void ShowMaleCharts(HWND owner);
void ShowFemaleCharts(HWND owner);

}  // namespace heftrak
