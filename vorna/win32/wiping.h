// Results that no longer match their entries are wiped as soon as an entry
// field's text changes.
#pragma once

#include <windows.h>

namespace vorna {

// The change notification of entry field `field`.
void OnFieldChanged(HWND window, int field);

// Takes one result box off the screen and out of the state: its frame drawn
// empty, its text emptied, its label grey.
void WipeResult(HWND window, int box);

// The Print button made unavailable, and nothing counts as shown.
void WithdrawResults();

}  // namespace vorna
