// The personal data dialog: name, rank, SSN and date for the printed
// report. Its Print button asks the main window to print (command 200)
// while the dialog stays open; the report reads the fields from here.
#pragma once

#include <windows.h>

#include "shell/core/print_dialog_layout.h"
#include "shell/core/report.h"

// Dialog procedures are exported by name.
extern "C" __declspec(dllexport) INT_PTR CALLBACK
    PrintProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

namespace shell {

// Runs the dialog modally over `owner`; returns when Exit closes it.
void ShowPrintDialog(HWND owner, const PrintDialogIds& ids);

// What the open dialog's fields hold now (empty when no dialog is open).
PersonalData ReadPersonalData();

}  // namespace shell
