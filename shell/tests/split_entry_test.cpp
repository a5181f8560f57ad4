#include "shell/core/split_entry.h"

#include <gtest/gtest.h>

namespace {

using Parts2 = std::optional<std::array<std::string_view, 2>>;
using Parts3 = std::optional<std::array<std::string, 3>>;

TEST(SplitEntry, InchesAreWholeAndHundredths) {
  const struct {
    const char* text;
    Parts2 parts;
  } cases[] = {
      {"70", {{"70", ""}}},      {"70.", {{"70", ""}}},   {"70.5", {{"70", "50"}}},
      {"70.50", {{"70", "50"}}}, {"7.25", {{"7", "25"}}}, {"70.05", {{"70", "05"}}},
      {"", std::nullopt},        {".5", std::nullopt},    {"170.5", std::nullopt},
      {"70.505", std::nullopt},  {"70,5", std::nullopt},  {"70.5.", std::nullopt},
      {"7a", std::nullopt},      {"-7.5", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(shell::SplitInches(c.text), c.parts) << c.text;
  }
}

TEST(SplitEntry, RunTimeIsMinutesAndTwoDigitSeconds) {
  const struct {
    const char* text;
    Parts2 parts;
  } cases[] = {
      {"9:05", {{"9", "05"}}},  {"13:00", {{"13", "00"}}}, {"905", {{"9", "05"}}},
      {"1300", {{"13", "00"}}}, {"15:75", {{"15", "75"}}}, {"9:5", std::nullopt},
      {"13", std::nullopt},     {"130:00", std::nullopt},  {"13000", std::nullopt},
      {":30", std::nullopt},    {"13:0a", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(shell::SplitRunTime(c.text), c.parts) << c.text;
  }
}

TEST(SplitEntry, SsnIsThreeTwoAndFourDigits) {
  const Parts3 ssn{{"123", "45", "6789"}};
  const struct {
    const char* text;
    Parts3 parts;
  } cases[] = {
      {"123-45-6789", ssn},          {"123 45 6789", ssn},          {"123456789", ssn},
      {"123-45 6789", std::nullopt}, {"12345678", std::nullopt},    {"1234567890", std::nullopt},
      {"123-456-789", std::nullopt}, {"abc-de-fghi", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(shell::SplitSsn(c.text), c.parts) << c.text;
  }
}

}  // namespace
