#include "heftrak/core/reactions.h"

#include <algorithm>

#include "shell/core/age_sex.h"
#include "shell/core/field_text.h"
#include "shell/core/male_only.h"

namespace heftrak {

namespace {

using shell::RequestList;
using shell::Write;

void EmptyResults(FieldRange results, RequestList& requests) {
  for (int id = results.first; id <= results.last; ++id) {
    requests.SetText(id, "", Write::Rewrite);
  }
}

}  // namespace

void FieldChanged(WeightControlState& state, int field, Write write, RequestList& requests) {
  if (write == Write::Rewrite) {
    return;  // the program's completion or result: the figures count it already
  }
  shell::EndMaleOnlyOnClerksSex(state.maleOnly, field, write, kSex, requests);
  if (field == kAge || field == kSex) {
    state.ageSexValidated = false;  // the next Check reads both again
  }
  bool disablePrint = false;
  bool startPrompt = false;
  bool emptyMale = false;
  bool emptyFemale = false;
  if (IsScreeningField(field)) {
    if (state.screeningShown) {
      disablePrint = startPrompt = true;
      state.screeningShown = false;
    }
    if (state.bodyFatShown) {
      disablePrint = startPrompt = emptyMale = emptyFemale = true;
      state.bodyFatShown = false;
    }
  } else if (state.bodyFatShown && (IsMaleReading(field) || IsFemaleReading(field))) {
    // Even with a screening verdict still standing, the report would print
    // a body fat that no longer matches the readings.
    disablePrint = true;
    emptyMale = IsMaleReading(field);
    emptyFemale = IsFemaleReading(field);
    // An edit in the other calculator empties only that one's old figures;
    // the shown result still matches its readings and must still come down
    // when one of those is edited.
    if (IsMaleReading(field) == state.bodyFatFromMale) {
      state.bodyFatShown = false;
    }
  }
  if (disablePrint) {
    requests.EnablePrint(false);
  }
  if (startPrompt) {
    requests.ShowMessage(kStartPrompt);
  }
  if (emptyMale) {
    EmptyResults(kMaleResults, requests);
  }
  if (emptyFemale) {
    EmptyResults(kFemaleResults, requests);
  }
}

void FieldFocused(int from, int to, bool byProgram, RequestList& requests) {
  if (byProgram) {
    return;  // a verdict just painted stays on the window
  }
  if (const std::optional<MessageCode> prompt = FocusPrompt(from, to)) {
    requests.ShowMessage(*prompt);
  }
}

void ClearWeightScreen(WeightControlState& state, RequestList& requests) {
  requests.EnablePrint(false);
  state.weight = 0;
  shell::EmptyForClear(state.maleOnly, kAge, kWeight, kSex, requests);
  EmptyResults(kMaleResults, requests);
  EmptyResults(kFemaleResults, requests);
  // After the reactions above, which answer a result still on the window.
  state.ageSexValidated = false;
  state.screeningShown = false;
  state.bodyFatShown = false;
  DeriveFigures(state);
  requests.Focus(kSex);
}

void ClearCalculators(WeightControlState& state, RequestList& requests) {
  state.bodyFatShown = false;
  requests.EnablePrint(false);
  for (int id = kMaleReadingsFirst; id < kMaleAverageAbdomen; ++id) {
    requests.EmptyField(id);
  }
  EmptyResults(kMaleResults, requests);
  for (int id = kFemaleReadingsFirst; id < kFemaleAverageHips; ++id) {
    requests.EmptyField(id);
  }
  EmptyResults(kFemaleResults, requests);
  requests.Focus(kSex);
}

void ToggleMaleOnly(WeightControlState& state, std::string_view sexText, RequestList& requests) {
  shell::ToggleMaleOnly(state.maleOnly, state.sex, sexText, kSex, requests);
  DeriveFigures(state);  // the sex may have changed
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
  return std::clamp(age.number, shell::kYoungestAge, shell::kOldestAge);
}

}  // namespace heftrak
