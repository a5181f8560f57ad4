// One report page on the default printer.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/core/report.h"
#include "shell/core/report_fit.h"

namespace shell {

// Prints the report as one job on the system's default printer; true only
// when the print system took the whole page. With no usable printer, or a
// job the printer or its spooler refuses, nothing is claimed: the alert
// sounds, so the user does not take the silence for a printed page; `why`,
// when given, says which of the two it was.
bool PrintReport(const Report& report, std::string* why = nullptr);

// The same on a printer device context already open, which it takes over.
bool PrintReportOn(HDC printer, const Report& report);

// A document of several pages as one job on the default printer, in the
// printer's face made small enough for `widest` (the widest line of any
// page) to fit the page: `paginate` makes the pages once it knows how many
// lines a page holds, `draw` adds to page `index` what it holds beside its
// lines (false: it could not). Fails, sounds the alert and says why as
// PrintReport does; a page the printer did not take fails the whole job.
using Paginate = std::function<std::vector<Report>(int linesPerPage)>;
using DrawOnPage = std::function<bool(HDC dc, std::size_t index, const PageGeometry& page)>;
bool PrintDocument(std::string_view widest, const Paginate& paginate, const DrawOnPage& draw,
                   std::string* why = nullptr);

// Draws every line and underline of the report on a device context in its
// current font (the printer's, or a metafile's in the tests), never over
// what is already there; a line with a character height of its own in the
// same face at that height. False when a face could not be made.
bool RenderReport(HDC dc, const Report& report, const PageGeometry& page);

}  // namespace shell
