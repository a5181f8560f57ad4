// How the fitness test window answers what is not Calculate: an edit of an
// entry field wipes the results that no longer match it, a focus move brings
// the scoring chart, Clear empties the test, and "Male Only" switches. Each
// decides on the state and appends what the window must do.
#pragma once

#include <string_view>

#include "shell/core/requests.h"
#include "vorna/core/evaluation.h"
#include "vorna/core/state.h"

namespace vorna {

// Entry field `field` changed; the write's kind says whose change it is.
void FieldChanged(TestState& state, int field, shell::Write write, shell::RequestList& requests);

// The focus came into entry field `field`, by the clerk or the program: an
// event field lists its chart for the accepted age and sex, Age or Sex takes
// the chart of an age and sex about to change away. `entries` are the
// fields' texts, for an age and sex not accepted yet.
void FieldFocused(TestState& state, const EntryTexts& entries, int field,
                  shell::RequestList& requests);

// Clear (command 12): every entry field emptied (Sex keeps "M" while "Male
// Only" is on), the chart and the message line with them.
void ClearTest(TestState& state, shell::RequestList& requests);

// "Male Only" switched over; `sexText` is what the Sex field holds.
void ToggleMaleOnly(TestState& state, std::string_view sexText, shell::RequestList& requests);

}  // namespace vorna
