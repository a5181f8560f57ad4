// One report page on the default printer.
#pragma once

#include <windows.h>

#include "shell/core/report.h"

namespace shell {

// Prints the report as one job on the system's default printer. With no
// usable printer nothing is printed, no job is started, and the alert
// sounds, so the user does not take the silence for a printed page.
bool PrintReport(const Report& report);

// The geometry of a page: line k has its top at k x lineHeight; margin
// lines start at `margin`, the title is centred on pageWidth / 2.
struct PageGeometry {
  int lineHeight;
  int pageWidth;
  int margin;
};

// Draws every line and underline of the report on a device context in its
// current font (the printer's, or a metafile's in the tests).
void RenderReport(HDC dc, const Report& report, const PageGeometry& page);

}  // namespace shell
