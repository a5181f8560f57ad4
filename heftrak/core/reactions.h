// How the weight control window answers what is not Check or Calculate: an
// edit takes down the results it no longer matches, a focus move brings a
// calculator's prompt, the two Clears, "Male Only", and the age the chart
// dialogs open with. Each decides on the state and appends what the window
// must do; the window replays it.
#pragma once

#include <optional>
#include <string_view>

#include "heftrak/core/evaluation.h"
#include "heftrak/core/fields.h"
#include "heftrak/core/messages.h"
#include "shell/core/requests.h"

namespace heftrak {

// Field `field` changed (the write's kind says whose change it is): a
// result it no longer matches comes down, with it the report.
void FieldChanged(WeightControlState& state, int field, shell::Write write,
                  shell::RequestList& requests);

// The focus came into `to` from `from` (-1: nowhere yet); the prompts
// answer only the clerk's own moves, not the program's.
void FieldFocused(int from, int to, bool byProgram, shell::RequestList& requests);

// Clear (106): the Weight Screen emptied, the results with it.
void ClearWeightScreen(WeightControlState& state, shell::RequestList& requests);

// Clear Calc. (101): both calculators emptied; the Weight Screen stays.
void ClearCalculators(WeightControlState& state, shell::RequestList& requests);

// "Male Only" switched over; `sexText` is what the Sex field holds.
void ToggleMaleOnly(WeightControlState& state, std::string_view sexText,
                    shell::RequestList& requests);

// The prompt for a focus move the clerk made from `from` (-1: none yet) to
// `to`: the calculator's prompt on entering it, the start prompt on coming
// back to the Weight Screen from a calculator; nothing otherwise.
std::optional<MessageCode> FocusPrompt(int from, int to);

// The age a chart dialog opens with: -1 when the Age field is empty,
// otherwise its number limited to the ages the tables hold.
int ChartAge(std::string_view ageText);

}  // namespace heftrak
