// The soldier's age and sex, checked by both calculators in the order the
// clerk is asked for them: the age, then the sex, then whether the age lies
// within the tables. Each program words its own messages.
#pragma once

#include <string_view>

#include "shell/core/field_text.h"

namespace shell {

inline constexpr int kYoungestAge = 17;
inline constexpr int kOldestAge = 70;

constexpr bool AgeInRange(int age) {
  return age >= kYoungestAge && age <= kOldestAge;
}

enum class AgeSexCheck { Accepted, NoAge, NoSex, AgeOutOfRange };

// 'M' or 'F' for a Sex field holding either letter in either case; '\0' for
// an empty field or anything else (only a program's own write could put
// another letter there, and it is no sex at all).
char SexLetter(std::string_view sexField);

// Age first, then sex, then the age's range. On Accepted, `age` and `sex`
// hold what was read.
AgeSexCheck CheckAgeAndSex(const FieldValue& ageField, const FieldValue& sexField, int& age,
                           char& sex);

// The age alone, where the sex is not asked for: empty, then its range.
AgeSexCheck CheckAge(const FieldValue& ageField);

}  // namespace shell
