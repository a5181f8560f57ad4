// What both main windows answer alike: the focus coming back, the About entry
// of the system menu, a click on "Male Only", and the end of the program.
#pragma once

#include <windows.h>

namespace shell {

// Appends a separator and "&About..." to the window's system menu.
void AddAboutEntry(HWND window);

// Handles one of those messages; false for any other, which the window
// handles itself or leaves to the default procedure.
bool HandleFrameMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace shell
