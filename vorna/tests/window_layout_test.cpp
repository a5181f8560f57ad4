#include "vorna/core/window_layout.h"

#include <gtest/gtest.h>

#include "vorna/core/layout.h"

namespace vorna {
namespace {

constexpr shell::LayoutGrid kGrid{8, 16, 2, 4};
// Widths as the system font gives them at this grid.
constexpr TextMeasures kMeasures{100, 16};

constexpr shell::LayoutGrid kGrids[] = {kGrid, shell::GridFromBaseUnits(7, 15), {10, 20, 2, 5}};

bool Inside(int left, int top, int right, int bottom, const Stack& panel) {
  return left >= panel.left && top >= panel.top && right <= panel.left + panel.width &&
         bottom <= panel.top + panel.height;
}

bool Overlap(const Stack& a, const Stack& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

// What a user would see go wrong: panels over each other, a button off its
// panel, an event's points off its row, a label over its box, the chart's
// header or title off the chart's panel, Male Only off the Print panel.
TEST(WindowLayout, EverythingStandsOnItsPanelOnEveryGrid) {
  for (const shell::LayoutGrid& g : kGrids) {
    SCOPED_TRACE(testing::Message() << "X = " << g.X);
    const WindowLayout l = LayoutFor(g, kMeasures);
    for (std::size_t i = 0; i < l.panels.size(); ++i) {
      for (std::size_t j = i + 1; j < l.panels.size(); ++j) {
        EXPECT_FALSE(Overlap(l.panels[i], l.panels[j])) << "panels " << i << " and " << j;
      }
    }
    const auto onPanel = [&l](int left, int top, int right, int bottom) {
      for (const Stack& panel : l.panels) {
        if (Inside(left, top, right, bottom, panel)) {
          return &panel;
        }
      }
      return static_cast<const Stack*>(nullptr);
    };
    for (const ButtonPlace& b : l.buttons) {
      EXPECT_NE(onPanel(b.left, b.top, b.left + b.width, b.top + b.height), nullptr) << b.caption;
    }
    EXPECT_FALSE(l.buttons[kPrintButton].enabled);

    // Each event's points stand on that event's entry row; total and scaled
    // further down, apart from them.
    const std::vector<shell::FieldPlacement> fields = FieldPlacements(g);
    const int pitch = fields[kSitups].top - fields[kPushups].top;
    for (int box = 0; box < kResultBoxCount; ++box) {
      const ResultPlace& r = l.results[static_cast<std::size_t>(box)];
      if (box < kEventCount) {
        EXPECT_EQ(r.textTop, fields[static_cast<std::size_t>(kPushups + box)].top) << box;
      } else {
        EXPECT_GT(r.top, l.results[kRunBox].top + pitch) << box;
      }
      EXPECT_LT(r.label.x, l.resultLeft) << box;
      EXPECT_EQ(r.label.y, r.top + 1) << box;
      EXPECT_GT(r.textLeft, l.resultLeft) << box;
      EXPECT_NE(onPanel(l.resultLeft, r.top, l.resultLeft + l.resultWidth, r.top + l.resultHeight),
                nullptr)
          << box;
    }
    // The result frames are drawn at exactly the boxes' tops.
    EXPECT_EQ(l.eventFrames.top + l.eventFrames.height + l.eventFrames.gap,
              l.results[kSitupBox].top);
    EXPECT_EQ(l.totalFrames.top + l.totalFrames.height + l.totalFrames.gap,
              l.results[kScaledBox].top);

    EXPECT_TRUE(
        Inside(l.messageLeft, l.messageTop, l.messageLeft + 1, l.messageTop + g.Y, l.messageLine));
    const Stack* chart = onPanel(l.chartLeft, l.chartTop, l.chartLeft + 1, l.chartTop + 1);
    ASSERT_NE(chart, nullptr);
    for (const shell::FilledRect& r : {l.chartHeaderRect, l.chartTitleRect}) {
      EXPECT_TRUE(Inside(r.left, r.top, r.right, r.bottom, *chart));
      EXPECT_LT(r.left, l.chartCentre);
      EXPECT_GT(r.right, l.chartCentre);
    }
    // The header's grey lies under its text, and wiping the title covers it.
    EXPECT_LE(l.chartHeaderRect.top, l.chartHeaderTop);
    EXPECT_GE(l.chartHeaderRect.bottom, l.chartHeaderTop + g.Y);
    EXPECT_LE(l.chartHeaderRect.bottom, l.chartTop);
    EXPECT_LE(l.chartTitleRect.top, l.chartTitleTop + 1);
    EXPECT_GE(l.chartTitleRect.bottom, l.chartTitleTop + g.Y);

    // "Male Onlynly" in a font as wide as the grid unit.
    const shell::MaleOnlyPlace option =
        shell::MaleOnlyAt(l.maleOnlyBox.x, l.maleOnlyBox.y, g.Y, g.QX, 12 * g.X, g.X);
    const ButtonPlace& print = l.buttons[kPrintButton];
    EXPECT_EQ(
        onPanel(l.maleOnlyBox.x, l.maleOnlyBox.y, l.maleOnlyBox.x + option.option.clickWidth + 2,
                l.maleOnlyBox.y + option.height),
        onPanel(print.left, print.top, print.left + print.width, print.top + print.height));
  }
}

TEST(WindowLayout, EachEntryFieldSitsInItsFrameWithItsLabelBeforeIt) {
  for (const shell::LayoutGrid& g : kGrids) {
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

}  // namespace
}  // namespace vorna
