// The pieces the main window's procedure hands its messages to, one file
// each: painting, the prompt, the commands, the field reactions, Male Only.
#pragma once

#include <windows.h>

#include "heftrak/core/messages.h"
#include "heftrak/core/reactions.h"
#include "heftrak/win32/main_window.h"

namespace heftrak {

// paint.cpp: the whole client area, drawn anew.
void OnPaint(HWND window);
void PaintWindowOn(HDC dc, const WeightControlWindow& w);

// prompt.cpp: the prompt box.
void PaintPrompt(HWND window, int code, int x, int y);
void PaintPromptOn(HDC dc, int code, int x, int y, const PromptColours& colours);
// The same, kept inside the prompt box on the window.
void PaintPromptInBox(HDC dc, int code, int x, int y, const PromptColours& colours);
// Redraws the prompt box's panel, which wipes everything painted on it.
void ClearPrompt(HWND window);
// Clears the prompt box, makes `code` the current message and paints it.
void ShowMessage(HWND window, MessageCode code);
// A line an evaluation adds two lines below the message; not repainted.
void PaintExtraLine(HWND window, const char* text);

// commands.cpp: buttons, accelerators and the dialog's print command.
void OnCommand(HWND window, int command, LPARAM control);
void EnablePrint(HWND window, bool enabled);
void EmptyResults(FieldRange results);
// Gives the focus to a field on the window's own account (no focus prompt).
void MoveFocus(FieldId field);

// field_events.cpp: the entry fields' notifications.
void OnFieldNotification(HWND window, int field, int code);

// male_only.cpp: the option above the Print button.
void MeasureMaleOnly(HWND window);
void OnLeftButtonDown(HWND window, int x, int y);
// Switches the option over whatever the click position (Alt+M, the
// switch-offs after edits and evaluations).
void ToggleMaleOnly(HWND window);
void PaintMaleOnlyOn(HDC dc, const WeightControlWindow& w);
// Draws the option over what is there: the box empty again (wiping the
// cross) and, switched off, the dotted outline painted over in the panel's
// colour.
void RedrawMaleOnlyOn(HDC dc, const WeightControlWindow& w, bool eraseOutline);

// Printing and its report are filled in with the personal data dialog.
void OnPrint(HWND window);
void OnPrintReport(HWND window);

}  // namespace heftrak
