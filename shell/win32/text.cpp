#include "shell/win32/text.h"

#include <cstring>

#include "shell/win32/observer.h"

namespace shell {

void TextAt(HDC dc, int x, int y, const char* text, TextAlign align, COLORREF colour) {
  const UINT alignments[] = {TA_LEFT, TA_CENTER, TA_RIGHT};
  const int previousMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF previousColour = SetTextColor(dc, colour);
  const UINT previousAlign = SetTextAlign(dc, alignments[static_cast<int>(align)] | TA_TOP);
  TextOutA(dc, x, y, text, static_cast<int>(std::strlen(text)));
  if (const Observer* observer = Listener(); observer != nullptr && observer->textDrawn) {
    // Told once, for the window: not again for the mirror's bitmap.
    if (HWND window = WindowFromDC(dc)) {
      POINT start{x, y};
      if (align != TextAlign::Left) {
        SIZE size{};
        GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size);
        start.x -= align == TextAlign::Right ? size.cx : size.cx / 2;
      }
      observer->textDrawn(window, {text, start.x, start.y, colour});
    }
  }
  SetTextAlign(dc, previousAlign);
  SetTextColor(dc, previousColour);
  SetBkMode(dc, previousMode);
}

int TextWidth(HDC dc, const char* text) {
  SIZE size{};
  GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size);
  return size.cx;
}

}  // namespace shell
