#include "shell/core/fixed_format.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

namespace shell {
namespace {

std::string Format(float value, int decimals, int width, Align align) {
  char buffer[32];
  FormatFixed(buffer, sizeof buffer, value, decimals, width, align);
  return buffer;
}

struct FormatCase {
  float value;
  int decimals;
  int width;
  Align align;
  const char* expected;
};

TEST(FormatFixed, WritesPrintfStyleFixedPoint) {
  const FormatCase cases[] = {
      {3.5f, 2, 5, Align::Left, "3.50 "},
      {35.25f, 2, 5, Align::Left, "35.25"},
      {53.44f, 2, 6, Align::Right, " 53.44"},
      {123.11f, 2, 6, Align::Right, "123.11"},
      {123.11f, 2, 5, Align::Left, "123.11"},  // wider than the field: never cut
      {2.54f, 2, 4, Align::Right, "2.54"},
      {0.0f, 2, 5, Align::Right, " 0.00"},
      {-12.345f, 2, 5, Align::Left, "-12.35"},
      // printf keeps the sign of a figure that rounds to zero; a reader
      // would take "-0.00" for a figure below zero.
      {-0.001f, 2, 5, Align::Left, "0.00 "},
      {-0.0049999f, 2, 0, Align::Right, "0.00"},
      {-0.04f, 1, 4, Align::Right, " 0.0"},
      {-0.0051f, 2, 0, Align::Left, "-0.01"},
      {22.0f, 1, 4, Align::Left, "22.0"},
      {26.0f, 1, 4, Align::Left, "26.0"},
      {0.125f, 2, 0, Align::Left, "0.12"},  // exact tie: to even, as printf
      {0.375f, 2, 0, Align::Left, "0.38"},
      {30.000002f, 2, 5, Align::Left, "30.00"},
  };
  for (const FormatCase& c : cases) {
    EXPECT_EQ(Format(c.value, c.decimals, c.width, c.align), c.expected) << c.value;
  }
}

TEST(FormatFixed, NeverWritesPastTheBuffer) {
  char buffer[6];
  std::memset(buffer, '#', sizeof buffer);
  const std::size_t length = FormatFixed(buffer, 4, -123.45f, 2, 10, Align::Right);
  EXPECT_EQ(length, 10u);
  EXPECT_EQ(std::string(buffer), "   ");
  EXPECT_EQ(buffer[4], '#');
}

// printf's text of a figure, without the minus sign it keeps on one that
// rounds to zero.
std::string Printf(const char* format, float value) {
  char text[32];
  std::snprintf(text, sizeof text, format, static_cast<double>(value));
  if (std::strtod(text, nullptr) == 0.0) {
    std::snprintf(text, sizeof text, format, 0.0);
  }
  return text;
}

// The figures must read the same on every platform, so the text is computed
// without the C library's float formatting; here it is checked against it.
TEST(FormatFixed, AgreesWithTheCLibraryOverTheFiguresRange) {
#if defined(_WIN32)
  GTEST_SKIP() << "compared against glibc's printf in the native build";
#endif
  std::mt19937 random(12345);
  std::uniform_real_distribution<float> figures(-300.0f, 300.0f);
  // Figures near zero too, where a rounded one could keep a sign.
  std::uniform_real_distribution<float> nearZero(-0.1f, 0.1f);
  for (int i = 0; i < 220000; ++i) {
    const float value = i < 200000 ? figures(random) : nearZero(random);
    ASSERT_EQ(Format(value, 2, 6, Align::Left), Printf("%-6.2f", value)) << value;
    ASSERT_EQ(Format(value, 1, 5, Align::Right), Printf("%5.1f", value)) << value;
  }
}

TEST(RoundToPlaces, GivesTheHundredthsTheUserSees) {
  EXPECT_EQ(RoundToPlaces(30.000002f, 2), 3000);
  EXPECT_EQ(RoundToPlaces(22.01f, 2), 2201);
  EXPECT_EQ(RoundToPlaces(-32.09f, 2), -3209);
  EXPECT_EQ(RoundToPlaces(1.0e30f, 2), 0);  // out of any figure's range: no overflow
}

}  // namespace
}  // namespace shell
