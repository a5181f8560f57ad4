// The procedure every entry field gets in front of its own: it asks the
// keyboard rules what a key does and carries that out.
#pragma once

#include <windows.h>

namespace shell {

LRESULT CALLBACK EditProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace shell
