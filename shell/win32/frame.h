// What both main windows do alike: the About entry of the system menu, the
// beeper while they have the focus, and the end of the program.
#pragma once

#include <windows.h>

namespace shell {

// Appends a separator and "&About..." to the window's system menu.
void AddAboutEntry(HWND window);

// Handles the system command if it is the About entry; false otherwise.
bool HandleAboutCommand(HWND window, WPARAM command);

// The main window got the focus: beeper off, the caret into `field`.
void MainWindowFocused(HWND field);

// The main window is destroyed: the user's beeper setting back, loop ended.
void MainWindowDestroyed();

}  // namespace shell
