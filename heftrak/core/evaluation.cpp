#include "heftrak/core/evaluation.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "heftrak/core/body_fat_limit.h"
#include "heftrak/core/female_factors.h"
#include "heftrak/core/male_factors.h"
#include "heftrak/core/quarter_inch.h"
#include "heftrak/core/screening_table.h"
#include "shell/core/age_sex.h"
#include "shell/core/field_text.h"
#include "shell/core/fixed_format.h"
#include "shell/core/text_format.h"

namespace heftrak {

namespace {

using shell::Align;
using shell::FieldValue;
using shell::ReadField;
using shell::RequestList;

bool OnQuarterGrid(int hundredths) {
  return hundredths == 0 || hundredths == 25 || hundredths == 50 || hundredths == 75;
}

// One evaluation in progress: it reads the fields, keeps the state, and
// appends what the window must do. The end of a command (Print, the message
// with its line below and the alert, the focus) always comes in the same
// order, after every write.
class Evaluation {
 public:
  Evaluation(WeightControlState& state, FieldsRead fields, RequestList& requests)
      : state_(state), fields_(fields), requests_(requests) {}

  FieldValue Read(FieldId field) const {
    return ReadField(fields_[static_cast<std::size_t>(field)],
                     static_cast<std::size_t>(FieldChars(field)));
  }

  void Write(FieldId field, std::string_view text, shell::Write write) {
    requests_.SetText(field, text, write);
  }

  void WriteFigure(FieldId field, float value, int width, Align align) {
    requests_.SetFigure(field, value, width, align);
  }

  // The hundredths of a split inch figure. "5" means .50 (it is taken as 50 and
  // the field rewritten), while "05" stays 5 and fails the quarter-inch check;
  // 0 is rewritten "00" when `rewriteZero` holds.
  int Hundredths(FieldId field, bool rewriteZero, shell::Write write) {
    const FieldValue value = Read(field);
    if (value.number == 5 && value.text[0] != '0') {
      Write(field, "50", write);
      return 50;
    }
    if (value.number == 0 && rewriteZero) {
      Write(field, "00", write);
    }
    return value.number;
  }

  // The evaluation has something to evaluate: the prompt box is cleared.
  void Begin() { requests_.ClearMessage(); }

  // A message that ends the evaluation, with the alert and the field to
  // correct (or the field to go on from).
  void Stop(MessageCode message, FieldId focus) {
    message_ = message;
    focus_ = focus;
    Finish();
  }

  // The end of the command, in the order the clerk sees it.
  void Finish() {
    finished_ = true;
    if (printEnabled) {
      requests_.EnablePrint(true);
    }
    if (switchMaleOnlyOff && state_.maleOnly) {
      state_.maleOnly = false;
      requests_.MaleOnly(false);
    }
    if (message_ != kNoMessage) {
      requests_.ShowMessage(message_);
    }
    // After the message: showing one redraws the whole prompt box.
    if (extraLine_ != nullptr) {
      requests_.ExtraLine(extraLine_, extraNumber_, extraFigure_);
    }
    if (message_ != kNoMessage) {
      requests_.Alert();
      requests_.Focus(focus_);
    }
  }

  // The line below the message, made from these figures when it is read.
  void SetExtraLine(shell::TextMaker line, int number, float figure) {
    extraLine_ = line;
    extraNumber_ = number;
    extraFigure_ = figure;
  }

  // Stopped or finished: nothing more is shown.
  bool finished() const { return finished_; }

  bool printEnabled = false;
  bool switchMaleOnlyOff = false;  // a female result switches Male Only off

 private:
  WeightControlState& state_;
  FieldsRead fields_;
  RequestList& requests_;
  MessageCode message_ = kNoMessage;
  FieldId focus_ = kSex;
  shell::TextMaker extraLine_ = nullptr;
  int extraNumber_ = 0;
  float extraFigure_ = 0;
  bool finished_ = false;
};

// What FormatText wrote of a line: all of it that fits.
std::size_t Written(int length, std::size_t size) {
  return length < 0 ? 0 : std::min(static_cast<std::size_t>(length), size - 1);
}

std::size_t MaxWeightLine(char* buffer, std::size_t size, int maxWeight, float /*figure*/) {
  return Written(shell::FormatText(buffer, size, "Max allowable weight: %d lbs.", maxWeight), size);
}

std::size_t BodyFatLimitLine(char* buffer, std::size_t size, int /*number*/, float limit) {
  char figure[16];
  shell::FormatFixed(figure, sizeof figure, limit, 1, 4, Align::Left);
  return Written(shell::FormatText(buffer, size, "Max percent body fat: %s%%.", figure), size);
}

// Reads the height into the state; false when its hundredths are off the grid.
bool ReadHeight(Evaluation& eval, WeightControlState& state) {
  state.heightWhole = eval.Read(kHeightWhole).number;
  state.heightHundredths = eval.Hundredths(kHeightHundredths, true, shell::Write::Rewrite);
  state.height =
      static_cast<float>(state.heightWhole) + static_cast<float>(state.heightHundredths) / 100.0f;
  return OnQuarterGrid(state.heightHundredths);
}

template <std::size_t Sites>
using Readings = std::array<std::array<CircumferenceReading, kReadingsPerSite>, Sites>;

int EnteredCount(const Evaluation& eval, FieldId (*whole)(int, int), int site) {
  int count = 0;
  for (int k = 0; k < kReadingsPerSite; ++k) {
    count += eval.Read(whole(site, k)).empty() ? 0 : 1;
  }
  return count;
}

template <std::size_t Sites>
void ReadReadings(Evaluation& eval, Readings<Sites>& readings, FieldId (*whole)(int, int)) {
  for (int k = 0; k < kReadingsPerSite; ++k) {
    for (int site = 0; site < static_cast<int>(Sites); ++site) {
      CircumferenceReading& reading =
          readings[static_cast<std::size_t>(site)][static_cast<std::size_t>(k)];
      const FieldValue wholeValue = eval.Read(whole(site, k));
      reading.entered = !wholeValue.empty();
      reading.whole = wholeValue.number;
      reading.hundredths =
          eval.Hundredths(HundredthsOf(whole(site, k)), reading.whole != 0, shell::Write::Edit);
    }
  }
}

// The first bad measurement, in reading order and then site order: a reading
// of 0 whole inches (no tape reading is under an inch, and averaging one in
// would halve its site), or hundredths off the grid.
template <std::size_t Sites>
std::optional<FieldId> FirstBadReading(const Readings<Sites>& readings,
                                       FieldId (*whole)(int, int)) {
  for (int k = 0; k < kReadingsPerSite; ++k) {
    for (int site = 0; site < static_cast<int>(Sites); ++site) {
      const CircumferenceReading& reading =
          readings[static_cast<std::size_t>(site)][static_cast<std::size_t>(k)];
      if (reading.entered && reading.whole == 0) {
        return whole(site, k);
      }
      if (!OnQuarterGrid(reading.hundredths)) {
        return HundredthsOf(whole(site, k));
      }
    }
  }
  return std::nullopt;
}

// The first entered reading of a calculator's first site, where checking the
// measurements starts.
template <std::size_t Sites>
FieldId FirstReading(const Readings<Sites>& readings, FieldId (*whole)(int, int)) {
  for (int k = 0; k < kReadingsPerSite; ++k) {
    if (readings[0][static_cast<std::size_t>(k)].entered) {
      return whole(0, k);
    }
  }
  return whole(0, 0);
}

// Readings of one site agree when every pair of non-zero readings differs by
// a quarter inch at most. On disagreement: the first reading with a value.
std::optional<int> Disagreement(const std::array<CircumferenceReading, kReadingsPerSite>& site) {
  static constexpr int kPairs[3][2] = {{0, 1}, {1, 2}, {2, 0}};
  for (const auto& pair : kPairs) {
    const float a = site[static_cast<std::size_t>(pair[0])].value();
    const float b = site[static_cast<std::size_t>(pair[1])].value();
    if (a != 0.0f && b != 0.0f && std::fabs(a - b) > 0.25f) {
      for (int k = 0; k < kReadingsPerSite; ++k) {
        if (site[static_cast<std::size_t>(k)].value() != 0.0f) {
          return k;
        }
      }
    }
  }
  return std::nullopt;
}

float Average(const std::array<CircumferenceReading, kReadingsPerSite>& site) {
  int count = 0;
  float sum = 0.0f;
  for (const CircumferenceReading& reading : site) {
    count += reading.entered ? 1 : 0;
    if (reading.contributes()) {
      sum += reading.value();
    }
  }
  // Only sites with an entered reading are averaged; guard all the same.
  return count == 0 ? 0.0f : RoundToQuarterInch(sum / static_cast<float>(count));
}

// The male figures, from the readings and the height.
void CalculateMale(WeightControlState& state) {
  for (int site = 0; site < kMaleSites; ++site) {
    state.maleAverages[static_cast<std::size_t>(site)] =
        Average(state.maleReadings[static_cast<std::size_t>(site)]);
  }
  state.difference = state.maleAverages[kAbdomen] - state.maleAverages[kMaleNeck];
  state.abdomenNeckFactor = AbdomenNeckFactor(state.difference);
  state.heightFactor = MaleHeightFactor(state.height);
  state.percentBodyFat = state.abdomenNeckFactor - state.heightFactor;
}

// Puts the male result on the window.
void ShowMale(Evaluation& eval, WeightControlState& state) {
  state.sex = 'M';
  eval.WriteFigure(kMaleAverageAbdomen, state.maleAverages[kAbdomen], 5, Align::Left);
  eval.WriteFigure(kMaleAverageNeck, state.maleAverages[kMaleNeck], 5, Align::Left);
  eval.WriteFigure(kMaleDifference, state.difference, 5, Align::Left);
  eval.WriteFigure(kMaleAbdomenNeckFactor, state.abdomenNeckFactor, 6, Align::Right);
  eval.WriteFigure(kMaleHeightFactor, state.heightFactor, 5, Align::Left);
  eval.WriteFigure(kMaleBodyFat, state.percentBodyFat, 5, Align::Left);
  // Last, so that the Sex field is the window's focus target afterwards.
  eval.Write(kSex, "M", shell::Write::Rewrite);
  state.bodyFatShown = true;
  state.bodyFatFromMale = true;
}

// The female factors, from the readings, the weight and the height.
void CalculateFemale(WeightControlState& state) {
  for (int site = 0; site < kFemaleSites; ++site) {
    state.femaleAverages[static_cast<std::size_t>(site)] =
        Average(state.femaleReadings[static_cast<std::size_t>(site)]);
  }
  FemaleFactors& f = state.female;
  f.weight = WeightFactor(state.weight);
  f.hip = HipFactor(state.femaleAverages[kHips]);
  f.height = FemaleHeightFactor(state.height);
  f.forearm = ForearmFactor(state.femaleAverages[kForearm]);
  f.neck = NeckFactor(state.femaleAverages[kFemaleNeck]);
  f.wrist = WristFactor(state.femaleAverages[kWrist]);
  f.totalAB = f.weight + f.hip;
  f.totalDEFG = ((f.height + f.forearm) + f.neck) + f.wrist;
  f.bodyFat = f.totalAB - f.totalDEFG;
}

// Puts the female result on the window.
void ShowFemale(Evaluation& eval, WeightControlState& state) {
  state.sex = 'F';
  const FemaleFactors& f = state.female;
  for (int site = 0; site < kFemaleSites; ++site) {
    eval.WriteFigure(static_cast<FieldId>(kFemaleAverageHips + site),
                     state.femaleAverages[static_cast<std::size_t>(site)], 5, Align::Right);
  }
  const float factors[] = {f.weight, f.hip,     f.height,    f.forearm, f.neck,
                           f.wrist,  f.totalAB, f.totalDEFG, f.bodyFat};
  int field = kFemaleWeightFactor;
  for (float factor : factors) {
    eval.WriteFigure(static_cast<FieldId>(field++), factor, 5, Align::Left);
  }
  eval.Write(kSex, "F", shell::Write::Rewrite);
  state.bodyFatShown = true;
  state.bodyFatFromMale = false;
  eval.switchMaleOnlyOff = true;
}

// Check, once there is a height: age and sex, the height on the quarter-inch
// grid; the weight is judged once the figures are derived (ShowScreening).
void Screen(Evaluation& eval, WeightControlState& state) {
  if (!state.ageSexValidated) {
    int age = 0;
    char sex = '\0';
    switch (shell::CheckAgeAndSex(eval.Read(kAge), eval.Read(kSex), age, sex)) {
      case shell::AgeSexCheck::NoAge:
        return eval.Stop(kEnterAge, kAge);
      case shell::AgeSexCheck::NoSex:
        return eval.Stop(kEnterSex, kSex);
      case shell::AgeSexCheck::AgeOutOfRange:
        return eval.Stop(kAgeOutOfRange, kAge);
      case shell::AgeSexCheck::Accepted:
        break;
    }
    state.age = age;
    state.sex = sex;
    state.ageSexValidated = true;
  }

  const bool heightOnGrid = ReadHeight(eval, state);
  state.weight = eval.Read(kWeight).number;
  if (!heightOnGrid) {
    return eval.Stop(kHeightNotQuarter, kHeightHundredths);
  }

  // On the window once the height's rewrite is.
  state.screeningShown = true;
  eval.printEnabled = true;
}

// The weight against the screening table's maximum, derived from the
// figures Screen read.
void ShowScreening(Evaluation& eval, const WeightControlState& state) {
  eval.SetExtraLine(&MaxWeightLine, state.maxWeight, 0);
  if (state.weight == 0) {
    return eval.Finish();  // only the maximum is shown: no verdict
  }
  if (state.screeningWithin) {
    return eval.Stop(kWithinWeight, kSex);
  }
  // Taping starts at the first reading of the soldier's calculator.
  return eval.Stop(kNotWithinWeight,
                   state.sex == 'M' ? MaleReadingWhole(kAbdomen, 0) : FemaleReadingWhole(kHips, 0));
}

// Calculate, once a calculator is chosen: the age and height, then the
// readings, their agreement, and the percent body fat shown; it is judged
// against the limit once the figures are derived (JudgeBodyFat).
void Calculate(Evaluation& eval, WeightControlState& state, bool male) {
  const bool female = !male;
  const FieldValue age = eval.Read(kAge);
  switch (shell::CheckAge(age)) {
    case shell::AgeSexCheck::NoAge:
      return eval.Stop(kEnterAge, kAge);
    case shell::AgeSexCheck::AgeOutOfRange:
      return eval.Stop(kAgeOutOfRange, kAge);
    default:
      break;
  }
  state.age = age.number;
  if (eval.Read(kHeightWhole).empty()) {
    return eval.Stop(kEnterHeight, kHeightWhole);
  }
  const FieldValue weight = eval.Read(kWeight);
  if (female && weight.empty()) {
    return eval.Stop(kEnterWeight, kWeight);
  }
  if (female) {
    state.weight = weight.number;
  }
  if (!ReadHeight(eval, state)) {
    return eval.Stop(kHeightNotQuarter, kHeightHundredths);
  }

  std::optional<FieldId> offGrid;
  if (male) {
    ReadReadings<kMaleSites>(eval, state.maleReadings, MaleReadingWhole);
    offGrid = FirstBadReading<kMaleSites>(state.maleReadings, MaleReadingWhole);
  } else {
    ReadReadings<kFemaleSites>(eval, state.femaleReadings, FemaleReadingWhole);
    offGrid = FirstBadReading<kFemaleSites>(state.femaleReadings, FemaleReadingWhole);
  }
  if (offGrid) {
    return eval.Stop(kReadingNotQuarter, *offGrid);
  }

  const int sites = male ? kMaleSites : kFemaleSites;
  for (int site = 0; site < sites; ++site) {
    const auto& readings = male ? state.maleReadings[static_cast<std::size_t>(site)]
                                : state.femaleReadings[static_cast<std::size_t>(site)];
    if (const std::optional<int> first = Disagreement(readings)) {
      // The report can be printed even when the readings disagree.
      eval.printEnabled = true;
      return eval.Stop(kReadingsDisagree,
                       male ? MaleReadingWhole(site, *first) : FemaleReadingWhole(site, *first));
    }
  }

  // No body can hold less than no fat: readings that say so were mistaken
  // (swapped, say), and such a figure must neither pass the soldier nor
  // reach a report.
  // The figures are kept as computed, as a stop keeps whatever came before
  // it; not marked shown, they are never shown or printed.
  if (male) {
    CalculateMale(state);
  } else {
    CalculateFemale(state);
  }
  if (BodyFatBelowZero(male ? state.percentBodyFat : state.female.bodyFat)) {
    return eval.Stop(kBodyFatBelowZero,
                     male ? FirstReading(state.maleReadings, MaleReadingWhole)
                          : FirstReading(state.femaleReadings, FemaleReadingWhole));
  }
  eval.printEnabled = true;
  if (male) {
    ShowMale(eval, state);
  } else {
    ShowFemale(eval, state);
  }
  state.ageSexValidated = true;
}

// The percent body fat Calculate showed against the limit, derived from
// the age and the sex it settled.
void JudgeBodyFat(Evaluation& eval, WeightControlState& state, bool male) {
  const float bodyFat = male ? state.percentBodyFat : state.female.bodyFat;
  state.bodyFatWithin = WithinBodyFatLimit(bodyFat, state.bodyFatLimit);
  eval.SetExtraLine(&BodyFatLimitLine, 0, state.bodyFatLimit);
  return eval.Stop(state.bodyFatWithin ? kWithinBodyFat : kNotWithinBodyFat, kSex);
}

}  // namespace

void DeriveFigures(WeightControlState& state) {
  // 70.50 screens as 71 inches, 70.25 as 70.
  state.screeningHeight = state.heightWhole + (state.heightHundredths >= 50 ? 1 : 0);
  state.maxWeight = state.sex == 'M' ? MaleMaxWeight(state.age, state.screeningHeight)
                                     : FemaleMaxWeight(state.age, state.screeningHeight);
  state.screeningWithin = state.weight <= state.maxWeight;
  state.bodyFatLimit = MaxBodyFat(state.age, state.sex);
}

bool WithinBodyFatLimit(float percentBodyFat, float limit) {
  return shell::RoundToPlaces(percentBodyFat, 2) <= shell::RoundToPlaces(limit, 2);
}

bool BodyFatBelowZero(float percentBodyFat) {
  return shell::RoundToPlaces(percentBodyFat, 2) < 0;
}

void CheckScreening(WeightControlState& state, FieldsRead fields, RequestList& requests) {
  Evaluation eval(state, fields, requests);
  if (!eval.Read(kHeightWhole).empty()) {
    eval.Begin();
    Screen(eval, state);
    // Once, whatever Screen stopped at; the verdict reads what it derives.
    DeriveFigures(state);
    if (!eval.finished()) {
      ShowScreening(eval, state);
    }
  }
  requests.FocusTarget();
}

void CalculateBodyFat(WeightControlState& state, FieldsRead fields, RequestList& requests) {
  Evaluation eval(state, fields, requests);
  bool male = true;
  for (int site = 0; site < kMaleSites; ++site) {
    male = male && EnteredCount(eval, MaleReadingWhole, site) > 0;
  }
  bool female = !male;
  for (int site = 0; female && site < kFemaleSites; ++site) {
    female = EnteredCount(eval, FemaleReadingWhole, site) > 0;
  }
  if (male || female) {
    eval.Begin();
    Calculate(eval, state, male);
    DeriveFigures(state);
    if (!eval.finished()) {
      JudgeBodyFat(eval, state, male);
    }
  }
  requests.FocusTarget();
}

}  // namespace heftrak
