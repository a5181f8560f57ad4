// The weight control window's panels, frames, labels, buttons, prompt box and
// "Male Only" option, from the layout grid.
#include "heftrak/core/window_layout.h"

#include <gtest/gtest.h>

#include <string>

#include "heftrak/core/layout.h"
#include "heftrak/resources/heftrak_ids.h"

namespace heftrak {
namespace {

constexpr shell::LayoutGrid kGrid8x16{8, 16, 2, 4};
constexpr shell::LayoutGrid kGrid6x14{6, 14, 1, 3};
constexpr shell::LayoutGrid kGrid10x20{10, 20, 2, 5};

TEST(WindowLayout, PanelsStandWhereTheGridPutsThem) {
  const std::vector<PanelPlace> expected = {
      {8, 8, 17, 144},      // "Weight Screen" tab
      {8, 32, 176, 144},    // Weight Screen
      {160, 8, 88, 292},    // prompt box
      {460, 8, 88, 168},    // Print
      {160, 104, 17, 128},  // "Calculators" tab
      {160, 128, 80, 128},  // Calculate, Clear Calc.
      {8, 216, 17, 280},    // "Male Calculator" tab
      {8, 240, 180, 280},   // Male Calculator
      {296, 104, 17, 334},  // "Female Calculator" tab
      {296, 128, 292, 334},
  };
  EXPECT_EQ(LayoutFor(kGrid8x16).panels, expected);
  EXPECT_EQ(PromptBox(kGrid8x16), (PanelPlace{160, 8, 88, 292}));
  EXPECT_EQ(PromptBox(kGrid6x14), (PanelPlace{120, 6, 76, 218}));
}

TEST(WindowLayout, ButtonsAreTwelveCharactersWideAndPrintStartsDisabled) {
  struct Expected {
    const char* caption;
    int command, left, top;
    bool enabled;
  };
  const Expected expected[] = {
      {"Chec&k", kCheckCommand, 32, 140, true},
      {"C&lear", kClearCommand, 32, 172, true},
      {"&Calculate", kCalculateCommand, 176, 140, true},
      {"Clea&r Calc.", kClearCalcCommand, 176, 172, true},
      {"&Print", kPrintCommand, 496, 52, false},
      {"Charts", kMaleChartsCommand, 22, 380, true},
      {"Charts", kFemaleChartsCommand, 310, 380, true},
  };
  const std::vector<ButtonPlace> buttons = LayoutFor(kGrid8x16).buttons;
  ASSERT_EQ(buttons.size(), std::size(expected));
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    EXPECT_STREQ(buttons[i].caption, expected[i].caption);
    EXPECT_EQ(buttons[i].command, expected[i].command) << expected[i].caption;
    EXPECT_EQ(buttons[i].left, expected[i].left) << expected[i].caption;
    EXPECT_EQ(buttons[i].top, expected[i].top) << expected[i].caption;
    EXPECT_EQ(buttons[i].width, 96) << expected[i].caption;
    EXPECT_EQ(buttons[i].height, 28) << expected[i].caption;
    EXPECT_EQ(buttons[i].enabled, expected[i].enabled) << expected[i].caption;
  }
}

TEST(WindowLayout, FramesStackAtTheRowPitch) {
  const std::vector<FrameStack> frames = LayoutFor(kGrid8x16).frames;
  const FrameStack expected[] = {
      {100, 39, 19, 20, 5, 1},   // Age
      {100, 63, 19, 16, 5, 1},   // Sex
      {100, 87, 19, 43, 5, 1},   // height pair
      {100, 111, 19, 29, 5, 1},  // Weight
      {76, 263, 19, 43, 5, 2},   // 1st male reading
      {128, 263, 19, 43, 5, 2},  // 2nd
      {180, 263, 19, 43, 5, 2},  // 3rd
      {235, 263, 19, 44, 5, 2},  // male averages
      {227, 315, 19, 48, 5, 4},  // male results
      {360, 151, 19, 43, 5, 4},  // 1st female reading
      {412, 151, 19, 43, 5, 4}, {464, 151, 19, 43, 5, 4},
      {519, 151, 19, 44, 5, 4},  // female averages
      {511, 251, 19, 48, 5, 6},  // female factors
      {571, 275, 19, 48, 5, 1},  // Total (C)
      {571, 371, 19, 48, 5, 2},  // Total (H), % Body Fat (I)
  };
  ASSERT_EQ(frames.size(), std::size(expected));
  for (std::size_t i = 0; i < frames.size(); ++i) {
    EXPECT_EQ(frames[i], expected[i]) << "frame " << i;
  }
  EXPECT_EQ(SexFieldFrame(kGrid8x16), expected[1]);
}

// Every field, on any grid, sits one pixel inside a frame of its stack and
// inside the body of a panel; every button inside a panel.
TEST(WindowLayout, EveryFieldHasItsFrameAndPanelOnEveryGrid) {
  for (const shell::LayoutGrid& g : {kGrid8x16, kGrid6x14, kGrid10x20}) {
    const WindowLayout layout = LayoutFor(g);
    const int pitch = MeasuresFor(g).R;
    const auto inPanel = [&](int left, int top, int width, int height) {
      for (const PanelPlace& p : layout.panels) {
        if (left >= p.left && top >= p.top && left + width <= p.left + p.width &&
            top + height <= p.top + p.height) {
          return true;
        }
      }
      return false;
    };
    for (const shell::FieldPlacement& field : FieldPlacements(g)) {
      int framesAround = 0;
      for (const FrameStack& f : layout.frames) {
        for (int j = 0; j < f.count; ++j) {
          const int top = f.top + j * pitch;
          if (field.left > f.left && field.left + field.width <= f.left + f.width &&
              field.top == top + 1 && field.top + field.height <= top + f.height) {
            ++framesAround;
          }
        }
        EXPECT_EQ(f.height + f.gap, pitch);
      }
      EXPECT_EQ(framesAround, 1) << "field " << field.id << " on X = " << g.X;
      EXPECT_TRUE(inPanel(field.left, field.top, field.width, field.height))
          << "field " << field.id << " on X = " << g.X;
    }
    for (const ButtonPlace& b : layout.buttons) {
      EXPECT_TRUE(inPanel(b.left, b.top, b.width, b.height)) << b.caption << " on X = " << g.X;
    }
    const MaleOnlyPlace option = MaleOnlyFor(g);
    EXPECT_TRUE(inPanel(option.boxLeft, option.boxTop, option.side, option.side));
    EXPECT_LT(option.boxTop + g.Y, layout.buttons[4].top) << "Male Only stands above Print";
  }
}

const Label* FindLabel(const std::vector<Label>& labels, const std::string& text, int x, int y) {
  for (const Label& label : labels) {
    if (text == label.text && label.x == x && label.y == y) {
      return &label;
    }
  }
  return nullptr;
}

TEST(WindowLayout, LabelsEndBeforeTheirFieldsOrStartAtTheirColumns) {
  struct Expected {
    const char* text;
    int x, y;
    TextAlign align;
  };
  const Expected expected[] = {
      {"Weight Screen", 32, 8, TextAlign::Left},
      {"Calculators", 188, 104, TextAlign::Left},
      {"Male Calculator", 88, 216, TextAlign::Left},
      {"Female Calculator", 400, 104, TextAlign::Left},
      {"Age", 96, 40, TextAlign::Right},
      {"Weight (lbs.)", 96, 112, TextAlign::Right},
      {"Abdomen", 72, 264, TextAlign::Right},
      {"Neck", 72, 288, TextAlign::Right},
      {"Wrist", 356, 224, TextAlign::Right},
      {".", 122, 88, TextAlign::Right},   // height
      {".", 150, 288, TextAlign::Right},  // 2nd neck reading
      {".", 486, 224, TextAlign::Right},  // 3rd wrist reading
      {"1st", 84, 247, TextAlign::Left},
      {"3rd", 188, 247, TextAlign::Left},
      {"Average", 230, 244, TextAlign::Left},
      {"2nd", 420, 135, TextAlign::Left},
      {"Average", 514, 132, TextAlign::Left},
      {"Difference", 223, 316, TextAlign::Right},
      {"% Body Fat", 223, 388, TextAlign::Right},
      {"Weight Factor", 507, 252, TextAlign::Right},
      {"Wrist Factor", 507, 372, TextAlign::Right},
      {"% Body Fat", 567, 396, TextAlign::Right},
      {"Total", 574, 256, TextAlign::Left},
      {"Total", 574, 352, TextAlign::Left},
  };
  const std::vector<Label> labels = LayoutFor(kGrid8x16).labels;
  for (const Expected& e : expected) {
    const Label* label = FindLabel(labels, e.text, e.x, e.y);
    ASSERT_NE(label, nullptr) << e.text << " at " << e.x << "," << e.y;
    EXPECT_EQ(label->align, e.align) << e.text;
  }
  int points = 0;
  for (const Label& label : labels) {
    points += std::string(label.text) == "." ? 1 : 0;
  }
  EXPECT_EQ(points, 1 + 3 * 2 + 3 * 4) << "the height and every reading";
}

TEST(WindowLayout, MaleOnlyPromptAndExtraLinePlaces) {
  const MaleOnlyPlace option = MaleOnlyFor(kGrid8x16);
  EXPECT_EQ(option.boxLeft, 510);
  EXPECT_EQ(option.boxTop, 24);
  EXPECT_EQ(option.side, 15);
  EXPECT_EQ(option.labelLeft, 529);
  EXPECT_EQ(option.underlineY, 38);
  EXPECT_EQ(option.height, 16);
  const shell::MarkedOption marked = MaleOnlyOption(option, 90);
  EXPECT_EQ(marked.boxLeft, 510);
  EXPECT_EQ(marked.clickWidth, 90);
  EXPECT_EQ(MaleOnlyFor(kGrid6x14).boxLeft, 381);
  EXPECT_EQ(MaleOnlyFor(kGrid6x14).side, 13);

  EXPECT_EQ(PromptOrigin(kGrid8x16), (shell::Point{168, 8}));
  EXPECT_EQ(ExtraLineOrigin(kGrid8x16), (shell::Point{168, 40}));
  EXPECT_EQ(ExtraLineOrigin(kGrid6x14), (shell::Point{126, 34}));
}

}  // namespace
}  // namespace heftrak
