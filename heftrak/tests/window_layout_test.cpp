// The weight control window's panels, frames, labels, buttons, prompt box and
// "Male Only" option, from the layout grid: what a user would see go wrong,
// checked on three grids.
#include "heftrak/core/window_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "heftrak/core/fields.h"
#include "heftrak/core/layout.h"
#include "heftrak/resources/heftrak_ids.h"

namespace heftrak {
namespace {

constexpr shell::LayoutGrid kGrids[] = {{8, 16, 2, 4}, {6, 14, 1, 3}, {10, 20, 2, 5}};

struct Box {
  int left, top, right, bottom;
};

bool Inside(const Box& inner, const Box& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

bool Overlap(const Box& a, const Box& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

Box BoxOf(const PanelPlace& p) {
  return {p.left, p.top, p.left + p.width, p.top + p.height};
}

const PanelPlace* PanelHolding(const WindowLayout& layout, const Box& box) {
  for (const PanelPlace& p : layout.panels) {
    if (Inside(box, BoxOf(p))) {
      return &p;
    }
  }
  return nullptr;
}

TEST(WindowLayout, ButtonsSendTheirCommandsAndPrintStartsDisabled) {
  const struct {
    const char* caption;
    int command;
    bool enabled;
  } expected[] = {
      {"Chec&k", kCheckCommand, true},         {"C&lear", kClearCommand, true},
      {"&Calculate", kCalculateCommand, true}, {"Clea&r Calc.", kClearCalcCommand, true},
      {"&Print", kPrintCommand, false},        {"Charts", kMaleChartsCommand, true},
      {"Charts", kFemaleChartsCommand, true},
  };
  const std::vector<ButtonPlace> buttons = LayoutFor(kGrids[0]).buttons;
  ASSERT_EQ(buttons.size(), std::size(expected));
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    EXPECT_STREQ(buttons[i].caption, expected[i].caption);
    EXPECT_EQ(buttons[i].command, expected[i].command) << expected[i].caption;
    EXPECT_EQ(buttons[i].enabled, expected[i].enabled) << expected[i].caption;
  }
}

// Panels never paint over each other; every button stands on a panel and
// clear of the other buttons; the prompt box is one of the panels.
TEST(WindowLayout, PanelsAndButtonsStandApartOnEveryGrid) {
  for (const shell::LayoutGrid& g : kGrids) {
    SCOPED_TRACE(testing::Message() << "X = " << g.X);
    const WindowLayout layout = LayoutFor(g);
    for (std::size_t i = 0; i < layout.panels.size(); ++i) {
      for (std::size_t j = i + 1; j < layout.panels.size(); ++j) {
        EXPECT_FALSE(Overlap(BoxOf(layout.panels[i]), BoxOf(layout.panels[j])))
            << "panels " << i << " and " << j;
      }
    }
    for (std::size_t i = 0; i < layout.buttons.size(); ++i) {
      const ButtonPlace& b = layout.buttons[i];
      const Box box = {b.left, b.top, b.left + b.width, b.top + b.height};
      EXPECT_NE(PanelHolding(layout, box), nullptr) << b.caption;
      for (std::size_t j = i + 1; j < layout.buttons.size(); ++j) {
        const ButtonPlace& o = layout.buttons[j];
        EXPECT_FALSE(Overlap(box, {o.left, o.top, o.left + o.width, o.top + o.height}))
            << b.caption << " and " << o.caption;
      }
    }
    EXPECT_NE(std::find(layout.panels.begin(), layout.panels.end(), PromptBox(g)),
              layout.panels.end());
  }
}

// Every field, on any grid, sits one pixel inside exactly one frame, every
// frame holds a field, and every field lies on a panel.
TEST(WindowLayout, EveryFieldHasItsFrameAndPanelOnEveryGrid) {
  for (const shell::LayoutGrid& g : kGrids) {
    SCOPED_TRACE(testing::Message() << "X = " << g.X);
    const WindowLayout layout = LayoutFor(g);
    const std::vector<shell::FieldPlacement> fields = FieldPlacements(g);
    const int pitch = MeasuresFor(g).R;
    const auto holds = [pitch](const FrameStack& f, int j, const shell::FieldPlacement& field) {
      const int top = f.top + j * pitch;
      return field.left > f.left && field.left + field.width <= f.left + f.width &&
             field.top == top + 1 && field.top + field.height <= top + f.height;
    };
    for (const shell::FieldPlacement& field : fields) {
      int framesAround = 0;
      for (const FrameStack& f : layout.frames) {
        for (int j = 0; j < f.count; ++j) {
          framesAround += holds(f, j, field) ? 1 : 0;
        }
      }
      EXPECT_EQ(framesAround, 1) << "field " << field.id;
      const Box box = {field.left, field.top, field.left + field.width, field.top + field.height};
      EXPECT_NE(PanelHolding(layout, box), nullptr) << "field " << field.id;
    }
    for (const FrameStack& f : layout.frames) {
      EXPECT_EQ(f.height + f.gap, pitch);
      for (int j = 0; j < f.count; ++j) {
        int held = 0;
        for (const shell::FieldPlacement& field : fields) {
          held += holds(f, j, field) ? 1 : 0;
        }
        EXPECT_GE(held, 1) << "an empty frame at " << f.left << "," << f.top + j * pitch;
      }
    }
    // Male Only redraws the frame of the Sex field itself.
    EXPECT_TRUE(holds(SexFieldFrame(g), 0, fields[kSex]));
  }
}

bool OnRow(const shell::FieldPlacement& field, const Label& label) {
  return field.top == label.y;
}

// Every label lies on a panel. A row label ends just before the first field
// of its row; a "." stands between the two fields of a figure; a heading
// stands just above a field, or on a tab.
TEST(WindowLayout, LabelsStandBesideOrAboveTheirFieldsOnEveryGrid) {
  for (const shell::LayoutGrid& g : kGrids) {
    SCOPED_TRACE(testing::Message() << "X = " << g.X);
    const WindowLayout layout = LayoutFor(g);
    const std::vector<shell::FieldPlacement> fields = FieldPlacements(g);
    const int pitch = MeasuresFor(g).R;
    int points = 0;
    for (const Label& label : layout.labels) {
      const std::string text = label.text;
      const Box anchor = {label.x - 1, label.y, label.x + 1, label.y + g.Y};
      const PanelPlace* panel = PanelHolding(layout, anchor);
      ASSERT_NE(panel, nullptr) << text;
      const auto startsAfter = [&](const shell::FieldPlacement& f) {
        return OnRow(f, label) && f.left > label.x && f.left <= label.x + g.X;
      };
      const auto endsBefore = [&](const shell::FieldPlacement& f) {
        const int right = f.left + f.width;
        return OnRow(f, label) && right <= label.x && right > label.x - g.X;
      };
      // A heading, at about X a character, spans part of its field's columns.
      const int headingEnd = label.x + static_cast<int>(text.size()) * g.X;
      const auto heads = [&](const shell::FieldPlacement& f) {
        return label.y + g.Y <= f.top && f.top <= label.y + g.Y + pitch &&
               label.x < f.left + f.width && headingEnd > f.left;
      };
      const auto any = [&fields](const auto& rule) {
        return std::any_of(fields.begin(), fields.end(), rule);
      };
      bool placed = false;
      if (label.align == TextAlign::Right) {
        placed = any(startsAfter) && (text != "." || any(endsBefore));
      } else {
        placed = any(heads);
      }
      const bool onTab = panel->height < 2 * g.Y;
      EXPECT_TRUE(placed || (label.align == TextAlign::Left && onTab))
          << '"' << text << "\" at " << label.x << "," << label.y;
      points += text == "." ? 1 : 0;
    }
    EXPECT_EQ(points, 1 + 3 * kMaleSites + 3 * kFemaleSites) << "the height and every reading";
  }
}

// "Male Only" stands on the Print panel above the Print button, its label
// right of its box; the prompt's lines start inside the prompt box.
TEST(WindowLayout, MaleOnlyAndPromptLinesStandOnTheirPanels) {
  for (const shell::LayoutGrid& g : kGrids) {
    SCOPED_TRACE(testing::Message() << "X = " << g.X);
    const WindowLayout layout = LayoutFor(g);
    const ButtonPlace& print = layout.buttons[4];
    const Box printBox = {print.left, print.top, print.left + print.width,
                          print.top + print.height};
    const shell::Point box = MaleOnlyBox(g);
    // "Male Onlynly" in a font as wide as the grid unit.
    const shell::MaleOnlyPlace option = shell::MaleOnlyAt(box.x, box.y, g.Y, g.QX, 12 * g.X, g.X);
    const Box optionBox = {box.x, box.y, box.x + option.option.clickWidth + 2,
                           box.y + option.height};
    EXPECT_EQ(PanelHolding(layout, optionBox), PanelHolding(layout, printBox));
    EXPECT_LE(optionBox.bottom, print.top) << "Male Only stands above Print";

    const Box prompt = BoxOf(PromptBox(g));
    const shell::Point line0 = PromptOrigin(g);
    const shell::Point extra = ExtraLineOrigin(g);
    EXPECT_TRUE(Inside({line0.x, line0.y, line0.x + 1, line0.y + g.Y}, prompt));
    EXPECT_TRUE(Inside({extra.x, extra.y, extra.x + 1, extra.y + g.Y}, prompt));
    EXPECT_EQ(extra.x, line0.x);
    EXPECT_GT(extra.y, line0.y + g.Y) << "a line of the message between them";
  }
}

}  // namespace
}  // namespace heftrak
