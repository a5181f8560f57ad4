// Which prompt a focus move brings, the chart age, and where a message's
// segments land. What edits, the Clears and "Male Only" do is tested on the
// whole window model (window_model_test.cpp).
#include "heftrak/core/reactions.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "heftrak/core/prompt_layout.h"

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

// A stand-in font: seven pixels a character.
int SevenPerChar(const char* text) {
  return 7 * static_cast<int>(std::strlen(text));
}

TEST(PromptLayout, SegmentsFollowTheMeasuredTextBeforeThem) {
  const std::vector<PlacedSegment> notWithin =
      PlacePrompt(kNotWithinBodyFat, 168, 8, 16, SevenPerChar);
  ASSERT_EQ(notWithin.size(), 3u);
  EXPECT_STREQ(notWithin[0].text, "Soldier is");
  EXPECT_EQ(notWithin[0].x, 168);
  EXPECT_STREQ(notWithin[1].text, " not");
  EXPECT_EQ(notWithin[1].colour, shell::kRed);
  EXPECT_EQ(notWithin[1].x, 168 + 70);
  EXPECT_EQ(notWithin[2].x, 168 + 70 + 28);
  EXPECT_EQ(notWithin[2].colour, shell::kBlack);
  for (const PlacedSegment& s : notWithin) {
    EXPECT_EQ(s.y, 8);
  }

  const std::vector<PlacedSegment> within = PlacePrompt(kWithinWeight, 0, 0, 16, SevenPerChar);
  ASSERT_EQ(within.size(), 3u);
  EXPECT_EQ(within[1].colour, shell::kBlue);
  EXPECT_EQ(within[1].x, 49);  // after "Soldier"
  EXPECT_EQ(within[2].x, 49 + 21);
}

TEST(PromptLayout, LinesStandOneTextLineApart) {
  const std::vector<PlacedSegment> taped = PlacePrompt(kNotWithinWeight, 168, 8, 16, SevenPerChar);
  ASSERT_EQ(taped.size(), 4u);
  EXPECT_STREQ(taped[3].text, "Soldier must be taped.");
  EXPECT_EQ(taped[3].x, 168);
  EXPECT_EQ(taped[3].y, 24);

  const std::vector<PlacedSegment> female =
      PlacePrompt(kFemaleCalculatorPrompt, 10, 20, 14, SevenPerChar);
  ASSERT_EQ(female.size(), 4u);
  EXPECT_EQ(female[3].y, 20 + 3 * 14);
  EXPECT_STREQ(female[3].text, "Age, height and weight must be entered.");

  for (int code : {0, 2, 12, 19}) {
    EXPECT_TRUE(PlacePrompt(code, 0, 0, 16, SevenPerChar).empty()) << code;
  }
}

}  // namespace
}  // namespace heftrak
