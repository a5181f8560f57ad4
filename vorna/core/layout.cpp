#include "vorna/core/layout.h"

#include "vorna/core/field_ids.h"

namespace vorna {

shell::Size WindowSize(const shell::LayoutGrid& g) {
  return {55 * g.X + g.QX, 21 * g.Y};
}

std::vector<shell::FieldPlacement> FieldPlacements(const shell::LayoutGrid& g) {
  const int column = 11 * g.X + 2 * g.QX + 1;
  const int runTop = 7 * g.Y + 7 * g.QY + g.QX;
  const auto field = [&](int id, int left, int top, int width) {
    return shell::FieldPlacement{id, left, top, width, g.Y, false, false, FieldChars(id)};
  };
  return {
      field(kAge, column, 2 * g.Y + 2 * g.QY + g.QX, 2 * g.X + g.QX),
      field(kSex, column, 3 * g.Y + 4 * g.QY + g.QX, 2 * g.X - g.QX),
      field(kPushups, column, 5 * g.Y + 3 * g.QY + g.QX, 3 * g.X + g.QX),
      field(kSitups, column, 6 * g.Y + 5 * g.QY + g.QX, 3 * g.X + g.QX),
      field(kRunMinutes, column, runTop, 2 * g.X + g.QX),
      field(kRunSeconds, 13 * g.X + 5 * g.QX + 1, runTop, 2 * g.X + g.QX),
  };
}

}  // namespace vorna
