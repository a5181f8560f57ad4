// The procedure every entry field gets in front of its own: it asks the
// keyboard rules what a key does and carries that out.
#pragma once

#include <windows.h>

namespace shell {

LRESULT CALLBACK EditProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam);

// The same rules in front of a combo box's editable text (the personal data
// dialog's Rank), under the box's identifier: the paste filter, Ctrl+A and
// whatever the rules say of a character typed there.
void FilterComboEdit(HWND combo);

}  // namespace shell
