// Writing into entry fields from the program, and reading them.
#pragma once

#include <windows.h>

namespace shell {

// Empties a field as a user's select-all and cut would, with the same change
// notification, but leaves the clipboard alone: whatever the user had copied
// is still there afterwards. Nothing of the old text stays scrolled out.
void EmptyField(HWND field);

// Sets a field's text (a single-line field reports the change, a multi-line
// one does not).
void SetFieldText(HWND field, const char* text);

// Reads at most size - 1 characters of a field's text; always terminated.
void ReadFieldText(HWND field, char* buffer, int size);

}  // namespace shell
