// The window's repaint: everything drawn anew from the layout, the current
// message included; lines an evaluation added below it are not kept.
#include "heftrak/core/window_layout.h"
#include "heftrak/win32/window_parts.h"
#include "shell/win32/app.h"
#include "shell/win32/drawing.h"
#include "shell/win32/gdi.h"
#include "shell/win32/male_only.h"
#include "shell/win32/text.h"

namespace heftrak {

void PaintWindowOn(HDC dc, bool maleOnly, int message) {
  const shell::LayoutGrid& g = shell::App().grid;
  const WindowLayout layout = LayoutFor(g);
  for (const PanelPlace& p : layout.panels) {
    shell::DrawPanelOn(dc, p);
  }
  for (const FrameStack& f : layout.frames) {
    shell::DrawFieldFrameOn(dc, f);
  }
  for (const Label& label : layout.labels) {
    shell::TextAt(dc, label);
  }
  shell::DrawMaleOnlyOn(dc, maleOnly);
  const shell::Point origin = PromptOrigin(g);
  PaintPromptInBox(dc, message, origin.x, origin.y);
}

void OnPaint(HWND window) {
  // The whole client area, so nothing painted since the last repaint (a
  // maximum line, say) survives it.
  InvalidateRect(window, nullptr, TRUE);
  shell::PaintDC dc(window);
  if (dc) {
    PaintWindowOn(dc.get(), Window().model.state.maleOnly, Window().message);
  }
}

}  // namespace heftrak
