// The rectangles and dots of the flat drawing primitives, in client pixels.
// The window layer fills or blits exactly these, so their geometry is tested
// here and the Win32 code only draws.
#pragma once

#include <vector>

namespace shell {

// The stock brushes the primitives paint with.
enum class Brush { White, Black, LightGrey, Grey };

// A rectangle filled without outline, given as the corners passed to the
// platform's Rectangle with the null pen, which paints the pixels from left
// to right - 2 and from top to bottom - 2.
struct FilledRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  Brush brush = Brush::White;
  friend bool operator==(const FilledRect&, const FilledRect&) = default;
};

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// A panel or a field frame, or a column of them: left, top, height, width
// as the drawing primitives take them, the gap between stacked ones and how
// many there are.
struct Stack {
  int left = 0;
  int top = 0;
  int height = 0;
  int width = 0;
  int gap = 0;
  int count = 1;
  friend bool operator==(const Stack&, const Stack&) = default;
};

// `count` white field frames stacked downwards at pitch height + gap: a white
// well with a dark upper and left edge and a white lower and right edge.
std::vector<FilledRect> FieldFrameRects(int left, int top, int height, int width, int gap,
                                        int count);

// `count` light-grey panels stacked downwards, edged grey above and left and
// white below and right.
std::vector<FilledRect> PanelRects(int left, int top, int height, int width, int gap, int count);

inline std::vector<FilledRect> FieldFrameRects(const Stack& s) {
  return FieldFrameRects(s.left, s.top, s.height, s.width, s.gap, s.count);
}
inline std::vector<FilledRect> PanelRects(const Stack& s) {
  return PanelRects(s.left, s.top, s.height, s.width, s.gap, s.count);
}

// The dots of a dotted line: every second pixel from the start, within length.
std::vector<Point> DotColumnPoints(int x, int top, int length);
std::vector<Point> DotRowPoints(int left, int y, int length);

// Where the 2 x 2 cross bitmap is copied: four diagonal rays running out from
// the centre of the box.
std::vector<Point> CrossPoints(int left, int top, int height, int width);

// The marked option label ("Male Only"): box of side `side` at (boxLeft,
// boxTop), clickable width `clickWidth` measured from the box's left.
struct MarkedOption {
  int boxLeft = 0;
  int boxTop = 0;
  int side = 0;
  int clickWidth = 0;
};

// The dots of the outline drawn around the label while the option is on.
std::vector<Point> OptionOutlinePoints(const MarkedOption& option, int QX, int QY);

// A click counts when it lies strictly inside the option's clickable area,
// `height` high.
bool InsideOption(const MarkedOption& option, int height, int x, int y);

// "Male Only" as both windows carry it: a box of side Y - 1 with its top-left
// corner at (boxLeft, boxTop), the label 2QX to the right of the box with its
// "M" underlined (`underlineWidth` wide) on the box's last row, clickable from
// the box's left over `clickWidth` (the measured width of "Male Onlynly")
// and Y high.
struct MaleOnlyPlace {
  MarkedOption option;
  int labelLeft = 0;
  int underlineY = 0;
  int underlineWidth = 0;
  int height = 0;
};

MaleOnlyPlace MaleOnlyAt(int boxLeft, int boxTop, int Y, int QX, int clickWidth,
                         int underlineWidth);

}  // namespace shell
