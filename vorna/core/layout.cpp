#include "vorna/core/layout.h"

namespace vorna {

shell::Size WindowSize(const shell::LayoutGrid& g) {
  return {55 * g.X + g.QX, 21 * g.Y};
}

std::vector<shell::FieldPlacement> FieldPlacements(const shell::LayoutGrid& g) {
  const int column = 11 * g.X + 2 * g.QX + 1;
  const int runTop = 7 * g.Y + 7 * g.QY + g.QX;
  return {
      {0, column, 2 * g.Y + 2 * g.QY + g.QX, 2 * g.X + g.QX, g.Y, false, false},  // Age
      {1, column, 3 * g.Y + 4 * g.QY + g.QX, 2 * g.X - g.QX, g.Y, false, false},  // Sex
      {2, column, 5 * g.Y + 3 * g.QY + g.QX, 3 * g.X + g.QX, g.Y, false, false},  // Push-ups
      {3, column, 6 * g.Y + 5 * g.QY + g.QX, 3 * g.X + g.QX, g.Y, false, false},  // Sit-ups
      {4, column, runTop, 2 * g.X + g.QX, g.Y, false, false},                     // minutes
      {5, 13 * g.X + 5 * g.QX + 1, runTop, 2 * g.X + g.QX, g.Y, false, false},    // seconds
  };
}

}  // namespace vorna
