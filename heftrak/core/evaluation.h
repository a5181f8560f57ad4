// HEFTRAK's two evaluations: Check (the screening-table weight) and Calculate
// (percent body fat from tape readings). They read the texts of the window's
// fields, validate them in a fixed order and say what the window must show;
// they never touch a window themselves.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "heftrak/core/field_ids.h"
#include "heftrak/core/messages.h"

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
  bool screeningWithin = false;
  bool bodyFatWithin = false;
  bool screeningShown = false;
  bool bodyFatShown = false;
  bool ageSexValidated = false;
  // The age the chart dialogs show: the Age field's number limited to
  // 17..70, or -1 when the field is empty. Set just before a chart opens.
  int chartAge = -1;
};

// Room for any text an evaluation writes into a field (at most "-123.45").
inline constexpr std::size_t kFieldTextCapacity = 12;

enum class WriteKind {
  Rewrite,  // an entry field the window rewrites with its change reaction suppressed
  Edit,     // an entry field rewrite that counts as an edit of that field
  Result,   // a result field
};

struct FieldWrite {
  FieldId field = kAge;
  std::array<char, kFieldTextCapacity> text{};
  WriteKind kind = WriteKind::Result;
};

// The line an evaluation adds two lines below the message in the prompt box.
enum class ExtraLine { None, MaxWeight, MaxBodyFat };

struct EvaluationResult {
  // False when the command found nothing to evaluate: the window changes
  // nothing and gives the focus back to its focus target.
  bool evaluated = false;
  bool promptCleared = false;
  MessageCode message = kNoMessage;  // every message comes with the alert
  bool alert = false;
  std::optional<FieldId> focus;  // empty: the window's focus target
  bool printEnabled = false;
  bool switchMaleOnlyOff = false;  // a female result switches Male Only off
  ExtraLine extraLine = ExtraLine::None;
  std::array<char, 48> extraLineText{};
  // Field texts to set, in the order the window must set them.
  std::array<FieldWrite, 40> writes{};
  std::size_t writeCount = 0;
};

// The texts of the sixty fields, indexed by FieldId. A field may hold any
// text (pasting bypasses the key filter); only its first characters are read.
using FieldTexts = std::array<std::string_view, kMainFieldCount>;

EvaluationResult CheckScreening(WeightControlState& state, const FieldTexts& fields);
EvaluationResult CalculateBodyFat(WeightControlState& state, const FieldTexts& fields);

// Within the body-fat limit, judged on the figure the user sees: the percent
// body fat rounded to hundredths. Summing two-decimal factors in single
// precision can leave a result a hair above an exact limit (30.000002 for a
// shown 30.00), and the verdict must agree with the figure printed beside it.
bool WithinBodyFatLimit(float percentBodyFat, float limit);

}  // namespace heftrak
