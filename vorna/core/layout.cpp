#include "vorna/core/layout.h"

#include "vorna/core/fields.h"

namespace vorna {

shell::Size WindowSize(const shell::LayoutGrid& g) {
  return {55 * g.X + g.QX, 21 * g.Y};
}

EntryRows EntryRowsFor(const shell::LayoutGrid& g) {
  EntryRows rows{};
  rows.column = 11 * g.X + 2 * g.QX;
  rows.pitch = g.Y + 2 * g.QY;
  rows.age = 2 * g.Y + 2 * g.QY + g.QX;
  rows.sex = rows.age + rows.pitch;
  // A little below where a third row would stand: the events keep apart from
  // age and sex.
  rows.pushups = 5 * g.Y + 3 * g.QY + g.QX;
  rows.situps = rows.pushups + rows.pitch;
  rows.run = rows.situps + rows.pitch;
  return rows;
}

std::vector<shell::FieldPlacement> FieldPlacements(const shell::LayoutGrid& g) {
  const EntryRows rows = EntryRowsFor(g);
  const int column = rows.column + 1;
  const auto field = [&](int id, int left, int top, int width) {
    return shell::FieldPlacement{id, left, top, width, g.Y, false, false, FieldChars(id)};
  };
  return {
      field(kAge, column, rows.age, 2 * g.X + g.QX),
      field(kSex, column, rows.sex, 2 * g.X - g.QX),
      field(kPushups, column, rows.pushups, 3 * g.X + g.QX),
      field(kSitups, column, rows.situps, 3 * g.X + g.QX),
      field(kRunMinutes, column, rows.run, 2 * g.X + g.QX),
      field(kRunSeconds, 13 * g.X + 5 * g.QX + 1, rows.run, 2 * g.X + g.QX),
  };
}

}  // namespace vorna
