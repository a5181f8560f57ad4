// The window as a plain executor of what the core decides. Before the core
// is asked anything, its model of the fields is loaded from the window; the
// list it answers is carried out on the main window in order, the requests
// every window answers alike here, the program's drawing by its view. What
// the window's own writes and focus moves make the fields report while a
// list is carried out is ignored: the core has answered it in the list.
#pragma once

#include <windows.h>

#include "shell/core/drawing_geometry.h"
#include "shell/core/requests.h"

namespace shell {

struct ProgramView {
  void (*clearMessage)(HWND window);
  void (*showMessage)(HWND window, int code, Rgb colour);
  void (*extraLine)(HWND window, const char* text);
  void (*paintLabel)(HWND window, int box, Rgb colour);
  void (*paintResult)(HWND window, int box, const char* text, Rgb colour);
  void (*programRequest)(HWND window, const Request& request);
  Stack (*fieldFrame)(int field);  // the frame drawn around an entry field
};

void Replay(HWND window, const RequestList& requests);

// A command the core decides (Check, Clear, "Male Only", ...), on the
// fields as they stand.
void RunCommand(HWND window, int command);

// A notification (EN_CHANGE, EN_KILLFOCUS, EN_SETFOCUS) from an entry field
// of the main window.
void FieldNotified(HWND window, int field, int code);

}  // namespace shell
