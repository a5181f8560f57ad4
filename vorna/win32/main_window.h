// VORNA's main window: the fitness test calculator.
#pragma once

#include <windows.h>

#include "vorna/core/test_state.h"
#include "vorna/core/window_layout.h"

namespace vorna {

// Everything the window keeps for as long as it lives. The current field,
// the Male Only option and the flags of the test live in the state.
struct FitnessTestWindow {
  TestState state;
  WindowLayout layout;  // from the grid and the texts measured at creation
  HWND printButton = nullptr;
  HWND chartList = nullptr;
  // The message painted on the message line, 0 while the line is empty. Any
  // repaint draws the line empty again.
  int messageOnLine = 0;
  Rgb messageColour = kBlack;
  // Calculate is writing a completed run time back into its field: the
  // field's change notification must not wipe the results just worked out.
  bool rewriting = false;
  // When set, everything drawn on the window outside a repaint is drawn into
  // this device context as well: a bitmap in which a test reads back what
  // the window showed (a display-less system keeps no pixels of windows).
  HDC mirror = nullptr;
};

FitnessTestWindow& Window();

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace vorna
