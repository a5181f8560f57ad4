// What the weight control window paints, pixel by pixel, drawn into a
// bitmap: the prompt's coloured words where the measured text puts them, and
// the repaint of the whole window.
#include <gtest/gtest.h>

#include <windows.h>

#include "heftrak/core/window_layout.h"
#include "heftrak/win32/main_window.h"
#include "heftrak/win32/program.h"
#include "heftrak/win32/window_parts.h"
#include "shell/tests/win32_harness.h"
#include "shell/win32/gdi.h"
#include "shell/win32/male_only.h"
#include "shell/win32/observer.h"
#include "shell/win32/text.h"

namespace heftrak {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

// A white canvas that also measures text and finds where colours stand.
class WhiteCanvas : public harness::Canvas {
 public:
  WhiteCanvas(int width, int height)
      : harness::Canvas(width, height, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))) {}
  int Width(const char* text) const { return shell::TextWidth(dc(), text); }

  // The leftmost and rightmost column in the box holding a pixel that
  // `matches`; {-1, -1} when there is none.
  template <typename Match>
  std::pair<int, int> Columns(RECT box, Match matches) const {
    std::pair<int, int> found{-1, -1};
    for (int x = box.left; x < box.right && x < width(); ++x) {
      for (int y = box.top; y < box.bottom && y < height(); ++y) {
        if (matches(At(x, y))) {
          if (found.first < 0) {
            found.first = x;
          }
          found.second = x;
          break;
        }
      }
    }
    return found;
  }
};

// Smoothed glyph edges blend into the background, so colours are told apart
// by their leading channel.
bool Reddish(COLORREF c) {
  return GetRValue(c) > GetGValue(c) + 60 && GetRValue(c) > GetBValue(c) + 60;
}
bool Bluish(COLORREF c) {
  return GetBValue(c) > GetRValue(c) + 60 && GetBValue(c) > GetGValue(c) + 60;
}
bool Dark(COLORREF c) {
  return GetRValue(c) < 100 && GetGValue(c) < 100 && GetBValue(c) < 100;
}
bool Inked(COLORREF c) {
  return c != kWhite && c != RGB(192, 192, 192);
}

class HeftrakPaint : public harness::ProgramSuite<&Program> {};

TEST_F(HeftrakPaint, TheColouredWordFollowsTheMeasuredTextBeforeIt) {
  const struct {
    MessageCode code;
    const char* before;
    const char* word;
    bool (*colour)(COLORREF);
  } cases[] = {{kNotWithinBodyFat, "Soldier is", " not", Reddish},
               {kNotWithinWeight, "Soldier is", " not", Reddish},
               {kWithinBodyFat, "Soldier", " is", Bluish},
               {kWithinWeight, "Soldier", " is", Bluish}};
  for (const auto& c : cases) {
    WhiteCanvas canvas(420, 80);
    PaintPromptOn(canvas.dc(), c.code, 10, 4);
    const int wordLeft = 10 + canvas.Width(c.before);
    const int wordRight = wordLeft + canvas.Width(c.word);
    const RECT line0{0, 4, 420, 20};
    const std::pair<int, int> coloured = canvas.Columns(line0, c.colour);
    ASSERT_GE(coloured.first, 0) << c.code << ": no coloured word";
    EXPECT_GE(coloured.first, wordLeft) << c.code;
    EXPECT_LT(coloured.second, wordRight) << c.code;
    // Black before and after the word.
    EXPECT_GE(canvas.Columns({10, 4, wordLeft, 20}, Dark).first, 10) << c.code;
    EXPECT_GE(canvas.Columns({wordRight, 4, 420, 20}, Dark).first, wordRight) << c.code;
    EXPECT_EQ(canvas.Columns({0, 4, 10, 80}, Inked).first, -1) << c.code << ": left of x";
    EXPECT_EQ(canvas.Columns({wordRight, 4, 420, 20}, c.colour).first, -1)
        << c.code << ": the colour goes back to black";
  }
}

TEST_F(HeftrakPaint, PromptTextStaysInsideThePromptBox) {
  // A system font wider than the grid's character unit (as a TrueType stand-in
  // for it can be) makes the start prompt's last line longer than the box; on
  // the window it is cut at the box's right edge instead of running on over
  // the Print panel.
  const shell::LayoutGrid& g = shell::App().grid;
  const PanelPlace box = PromptBox(g);
  const shell::Point origin = PromptOrigin(g);
  const RECT beyond{box.left + box.width, box.top, 640, box.top + box.height};
  const shell::OwnedObject<HFONT> wide(CreateFontA(
      g.Y, g.X + g.X / 2, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_TT_ONLY_PRECIS,
      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH, "Tahoma"));
  ASSERT_NE(wide.get(), nullptr);

  WhiteCanvas unclipped(640, 120);
  const shell::Selection wideOnUnclipped(unclipped.dc(), wide.get());
  PaintPromptOn(unclipped.dc(), kStartPrompt, origin.x, origin.y);
  ASSERT_GE(unclipped.Columns(beyond, Inked).first, 0) << "the line fits: nothing to show";

  WhiteCanvas onWindow(640, 120);
  const shell::Selection wideOnWindow(onWindow.dc(), wide.get());
  PaintPromptInBox(onWindow.dc(), kStartPrompt, origin.x, origin.y);
  EXPECT_EQ(onWindow.Columns(beyond, Inked).first, -1);
  EXPECT_GE(
      onWindow.Columns({origin.x, origin.y, box.left + box.width, origin.y + g.Y}, Inked).first,
      origin.x);
}

TEST_F(HeftrakPaint, LinesStandOneTextLineApart) {
  const int Y = shell::App().grid.Y;
  const struct {
    MessageCode code;
    int lines;
  } cases[] = {{kWithinWeight, 1},         {kNotWithinWeight, 2},
               {kReadingsDisagree, 2},     {kStartPrompt, 3},
               {kMaleCalculatorPrompt, 4}, {kNoMessage, 0},
               {kBodyFatBelowZero, 2},     {static_cast<MessageCode>(19), 0}};
  for (const auto& c : cases) {
    WhiteCanvas canvas(420, 100);
    PaintPromptOn(canvas.dc(), c.code, 10, 4);
    for (int k = 0; k < 5; ++k) {
      const RECT band{0, 4 + k * Y, 420, 4 + (k + 1) * Y};
      EXPECT_EQ(canvas.Columns(band, Inked).first >= 0, k < c.lines)
          << "code " << c.code << " line " << k;
    }
  }
}

TEST_F(HeftrakPaint, TheRepaintDrawsTheWholeWindowWithTheMessageOnly) {
  const shell::LayoutGrid& g = shell::App().grid;
  const shell::MaleOnlyPlace& place = shell::MaleOnlyPlacement();
  const shell::MarkedOption& option = place.option;
  const int cx = option.boxLeft + option.side / 2;
  const int cy = option.boxTop + option.side / 2;
  for (bool maleOnly : {false, true}) {
    WhiteCanvas canvas(640, 480);
    PaintWindowOn(canvas.dc(), maleOnly, kNotWithinWeight);
    // Panels and frames: the prompt box's grey upper edge; Age's frame, one
    // pixel around its field, black above and white inside.
    EXPECT_EQ(canvas.At(165, 8), RGB(128, 128, 128));
    EXPECT_EQ(canvas.At(105, 38), RGB(0, 0, 0));
    EXPECT_EQ(canvas.At(105, 39), kWhite);
    // The right-aligned "Age" label ends before its field's frame.
    const int ageWidth = canvas.Width("Age");
    const std::pair<int, int> age = canvas.Columns({96 - ageWidth, 40, 99, 56}, Dark);
    EXPECT_GE(age.first, 96 - ageWidth);
    EXPECT_LT(age.second, 96);
    // The message's two lines, and nothing on the third, where a maximum
    // line would stand after an evaluation.
    EXPECT_GE(canvas.Columns({168, 8, 450, 24}, Reddish).first, 168);
    EXPECT_GE(canvas.Columns({168, 24, 450, 40}, Dark).first, 168);
    EXPECT_EQ(canvas.Columns({161, 40, 450, 92}, Dark).first, -1);
    // The Male Only cross only while the option is on; the label always.
    EXPECT_EQ(canvas.At(cx, cy) == RGB(0, 0, 0), maleOnly);
    EXPECT_GE(
        canvas
            .Columns({place.labelLeft, option.boxTop, place.labelLeft + 80, option.boxTop + g.Y},
                     Dark)
            .first,
        place.labelLeft);
    EXPECT_EQ(canvas.At(option.boxLeft + option.side + g.QX + 1, option.boxTop + 1) == RGB(0, 0, 0),
              maleOnly)
        << "the outline's left dots";
  }
}

}  // namespace
}  // namespace heftrak
