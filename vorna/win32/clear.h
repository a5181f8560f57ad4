// Clear: every entry field emptied, the results and the chart with them.
#pragma once

#include <windows.h>

namespace vorna {

// Command 12.
void ClearTest(HWND window);

}  // namespace vorna
