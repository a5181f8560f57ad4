// Score a Roster, from the system menu: the standard Open dialog, the roster
// scored by the very run of the roster programs into the same results file,
// and a summary to act on (roster_summary.cpp, roster_printing.cpp).
#pragma once

#include <windows.h>

#include "roster/core/program.h"

namespace roster {

// Puts "Score a R&oster..." into the window's system menu, just above
// "&About..." (after shell::AddAboutEntry), for `program`'s rosters.
void AddRosterEntry(HWND window, const RosterProgram& program);

// The entry's command: asks for a roster, scores it, and shows its summary
// or, for a roster that cannot be used, why. The focus goes back to the
// window's focus target afterwards.
void ScoreRosterFromMenu(HWND window);

// For a main window's own messages: runs the entry's command when the
// message is it; false for any other message.
bool AnswerRosterEntry(HWND window, UINT message, WPARAM wParam);

}  // namespace roster
