#include "heftrak/core/layout.h"

#include "heftrak/core/fields.h"

namespace heftrak {

WindowMeasures MeasuresFor(const shell::LayoutGrid& g) {
  WindowMeasures m{};
  m.W = 2 * g.X + g.QX;
  m.R = g.Y + 2 * g.QY;
  m.G = 2 * g.QX;
  m.P = 2 * m.W + 4 * m.G;
  m.S = 12 * g.X + 2 * g.QX;
  m.M = 9 * g.X + 2 * g.QX;
  m.F = 45 * g.X;
  m.T = 65 * g.X + 2 * m.W + 4 * m.G;
  return m;
}

RowTops RowTopsFor(const shell::LayoutGrid& g) {
  RowTops rows{};
  rows.screen = 2 * g.Y + 2 * g.QY;
  rows.male = 16 * g.Y + 2 * g.QY;
  rows.maleResults = 19 * g.Y + 3 * g.QY;
  rows.female = 9 * g.Y + 2 * g.QY;
  rows.femaleFactors = 15 * g.Y + 3 * g.QY;
  return rows;
}

shell::Size WindowSize(const shell::LayoutGrid& g) {
  return {80 * g.X, 30 * g.Y};
}

std::vector<shell::FieldPlacement> FieldPlacements(const shell::LayoutGrid& g) {
  const WindowMeasures m = MeasuresFor(g);
  const RowTops rows = RowTopsFor(g);
  std::vector<shell::FieldPlacement> fields;
  fields.reserve(kMainFieldCount);
  // In FieldId order; what kind of field each is comes from its id.
  const auto add = [&](int left, int top, int width) {
    const int id = static_cast<int>(fields.size());
    fields.push_back(
        {id, left, top, width, g.Y, IsResultField(id), IsRightAligned(id), FieldChars(id)});
  };
  add(m.S + 1, rows.screen, m.W);                                  // Age
  add(m.S + 1, rows.screen + m.R, m.W - 2 * g.QX);                 // Sex
  add(m.S + 1, rows.screen + 2 * m.R, m.W);                        // height whole
  add(12 * g.X + 4 * g.QX + m.W + 1, rows.screen + 2 * m.R, m.W);  // hundredths
  add(m.S + 1, rows.screen + 3 * m.R, 3 * g.X + g.QX);             // Weight

  for (int site = 0; site < kMaleSites; ++site) {
    for (int k = 0; k < kReadingsPerSite; ++k) {
      const int left = m.M + k * m.P + 1;
      add(left, rows.male + site * m.R, m.W);
      add(left + m.G + m.W, rows.male + site * m.R, m.W);
    }
  }
  for (int site = 0; site < kMaleSites; ++site) {  // averages
    add(29 * g.X + 2 * g.QX + 1, rows.male + site * m.R, 5 * g.X);
  }
  for (int j = 0; j < 4; ++j) {
    add(28 * g.X + 2 * g.QX + 1, rows.maleResults + j * m.R, 5 * g.X + 2 * g.QX);
  }

  for (int site = 0; site < kFemaleSites; ++site) {
    for (int k = 0; k < kReadingsPerSite; ++k) {
      const int left = m.F + k * m.P + 1;
      add(left, rows.female + site * m.R, m.W);
      add(left + m.G + m.W, rows.female + site * m.R, m.W);
    }
  }
  for (int site = 0; site < kFemaleSites; ++site) {  // averages
    add(65 * g.X + 1, rows.female + site * m.R, 5 * g.X);
  }
  for (int j = 0; j < 6; ++j) {
    add(64 * g.X + 1, rows.femaleFactors + j * m.R, 5 * g.X + 2 * g.QX);
  }
  for (int row : {1, 5, 6}) {  // C, H, I
    add(m.T + 1, rows.femaleFactors + row * m.R, 5 * g.X + 2 * g.QX);
  }
  return fields;
}

}  // namespace heftrak
