// VORNA's main window: the fitness test calculator.
#pragma once

#include <windows.h>

#include "shell/core/requests.h"
#include "vorna/core/window_layout.h"
#include "vorna/core/window_model.h"

namespace vorna {

// Everything the window keeps for as long as it lives: the core's model of
// it, and what only the window has (its layout, its chart list, the message
// it painted).
struct FitnessTestWindow {
  WindowModel model;
  WindowLayout layout;  // from the grid and the texts measured at creation
  HWND chartList = nullptr;
  // The message painted on the message line, 0 while the line is empty, and
  // its colour. A repaint draws the line anew with the verdict in words alone.
  int messageOnLine = 0;
  Rgb messageColour = kBlack;
};

FitnessTestWindow& Window();

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// How the window carries out the requests the shell leaves to it.
void ClearMessageLine(HWND window);
void ShowMessage(HWND window, int code, Rgb colour);
void PaintLabel(HWND window, int box, Rgb colour);
void PaintResult(HWND window, int box, const char* text, Rgb colour);
void CarryOutProgramRequest(HWND window, const shell::Request& request);

}  // namespace vorna
