#include "shell/core/field_text.h"

namespace shell {

FieldValue ReadField(std::string_view fieldText, std::size_t maxChars) {
  FieldValue value;
  value.text = fieldText.substr(0, maxChars);
  for (char c : value.text) {
    if (c < '0' || c > '9') {
      break;
    }
    // maxChars is small for every field (at most 3), but a careless caller
    // must not be able to overflow the number either.
    if (value.number > 99'999'999) {
      break;
    }
    value.number = value.number * 10 + (c - '0');
  }
  return value;
}

}  // namespace shell
