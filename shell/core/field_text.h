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

FieldValue ReadField(std::string_view fieldText, std::size_t maxChars);

}  // namespace shell
