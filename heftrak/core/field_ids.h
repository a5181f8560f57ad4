// The sixty fields of the weight control window. A field's id is also its
// control identifier and its index in the window's field table.
#pragma once

#include "shell/core/print_dialog_layout.h"

namespace heftrak {

enum FieldId : int {
  kAge = 0,
  kSex = 1,
  kHeightWhole = 2,
  kHeightHundredths = 3,
  kWeight = 4,
  // Male readings: site r (abdomen, neck), reading k (0..2); the whole-inch
  // field is 5 + 6r + 2k and its hundredths field the next id.
  kMaleReadingsFirst = 5,
  kMaleAverageAbdomen = 17,
  kMaleAverageNeck = 18,
  kMaleDifference = 19,
  kMaleAbdomenNeckFactor = 20,
  kMaleHeightFactor = 21,
  kMaleBodyFat = 22,
  // Female readings: site r (hips, forearm, neck, wrist), reading k (0..2);
  // the whole-inch field is 23 + 6r + 2k and its hundredths field the next id.
  kFemaleReadingsFirst = 23,
  kFemaleAverageHips = 47,
  kFemaleAverageForearm = 48,
  kFemaleAverageNeck = 49,
  kFemaleAverageWrist = 50,
  kFemaleWeightFactor = 51,   // A
  kFemaleHipFactor = 52,      // B
  kFemaleHeightFactor = 53,   // D
  kFemaleForearmFactor = 54,  // E
  kFemaleNeckFactor = 55,     // F
  kFemaleWristFactor = 56,    // G
  kFemaleTotalAB = 57,        // C
  kFemaleTotalDEFG = 58,      // H
  kFemaleBodyFat = 59,        // I
  kMainFieldCount = 60,
};

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
inline constexpr shell::PrintDialogIds kPrintDialogIds = {{61, 62, 63}, 64, 65, 66, 68};
inline constexpr int kFieldSlots = 72;

// How many characters the program reads from a field, and so how many the
// field holds: Age 2, Sex 1, Weight 3, the whole inches and the hundredths
// of a height or reading 2 each; the dialog's as the report prints them.
// The read-only results take what the program writes (0: no limit).
constexpr int FieldChars(int field) {
  if (field == kSex) {
    return 1;
  }
  if (field == kWeight) {
    return 3;
  }
  const bool twoDigits = (field >= kAge && field < kMaleAverageAbdomen) ||
                         (field >= kFemaleReadingsFirst && field < kFemaleAverageHips);
  return twoDigits ? 2 : shell::PrintDialogFieldChars(kPrintDialogIds, field);
}

}  // namespace heftrak
