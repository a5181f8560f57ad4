// One report page on the default printer.
#pragma once

#include <windows.h>

#include "shell/core/report.h"
#include "shell/core/report_fit.h"

namespace shell {

// Prints the report as one job on the system's default printer; true only
// when the print system took the whole page. With no usable printer, or a
// job the printer or its spooler refuses, nothing is claimed: the alert
// sounds, so the user does not take the silence for a printed page.
bool PrintReport(const Report& report);

// The same on a printer device context already open, which it takes over.
bool PrintReportOn(HDC printer, const Report& report);

// Draws every line and underline of the report on a device context in its
// current font (the printer's, or a metafile's in the tests), never over
// what is already there; a line with a character height of its own in the
// same face at that height. False when a face could not be made.
bool RenderReport(HDC dc, const Report& report, const PageGeometry& page);

}  // namespace shell
