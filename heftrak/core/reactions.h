// How the weight control window answers edits and focus moves, and the age
// the chart dialogs open with: the rules, apart from the window that carries
// them out.
#pragma once

#include <optional>
#include <string_view>

#include "heftrak/core/field_ids.h"
#include "heftrak/core/messages.h"

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

// What the window knows when a field reports a change of its text.
struct ChangeFlags {
  bool rewriting = false;   // the window rewrites a field after an evaluation
  bool settingSex = false;  // Male Only or Clear puts "M" into Sex
  bool maleOnly = false;
  bool screeningShown = false;
  bool bodyFatShown = false;
  bool bodyFatFromMale = false;  // which calculator the shown body fat came from
};

struct ChangeActions {
  bool switchMaleOnlyOff = false;  // a forced toggle
  bool invalidateAgeSex = false;   // the next Check reads Age and Sex again
  bool disablePrint = false;
  bool hideScreening = false;  // screening shown = false
  bool hideBodyFat = false;    // body fat shown = false
  bool showStartPrompt = false;
  bool emptyMaleResults = false;
  bool emptyFemaleResults = false;
  friend bool operator==(const ChangeActions&, const ChangeActions&) = default;
};

// The change reaction of one field (the window makes the field its focus
// target first, whatever the flags). A result the edit no longer matches is
// taken off the window, and with it the report.
ChangeActions ChangeReaction(int field, const ChangeFlags& flags);

// The prompt for a focus move the user made from `from` (-1: none yet) to
// `to`: the calculator's prompt on entering it, the start prompt on coming
// back to the Weight Screen from a calculator; nothing otherwise.
std::optional<MessageCode> FocusPrompt(int from, int to);

// The age a chart dialog opens with: -1 when the Age field is empty,
// otherwise its number limited to 17..70.
int ChartAge(std::string_view ageText);

}  // namespace heftrak
