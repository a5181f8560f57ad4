#include "vorna/core/window_layout.h"

#include <gtest/gtest.h>

#include "vorna/core/layout.h"

namespace vorna {
namespace {

constexpr shell::LayoutGrid kGrid{8, 16, 2, 4};
// Widths as the system font gives them at this grid.
constexpr TextMeasures kMeasures{8, 90, 100, 16};

TEST(WindowLayout, PlacesAtTheUsualGrid) {
  const WindowLayout l = LayoutFor(kGrid, kMeasures);
  // The message line panel and where its message starts.
  EXPECT_EQ(l.panels[0].top, 252);
  EXPECT_EQ(l.panels[0].width, 264);
  EXPECT_EQ(l.messageLeft, 168);
  // Result boxes: three events at the field row pitch, total and scaled
  // further down by two frame gaps.
  const int tops[] = {93, 117, 141, 175, 199};
  for (int box = 0; box < kResultBoxCount; ++box) {
    const ResultPlace& r = l.results[static_cast<std::size_t>(box)];
    EXPECT_EQ(r.top, tops[box]) << box;
    EXPECT_EQ(r.label.x, 226) << box;
    EXPECT_EQ(r.label.y, tops[box] + 1) << box;
    EXPECT_EQ(r.textLeft, 233) << box;
  }
  EXPECT_STREQ(l.results[kSitupBox].label.text, "Points");
  EXPECT_STREQ(l.results[kTotalBox].label.text, "Total");
  EXPECT_STREQ(l.results[kScaledBox].label.text, "Scaled");
  EXPECT_EQ(l.resultWidth, 28);
  // The frames of the result stacks are drawn at exactly the boxes' tops.
  EXPECT_EQ(l.eventFrames.top + l.eventFrames.height + l.eventFrames.gap, tops[1]);
  EXPECT_EQ(l.totalFrames.top + l.totalFrames.height + l.totalFrames.gap, tops[4]);
  // Buttons, the chart and its header and title.
  EXPECT_EQ(l.buttons[kClearButton].top, 228);
  EXPECT_EQ(l.buttons[kPrintButton].left, 304);
  EXPECT_FALSE(l.buttons[kPrintButton].enabledAtStart);
  EXPECT_EQ(l.chartLeft, 312);
  EXPECT_EQ(l.chartTop, 108);
  EXPECT_EQ(l.chartWidth, 116);
  EXPECT_EQ(l.chartCentre, 360);
  EXPECT_EQ(l.chartHeaderRect, (shell::FilledRect{304, 88, 416, 105, shell::Brush::LightGrey}));
  EXPECT_EQ(l.chartTitleRect, (shell::FilledRect{312, 225, 408, 240, shell::Brush::LightGrey}));
  EXPECT_EQ(l.chartTitleTop, 224);
  // Male Only.
  EXPECT_EQ(l.maleOnly.boxLeft, 192);
  EXPECT_EQ(l.maleOnly.boxTop, 22);
  EXPECT_EQ(l.maleOnly.side, 15);
  EXPECT_EQ(l.maleOnlyLabel.x, 211);
  EXPECT_EQ(l.underlineY, 36);
}

TEST(WindowLayout, EachEntryFieldSitsInItsFrameWithItsLabelBeforeIt) {
  for (const shell::LayoutGrid& g : {kGrid, shell::GridFromBaseUnits(7, 15)}) {
    const WindowLayout l = LayoutFor(g, kMeasures);
    const auto fields = FieldPlacements(g);
    // Frames are indexed Age, Sex, Push-ups (with Sit-ups below), run.
    const int frameOf[] = {0, 1, 2, 2, 3, 3};
    for (const shell::FieldPlacement& f : fields) {
      const Stack& frame = l.fieldFrames[static_cast<std::size_t>(frameOf[f.id])];
      const int row = f.id == kSitups ? 1 : 0;
      const int frameTop = frame.top + row * (frame.height + frame.gap);
      // The seconds share the minutes' frame.
      EXPECT_EQ(frame.left, f.id == kRunSeconds ? fields[kRunMinutes].left - 1 : f.left - 1)
          << f.id;
      EXPECT_EQ(frameTop, f.top - 1) << f.id;
      EXPECT_GE(frame.left + frame.width, f.left + f.width) << f.id;
      EXPECT_GE(frameTop + frame.height, f.top + f.height) << f.id;
      if (f.id <= kRunMinutes) {
        const Label& label = l.labels[static_cast<std::size_t>(f.id)];
        EXPECT_EQ(label.y, f.top) << f.id;
        EXPECT_LT(label.x, f.left) << f.id;
      }
    }
    // ":" stands between the two run fields.
    const Label& colon = l.labels[kColonLabel];
    EXPECT_GT(colon.x, fields[kRunMinutes].left + fields[kRunMinutes].width);
    EXPECT_LE(colon.x, fields[kRunSeconds].left);
    EXPECT_EQ(l.sexFrame.top, l.fieldFrames[1].top);
  }
}

TEST(WindowLayout, TheOutlineAreaHoldsEveryDotButNotTheBox) {
  for (const shell::LayoutGrid& g : {kGrid, shell::GridFromBaseUnits(7, 15)}) {
    const WindowLayout l = LayoutFor(g, kMeasures);
    const shell::FilledRect& area = l.optionOutlineArea;
    // A filled rectangle paints up to two pixels short of right and bottom.
    for (const shell::Point& p : shell::OptionOutlinePoints(l.maleOnly, g.QX, g.QY)) {
      EXPECT_GE(p.x, area.left);
      EXPECT_LE(p.x, area.right - 2);
      EXPECT_GE(p.y, area.top);
      EXPECT_LE(p.y, area.bottom - 2);
    }
    for (const shell::FilledRect& r : shell::FieldFrameRects(
             l.maleOnly.boxLeft, l.maleOnly.boxTop, l.maleOnly.side, l.maleOnly.side, 0, 1)) {
      EXPECT_LE(r.right - 2, area.left - 1);
    }
    EXPECT_GE(l.maleOnlyLabel.x, area.left);
    EXPECT_LE(l.underlineY, area.bottom - 2);
  }
}

}  // namespace
}  // namespace vorna
