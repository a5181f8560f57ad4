#include "roster/core/cells.h"

#include <gtest/gtest.h>

namespace roster {
namespace {

using Text = std::optional<std::string_view>;

TEST(Cells, TakeOnlyWhatTheFieldCouldHoldAsTyped) {
  const struct {
    const char* cell;
    Text twoDigits;
    Text sex;
  } cases[] = {
      {"", "", ""},
      {" 25 ", "25", std::nullopt},
      {"025", std::nullopt, std::nullopt},
      {"2a", std::nullopt, std::nullopt},
      {"-5", std::nullopt, std::nullopt},
      {"m", std::nullopt, "M"},
      {" F", std::nullopt, "F"},
      {"Male", std::nullopt, std::nullopt},
      {"X", std::nullopt, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DigitsCell(c.cell, 2), c.twoDigits) << c.cell;
    EXPECT_EQ(SexCell(c.cell), c.sex) << c.cell;
  }
  EXPECT_EQ(DigitsCell("210", 3), "210");
  EXPECT_EQ(DigitsCell("1000", 3), std::nullopt);
  EXPECT_EQ(InchesCell(" "), (std::array<std::string_view, 2>{}));
  EXPECT_EQ(InchesCell(" 70.5 "), (std::array<std::string_view, 2>{"70", "50"}));
}

TEST(Cells, RunTimesAsSpreadsheetsAndClerksWriteThem) {
  using Run = std::optional<std::array<std::string_view, 2>>;
  const struct {
    const char* cell;
    Run run;
  } cases[] = {
      {"13:00", {{"13", "00"}}},    {"1300", {{"13", "00"}}},
      {"9:05", {{"9", "05"}}},      {"0:13:00", {{"13", "00"}}},
      {"00:13:00", {{"13", "00"}}}, {"13:5", {{"13", "5"}}},
      {"10:0", {{"10", "0"}}},      {" ", {{"", ""}}},
      {"1:13:00", std::nullopt},    {"13:", std::nullopt},
      {"13", std::nullopt},         {"13:5a", std::nullopt},
      {"0:0:13:00", std::nullopt},  {":13:00", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RunTimeCell(c.cell), c.run) << c.cell;
  }
}

TEST(Cells, AnSsnFillsWhatItCanOfTheReportsBoxes) {
  const struct {
    const char* cell;
    std::array<std::string, 3> parts;
    bool whole;
  } cases[] = {
      {"", {}, true},
      {"123-45-6789", {"123", "45", "6789"}, true},
      {"123456789", {"123", "45", "6789"}, true},
      {"XXX-XX-1234", {"", "", "1234"}, false},
      {"1234", {"", "", "1234"}, false},
      {"***-**-12345", {"", "", "1234"}, false},
      {"123-45-678901", {"123", "45", "6789"}, false},
      {"12-3456", {"", "12", "3456"}, false},
  };
  for (const auto& c : cases) {
    const SsnParts ssn = SsnCell(c.cell);
    EXPECT_EQ(ssn.parts, c.parts) << c.cell;
    EXPECT_EQ(ssn.whole, c.whole) << c.cell;
  }
}

TEST(Cells, ARefusalNamesTheColumnAndShowsTheCellOnOneLine) {
  EXPECT_EQ(CellRefusal("age", "025", kExpectTwoDigits),
            "Column \"age\" holds \"025\": expected a whole number of one or two digits.");
  EXPECT_EQ(CellRefusal("run", "13\n00 minutes and then some more", kExpectRunTime),
            "Column \"run\" holds \"13 00 minutes and then s...\": expected a run time as "
            "13:00, 13:5, 1300 or 0:13:00.");
  // No control character (a NUL from a damaged file) reaches the message.
  EXPECT_EQ(CellRefusal("age",
                        std::string_view("2\0"
                                         "5\x1B",
                                         4),
                        kExpectSex),
            "Column \"age\" holds \"2?5?\": expected M or F.");
  // Not cut inside a character: "é" is two bytes, the 24th and 25th.
  EXPECT_EQ(CellRefusal("last", "abcdefghijklmnopqrstuvw\xC3\xA9", kExpectSex),
            "Column \"last\" holds \"abcdefghijklmnopqrstuvw...\": expected M or F.");
}

}  // namespace
}  // namespace roster
