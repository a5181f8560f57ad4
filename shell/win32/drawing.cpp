#include "shell/win32/drawing.h"

#include "shell/win32/app.h"

namespace shell {

namespace {

HGDIOBJ StockBrush(Brush brush) {
  switch (brush) {
    case Brush::White:
      return GetStockObject(WHITE_BRUSH);
    case Brush::Black:
      return GetStockObject(BLACK_BRUSH);
    case Brush::LightGrey:
      return GetStockObject(LTGRAY_BRUSH);
    case Brush::Grey:
      return GetStockObject(GRAY_BRUSH);
  }
  return GetStockObject(WHITE_BRUSH);
}

// Frames are drawn while a field may hold the caret; hide it so the frame
// does not cut a hole into it.
class HiddenCaret {
 public:
  explicit HiddenCaret(HWND window) : window_(window) { HideCaret(window_); }
  ~HiddenCaret() { ShowCaret(window_); }
  HiddenCaret(const HiddenCaret&) = delete;
  HiddenCaret& operator=(const HiddenCaret&) = delete;

 private:
  HWND window_;
};

}  // namespace

void BlitDotsOn(HDC dc, HBITMAP dot, int size, const std::vector<Point>& points) {
  MemoryDC source(dc);
  if (!source || dot == nullptr) {
    return;
  }
  Selection bitmap(source.get(), dot);
  for (const Point& p : points) {
    BitBlt(dc, p.x, p.y, size, size, source.get(), 0, 0, SRCCOPY);
  }
}

void FillRectsOn(HDC dc, const std::vector<FilledRect>& rects) {
  // With the null pen, Rectangle fills one pixel short of right and bottom:
  // the edges of frames and panels are one pixel wide, and the unpainted line
  // inside the white edges gives the sunken look.
  Selection pen(dc, GetStockObject(NULL_PEN));
  for (const FilledRect& r : rects) {
    Selection brush(dc, StockBrush(r.brush));
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
  }
}

void DrawFieldFrameOn(HDC dc, const Stack& frames) {
  FillRectsOn(dc, FieldFrameRects(frames));
}

void DrawPanelOn(HDC dc, const Stack& panels) {
  FillRectsOn(dc, PanelRects(panels));
}

void DrawFieldFrame(const Stack& frames, HWND window) {
  HiddenCaret caret(window);
  DrawOnWindow(window, [&](HDC dc) { DrawFieldFrameOn(dc, frames); });
}

void DrawPanel(const Stack& panels, HWND window) {
  DrawOnWindow(window, [&](HDC dc) { DrawPanelOn(dc, panels); });
  if (const Observer* observer = Listener(); observer != nullptr && observer->panelDrawn) {
    observer->panelDrawn(window, panels);
  }
}

void DrawDotColumn(HDC dc, int x, int top, int length) {
  BlitDotsOn(dc, Dot11Bitmap(), 1, DotColumnPoints(x, top, length));
}

void DrawDotRow(HDC dc, int left, int y, int length) {
  BlitDotsOn(dc, Dot11Bitmap(), 1, DotRowPoints(left, y, length));
}

void DrawCross(HDC dc, int left, int top, int height, int width) {
  BlitDotsOn(dc, Dot22Bitmap(), 2, CrossPoints(left, top, height, width));
}

}  // namespace shell
