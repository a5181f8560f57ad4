// The clipboard's text, as the program and its tests read it.
#pragma once

#include <windows.h>

#include <string>

namespace shell {

// Reads the clipboard's text into `text`, no further than its memory block
// reaches; false (and `text` untouched) when the clipboard holds no text.
bool ReadClipboardText(HWND owner, std::string& text);

}  // namespace shell
