// Text painted straight onto a window, with a transparent background.
#pragma once

#include <windows.h>

namespace shell {

enum class TextAlign { Left, Centre, Right };

// Draws `text` at (x, y): x is its left, centre or right end.
void TextAt(HDC dc, int x, int y, const char* text, TextAlign align = TextAlign::Left,
            COLORREF colour = RGB(0, 0, 0));

// The width of `text` in the device context's current font.
int TextWidth(HDC dc, const char* text);

}  // namespace shell
