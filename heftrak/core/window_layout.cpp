#include "heftrak/core/window_layout.h"

#include "heftrak/core/fields.h"
#include "heftrak/core/layout.h"
#include "heftrak/resources/heftrak_ids.h"

namespace heftrak {

namespace {

std::vector<PanelPlace> Panels(const shell::LayoutGrid& g) {
  const int tab = g.Y + 1;
  return {
      {g.X, 2 * g.QY, tab, 18 * g.X},                                 // "Weight Screen" tab
      {g.X, 2 * g.Y, 11 * g.Y, 18 * g.X},                             // Weight Screen
      PromptBox(g),                                                   //
      {57 * g.X + 2 * g.QX, 2 * g.QY, 5 * g.Y + 2 * g.QY, 21 * g.X},  // Print
      {20 * g.X, 6 * g.Y + 2 * g.QY, tab, 16 * g.X},                  // "Calculators" tab
      {20 * g.X, 8 * g.Y, 5 * g.Y, 16 * g.X},                         // Calculate, Clear Calc.
      {g.X, 13 * g.Y + 2 * g.QY, tab, 35 * g.X},                      // "Male Calculator" tab
      {g.X, 15 * g.Y, 11 * g.Y + g.QY, 35 * g.X},                     // Male Calculator
      {37 * g.X, 6 * g.Y + 2 * g.QY, tab, 41 * g.X + 3 * g.QX},       // "Female Calculator" tab
      {37 * g.X, 8 * g.Y, 18 * g.Y + g.QY, 41 * g.X + 3 * g.QX},      // Female Calculator
  };
}

std::vector<FrameStack> Frames(const shell::LayoutGrid& g) {
  const WindowMeasures m = MeasuresFor(g);
  const RowTops rows = RowTopsFor(g);
  // A frame is one pixel above and left of its field and wider than it; a
  // stack follows the fields at the row pitch R.
  const int h = g.Y + 3;
  const int gap = 2 * g.QY - 3;
  const int pair = 2 * m.W + m.G + 3;
  const int result = 5 * g.X + 4 * g.QX;
  std::vector<FrameStack> frames = {
      {m.S, rows.screen - 1, h, m.W + 2, gap, 1},  // Age
      SexFieldFrame(g),
      {m.S, rows.screen + 2 * m.R - 1, h, pair, gap, 1},                // height pair
      {m.S, rows.screen + 3 * m.R - 1, h, 3 * g.X + g.QX + 3, gap, 1},  // Weight
  };
  for (int k = 0; k < kReadingsPerSite; ++k) {
    frames.push_back({m.M + k * m.P, rows.male - 1, h, pair, gap, kMaleSites});
  }
  frames.push_back({29 * g.X + 2 * g.QX - 1, rows.male - 1, h, 5 * g.X + 2 * g.QX, gap, 2});
  frames.push_back({28 * g.X + 2 * g.QX - 1, rows.maleResults - 1, h, result, gap, 4});
  for (int k = 0; k < kReadingsPerSite; ++k) {
    frames.push_back({m.F + k * m.P, rows.female - 1, h, pair, gap, kFemaleSites});
  }
  frames.push_back({65 * g.X - 1, rows.female - 1, h, 5 * g.X + 2 * g.QX, gap, 4});
  frames.push_back({64 * g.X - 1, rows.femaleFactors - 1, h, result, gap, 6});
  frames.push_back({m.T - 1, rows.femaleFactors + m.R - 1, h, result, gap, 1});      // C
  frames.push_back({m.T - 1, rows.femaleFactors + 5 * m.R - 1, h, result, gap, 2});  // H, I
  return frames;
}

void AddRowLabels(std::vector<Label>& labels, std::initializer_list<const char*> texts,
                  int columnLeft, int firstTop, const WindowMeasures& m) {
  int top = firstTop;
  for (const char* text : texts) {
    labels.push_back({text, columnLeft - m.G, top, TextAlign::Right});
    top += m.R;
  }
}

// The "." between the whole inches and the hundredths of every reading.
void AddReadingPoints(std::vector<Label>& labels, int firstLeft, int firstTop, int sites,
                      const WindowMeasures& m) {
  for (int site = 0; site < sites; ++site) {
    for (int k = 0; k < kReadingsPerSite; ++k) {
      labels.push_back(
          {".", firstLeft + k * m.P + m.W + m.G, firstTop + site * m.R, TextAlign::Right});
    }
  }
}

void AddColumnHeads(std::vector<Label>& labels, int firstLeft, int firstTop,
                    const shell::LayoutGrid& g, const WindowMeasures& m) {
  const int y = firstTop - (g.Y + 1);
  labels.push_back({"1st", firstLeft + g.X, y, TextAlign::Left});
  labels.push_back({"2nd", firstLeft + m.P + g.X, y, TextAlign::Left});
  labels.push_back({"3rd", firstLeft + 2 * m.P + g.X, y, TextAlign::Left});
  labels.push_back(
      {"Average", firstLeft + 3 * m.P - g.QX, firstTop - (g.Y + g.QY), TextAlign::Left});
}

std::vector<Label> Labels(const shell::LayoutGrid& g) {
  const WindowMeasures m = MeasuresFor(g);
  const RowTops rows = RowTopsFor(g);
  std::vector<Label> labels = {
      {"Weight Screen", 4 * g.X, 2 * g.QY, TextAlign::Left},
      {"Calculators", 23 * g.X + 2 * g.QX, 6 * g.Y + 2 * g.QY, TextAlign::Left},
      {"Male Calculator", 11 * g.X, 13 * g.Y + 2 * g.QY, TextAlign::Left},
      {"Female Calculator", 50 * g.X, 6 * g.Y + 2 * g.QY, TextAlign::Left},
  };
  AddRowLabels(labels, {"Age", "Sex", "Height (in.)", "Weight (lbs.)"}, m.S, rows.screen, m);
  AddRowLabels(labels, {"Abdomen", "Neck"}, m.M, rows.male, m);
  AddRowLabels(labels, {"Hips", "Forearm", "Neck", "Wrist"}, m.F, rows.female, m);

  labels.push_back({".", m.S + m.W + m.G, rows.screen + 2 * m.R, TextAlign::Right});
  AddReadingPoints(labels, m.M, rows.male, kMaleSites, m);
  AddReadingPoints(labels, m.F, rows.female, kFemaleSites, m);
  AddColumnHeads(labels, m.M, rows.male, g, m);
  AddColumnHeads(labels, m.F, rows.female, g, m);

  // Result labels end one pixel short of the gap before their frames.
  const int maleEnd = 28 * g.X + 2 * g.QX - m.G - 1;
  int top = rows.maleResults;
  for (const char* text : {"Difference", "Abdomen-Neck Factor", "Height Factor", "% Body Fat"}) {
    labels.push_back({text, maleEnd, top, TextAlign::Right});
    top += m.R;
  }
  const int femaleEnd = 64 * g.X - m.G - 1;
  top = rows.femaleFactors;
  for (const char* text : {"Weight Factor", "Hip Factor", "Height Factor", "Forearm Factor",
                           "Neck Factor", "Wrist Factor"}) {
    labels.push_back({text, femaleEnd, top, TextAlign::Right});
    top += m.R;
  }
  labels.push_back({"% Body Fat", m.T - m.G - 1, rows.femaleFactors + 6 * m.R, TextAlign::Right});
  labels.push_back({"Total", m.T + g.QX, rows.femaleFactors + g.QY, TextAlign::Left});
  labels.push_back({"Total", m.T + g.QX, rows.femaleFactors + 4 * m.R + g.QY, TextAlign::Left});
  return labels;
}

std::vector<ButtonPlace> Buttons(const shell::LayoutGrid& g) {
  const int w = 12 * g.X;
  const int h = 7 * g.QY;
  const int upper = 8 * g.Y + 3 * g.QY;
  const int lower = 10 * g.Y + 3 * g.QY;
  const int charts = 23 * g.Y + 3 * g.QY;
  return {
      {"Chec&k", kCheckCommand, 4 * g.X, upper, w, h, true},
      {"C&lear", kClearCommand, 4 * g.X, lower, w, h, true},
      {"&Calculate", kCalculateCommand, 22 * g.X, upper, w, h, true},
      {"Clea&r Calc.", kClearCalcCommand, 22 * g.X, lower, w, h, true},
      // Nothing to print until an evaluation has got past its checks.
      {"&Print", kPrintCommand, 62 * g.X, 3 * g.Y + g.QY, w, h, false},
      {"Charts", kMaleChartsCommand, 2 * g.X + 3 * g.QX, charts, w, h, true},
      {"Charts", kFemaleChartsCommand, 38 * g.X + 3 * g.QX, charts, w, h, true},
  };
}

}  // namespace

WindowLayout LayoutFor(const shell::LayoutGrid& grid) {
  return {Panels(grid), Frames(grid), Labels(grid), Buttons(grid)};
}

FrameStack SexFieldFrame(const shell::LayoutGrid& g) {
  const WindowMeasures m = MeasuresFor(g);
  return {m.S, RowTopsFor(g).screen + m.R - 1, g.Y + 3, m.W - 2 * g.QX + 2, 2 * g.QY - 3, 1};
}

PanelPlace PromptBox(const shell::LayoutGrid& g) {
  return {20 * g.X, 2 * g.QY, 5 * g.Y + 2 * g.QY, 36 * g.X + 2 * g.QX};
}

shell::Point PromptOrigin(const shell::LayoutGrid& g) {
  const PanelPlace box = PromptBox(g);
  return {box.left + g.X, box.top};
}

shell::Point ExtraLineOrigin(const shell::LayoutGrid& g) {
  const shell::Point origin = PromptOrigin(g);
  return {origin.x, origin.y + 2 * g.Y};
}

shell::Point MaleOnlyBox(const shell::LayoutGrid& g) {
  return {63 * g.X + 3 * g.QX, g.Y + 2 * g.QY};
}

}  // namespace heftrak
