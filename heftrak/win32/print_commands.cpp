// Print (103) opens the personal data dialog; print report (200), sent by
// that dialog's Print button, prints the "Body Fat Content Report" from the
// window's state and the open dialog's fields.
#include "heftrak/core/field_ids.h"
#include "heftrak/core/report.h"
#include "heftrak/win32/main_window.h"
#include "heftrak/win32/window_parts.h"
#include "shell/win32/print_dialog.h"
#include "shell/win32/report_page.h"

namespace heftrak {

void OnPrint(HWND window) {
  shell::ShowPrintDialog(window, kPrintDialogIds);
}

void OnPrintReport(HWND /*window*/) {
  shell::PrintReport(BodyFatReport(Window().state, shell::ReadPersonalData()));
}

}  // namespace heftrak
