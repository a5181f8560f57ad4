// How large the report's face may be printed. A printer's own font can be
// too large for its page (Wine's PostScript driver: 100-pixel lines at 300
// dpi): long lines would run off the page, and a long name would run into
// the date printed beside it. Then the same face is printed smaller; line
// numbers and columns stay as they are.
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

// The character height to print `report` at, starting from the printer's own
// `characterHeight`: that height when every line fits, otherwise a smaller
// one (at least 1) at which, as `width` measures them,
// - every line ends inside the page width, and
// - a margin line that shares its line with a middle line (the name beside
//   the date) ends at least one blank before the middle of the page.
int FittedCharacterHeight(const Report& report, const PageGeometry& page, int characterHeight,
                          const WidthAtHeight& width);

}  // namespace shell
