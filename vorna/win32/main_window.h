// VORNA's main window: the fitness test calculator.
#pragma once

#include <windows.h>

#include "vorna/core/test_state.h"

namespace vorna {

// Everything the window keeps for as long as it lives. The current field,
// the Male Only option and the flags of the test live in the state.
struct FitnessTestWindow {
  TestState state;
};

FitnessTestWindow& Window();

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace vorna
