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
  int number = 0;
  for (const char c : value.text) {
    const unsigned digit = static_cast<unsigned char>(c) - unsigned{'0'};
    // maxChars is small for every field (at most 3), but a careless caller
    // must not be able to overflow the number either.
    if (digit > 9 || number > 99'999'999) {
      break;
    }
    number = number * 10 + static_cast<int>(digit);
  }
  value.number = number;
  return value;
}

}  // namespace shell
