#include "shell/win32/male_only.h"

#include "shell/win32/app.h"
#include "shell/win32/drawing.h"
#include "shell/win32/text.h"

namespace shell {

namespace {

MaleOnlyPlace place;

// The dotted outline around the label, dot by dot.
void DrawOutlineOn(HDC dc) {
  const MarkedOption& o = place.option;
  const LayoutGrid& g = App().grid;
  const int columnTop = o.boxTop + 1;
  DrawDotColumn(dc, o.boxLeft + o.side + g.QX + 1, columnTop, 4 * g.QY);
  DrawDotColumn(dc, o.boxLeft + o.clickWidth + 1, columnTop, 4 * g.QY);
  const int rowLeft = o.boxLeft + o.side + 2 * g.QX;
  const int rowLength = o.clickWidth - o.side - 2 * g.QX + 1;
  DrawDotRow(dc, rowLeft, o.boxTop, rowLength);
  DrawDotRow(dc, rowLeft, o.boxTop + o.side, rowLength);
}

// Paints every dot of the outline in the panel's face colour again.
void EraseOutlineOn(HDC dc) {
  const LayoutGrid& g = App().grid;
  std::vector<FilledRect> dots;
  for (const Point& p : OptionOutlinePoints(place.option, g.QX, g.QY)) {
    // With the null pen a rectangle covers one pixel short of right and bottom.
    dots.push_back({p.x, p.y, p.x + 2, p.y + 2, Brush::LightGrey});
  }
  FillRectsOn(dc, dots);
}

}  // namespace

void PlaceMaleOnly(HWND window, int boxLeft, int boxTop) {
  const LayoutGrid& g = App().grid;
  int clickWidth = 0;
  int underlineWidth = 0;
  {
    WindowDC dc(window);
    if (dc) {
      // The click reaches a little past the label's end, as far as this text.
      clickWidth = TextWidth(dc.get(), "Male Onlynly");
      underlineWidth = TextWidth(dc.get(), "M");
    }
  }
  place = MaleOnlyAt(boxLeft, boxTop, g.Y, g.QX, clickWidth, underlineWidth);
}

const MaleOnlyPlace& MaleOnlyPlacement() {
  return place;
}

void DrawMaleOnlyOn(HDC dc, bool on) {
  const MarkedOption& o = place.option;
  TextAt(dc, place.labelLeft, o.boxTop, kMaleOnlyLabel);
  {
    Selection pen(dc, GetStockObject(BLACK_PEN));
    MoveToEx(dc, place.labelLeft, place.underlineY, nullptr);
    LineTo(dc, place.labelLeft + place.underlineWidth, place.underlineY);
  }
  DrawFieldFrameOn(dc, {o.boxLeft, o.boxTop, o.side, o.side, 0, 1});
  if (on) {
    DrawCross(dc, o.boxLeft, o.boxTop, o.side, o.side);
    DrawOutlineOn(dc);
  }
}

void ShowMaleOnly(HWND window, bool on) {
  DrawOnWindow(window, [on](HDC dc) {
    if (!on) {
      EraseOutlineOn(dc);
    }
    DrawMaleOnlyOn(dc, on);
  });
}

bool InsideMaleOnly(int x, int y) {
  return InsideOption(place.option, place.height, x, y);
}

}  // namespace shell
