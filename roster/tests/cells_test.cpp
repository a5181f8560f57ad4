#include "roster/core/cells.h"

#include <gtest/gtest.h>

namespace roster {
namespace {

using Text = std::optional<std::string>;

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
  EXPECT_EQ(InchesCell(" "), (std::array<std::string, 2>{}));
  EXPECT_EQ(InchesCell(" 70.5 "), (std::array<std::string, 2>{"70", "50"}));
  EXPECT_EQ(RunTimeCell("13:0"), std::nullopt);
  EXPECT_EQ(SsnCell(""), (std::array<std::string, 3>{}));
}

TEST(Cells, ARefusalNamesTheColumnAndShowsTheCellOnOneLine) {
  EXPECT_EQ(CellRefusal("age", "025", kExpectTwoDigits),
            "Column \"age\" holds \"025\": expected a whole number of one or two digits.");
  EXPECT_EQ(CellRefusal("run", "13\n00 minutes and then some more", kExpectRunTime),
            "Column \"run\" holds \"13 00 minutes and then s...\": expected a run time as "
            "13:00 or 1300.");
  // Not cut inside a character: "é" is two bytes, the 24th and 25th.
  EXPECT_EQ(CellRefusal("last", "abcdefghijklmnopqrstuvw\xC3\xA9", kExpectSex),
            "Column \"last\" holds \"abcdefghijklmnopqrstuvw...\": expected M or F.");
}

}  // namespace
}  // namespace roster
