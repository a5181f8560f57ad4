// A line of text painted at a point of a window or dialog.
#pragma once

namespace shell {

enum class TextAlign { Left, Centre, Right };

// x is the text's left end, centre or right end, as `align` says; y its top.
struct Label {
  const char* text = "";
  int x = 0;
  int y = 0;
  TextAlign align = TextAlign::Left;
};

}  // namespace shell
