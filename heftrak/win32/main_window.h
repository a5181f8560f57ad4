// HEFTRAK's main window: the weight control calculator.
#pragma once

#include <windows.h>

#include "heftrak/core/evaluation.h"
#include "heftrak/core/messages.h"

namespace heftrak {

// The prompt's text colours, set when the window is made.
struct PromptColours {
  COLORREF black = RGB(0, 0, 0);
  COLORREF red = RGB(255, 0, 0);
  COLORREF blue = RGB(0, 0, 255);
};

// Everything the window keeps for as long as it lives.
struct WeightControlWindow {
  WeightControlState state;
  MessageCode message = kStartPrompt;  // painted in the prompt box; none after a clear
  FieldId focusTarget = kSex;          // gets the focus back whenever the window does
  bool maleOnly = false;
  bool bodyFatFromMale = false;  // which calculator the body fat on the window came from

  // Set while the window rewrites an entry field after an evaluation, so
  // that the change does not count as the user's edit.
  bool rewriting = false;
  // Set while Male Only or Clear puts "M" into Sex, so that this change does
  // not switch Male Only off again.
  bool settingSex = false;
  // Set while a command moves the focus itself: focus prompts answer only
  // the user's own moves, so a verdict just painted stays on the window.
  bool windowMovingFocus = false;
  int lastFieldLeft = -1;  // the field that last lost the focus; -1: none yet

  PromptColours colours;
  int maleOnlyClickWidth = 0;      // of "Male Onlynly", measured at creation
  int maleOnlyUnderlineWidth = 0;  // of "M"
};

WeightControlWindow& Window();

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace heftrak
