#include "shell/core/drawing_geometry.h"

#include <gtest/gtest.h>

#include "shell/core/layout_grid.h"

namespace shell {
namespace {

TEST(LayoutGrid, MakesTheBaseUnitsEvenAndQuartersThem) {
  struct Case {
    int baseX, baseY, X, Y, QX, QY;
  };
  const Case cases[] = {{7, 15, 6, 14, 1, 3}, {8, 16, 8, 16, 2, 4}, {9, 16, 8, 16, 2, 4}};
  for (const Case& c : cases) {
    const LayoutGrid g = GridFromBaseUnits(c.baseX, c.baseY);
    EXPECT_EQ(g.X, c.X);
    EXPECT_EQ(g.Y, c.Y);
    EXPECT_EQ(g.QX, c.QX);
    EXPECT_EQ(g.QY, c.QY);
  }
}

TEST(FieldFrameRects, StacksAtHeightPlusGap) {
  // Y = 16, QY = 4: frames Y + 3 high with a gap of 2QY - 3 stand 2QY + Y apart.
  const std::vector<FilledRect> rects = FieldFrameRects(100, 39, 19, 20, 5, 4);
  ASSERT_EQ(rects.size(), 20u);
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(rects[i * 5].top, 39 + 24 * static_cast<int>(i));
  }
  EXPECT_TRUE(FieldFrameRects(100, 39, 19, 20, 5, 0).empty());
}

TEST(DottedLines, PutADotOnEverySecondPixel) {
  EXPECT_EQ(DotColumnPoints(3, 10, 1), (std::vector<Point>{{3, 10}}));
  EXPECT_EQ(DotColumnPoints(3, 10, 4), (std::vector<Point>{{3, 10}, {3, 12}}));
  EXPECT_EQ(DotRowPoints(5, 7, 5), (std::vector<Point>{{5, 7}, {7, 7}, {9, 7}}));
  EXPECT_TRUE(DotRowPoints(5, 7, 0).empty());
}

TEST(CrossPoints, RunsFourRaysOutFromTheCentre) {
  const std::vector<Point> points = CrossPoints(0, 0, 15, 15);
  // Centre (7, 7). Up-left from (5, 5) to (1, 1); up-right from (7, 5) to
  // (11, 1); down-right from (7, 7) to (11, 11); down-left from (5, 7) to (1, 11).
  const std::vector<Point> expected = {
      {5, 5}, {4, 4}, {3, 3}, {2, 2},   {1, 1},   {7, 5}, {8, 4}, {9, 3}, {10, 2}, {11, 1},
      {7, 7}, {8, 8}, {9, 9}, {10, 10}, {11, 11}, {5, 7}, {4, 8}, {3, 9}, {2, 10}, {1, 11},
  };
  EXPECT_EQ(points, expected);
}

TEST(MarkedOption, OutlineAndClickArea) {
  // X = 8, Y = 16: box side 15 at (509, 24), click width 80.
  const MarkedOption option{509, 24, 15, 80};
  const std::vector<Point> outline = OptionOutlinePoints(option, 2, 4);
  // Two columns of 8 dots (length 16) and two rows from x = 528 of length
  // 80 - 15 - 4 + 1 = 62, so 31 dots each.
  ASSERT_EQ(outline.size(), 8u + 8u + 31u + 31u);
  EXPECT_EQ(outline.front(), (Point{509 + 15 + 2 + 1, 25}));
  EXPECT_EQ(outline[8], (Point{509 + 80 + 1, 25}));
  EXPECT_EQ(outline[16], (Point{528, 24}));
  EXPECT_EQ(outline.back(), (Point{528 + 60, 24 + 15}));

  struct Click {
    int x, y;
    bool inside;
  };
  const Click clicks[] = {{509, 30, false}, {510, 30, true}, {588, 30, true}, {589, 30, false},
                          {520, 24, false}, {520, 39, true}, {520, 40, false}};
  for (const Click& c : clicks) {
    EXPECT_EQ(InsideOption(option, 16, c.x, c.y), c.inside) << c.x << "," << c.y;
  }
}

}  // namespace
}  // namespace shell
