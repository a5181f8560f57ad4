// What the programs show and sound, told to whoever listens: the tests, which
// can neither hear a beep nor read pixels back from a display-less driver. A
// program runs with nobody listening.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "shell/core/drawing_geometry.h"

namespace shell {

struct DrawnText {
  std::string text;
  int x = 0;
  int y = 0;
  COLORREF colour = 0;
};

struct Observer {
  std::function<void()> alerted;  // the alert sounded
  // A text drawn onto a window (or a dialog), at its left end and top.
  std::function<void(HWND window, const DrawnText& text)> textDrawn;
  // A panel drawn onto a window, which wipes whatever was painted on it.
  std::function<void(HWND window, const Stack& panel)> panelDrawn;
  // Everything drawn onto a window outside a repaint is drawn into this
  // device context as well (a bitmap the size of the client area).
  HDC mirror = nullptr;
};

// Starts telling `observer` (nullptr: nobody) what happens; the caller keeps
// it alive until it stops listening.
void Observe(const Observer* observer);

// Who listens now, or nullptr.
const Observer* Listener();

}  // namespace shell
