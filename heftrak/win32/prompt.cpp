// The prompt box: messages painted segment by segment in their colours.
#include "heftrak/core/prompt_layout.h"
#include "heftrak/core/window_layout.h"
#include "heftrak/win32/window_parts.h"
#include "shell/win32/app.h"
#include "shell/win32/drawing.h"
#include "shell/win32/gdi.h"
#include "shell/win32/text.h"

namespace heftrak {

namespace {

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

void PaintPromptOn(HDC dc, int code, int x, int y) {
  SetBkMode(dc, TRANSPARENT);
  const auto widthOf = [dc](const char* text) { return shell::TextWidth(dc, text); };
  for (const PlacedSegment& s : PlacePrompt(code, x, y, shell::App().grid.Y, widthOf)) {
    // TextAt puts the context's colour back (black) after a coloured word.
    shell::TextAt(dc, s.x, s.y, s.text, shell::TextAlign::Left, shell::ColourOf(s.colour));
  }
}

void PaintPromptInBox(HDC dc, int code, int x, int y) {
  ClippedToPromptBox clip(dc);
  PaintPromptOn(dc, code, x, y);
}

void ClearPrompt(HWND window) {
  shell::DrawPanel(PromptBox(shell::App().grid), window);
  Window().message = kNoMessage;
}

void ShowMessage(HWND window, int code, shell::Rgb /*colour*/) {
  ClearPrompt(window);
  Window().message = static_cast<MessageCode>(code);
  const shell::Point origin = PromptOrigin(shell::App().grid);
  shell::DrawOnWindow(window, [&](HDC dc) { PaintPromptInBox(dc, code, origin.x, origin.y); });
}

// A line an evaluation adds two lines below the message; not repainted.
void PaintExtraLine(HWND window, const char* text) {
  const shell::Point origin = ExtraLineOrigin(shell::App().grid);
  shell::DrawOnWindow(window, [&](HDC dc) {
    ClippedToPromptBox clip(dc);
    shell::TextAt(dc, origin.x, origin.y, text);
  });
}

}  // namespace heftrak
