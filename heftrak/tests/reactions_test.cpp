// Which prompt a focus move brings, and the chart age. What edits, the
// Clears and "Male Only" do is tested on the whole window model
// (window_model_test.cpp); where a message's segments land, on the painted
// window (prompt_paint_test.cpp).
#include "heftrak/core/reactions.h"

#include <gtest/gtest.h>

namespace heftrak {
namespace {

TEST(FocusPrompt, FollowsTheUserIntoEachCalculatorAndBack) {
  struct Case {
    int from, to;
    MessageCode prompt;  // kNoMessage: none
  };
  const Case cases[] = {
      {-1, 5, kMaleCalculatorPrompt},
      {kWeight, 5, kMaleCalculatorPrompt},
      {23, 16, kMaleCalculatorPrompt},
      {5, 7, kNoMessage},
      {16, 23, kFemaleCalculatorPrompt},
      {kSex, 46, kFemaleCalculatorPrompt},
      {30, 45, kNoMessage},
      {5, kAge, kStartPrompt},
      {22, kSex, kStartPrompt},
      {58, kWeight, kStartPrompt},
      {46, kHeightHundredths, kStartPrompt},
      {kAge, kSex, kNoMessage},
      {-1, kSex, kNoMessage},
      {5, 17, kNoMessage},
      {46, 47, kNoMessage},
      {kSex, 20, kNoMessage},
  };
  for (const Case& c : cases) {
    const std::optional<MessageCode> prompt = FocusPrompt(c.from, c.to);
    EXPECT_EQ(prompt.value_or(kNoMessage), c.prompt) << c.from << " -> " << c.to;
  }
}

TEST(ChartAge, IsTheAgeWithinSeventeenToSeventyOrNone) {
  const struct {
    const char* text;
    int age;
  } cases[] = {{"", -1},   {"75", 70}, {"12", 17}, {"5", 17},  {"0", 17},
               {"17", 17}, {"70", 70}, {"40", 40}, {"250", 25}};
  for (const auto& c : cases) {
    EXPECT_EQ(ChartAge(c.text), c.age) << '"' << c.text << '"';
  }
}

}  // namespace
}  // namespace heftrak
