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

// The top-left corner of the "Male Only" option's box, above the Print
// button; the shell places its label and click area from there.
shell::Point MaleOnlyBox(const shell::LayoutGrid& grid);

}  // namespace heftrak
