// The "Male Only" option both windows carry: a painted box and label that a
// click, Alt+M or the program itself toggles. Which way it stands is the
// program's state, decided in its core (the program's "Male Only" command);
// this draws it and tells clicks on it from clicks elsewhere.
#pragma once

#include <windows.h>

#include "shell/core/drawing_geometry.h"

namespace shell {

inline constexpr const char* kMaleOnlyLabel = "Male Only";

// At the window's creation: the box's place, and the label measured in the
// window's font.
void PlaceMaleOnly(HWND window, int boxLeft, int boxTop);
const MaleOnlyPlace& MaleOnlyPlacement();

// The option as it stands, for a repaint: label, underline, box and, while
// on, the cross and the dotted outline.
void DrawMaleOnlyOn(HDC dc, bool on);

// The option just switched: drawn on, or drawn off with its outline taken away.
void ShowMaleOnly(HWND window, bool on);

// A click at client point (x, y) lies strictly inside the option.
bool InsideMaleOnly(int x, int y);

}  // namespace shell
