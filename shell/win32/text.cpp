#include "shell/win32/text.h"

#include <cstring>

namespace shell {

void TextAt(HDC dc, int x, int y, const char* text, TextAlign align, COLORREF colour) {
  const UINT alignments[] = {TA_LEFT, TA_CENTER, TA_RIGHT};
  const int previousMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF previousColour = SetTextColor(dc, colour);
  const UINT previousAlign = SetTextAlign(dc, alignments[static_cast<int>(align)] | TA_TOP);
  TextOutA(dc, x, y, text, static_cast<int>(std::strlen(text)));
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
