// The flat drawing primitives: panels, field frames and the marks of the
// "Male Only" option. Each takes client pixels; the window forms obtain and
// release their own device context (and draw into a listening test's
// mirror too), the HDC forms draw into a given one (a repaint's).
#pragma once

#include <windows.h>

#include <vector>

#include "shell/core/drawing_geometry.h"
#include "shell/win32/gdi.h"
#include "shell/win32/observer.h"

namespace shell {

// Runs `draw(dc)` on a device context of the window's own, and on a
// listening test's mirror.
template <typename Draw>
void DrawOnWindow(HWND window, Draw draw) {
  {
    WindowDC dc(window);
    if (dc) {
      draw(dc.get());
    }
  }
  if (const Observer* observer = Listener(); observer != nullptr && observer->mirror != nullptr) {
    draw(observer->mirror);
  }
}

void DrawFieldFrame(const Stack& frames, HWND window);
void DrawPanel(const Stack& panels, HWND window);
void DrawFieldFrameOn(HDC dc, const Stack& frames);
void DrawPanelOn(HDC dc, const Stack& panels);

void DrawDotColumn(HDC dc, int x, int top, int length);
void DrawDotRow(HDC dc, int left, int y, int length);
void DrawCross(HDC dc, int left, int top, int height, int width);

void FillRectsOn(HDC dc, const std::vector<FilledRect>& rects);
// Copies the 1 x 1 or 2 x 2 dot bitmap to each point.
void BlitDotsOn(HDC dc, HBITMAP dot, int size, const std::vector<Point>& points);

}  // namespace shell
