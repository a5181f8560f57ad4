// "Male Only" and Clear on the real window: the keyboard's part, the click
// area, the marks drawn and taken away, and a clipboard left alone. What the
// option and Clear decide is tested on the window model natively.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "shell/core/drawing_geometry.h"
#include "shell/win32/male_only.h"
#include "vorna/tests/vorna_window_fixture.h"

namespace vorna {
namespace {

using harness::ClipboardText;
using harness::FocusedId;
using harness::PressAlt;
using harness::PutOnClipboard;
using harness::TextOf;

constexpr COLORREF kFace = RGB(192, 192, 192);
constexpr COLORREF kInk = RGB(0, 0, 0);

class VornaMaleOnly : public VornaWindow {};

bool MaleOnly() {
  return Window().model.state.maleOnly;
}

void Click(int x, int y) {
  PostMessageA(shell::App().mainWindow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  harness::Pump();
}

TEST_F(VornaMaleOnly, TheUserChangingSexEndsIt) {
  // Typing F over the M.
  PressAlt('m');
  harness::SelectField(kSex);
  harness::Type("f");
  EXPECT_FALSE(MaleOnly());
  // Backspace in Sex: EditProc's synthetic click switches it off first.
  Reopen();
  PressAlt('m');
  harness::FocusField(kSex);
  harness::Press(VK_BACK);
  EXPECT_FALSE(MaleOnly());
  EXPECT_EQ(TextOf(Field(kSex)), "");
  // Backspace with the option off only deletes.
  harness::Type("m");
  harness::Press(VK_BACK);
  EXPECT_FALSE(MaleOnly());
}

TEST_F(VornaMaleOnly, OnlyAClickStrictlyInsideTheLabelToggles) {
  const shell::MaleOnlyPlace& place = shell::MaleOnlyPlacement();
  const int left = place.option.boxLeft;
  const int top = place.option.boxTop;
  const int right = left + place.option.clickWidth;
  const int bottom = top + place.height;
  const struct {
    int x, y;
    bool toggles;
  } clicks[] = {
      {left + 1, top + 1, true}, {right - 1, bottom - 1, true}, {(left + right) / 2, top + 7, true},
      {left, top + 5, false},    {right, top + 5, false},       {left + 5, top, false},
      {left + 5, bottom, false}, {left - 20, top + 5, false},
  };
  for (const auto& c : clicks) {
    const bool before = MaleOnly();
    Click(c.x, c.y);
    EXPECT_EQ(MaleOnly() != before, c.toggles) << c.x << "," << c.y;
  }
}

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

TEST_F(VornaMaleOnly, ClearLeavesTheClipboardAlone) {
  PutOnClipboard("copied by the user");
  ASSERT_EQ(ClipboardText(), "copied by the user");
  Enter("30", "F", "40", "50", "15", "07");
  PressAlt('l');
  EXPECT_EQ(TextOf(Field(kRunSeconds)), "");
  EXPECT_EQ(ClipboardText(), "copied by the user");
}

}  // namespace
}  // namespace vorna
