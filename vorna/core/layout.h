// Where VORNA's window and its six entry fields stand, from the layout grid.
#pragma once

#include <vector>

#include "shell/core/layout_grid.h"

namespace vorna {

// The main window's outer size: 55X + QX by 21Y.
shell::Size WindowSize(const shell::LayoutGrid& grid);

// The six entry fields in FieldId order.
std::vector<shell::FieldPlacement> FieldPlacements(const shell::LayoutGrid& grid);

}  // namespace vorna
