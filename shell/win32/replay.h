// Carries out a command's requests on the main window, in the order the core
// made them. The requests every window answers alike (writing and emptying
// fields, the focus, the alert, Print, "Male Only") are carried out here; the
// program's view draws its messages and results.
#pragma once

#include <windows.h>

#include "shell/core/requests.h"

namespace shell {

struct ProgramView {
  void (*clearMessage)(HWND window);
  void (*showMessage)(HWND window, int code, Rgb colour);
  void (*extraLine)(HWND window, const char* text);
  void (*paintLabel)(HWND window, int box, Rgb colour);
  void (*paintResult)(HWND window, int box, const char* text, Rgb colour);
  void (*programRequest)(HWND window, const Request& request);
};

void Replay(HWND window, const RequestList& requests);

}  // namespace shell
