// HEFTRAK's main window: the weight control calculator.
#pragma once

#include <windows.h>

#include "heftrak/core/evaluation.h"
#include "heftrak/core/messages.h"

namespace heftrak {

// Everything the window keeps for as long as it lives.
struct WeightControlWindow {
  WeightControlState state;
  MessageCode message = kStartPrompt;  // painted in the prompt box
  FieldId focusTarget = kSex;          // gets the focus back whenever the window does
  bool maleOnly = false;
};

WeightControlWindow& Window();

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace heftrak
