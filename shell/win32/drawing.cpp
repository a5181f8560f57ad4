#include "shell/win32/drawing.h"

#include <cstring>

#include "shell/win32/app.h"
#include "shell/win32/gdi.h"

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

void FillRects(HWND window, const std::vector<FilledRect>& rects) {
  WindowDC dc(window);
  if (dc) {
    FillRectsOn(dc.get(), rects);
  }
}

void BlitDots(HWND window, HBITMAP dot, int size, const std::vector<Point>& points) {
  WindowDC dc(window);
  if (dc) {
    BlitDotsOn(dc.get(), dot, size, points);
  }
}

}  // namespace

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

void DrawFieldFrame(int left, int top, int height, int width, int gap, int count, HWND window) {
  HiddenCaret caret(window);
  FillRects(window, FieldFrameRects(left, top, height, width, gap, count));
}

void DrawPanel(int left, int top, int height, int width, int gap, int count, int /*spare*/,
               HWND window) {
  FillRects(window, PanelRects(left, top, height, width, gap, count));
}

void DrawFieldFrame(const Stack& frames, HWND window) {
  DrawFieldFrame(frames.left, frames.top, frames.height, frames.width, frames.gap, frames.count,
                 window);
}

void DrawPanel(const Stack& panels, HWND window) {
  DrawPanel(panels.left, panels.top, panels.height, panels.width, panels.gap, panels.count, 0,
            window);
}

void DrawDotColumn(HWND window, int x, int top, int length) {
  BlitDots(window, App().dot11, 1, DotColumnPoints(x, top, length));
}

void DrawDotRow(HWND window, int left, int y, int length) {
  BlitDots(window, App().dot11, 1, DotRowPoints(left, y, length));
}

void DrawCross(HWND window, int left, int top, int height, int width) {
  BlitDots(window, App().dot22, 2, CrossPoints(left, top, height, width));
}

void DrawMarkedOption(HWND window, const MarkedOption& option, const char* label,
                      int underlineWidth, bool on) {
  const LayoutGrid& g = App().grid;
  {
    WindowDC dc(window);
    if (!dc) {
      return;
    }
    const int labelLeft = option.boxLeft + option.side + 2 * g.QX;
    SetBkMode(dc.get(), TRANSPARENT);
    TextOutA(dc.get(), labelLeft, option.boxTop, label, static_cast<int>(std::strlen(label)));
    Selection pen(dc.get(), GetStockObject(BLACK_PEN));
    const int underlineY = option.boxTop + option.side - 1;
    MoveToEx(dc.get(), labelLeft, underlineY, nullptr);
    LineTo(dc.get(), labelLeft + underlineWidth, underlineY);
  }
  DrawFieldFrame(option.boxLeft, option.boxTop, option.side, option.side, 0, 1, window);
  if (on) {
    DrawCross(window, option.boxLeft, option.boxTop, option.side, option.side);
    BlitDots(window, App().dot11, 1, OptionOutlinePoints(option, g.QX, g.QY));
  }
}

}  // namespace shell
