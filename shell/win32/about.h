// The About box, opened from the system menu's "&About..." entry.
#pragma once

#include <windows.h>

// Dialog procedures are exported by name from each program.
extern "C" __declspec(dllexport) INT_PTR CALLBACK
    AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

namespace shell {

// Runs the box modally; returns when OK (or Enter) has closed it.
void ShowAbout(HWND owner);

}  // namespace shell
