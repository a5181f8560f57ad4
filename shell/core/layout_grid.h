// The grid every position on the screen is built from: the system's dialog
// base units, each made even, and their quarters.
#pragma once

namespace shell {

struct LayoutGrid {
  int X = 8;   // character width unit
  int Y = 16;  // character height unit
  int QX = 2;  // X / 4
  int QY = 4;  // Y / 4
};

constexpr LayoutGrid GridFromBaseUnits(int baseX, int baseY) {
  LayoutGrid grid;
  grid.X = baseX % 2 != 0 ? baseX - 1 : baseX;
  grid.Y = baseY % 2 != 0 ? baseY - 1 : baseY;
  grid.QX = grid.X / 4;
  grid.QY = grid.Y / 4;
  return grid;
}

// Where an edit field stands, in client pixels, and how it is made.
struct FieldPlacement {
  int id = 0;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool readOnly = false;
  bool rightAligned = false;  // made as a multi-line edit, the only kind that aligns right
  int maxChars = 0;           // characters it holds; 0: no limit
};

// A push button: its caption, the command it sends, where it stands, and
// whether it is available when the window opens.
struct ButtonPlace {
  const char* caption = "";
  int command = 0;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool enabled = true;
};

struct Size {
  int width = 0;
  int height = 0;
};

}  // namespace shell
