// The window's repaint: everything drawn anew from the layout, the current
// message included; lines an evaluation added below it are not kept.
#include "heftrak/core/window_layout.h"
#include "heftrak/win32/window_parts.h"
#include "shell/core/drawing_geometry.h"
#include "shell/win32/app.h"
#include "shell/win32/drawing.h"
#include "shell/win32/text.h"

namespace heftrak {

void PaintWindowOn(HDC dc, const WeightControlWindow& w) {
  const shell::LayoutGrid& g = shell::App().grid;
  const WindowLayout layout = LayoutFor(g);
  for (const PanelPlace& p : layout.panels) {
    shell::FillRectsOn(dc, shell::PanelRects(p));
  }
  for (const FrameStack& f : layout.frames) {
    shell::FillRectsOn(dc, shell::FieldFrameRects(f));
  }
  for (const Label& label : layout.labels) {
    shell::TextAt(dc, label, w.colours.black);
  }
  PaintMaleOnlyOn(dc, w);
  const shell::Point origin = PromptOrigin(g);
  PaintPromptInBox(dc, w.message, origin.x, origin.y, w.colours);
}

void OnPaint(HWND window) {
  // The whole client area, so nothing painted since the last repaint (a
  // maximum line, say) survives it.
  InvalidateRect(window, nullptr, TRUE);
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  if (dc != nullptr) {
    PaintWindowOn(dc, Window());
  }
  EndPaint(window, &paint);
}

}  // namespace heftrak
