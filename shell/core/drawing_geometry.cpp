#include "shell/core/drawing_geometry.h"

namespace shell {

std::vector<FilledRect> FieldFrameRects(int left, int top, int height, int width, int gap,
                                        int count) {
  std::vector<FilledRect> rects;
  const int right = left + width;
  for (int i = 0; i < count; ++i) {
    const int t = top + (height + gap) * i;
    const int bottom = t + height;
    rects.push_back({left, t, right, bottom, Brush::White});                   // inside
    rects.push_back({left - 1, bottom, right + 2, bottom + 2, Brush::White});  // lower edge
    rects.push_back({right, t - 1, right + 2, bottom + 1, Brush::White});      // right edge
    rects.push_back({left - 1, t - 1, right, t + 1, Brush::Black});            // upper edge
    rects.push_back({left - 1, t, left + 1, bottom, Brush::Black});            // left edge
  }
  return rects;
}

std::vector<FilledRect> PanelRects(int left, int top, int height, int width, int gap, int count) {
  std::vector<FilledRect> rects;
  const int right = left + width;
  for (int i = 0; i < count; ++i) {
    const int t = top + (height + gap) * i;
    const int bottom = t + height;
    rects.push_back({left, t, right, bottom + 1, Brush::LightGrey});       // face
    rects.push_back({left, bottom, right + 2, bottom + 2, Brush::White});  // lower edge
    rects.push_back({right, t, right + 2, bottom + 1, Brush::White});      // right edge
    rects.push_back({left, t, right, t + 2, Brush::Grey});                 // upper edge
    rects.push_back({left, t + 1, left + 2, bottom, Brush::Grey});         // left edge
  }
  return rects;
}

std::vector<Point> DotColumnPoints(int x, int top, int length) {
  std::vector<Point> points;
  for (int y = top; y <= top + length - 1; y += 2) {
    points.push_back({x, y});
  }
  return points;
}

std::vector<Point> DotRowPoints(int left, int y, int length) {
  std::vector<Point> points;
  for (int x = left; x <= left + length - 1; x += 2) {
    points.push_back({x, y});
  }
  return points;
}

std::vector<Point> CrossPoints(int left, int top, int height, int width) {
  std::vector<Point> points;
  const int cx = left + width / 2;
  const int cy = top + height / 2;
  for (int x = cx - 2, y = cy - 2; x >= left + 1; --x, --y) {  // up-left
    points.push_back({x, y});
  }
  for (int x = cx, y = cy - 2; x <= left + width - 4; ++x, --y) {  // up-right
    points.push_back({x, y});
  }
  for (int x = cx, y = cy; x <= left + width - 4; ++x, ++y) {  // down-right
    points.push_back({x, y});
  }
  for (int x = cx - 2, y = cy; x >= left + 1; --x, ++y) {  // down-left
    points.push_back({x, y});
  }
  return points;
}

std::vector<Point> OptionOutlinePoints(const MarkedOption& option, int QX, int QY) {
  const int s = option.side;
  const int columnTop = option.boxTop + 1;
  std::vector<Point> points = DotColumnPoints(option.boxLeft + s + QX + 1, columnTop, 4 * QY);
  for (Point p : DotColumnPoints(option.boxLeft + option.clickWidth + 1, columnTop, 4 * QY)) {
    points.push_back(p);
  }
  const int rowLeft = option.boxLeft + s + 2 * QX;
  const int rowLength = option.clickWidth - s - 2 * QX + 1;
  for (int y : {option.boxTop, option.boxTop + s}) {
    for (Point p : DotRowPoints(rowLeft, y, rowLength)) {
      points.push_back(p);
    }
  }
  return points;
}

bool InsideOption(const MarkedOption& option, int height, int x, int y) {
  return x > option.boxLeft && x < option.boxLeft + option.clickWidth && y > option.boxTop &&
         y < option.boxTop + height;
}

MaleOnlyPlace MaleOnlyAt(int boxLeft, int boxTop, int Y, int QX, int clickWidth,
                         int underlineWidth) {
  MaleOnlyPlace place;
  place.option = {boxLeft, boxTop, Y - 1, clickWidth};
  place.labelLeft = boxLeft + place.option.side + 2 * QX;
  place.underlineY = boxTop + Y - 2;
  place.underlineWidth = underlineWidth;
  place.height = Y;
  return place;
}

}  // namespace shell
