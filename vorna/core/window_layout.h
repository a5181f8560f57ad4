// Where everything painted on VORNA's window stands, as data built from the
// layout grid and a few measured text widths. The Win32 window only draws
// what this describes, so the geometry is checked here, without a screen.
#pragma once

#include <array>

#include "shell/core/drawing_geometry.h"
#include "shell/core/label.h"
#include "shell/core/layout_grid.h"
#include "vorna/core/evaluation.h"

namespace vorna {

// A panel or a stack of field frames, as the drawing primitives take them.
using shell::Stack;

// A text painted at a point.
using shell::Label;
using shell::TextAlign;

// The window's buttons, in creation order.
enum ButtonIndex : int {
  kCalculateButton = 0,
  kClearButton = 1,
  kPrintButton = 2,
  kButtonCount = 3
};

using shell::ButtonPlace;

// A result box and the label in front of it.
struct ResultPlace {
  int top = 0;       // of the box's frame
  Label label;       // "Points", "Total" or "Scaled", right-aligned before the box
  int textLeft = 0;  // where the figure starts
  int textTop = 0;
};

// Widths measured on the window's device context at creation.
struct TextMeasures {
  int chartTextWidth = 0;  // "27:54  |  100"
  int scrollBarWidth = 0;  // of a vertical scroll bar
};

inline constexpr int kPanelCount = 9;
inline constexpr int kFieldFrameCount = 4;
// The painted texts that never change, in the order `labels` holds them: the
// field labels (by FieldId, up to the run), the ":" between the run fields and
// the three headings.
enum LabelIndex : int {
  kColonLabel = 5,
  kRawScoreHeading = 6,
  kConvertedHeading = 7,
  kScoreCardHeading = 8,
  kStaticLabelCount = 9,
};

struct WindowLayout {
  // Painted in this order; the first is the message line.
  std::array<Stack, kPanelCount> panels{};
  // Age, Sex, Push-ups and Sit-ups as one stack, both run fields in one frame.
  std::array<Stack, kFieldFrameCount> fieldFrames{};
  // The field labels, the ":" between the run fields and the three headings.
  std::array<Label, kStaticLabelCount> labels{};

  // The result boxes in ResultBox order, and their frames as the window
  // paints them: the three events as one stack, total and scaled as another.
  std::array<ResultPlace, kResultBoxCount> results{};
  int resultLeft = 0;
  int resultHeight = 0;
  int resultWidth = 0;
  Stack eventFrames;
  Stack totalFrames;

  Stack messageLine;  // a panel
  int messageLeft = 0;
  int messageTop = 0;

  std::array<ButtonPlace, kButtonCount> buttons{};

  // The scoring chart list; its height is asked for, the list may round it
  // down to whole rows.
  int chartLeft = 0;
  int chartTop = 0;
  int chartWidth = 0;
  int chartHeight = 0;

  // The chart's header (over its light-grey rectangle) and title.
  int chartCentre = 0;
  int chartHeaderTop = 0;
  shell::FilledRect chartHeaderRect;
  int chartTitleTop = 0;
  shell::FilledRect chartTitleRect;  // what wiping the title fills

  // The top-left corner of the "Male Only" option's box; the shell places
  // its label and click area from there.
  shell::Point maleOnlyBox;
  // The Sex field's frame, redrawn when the option writes "M" into it.
  Stack sexFrame;
};

WindowLayout LayoutFor(const shell::LayoutGrid& grid, const TextMeasures& measures);

// The label of a result box: "Points" for the events, "Total", "Scaled".
const char* ResultLabel(int box);

}  // namespace vorna
