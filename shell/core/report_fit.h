// How large the report's face is printed. A printer's own font can be too
// large for its page (Wine's PostScript driver: 100-pixel lines at 300 dpi):
// a long line would run off the page, and a long name would run into the
// Date printed beside it. Line numbers and columns stay as they are.
//
// Every line but the name is printed at the page's height: the printer's
// own, or smaller where a line would otherwise run off the page. The name
// (the margin line that shares its line with the Date) is fitted alone, so
// a long one shrinks nothing else:
// - at the page's height when it ends at least one blank before the middle
//   of the page, where the Date begins;
// - otherwise at the largest height at which it does, down to a floor of
//   kNameFloorPercent of the page's height, below which it would no longer
//   read well;
// - a name too long even at the floor is printed at the floor and wrapped
//   (shell/core/line_break.h): its first row before the Date, the rest on
//   rows of their own below it, indented under the name and running across
//   the page; every line below the name moves down by the rows it adds.
#pragma once

#include <functional>
#include <string_view>

#include "shell/core/report.h"

namespace shell {

// The geometry of a page in device pixels: line k has its top at k x
// lineHeight; margin lines start at `margin`, middle lines at pageWidth / 2,
// the title is centred on pageWidth / 2.
struct PageGeometry {
  int lineHeight = 0;
  int pageWidth = 0;
  int margin = 0;
};

// The width in pixels of `text` printed in the report's face at the given
// character height (the font's height less its internal leading).
using WidthAtHeight = std::function<int(std::string_view text, int characterHeight)>;

inline constexpr int kNameFloorPercent = 60;

// What a wrapped name's rows after the first start with, to stand under the
// name rather than under its label.
inline constexpr std::string_view kNameRowIndent = "      ";

struct FittedReport {
  int pageHeight = 1;  // the character height of every line without its own
  Report report;       // the lines as printed; the name's with their own height
};

// The report fitted to the page, starting from the printer's own
// `characterHeight`, as `width` measures the lines.
FittedReport FitReport(const Report& report, const PageGeometry& page, int characterHeight,
                       const WidthAtHeight& width);

}  // namespace shell
