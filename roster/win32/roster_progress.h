// What the two progress dialogs share, the scoring's and the printing's:
// their controls, their text in as many rows as it takes, and the messages
// handled between two steps of the work they show.
#pragma once

#include <windows.h>

#include <string>

namespace roster {

// Lays out the text, the bar (0 to `range`) and Cancel, which gets the focus.
void CreateProgressControls(HWND dialog, int range);

// The dialog's text, broken into the rows its box holds; the dialog grows
// for a text that needs more rows than it has (and keeps them).
void SetProgressText(HWND dialog, const std::string& text);

void SetProgressPosition(HWND dialog, int position);

// Handles what has come in since the last step: the dialog's keys and
// Cancel, and every repaint (the main window's too); the owners are
// disabled while the dialog is up, so nothing else can start meanwhile.
// False when the program is asked to end: the quit is posted again for the
// main loop, after the dialog.
bool HandlePending(HWND dialog);

}  // namespace roster
