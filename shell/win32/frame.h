// What both main windows answer alike: the focus coming back, the About entry
// of the system menu, a click on "Male Only", and the end of the program.
#pragma once

#include <windows.h>

namespace shell {

// Appends a separator and "&About..." to the window's system menu.
void AddAboutEntry(HWND window);

// What a main window does itself; the frame routes its messages to these.
struct WindowHandlers {
  void (*create)(HWND window);
  void (*paint)(HWND window);
  // A command: a button clicked, an Alt key, or one a dialog sends, which
  // comes from no control.
  void (*command)(HWND window, int command, bool fromControl);
  // Any other message the window answers (nullptr: none); false leaves it
  // to the default procedure.
  bool (*other)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

// The body of a main window's procedure: the messages both windows answer
// alike (the focus coming back, About, a click on "Male Only", what the
// entry fields report, the end), then the window's own.
LRESULT DispatchMainWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                           const WindowHandlers& handlers);

}  // namespace shell
