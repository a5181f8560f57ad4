// The scoring chart on the window: the list of an event's points with its
// header and title, filled when an event field receives the focus.
#pragma once

#include <windows.h>

namespace vorna {

// Called when entry field `field` has received the focus (after it became
// the current field).
void FillChart(HWND window, int field);

// Empties the list and wipes the title and header.
void EmptyChart(HWND window);

}  // namespace vorna
