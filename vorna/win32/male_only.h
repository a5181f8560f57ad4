// The "Male Only" option: a painted label with a box that a click, Alt+M or
// the program itself toggles. While on, the Sex field holds "M".
#pragma once

#include <windows.h>

namespace vorna {

// A left-button click on the main window at client point (x, y); EditProc's
// synthetic click (Backspace in Sex) toggles wherever it says it is.
void OnMainWindowClick(HWND window, int x, int y);

// Switches the option over, without looking where a click was.
void ToggleMaleOnly(HWND window);

}  // namespace vorna
