// VORNA's Print command and the report it prints.
#pragma once

#include <windows.h>

namespace vorna {

// Opens the personal data dialog (command 16).
void OpenPrintDialog(HWND window);

// Prints the "Physical Fitness Score Report" from the window's state and the open
// dialog's fields (command 200).
void PrintScoreReport();

}  // namespace vorna
