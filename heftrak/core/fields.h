// The sixty fields of the weight control window (their ids are in the
// program's id map): the readings among them, the results, which kind of
// edit control each is, and how many characters each holds.
#pragma once

#include "heftrak/resources/heftrak_ids.h"
#include "shell/core/print_dialog_layout.h"

namespace heftrak {

inline constexpr int kReadingsPerSite = 3;
// The measured sites in their row order on the window.
enum MaleSite : int { kAbdomen = 0, kMaleNeck = 1 };
enum FemaleSite : int { kHips = 0, kForearm = 1, kFemaleNeck = 2, kWrist = 3 };
inline constexpr int kMaleSites = 2;    // abdomen, neck
inline constexpr int kFemaleSites = 4;  // hips, forearm, neck, wrist

constexpr FieldId MaleReadingWhole(int site, int reading) {
  return static_cast<FieldId>(kMaleReadingsFirst + 6 * site + 2 * reading);
}
constexpr FieldId FemaleReadingWhole(int site, int reading) {
  return static_cast<FieldId>(kFemaleReadingsFirst + 6 * site + 2 * reading);
}
constexpr FieldId HundredthsOf(FieldId whole) {
  return static_cast<FieldId>(whole + 1);
}

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

// Fields whose text stands at their right end: made as multi-line edits,
// the only kind that aligns right. The forearm and wrist whole inches, the
// male figures from the difference on and the female factors and totals.
constexpr bool IsRightAligned(int field) {
  const int site = (field - kFemaleReadingsFirst) / 6;
  const bool wholeInches = (field - kFemaleReadingsFirst) % 2 == 0;
  return (IsFemaleReading(field) && wholeInches && (site == kForearm || site == kWrist)) ||
         InRange(field, kMaleDifference, kMaleBodyFat) ||
         InRange(field, kFemaleWeightFactor, kFemaleBodyFat);
}

// The personal data dialog's fields follow the window's in the field table.
inline constexpr shell::PrintDialogIds kPrintDialogIds = {
    {kSsnFirstField, kSsnSecondField, kSsnLastField},
    kLastNameField,
    kFirstNameField,
    kMiddleInitialField,
    kDateField};

// The read-only results: as many characters as the widest figure they show
// ("188.88", "-99.75"). Nothing the clerk types or pastes gets in; the limit
// only keeps them from standing open to 30,000 characters. The program's own
// writes are never cut by it.
inline constexpr int kResultChars = 6;

// How many characters the program reads from a field, and so how many the
// field holds: Age 2, Sex 1, Weight 3, the whole inches and the hundredths
// of a height or reading 2 each; the dialog's as the report prints them.
constexpr int FieldChars(int field) {
  if (field == kSex) {
    return 1;
  }
  if (field == kWeight) {
    return 3;
  }
  if (IsScreeningField(field) || IsMaleReading(field) || IsFemaleReading(field)) {
    return 2;
  }
  return IsResultField(field) ? kResultChars : shell::PrintDialogFieldChars(kPrintDialogIds, field);
}

}  // namespace heftrak
