// Everything the weight control window paints or creates besides its entry
// fields, placed from the layout grid: panels, field frames, labels, buttons,
// the prompt box and the "Male Only" option.
#pragma once

#include <vector>

#include "shell/core/drawing_geometry.h"
#include "shell/core/label.h"
#include "shell/core/layout_grid.h"

namespace heftrak {

// A light-grey panel, and a column of white field frames.
using PanelPlace = shell::Stack;
using FrameStack = shell::Stack;

// Black text on a panel.
using shell::Label;
using shell::TextAlign;

using shell::ButtonPlace;

// The window's fixed parts in the order they are painted or created.
struct WindowLayout {
  std::vector<PanelPlace> panels;
  std::vector<FrameStack> frames;
  std::vector<Label> labels;
  std::vector<ButtonPlace> buttons;
};

WindowLayout LayoutFor(const shell::LayoutGrid& grid);

// The frame around the Sex field, drawn again when Male Only puts "M" there.
FrameStack SexFieldFrame(const shell::LayoutGrid& grid);

// The panel the prompts and verdicts are painted in.
PanelPlace PromptBox(const shell::LayoutGrid& grid);
// Where line 0 of a message starts: one character in from the prompt box's left.
shell::Point PromptOrigin(const shell::LayoutGrid& grid);
// Where an evaluation adds its maximum line: two text lines below line 0.
shell::Point ExtraLineOrigin(const shell::LayoutGrid& grid);

// The "Male Only" option above the Print button.
struct MaleOnlyPlace {
  int boxLeft = 0;
  int boxTop = 0;
  int side = 0;        // of the square box: Y - 1
  int labelLeft = 0;   // box left + side + 2QX
  int underlineY = 0;  // under the label's "M": box top + side - 1
  int height = 0;      // of the clickable area: Y
};

MaleOnlyPlace MaleOnlyFor(const shell::LayoutGrid& grid);

// The option as the drawing primitives take it; `clickWidth` is the measured
// width of "Male Onlynly", which reaches a little past the label's end.
shell::MarkedOption MaleOnlyOption(const MaleOnlyPlace& place, int clickWidth);

inline constexpr const char* kMaleOnlyLabel = "Male Only";
inline constexpr const char* kMaleOnlyClickText = "Male Onlynly";
inline constexpr const char* kMaleOnlyUnderlined = "M";

}  // namespace heftrak
