// The flat drawing primitives: panels, field frames and the marks of the
// "Male Only" option. Each takes client pixels and obtains and releases its
// own device context; the *On variants draw into a given one.
#pragma once

#include <windows.h>

#include "shell/core/drawing_geometry.h"

namespace shell {

void DrawFieldFrame(int left, int top, int height, int width, int gap, int count, HWND window);
void DrawPanel(int left, int top, int height, int width, int gap, int count, int spare,
               HWND window);
void DrawFieldFrame(const Stack& frames, HWND window);
void DrawPanel(const Stack& panels, HWND window);
void DrawDotColumn(HWND window, int x, int top, int length);
void DrawDotRow(HWND window, int left, int y, int length);
void DrawCross(HWND window, int left, int top, int height, int width);

void FillRectsOn(HDC dc, const std::vector<FilledRect>& rects);
// Copies the 1 x 1 or 2 x 2 dot bitmap to each point.
void BlitDotsOn(HDC dc, HBITMAP dot, int size, const std::vector<Point>& points);

// The "Male Only" option: label with its first letter underlined, the box,
// and, while on, the cross and the dotted outline. `underlineWidth` is the
// measured width of "M".
void DrawMarkedOption(HWND window, const MarkedOption& option, const char* label,
                      int underlineWidth, bool on);

}  // namespace shell
