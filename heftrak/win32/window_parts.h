// The pieces the main window's procedure hands its painting to.
#pragma once

#include <windows.h>

#include "heftrak/win32/main_window.h"
#include "shell/core/colour.h"

namespace heftrak {

// paint.cpp: the whole client area, drawn anew.
void OnPaint(HWND window);
// `message` is what the prompt box shows; lines an evaluation added below it
// are not kept.
void PaintWindowOn(HDC dc, bool maleOnly, int message);

// prompt.cpp: a message's lines in the prompt box, in their colours.
void PaintPromptOn(HDC dc, int code, int x, int y);
// The same, kept inside the prompt box on the window.
void PaintPromptInBox(HDC dc, int code, int x, int y);
// How the window carries out the core's message requests: the prompt box
// drawn empty, a message shown in it, a line below the message.
void ClearPrompt(HWND window);
void ShowMessage(HWND window, int code, shell::Rgb colour);
void PaintExtraLine(HWND window, const char* text);

}  // namespace heftrak
