// Calculate on the window: the evaluation decides, the window carries out
// its requests in the order they were made.
#pragma once

#include <windows.h>

#include "vorna/core/evaluation.h"

namespace vorna {

// Command 11: Calculate over the fields as they stand.
void Calculate(HWND window);

// Carries out the requests of one evaluation, in order.
void Replay(HWND window, const RequestLog& requests);

}  // namespace vorna
