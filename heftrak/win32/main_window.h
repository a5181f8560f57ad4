// HEFTRAK's main window: the weight control calculator.
#pragma once

#include <windows.h>

#include "heftrak/core/evaluation.h"
#include "heftrak/core/messages.h"
#include "shell/core/requests.h"

namespace heftrak {

// Everything the window keeps for as long as it lives; the focus target and
// "Male Only" live in the state.
struct WeightControlWindow {
  WeightControlState state;
  MessageCode message = kStartPrompt;  // painted in the prompt box; none after a clear
  int lastFieldLeft = -1;              // the field that last lost the focus; -1: none yet
};

WeightControlWindow& Window();

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// How the window carries out the requests the shell leaves to it.
void ClearPrompt(HWND window);
void ShowMessage(HWND window, int code, shell::Rgb colour);
void PaintExtraLine(HWND window, const char* text);
void CarryOutProgramRequest(HWND window, const shell::Request& request);

}  // namespace heftrak
