#include "vorna/core/window_layout.h"

#include "vorna/core/layout.h"
#include "vorna/resources/vorna_ids.h"

namespace vorna {

const char* ResultLabel(int box) {
  switch (box) {
    case kTotalBox:
      return "Total";
    case kScaledBox:
      return "Scaled";
    default:
      return "Points";
  }
}

WindowLayout LayoutFor(const shell::LayoutGrid& g, const TextMeasures& measures) {
  const int X = g.X;
  const int Y = g.Y;
  const int QX = g.QX;
  const int QY = g.QY;

  const EntryRows rows = EntryRowsFor(g);
  const int column = rows.column;
  const int headerTop = 3 * Y + 3 * QY + 1;  // "Converted Score" and "ScoreCard"
  const int frameHeight = Y + 3;
  const int frameGap = 2 * QY - 3;  // frames stacked at the field row pitch
  const int labelRight = column - 3 * QX;

  WindowLayout l;
  l.messageLine = {20 * X, 15 * Y + 3 * QY, Y, 33 * X, 0, 1};
  l.messageLeft = 21 * X;
  l.messageTop = 15 * Y + 3 * QY;
  l.panels = {{
      l.messageLine,
      {20 * X, 2 * QY, 2 * Y + 3 * QY, 33 * X, 0, 1},      // holds Print and Male Only
      {2 * X, 2 * QY, Y + 1, 17 * X, 0, 1},                // "Raw Score"
      {2 * X, 2 * Y, 8 * Y + 3 * QY, 17 * X, 0, 1},        // the entry fields
      {2 * X, 11 * Y + QY, 5 * Y + 2 * QY, 17 * X, 0, 1},  // Calculate and Clear
      {20 * X, 3 * Y + 3 * QY, Y + 1, 16 * X, 0, 1},       // "Converted Score"
      {20 * X, 5 * Y + QY, 10 * Y, 16 * X, 0, 1},          // the result boxes
      {37 * X, 3 * Y + 3 * QY, Y + 1, 16 * X, 0, 1},       // "ScoreCard"
      {37 * X, 5 * Y + QY, 10 * Y, 16 * X, 0, 1},          // the scoring chart
  }};

  l.sexFrame = {column, rows.sex - 1, frameHeight, 2 * X - QX + 2, 0, 1};
  l.fieldFrames = {{
      {column, rows.age - 1, frameHeight, 2 * X + QX + 2, 0, 1},
      l.sexFrame,
      {column, rows.pushups - 1, frameHeight, 3 * X + QX + 3, frameGap, 2},
      {column, rows.run - 1, frameHeight, 4 * X + 4 * QX + 3, 0, 1},
  }};

  l.labels = {{
      {"Age", labelRight, rows.age, TextAlign::Right},
      {"Sex", labelRight, rows.sex, TextAlign::Right},
      {"Pushups", labelRight, rows.pushups, TextAlign::Right},
      {"Situps", labelRight, rows.situps, TextAlign::Right},
      {"Run", labelRight, rows.run, TextAlign::Right},
      {":", column + 2 * X + 3 * QX, rows.run, TextAlign::Right},
      {"Raw Score", 10 * X + 3 * QX, 2 * QY + 1, TextAlign::Centre},
      {"Converted Score", 28 * X + QX, headerTop, TextAlign::Centre},
      {"ScoreCard", 44 * X + 4 * QX, headerTop, TextAlign::Centre},
  }};

  l.resultLeft = 29 * X;
  l.resultHeight = frameHeight;
  l.resultWidth = 3 * X + QX + 2;
  for (int box = 0; box < kResultBoxCount; ++box) {
    // Total and scaled stand apart from the events by two extra gaps.
    const int apart = box >= kTotalBox ? 2 * frameGap : 0;
    const int top = rows.pushups - 1 + box * rows.pitch + apart;
    l.results[static_cast<std::size_t>(box)] = {
        top,
        {ResultLabel(box), l.resultLeft - 3 * QX, top + 1, TextAlign::Right},
        l.resultLeft + 1,
        top + 1};
  }
  l.eventFrames = {l.resultLeft, l.results[kPushupBox].top, l.resultHeight, l.resultWidth, frameGap,
                   kEventCount};
  l.totalFrames = {
      l.resultLeft, l.results[kTotalBox].top, l.resultHeight, l.resultWidth, frameGap, 2};

  l.buttons = {{
      {"&Calculate", kCalculateCommand, 4 * X + 3 * QX, 12 * Y, 12 * X, 7 * QY, true},
      {"C&lear", kClearCommand, 4 * X + 3 * QX, 14 * Y + QY, 12 * X, 7 * QY, true},
      {"&Print", kPrintCommand, 38 * X, Y, 12 * X, 7 * QY, false},  // nothing to print yet
  }};

  l.chartLeft = 39 * X;
  l.chartTop = 6 * Y + 3 * QY;
  l.chartWidth = measures.chartTextWidth + measures.scrollBarWidth;
  l.chartHeight = 8 * Y;
  l.chartCentre = 44 * X + 4 * QX;
  l.chartHeaderTop = 5 * Y + 2 * QY;
  l.chartHeaderRect = {l.chartCentre - 7 * X, 5 * Y + 2 * QY, l.chartCentre + 7 * X,
                       6 * Y + 2 * QY + 1, shell::Brush::LightGrey};
  l.chartTitleTop = 14 * Y;
  l.chartTitleRect = {l.chartCentre - 6 * X, 14 * Y + 1, l.chartCentre + 6 * X, 15 * Y,
                      shell::Brush::LightGrey};

  l.maleOnlyBox = {24 * X, Y + QY + QX};
  return l;
}

}  // namespace vorna
