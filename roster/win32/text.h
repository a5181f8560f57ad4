// Text between the roster's UTF-8 and what Windows calls take: UTF-16 for
// file names and the console, the ANSI code page for the printed page.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace roster {

std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);

// A personal text as the report page's ANSI text calls print it; text that
// is not UTF-8 (a roster saved in the ANSI code page) stays as it stands.
std::string PrinterText(std::string_view utf8);

// A text of the roster's (UTF-8, or the ANSI code page where it is not
// UTF-8) as a window shows it.
std::wstring DisplayText(std::string_view text);

// A text of the roster's as UTF-8: a roster saved in the ANSI code page
// turned into UTF-8, a UTF-8 one as it stands.
std::string Utf8Text(std::string_view text);

// Writes a text of the program's (its messages, the roster's names and
// cells) to `console` in the console's own wide characters, so that every
// name shows whatever the console's code page; false, writing nothing, when
// `console` is no console (a file or a pipe, which take the UTF-8 bytes).
bool WriteToConsole(HANDLE console, std::string_view text);

// The system's text for an error code, in UTF-8, without the line end.
std::string SystemMessage(DWORD error);

}  // namespace roster
