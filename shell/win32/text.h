// Text painted straight onto a window, with a transparent background.
#pragma once

#include <windows.h>

#include "shell/core/colour.h"
#include "shell/core/label.h"

namespace shell {

// Draws `text` at (x, y): x is its left, centre or right end.
void TextAt(HDC dc, int x, int y, const char* text, TextAlign align = TextAlign::Left,
            COLORREF colour = RGB(0, 0, 0));

// Draws a label as its alignment says.
inline void TextAt(HDC dc, const Label& label, COLORREF colour = RGB(0, 0, 0)) {
  TextAt(dc, label.x, label.y, label.text, label.align, colour);
}

// A colour of the core's as GDI takes it.
inline COLORREF ColourOf(Rgb colour) {
  return RGB(colour.red, colour.green, colour.blue);
}

// The width of `text` in the device context's current font.
int TextWidth(HDC dc, const char* text);

}  // namespace shell
