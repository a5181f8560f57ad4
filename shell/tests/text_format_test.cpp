#include "shell/core/text_format.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <string>
#include <vector>

namespace shell {
namespace {

// A format and its arguments are refused while compiling when they disagree.
static_assert(FormatMatches("Age: %i", {false}));
static_assert(FormatMatches("%-*s|%02d%%", {false, true, false}));
static_assert(!FormatMatches("%s", {false}));
static_assert(!FormatMatches("%d %d", {false}));
static_assert(!FormatMatches("%05s", {true}));    // '0' is for numbers
static_assert(!FormatMatches("%5.2f", {false}));  // decimals are FormatFixed's
static_assert(!FormatMatches("%ld", {false}));
static_assert(!FormatMatches("50%", {}));

// Every number the programs write, with each form of conversion they use,
// comes out as the C library's printf writes it, cut as snprintf cuts it.
TEST(FormatText, WritesNumbersAsPrintf) {
  const char* const formats[] = {"%d",   "%i",   "%2i",   "%3i",   "%-3i",
                                 "%02i", "%04d", "%-5d|", "(%0d)", "%%%d%%"};
  const int values[] = {0, 7, -7, 42, -42, 123, 4567, 123456, INT_MAX, INT_MIN};
  for (const char* format : formats) {
    for (const int value : values) {
      for (const std::size_t size : {std::size_t{32}, std::size_t{3}, std::size_t{1}}) {
        char expected[32];
        char written[32];
        const int expectedLength = std::snprintf(expected, size, format, value);
        const FormatArg arg(value);
        EXPECT_EQ(FormatInto(written, size, format, std::span(&arg, 1)), expectedLength);
        EXPECT_STREQ(written, expected) << format << " of " << value << " in " << size;
      }
    }
  }
}

TEST(FormatText, WritesTextsAsPrintf) {
  const char* const texts[] = {"", "M", "17-20", "Female", "a longer text than any width"};
  const int widths[] = {0, 1, 5, 12, -6};
  for (const char* text : texts) {
    for (const int width : widths) {
      char expected[64];
      char written[64];
      const int length =
          std::snprintf(expected, sizeof expected, "[%-*s|%*s] %s", width, text, width, text, text);
      EXPECT_EQ(FormatText(written, sizeof written, "[%-*s|%*s] %s", width, text, width,
                           std::string_view(text), std::string(text)),
                length);
      EXPECT_STREQ(written, expected) << "'" << text << "' in " << width;
    }
  }
}

TEST(FormatText, WritesTheProgramsLines) {
  char line[64];
  FormatText(line, sizeof line, "Run:       %2i:%02i        %3i", 9, 5, 87);
  EXPECT_STREQ(line, "Run:        9:05         87");
  FormatText(line, sizeof line, "%02d %s %04d", 7, "Dec", 26);
  EXPECT_STREQ(line, "07 Dec 0026");
  FormatText(line, sizeof line, "Max percent body fat: %s%%.", "22.0");
  EXPECT_STREQ(line, "Max percent body fat: 22.0%.");
  const char* nothing = nullptr;
  FormatText(line, sizeof line, "<%s>", nothing);
  EXPECT_STREQ(line, "<>");
}

}  // namespace
}  // namespace shell
