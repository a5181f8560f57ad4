// The sixty fields of the weight control window (their ids are in the
// program's id map), the readings among them, and how many characters each
// field holds.
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
  const bool twoDigits = (field >= kAge && field < kMaleAverageAbdomen) ||
                         (field >= kFemaleReadingsFirst && field < kFemaleAverageHips);
  if (twoDigits) {
    return 2;
  }
  const bool result = (field >= kMaleAverageAbdomen && field < kFemaleReadingsFirst) ||
                      (field >= kFemaleAverageHips && field < kMainFieldCount);
  return result ? kResultChars : shell::PrintDialogFieldChars(kPrintDialogIds, field);
}

}  // namespace heftrak
