// HEFTRAK's two evaluations: Check (the screening-table weight) and Calculate
// (percent body fat from tape readings). They read the texts of the window's
// fields, validate them in a fixed order and say what the window must show;
// they never touch a window themselves.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "heftrak/core/fields.h"
#include "heftrak/core/messages.h"
#include "shell/core/requests.h"

namespace heftrak {

// One tape reading: a whole-inch field and a hundredths field.
struct CircumferenceReading {
  int whole = 0;         // whole inches as entered
  int hundredths = 0;    // hundredths as entered, after the "50" and "00" rewrites
  bool entered = false;  // the whole-inch field is not empty
  // Readings are averaged only once every entered one has whole inches (no
  // tape reading is under an inch).
  bool contributes() const { return whole != 0; }
  float value() const {
    return static_cast<float>(whole) + static_cast<float>(hundredths) / 100.0f;
  }
};

struct FemaleFactors {
  float weight = 0;     // A
  float hip = 0;        // B
  float totalAB = 0;    // C = A + B
  float height = 0;     // D
  float forearm = 0;    // E
  float neck = 0;       // F
  float wrist = 0;      // G
  float totalDEFG = 0;  // H = ((D + E) + F) + G
  float bodyFat = 0;    // I = C - H
};

// Everything the evaluations read and leave behind, for the life of the window.
struct WeightControlState {
  int age = 0;
  char sex = '\0';  // 'M' or 'F'; '\0' until validated or calculated
  int heightWhole = 0;
  int heightHundredths = 0;
  float height = 0;  // whole + hundredths / 100, for the height factors
  int weight = 0;    // 0: not entered
  std::array<std::array<CircumferenceReading, kReadingsPerSite>, kMaleSites> maleReadings{};
  std::array<std::array<CircumferenceReading, kReadingsPerSite>, kFemaleSites> femaleReadings{};
  std::array<float, kMaleSites> maleAverages{};  // rounded to the quarter inch
  std::array<float, kFemaleSites> femaleAverages{};
  float difference = 0;  // male: abdomen average minus neck average
  float abdomenNeckFactor = 0;
  float heightFactor = 0;    // male height factor
  float percentBodyFat = 0;  // male result
  FemaleFactors female{};
  // What follows from the figures above (DeriveFigures): the whole inches
  // the screening table is read at, its maximum allowable weight, whether
  // the weight is within it, and the body-fat limit of the age and sex.
  int screeningHeight = 0;
  int maxWeight = 0;
  bool screeningWithin = false;
  float bodyFatLimit = 0;
  bool bodyFatWithin = false;  // judged on the percent body fat Calculate showed
  bool screeningShown = false;
  bool bodyFatShown = false;
  bool ageSexValidated = false;
  bool bodyFatFromMale = false;  // which calculator the shown body fat came from
  bool maleOnly = false;         // the "Male Only" option
};

// The texts of the sixty fields, indexed by FieldId. A field may hold any
// text (pasting bypasses the key filter); only its first characters are read.
using FieldTexts = std::array<std::string_view, kMainFieldCount>;
using FieldsRead = std::span<const std::string_view, kMainFieldCount>;

// Check and Calculate: they read the fields as they stood when the command
// began, decide on the state and append what the window must do. A result
// counts as shown once the writes that put it on the window are made, so
// their change reactions cannot take it down again.
void CheckScreening(WeightControlState& state, FieldsRead fields, shell::RequestList& requests);
void CalculateBodyFat(WeightControlState& state, FieldsRead fields, shell::RequestList& requests);

// Works out the figures that follow from the age, sex, height and weight
// the state holds; every command that changes one of those ends with it.
void DeriveFigures(WeightControlState& state);

// Within the body-fat limit, judged on the figure the user sees: the percent
// body fat rounded to hundredths. Summing two-decimal factors in single
// precision can leave a result a hair above an exact limit (30.000002 for a
// shown 30.00), and the verdict must agree with the figure printed beside it.
bool WithinBodyFatLimit(float percentBodyFat, float limit);

// Below zero as the clerk would see it: the percent body fat rounded to
// hundredths, as it is shown and printed, is less than 0.00. A difference of
// two-decimal factors can come out a hair below zero (-0.0000153 for a shown
// 0.00): that is a result, shown as 0.00 with its verdict. No body holds less
// than no fat, so a figure shown below zero means mistaken readings.
bool BodyFatBelowZero(float percentBodyFat);

}  // namespace heftrak
