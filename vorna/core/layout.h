// Where VORNA's window and its six entry fields stand, from the layout grid.
#pragma once

#include <vector>

#include "shell/core/layout_grid.h"

namespace vorna {

// The main window's outer size: 55X + QX by 21Y.
shell::Size WindowSize(const shell::LayoutGrid& grid);

// The column and rows the entry fields stand on, with their frames and
// labels: the fields start one pixel right of the column, their frames on it.
struct EntryRows {
  int column;
  int pitch;  // from one row to the next
  int age;    // the tops of the fields' rows
  int sex;
  int pushups;
  int situps;
  int run;
};

EntryRows EntryRowsFor(const shell::LayoutGrid& grid);

// The six entry fields in FieldId order.
std::vector<shell::FieldPlacement> FieldPlacements(const shell::LayoutGrid& grid);

}  // namespace vorna
