// How the fitness test window answers what is not Calculate: an edit of an
// entry field wipes the results that no longer match it, Clear empties the
// test, and "Male Only" switches. Each decides on the state and appends what
// the window must do; the window replays it.
#pragma once

#include "shell/core/requests.h"
#include "vorna/core/test_state.h"

namespace vorna {

// Whose change a field's change notification reports.
enum class ChangeBy {
  Clerk,         // typed, cut, pasted, or emptied by Clear
  Rewrite,       // Calculate completing a run time it has just scored
  KeepMaleOnly,  // "M" written into Sex (or Sex emptied) for "Male Only"
};

// The change notification of entry field `field`.
void FieldChanged(TestState& state, int field, ChangeBy by, shell::RequestList& requests);

// Clear (command 12): every entry field emptied (Sex keeps "M" while "Male
// Only" is on), the chart and the message line with them.
void ClearTest(TestState& state, shell::RequestList& requests);

// "Male Only" switched over; `sexInField` is the letter the Sex field holds
// ('\0' for none).
void ToggleMaleOnly(TestState& state, char sexInField, shell::RequestList& requests);

}  // namespace vorna
