#include "vorna/win32/printing.h"

#include "shell/win32/print_dialog.h"
#include "shell/win32/report_page.h"
#include "vorna/core/fields.h"
#include "vorna/core/report.h"
#include "vorna/win32/main_window.h"

namespace vorna {

void OpenPrintDialog(HWND window) {
  shell::ShowPrintDialog(window, kPrintDialogIds);
}

void PrintScoreReport() {
  shell::PrintReport(ScoreReport(Window().model.state, shell::ReadPersonalData()));
}

}  // namespace vorna
