// Reading the text of an entry field the way the calculators do: only its first
// few characters count, and a number is the run of leading decimal digits.
#pragma once

#include <cstddef>
#include <string_view>

namespace shell {

// What the program reads from a field: at most `maxChars` characters of it.
// A field can hold anything (pasting bypasses the key filter), so the reader
// never trusts the text's length or content.
struct FieldValue {
  std::string_view text;  // the characters read, at most maxChars of them
  int number = 0;         // their leading decimal digits; 0 when there are none
  bool empty() const { return text.empty(); }
};

// Inline: an evaluation reads a few dozen fields, and a roster runs
// evaluations for each of its rows.
inline FieldValue ReadField(std::string_view fieldText, std::size_t maxChars) {
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
