#include "shell/core/age_sex.h"

namespace shell {

char SexLetter(std::string_view sexField) {
  if (sexField.empty()) {
    return '\0';
  }
  switch (sexField[0]) {
    case 'M':
    case 'm':
      return 'M';
    case 'F':
    case 'f':
      return 'F';
    default:
      return '\0';
  }
}

AgeSexCheck CheckAge(const FieldValue& ageField) {
  if (ageField.empty()) {
    return AgeSexCheck::NoAge;
  }
  return AgeInRange(ageField.number) ? AgeSexCheck::Accepted : AgeSexCheck::AgeOutOfRange;
}

AgeSexCheck CheckAgeAndSex(const FieldValue& ageField, const FieldValue& sexField, int& age,
                           char& sex) {
  if (ageField.empty()) {
    return AgeSexCheck::NoAge;
  }
  const char letter = SexLetter(sexField.text);
  if (letter == '\0') {
    return AgeSexCheck::NoSex;
  }
  const AgeSexCheck ageCheck = CheckAge(ageField);
  if (ageCheck == AgeSexCheck::Accepted) {
    age = ageField.number;
    sex = letter;
  }
  return ageCheck;
}

}  // namespace shell
