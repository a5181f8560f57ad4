// "Male Only" on the real window: the marks drawn and taken away, on the
// screen as a repaint draws them. What the option decides is tested on the
// window model natively; its keys, its click area and a Clear that leaves
// the clipboard alone, on HEFTRAK's window (the same shell code).
#include <gtest/gtest.h>

#include <windows.h>

#include "shell/core/drawing_geometry.h"
#include "shell/win32/male_only.h"
#include "vorna/tests/vorna_window_fixture.h"

namespace vorna {
namespace {

using harness::PressAlt;

constexpr COLORREF kFace = RGB(192, 192, 192);
constexpr COLORREF kInk = RGB(0, 0, 0);

class VornaMaleOnly : public VornaWindow {};

TEST_F(VornaMaleOnly, TheMarksAreDrawnAndTakenAway) {
  const shell::MaleOnlyPlace& place = shell::MaleOnlyPlacement();
  const shell::MarkedOption& box = place.option;
  const shell::LayoutGrid& g = shell::App().grid;
  const auto outline = shell::OptionOutlinePoints(box, g.QX, g.QY);
  const auto cross = shell::CrossPoints(box.boxLeft, box.boxTop, box.side, box.side);
  const MirroredScreen screen;
  PressAlt('m');
  {
    const Snapshot repainted;
    for (const Snapshot* shot : {static_cast<const Snapshot*>(&screen), &repainted}) {
      for (const shell::Point& p : outline) {
        EXPECT_EQ(shot->At(p.x, p.y), kInk) << p.x << "," << p.y;
      }
      for (const shell::Point& p : cross) {
        EXPECT_EQ(shot->At(p.x, p.y), kInk) << p.x << "," << p.y;
      }
    }
  }
  PressAlt('m');
  // Off, the screen shows what a repaint shows: label and empty box, no
  // outline. The outline's lower row runs along the label's descenders, so
  // only its columns and upper row are sure to be bare panel.
  const Snapshot repainted;
  const int areaRight = box.boxLeft + box.clickWidth + 3;
  const int areaBottom = box.boxTop + g.Y + 2;
  for (int y = box.boxTop - 1; y < areaBottom; ++y) {
    for (int x = box.boxLeft - 1; x < areaRight; ++x) {
      ASSERT_EQ(screen.At(x, y), repainted.At(x, y)) << x << "," << y;
    }
  }
  for (const shell::Point& p : outline) {
    if (p.y != box.boxTop + box.side) {
      EXPECT_EQ(repainted.At(p.x, p.y), kFace) << p.x << "," << p.y;
    }
  }
  for (const shell::Point& p : cross) {
    EXPECT_EQ(repainted.At(p.x, p.y), RGB(255, 255, 255)) << p.x << "," << p.y;
  }
  EXPECT_GT(repainted.Count(place.labelLeft, box.boxTop, areaRight, place.underlineY, kInk),
            0);  // the label stays
}

}  // namespace
}  // namespace vorna
