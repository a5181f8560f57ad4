// The pieces the main window's procedure hands its painting to.
#pragma once

#include <windows.h>

#include "heftrak/win32/main_window.h"

namespace heftrak {

// paint.cpp: the whole client area, drawn anew.
void OnPaint(HWND window);
void PaintWindowOn(HDC dc, const WeightControlWindow& w);

// prompt.cpp: a message's lines in the prompt box, in their colours.
void PaintPromptOn(HDC dc, int code, int x, int y);
// The same, kept inside the prompt box on the window.
void PaintPromptInBox(HDC dc, int code, int x, int y);

}  // namespace heftrak
