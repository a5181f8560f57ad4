// The prompt box: messages painted segment by segment in their colours.
#include "heftrak/core/prompt_layout.h"
#include "heftrak/core/window_layout.h"
#include "heftrak/win32/prompt_record.h"
#include "heftrak/win32/window_parts.h"
#include "shell/win32/app.h"
#include "shell/win32/drawing.h"
#include "shell/win32/gdi.h"
#include "shell/win32/text.h"

namespace heftrak {

namespace {

std::vector<PromptPaint>* record = nullptr;

void Record(const PromptPaint& paint) {
  if (record != nullptr) {
    record->push_back(paint);
  }
}

// Draws a text and records it.
void PromptText(HDC dc, int x, int y, const char* text, COLORREF colour) {
  shell::TextAt(dc, x, y, text, shell::TextAlign::Left, colour);
  Record({false, text, x, y, colour});
}

COLORREF ColourOf(TextColour colour, const PromptColours& colours) {
  switch (colour) {
    case TextColour::Red:
      return colours.red;
    case TextColour::Blue:
      return colours.blue;
    case TextColour::Black:
      break;
  }
  return colours.black;
}

// Keeps prompt text inside the prompt box: with a system font wider than the
// grid's character unit (Wine's is), a long line would otherwise run on over
// the Print panel, where no redraw of the prompt box wipes it.
class ClippedToPromptBox {
 public:
  explicit ClippedToPromptBox(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {
    const PanelPlace box = PromptBox(shell::App().grid);
    IntersectClipRect(dc, box.left, box.top, box.left + box.width, box.top + box.height);
  }
  ~ClippedToPromptBox() { RestoreDC(dc_, saved_); }
  ClippedToPromptBox(const ClippedToPromptBox&) = delete;
  ClippedToPromptBox& operator=(const ClippedToPromptBox&) = delete;

 private:
  HDC dc_;
  int saved_;
};

}  // namespace

void RecordPromptPaint(std::vector<PromptPaint>* paints) {
  record = paints;
}

void PaintPromptOn(HDC dc, int code, int x, int y, const PromptColours& colours) {
  SetBkMode(dc, TRANSPARENT);
  const auto widthOf = [dc](const char* text) { return shell::TextWidth(dc, text); };
  for (const PlacedSegment& s : PlacePrompt(code, x, y, shell::App().grid.Y, widthOf)) {
    // TextAt puts the context's colour back (black) after a coloured word.
    PromptText(dc, s.x, s.y, s.text, ColourOf(s.colour, colours));
  }
}

void PaintPromptInBox(HDC dc, int code, int x, int y, const PromptColours& colours) {
  ClippedToPromptBox clip(dc);
  PaintPromptOn(dc, code, x, y, colours);
}

void PaintPrompt(HWND window, int code, int x, int y) {
  shell::WindowDC dc(window);
  if (dc) {
    PaintPromptInBox(dc.get(), code, x, y, Window().colours);
  }
}

void ClearPrompt(HWND window) {
  shell::DrawPanel(PromptBox(shell::App().grid), window);
  Record({true, {}, 0, 0, 0});
}

void ShowMessage(HWND window, MessageCode code) {
  ClearPrompt(window);
  Window().message = code;
  const shell::Point origin = PromptOrigin(shell::App().grid);
  PaintPrompt(window, code, origin.x, origin.y);
}

void PaintExtraLine(HWND window, const char* text) {
  shell::WindowDC dc(window);
  if (dc) {
    ClippedToPromptBox clip(dc.get());
    const shell::Point origin = ExtraLineOrigin(shell::App().grid);
    PromptText(dc.get(), origin.x, origin.y, text, Window().colours.black);
  }
}

}  // namespace heftrak
