// How the weight control window answers what is not Check or Calculate: an
// edit takes down the results it no longer matches, a focus move brings a
// calculator's prompt, the two Clears, "Male Only", and the age the chart
// dialogs open with. Each decides on the state and appends what the window
// must do; the window replays it.
#pragma once

#include <optional>
#include <string_view>

#include "heftrak/core/evaluation.h"
#include "heftrak/core/field_ids.h"
#include "heftrak/core/messages.h"
#include "shell/core/requests.h"

namespace heftrak {

// A run of result fields the window empties together.
struct FieldRange {
  FieldId first;
  FieldId last;
};
inline constexpr FieldRange kMaleResults{kMaleAverageAbdomen, kMaleBodyFat};     // 17..22
inline constexpr FieldRange kFemaleResults{kFemaleAverageHips, kFemaleBodyFat};  // 47..59

constexpr bool InRange(int field, int first, int last) {
  return field >= first && field <= last;
}
constexpr bool IsScreeningField(int field) {
  return InRange(field, kAge, kWeight);
}
constexpr bool IsMaleReading(int field) {
  return InRange(field, kMaleReadingsFirst, kMaleAverageAbdomen - 1);  // 5..16
}
constexpr bool IsFemaleReading(int field) {
  return InRange(field, kFemaleReadingsFirst, kFemaleAverageHips - 1);  // 23..46
}

// The read-only fields the window writes its results into.
constexpr bool IsResultField(int field) {
  return InRange(field, kMaleResults.first, kMaleResults.last) ||
         InRange(field, kFemaleResults.first, kFemaleResults.last);
}

// Whose change a field's change notification reports.
enum class ChangeBy {
  Clerk,         // typed, cut, pasted, or emptied by a Clear
  Rewrite,       // the window completing what was typed ("5" to "50"), or a result
  KeepMaleOnly,  // Sex written or emptied for "Male Only"
};

// The change notification of field `field`: it becomes the focus target (an
// entry field only), and a result it no longer matches comes down, with it
// the report.
void FieldChanged(WeightControlState& state, int field, ChangeBy by, shell::RequestList& requests);

// The focus moved from `from` (-1: nowhere yet) to `to`; the prompts answer
// only the clerk's own moves, not the window's.
void FieldFocused(WeightControlState& state, int from, int to, bool byWindow,
                  shell::RequestList& requests);

// Clear (106): the Weight Screen emptied, the results with it.
void ClearWeightScreen(WeightControlState& state, shell::RequestList& requests);

// Clear Calc. (101): both calculators emptied; the Weight Screen stays.
void ClearCalculators(WeightControlState& state, shell::RequestList& requests);

// "Male Only" switched over; `sexInField` is the letter the Sex field holds.
void ToggleMaleOnly(WeightControlState& state, char sexInField, shell::RequestList& requests);

// The prompt for a focus move the clerk made from `from` (-1: none yet) to
// `to`: the calculator's prompt on entering it, the start prompt on coming
// back to the Weight Screen from a calculator; nothing otherwise.
std::optional<MessageCode> FocusPrompt(int from, int to);

// The age a chart dialog opens with: -1 when the Age field is empty,
// otherwise its number limited to the ages the tables hold.
int ChartAge(std::string_view ageText);

}  // namespace heftrak
