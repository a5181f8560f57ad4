#include "shell/core/field_text.h"

#include <gtest/gtest.h>

#include <string>

namespace shell {
namespace {

struct ReadCase {
  std::string text;
  std::size_t maxChars;
  std::string expectedText;
  int expectedNumber;
};

TEST(ReadField, ReadsOnlyTheStatedCharactersAndTheirLeadingDigits) {
  const ReadCase cases[] = {
      {"", 2, "", 0},      {"7", 2, "7", 7},
      {"25", 2, "25", 25}, {"250", 2, "25", 25},  // a third character is never read
      {"05", 2, "05", 5},  {"5x", 2, "5x", 5},
      {"x5", 2, "x5", 0},  // no leading digit: 0, yet not empty
      {" 5", 2, " 5", 0},  {"999", 3, "999", 999},
      {"M", 1, "M", 0},
  };
  for (const ReadCase& c : cases) {
    const FieldValue value = ReadField(c.text, c.maxChars);
    EXPECT_EQ(value.text, c.expectedText) << '"' << c.text << '"';
    EXPECT_EQ(value.empty(), c.expectedText.empty()) << '"' << c.text << '"';
    EXPECT_EQ(value.number, c.expectedNumber) << '"' << c.text << '"';
  }
}

TEST(ReadField, NeverOverflowsOnLongDigitRuns) {
  const std::string pasted(5000, '9');
  const FieldValue value = ReadField(pasted, pasted.size());
  EXPECT_GT(value.number, 0);
  EXPECT_EQ(value.text.size(), pasted.size());
  EXPECT_EQ(ReadField(pasted, 3).number, 999);
}

}  // namespace
}  // namespace shell
