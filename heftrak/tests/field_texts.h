// Field texts by id for the evaluations, built up fluently; a test names
// only the fields it fills.
#pragma once

#include <cstddef>

#include "heftrak/core/evaluation.h"
#include "heftrak/core/fields.h"
#include "heftrak/core/window_model.h"

namespace heftrak {

struct Fields {
  FieldTexts texts{};
  Fields& Set(FieldId field, const char* text) {
    texts[static_cast<std::size_t>(field)] = text;
    return *this;
  }
  Fields& Screen(const char* age, const char* sex, const char* whole, const char* hundredths,
                 const char* weight) {
    return Set(kAge, age)
        .Set(kSex, sex)
        .Set(kHeightWhole, whole)
        .Set(kHeightHundredths, hundredths)
        .Set(kWeight, weight);
  }
  Fields& Male(int site, int reading, const char* whole, const char* hundredths) {
    return Set(MaleReadingWhole(site, reading), whole)
        .Set(HundredthsOf(MaleReadingWhole(site, reading)), hundredths);
  }
  Fields& Female(int site, int reading, const char* whole, const char* hundredths) {
    return Set(FemaleReadingWhole(site, reading), whole)
        .Set(HundredthsOf(FemaleReadingWhole(site, reading)), hundredths);
  }
  // The window's fields hold these texts.
  void LoadInto(WindowModel& model) const { model.fields.LoadAll(texts); }
};

// The soldiers the tests measure, Sex left empty for Calculate to fill in.
inline Fields MaleSoldier() {
  // Abdomen 35.00 and neck 15.00 differ by 20.00 (factor 99.48); height 72.00
  // has the factor 80.67: 18.81 % body fat.
  return Fields()
      .Screen("25", "", "72", "00", "")
      .Male(kAbdomen, 0, "35", "00")
      .Male(kAbdomen, 1, "35", "")
      .Male(kMaleNeck, 0, "15", "00");
}

inline Fields FemaleSoldier() {
  // A 157.44 (150 lb) + B 17.58 (hips 40) = C 175.02; D 83.75 (64 in.) +
  // E 39.97 (forearm 10) + F 17.60 (neck 13) + G 3.05 (wrist 6) = H 144.37;
  // I = 30.65 %.
  return Fields()
      .Screen("30", "", "64", "00", "150")
      .Female(kHips, 0, "40", "00")
      .Female(kForearm, 0, "10", "00")
      .Female(kForearm, 2, "10", "00")
      .Female(kFemaleNeck, 1, "13", "00")
      .Female(kWrist, 0, "6", "00");
}

}  // namespace heftrak
