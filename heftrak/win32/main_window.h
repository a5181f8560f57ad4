// HEFTRAK's main window: the weight control calculator.
#pragma once

#include <windows.h>

#include "heftrak/core/messages.h"
#include "heftrak/core/window_model.h"

namespace heftrak {

// Everything the window keeps for as long as it lives: the core's model of
// it, and the message painted in the prompt box.
struct WeightControlWindow {
  WindowModel model;
  MessageCode message = kStartPrompt;  // none after a clear
};

WeightControlWindow& Window();

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace heftrak
