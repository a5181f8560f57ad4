#include "heftrak/core/reactions.h"

#include <algorithm>

#include "shell/core/field_text.h"

namespace heftrak {

ChangeActions ChangeReaction(int field, const ChangeFlags& flags) {
  ChangeActions actions;
  if (flags.rewriting) {
    return actions;
  }
  if (field == kSex && flags.maleOnly && !flags.settingSex) {
    actions.switchMaleOnlyOff = true;
  }
  if (field == kAge || field == kSex) {
    actions.invalidateAgeSex = true;
  }
  if (IsScreeningField(field)) {
    if (flags.screeningShown) {
      actions.disablePrint = true;
      actions.hideScreening = true;
      actions.showStartPrompt = true;
    }
    if (flags.bodyFatShown) {
      actions.disablePrint = true;
      actions.hideBodyFat = true;
      actions.showStartPrompt = true;
      actions.emptyMaleResults = true;
      actions.emptyFemaleResults = true;
    }
  } else if (flags.bodyFatShown && (IsMaleReading(field) || IsFemaleReading(field))) {
    // Even with a screening verdict still standing, the report would print
    // a body fat that no longer matches the readings.
    actions.disablePrint = true;
    actions.emptyMaleResults = IsMaleReading(field);
    actions.emptyFemaleResults = IsFemaleReading(field);
    // An edit in the other calculator empties only that one's old figures;
    // the shown result still matches its readings and must still come down
    // when one of those is edited.
    actions.hideBodyFat = IsMaleReading(field) == flags.bodyFatFromMale;
  }
  return actions;
}

std::optional<MessageCode> FocusPrompt(int from, int to) {
  if (IsMaleReading(to) && !IsMaleReading(from)) {
    return kMaleCalculatorPrompt;
  }
  if (IsFemaleReading(to) && !IsFemaleReading(from)) {
    return kFemaleCalculatorPrompt;
  }
  if (IsScreeningField(to) && InRange(from, kMaleReadingsFirst, kFemaleTotalDEFG)) {
    return kStartPrompt;
  }
  return std::nullopt;
}

int ChartAge(std::string_view ageText) {
  const shell::FieldValue age =
      shell::ReadField(ageText, static_cast<std::size_t>(FieldChars(kAge)));
  if (age.empty()) {
    return -1;
  }
  return std::clamp(age.number, 17, 70);
}

}  // namespace heftrak
