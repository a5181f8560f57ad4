// A record of what goes into the prompt box, for whoever needs to know it
// without reading pixels back (a window under a display-less driver has none).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace heftrak {

struct PromptPaint {
  bool cleared = false;  // the panel was drawn again, wiping the box
  std::string text;      // otherwise a text drawn at (x, y) in colour
  int x = 0;
  int y = 0;
  COLORREF colour = 0;
};

// While `record` is set, every clear of the prompt box and every text drawn
// into it (message segments, the maximum lines) is appended in order. Pass
// nullptr to stop recording.
void RecordPromptPaint(std::vector<PromptPaint>* record);

}  // namespace heftrak
