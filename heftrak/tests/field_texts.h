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

}  // namespace heftrak
