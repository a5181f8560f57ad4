// Where HEFTRAK's window and its sixty fields stand, from the layout grid.
#pragma once

#include <vector>

#include "shell/core/layout_grid.h"

namespace heftrak {

// The measures every part of the window is placed with.
struct WindowMeasures {
  int W;  // field width: 2X + QX
  int R;  // row pitch: Y + 2QY
  int G;  // gap between the two fields of a reading: 2QX
  int P;  // pitch from one reading to the next: 2W + 4G
  int S;  // left of the Weight Screen's field column: 12X + 2QX
  int M;  // left of the first male reading: 9X + 2QX
  int F;  // left of the first female reading: 45X
  int T;  // left of the female totals: 65X + 2W + 4G
};

WindowMeasures MeasuresFor(const shell::LayoutGrid& grid);

// The top of the first row of each group of fields; the fields, their frames
// and their labels all stand on these rows, the rows below at the pitch R.
struct RowTops {
  int screen;         // Age
  int male;           // abdomen readings
  int maleResults;    // Difference
  int female;         // hips readings
  int femaleFactors;  // Weight Factor
};

RowTops RowTopsFor(const shell::LayoutGrid& grid);

// The main window's outer size: 80X by 30Y.
shell::Size WindowSize(const shell::LayoutGrid& grid);

// The sixty fields in FieldId order.
std::vector<shell::FieldPlacement> FieldPlacements(const shell::LayoutGrid& grid);

}  // namespace heftrak
