// The rules the weight control window follows on edits and focus moves, the
// chart age, and where a message's segments land.
#include "heftrak/core/reactions.h"

#include <gtest/gtest.h>

#include <cstring>

#include "heftrak/core/prompt_layout.h"

namespace heftrak {
namespace {

ChangeFlags Flags(bool screening, bool bodyFat, bool maleOnly = false, bool settingSex = false,
                  bool rewriting = false) {
  ChangeFlags flags;
  flags.screeningShown = screening;
  flags.bodyFatShown = bodyFat;
  flags.maleOnly = maleOnly;
  flags.settingSex = settingSex;
  flags.rewriting = rewriting;
  return flags;
}

ChangeFlags MaleResult(bool screening) {
  ChangeFlags flags = Flags(screening, true);
  flags.bodyFatFromMale = true;
  return flags;
}

struct Expect {
  bool maleOnlyOff = false, ageSex = false, print = false, screening = false, bodyFat = false,
       prompt = false, male = false, female = false;
};

ChangeActions Actions(const Expect& e) {
  ChangeActions a;
  a.switchMaleOnlyOff = e.maleOnlyOff;
  a.invalidateAgeSex = e.ageSex;
  a.disablePrint = e.print;
  a.hideScreening = e.screening;
  a.hideBodyFat = e.bodyFat;
  a.showStartPrompt = e.prompt;
  a.emptyMaleResults = e.male;
  a.emptyFemaleResults = e.female;
  return a;
}

struct ChangeCase {
  const char* name;
  int field;
  ChangeFlags flags;
  Expect expect;
};

TEST(ChangeReaction, TakesDownWhatNoLongerMatchesTheEntries) {
  const ChangeCase cases[] = {
      {"a rewrite by the window is no edit", kSex, Flags(true, true, true, false, true), {}},
      {"a rewrite of a reading neither", 6, Flags(false, true, false, false, true), {}},
      {"typing in Sex switches Male Only off",
       kSex,
       Flags(false, false, true),
       {.maleOnlyOff = true, .ageSex = true}},
      {"Male Only's own M stays", kSex, Flags(false, false, true, true), {.ageSex = true}},
      {"Age edited: checked again", kAge, Flags(false, false), {.ageSex = true}},
      {"height edited under a screening verdict",
       kHeightWhole,
       Flags(true, false),
       {.print = true, .screening = true, .prompt = true}},
      {"weight edited under a body fat result",
       kWeight,
       Flags(false, true),
       {.print = true, .bodyFat = true, .prompt = true, .male = true, .female = true}},
      {"Age edited under both",
       kAge,
       Flags(true, true),
       {.ageSex = true,
        .print = true,
        .screening = true,
        .bodyFat = true,
        .prompt = true,
        .male = true,
        .female = true}},
      {"1st abdomen under a male result",
       5,
       MaleResult(true),
       {.print = true, .bodyFat = true, .male = true}},
      {"last male field", 16, MaleResult(false), {.print = true, .bodyFat = true, .male = true}},
      {"1st hips under a female result",
       23,
       Flags(false, true),
       {.print = true, .bodyFat = true, .female = true}},
      {"last wrist field", 46, Flags(true, true), {.print = true, .bodyFat = true, .female = true}},
      // The other calculator's old figures go; the shown result stays guarded.
      {"hips under a male result", 23, MaleResult(false), {.print = true, .female = true}},
      {"abdomen under a female result", 5, Flags(false, true), {.print = true, .male = true}},
      {"a reading under a screening verdict only", 5, Flags(true, false), {}},
      {"a reading with nothing shown", 30, Flags(false, false), {}},
      {"a male result field", 17, Flags(true, true), {}},
      {"a female result field", 47, Flags(true, true), {}},
      {"Sex while Male Only is off", kSex, Flags(false, false), {.ageSex = true}},
  };
  for (const ChangeCase& c : cases) {
    EXPECT_EQ(ChangeReaction(c.field, c.flags), Actions(c.expect)) << c.name;
  }
}

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
  EXPECT_EQ(notWithin[1].colour, TextColour::Red);
  EXPECT_EQ(notWithin[1].x, 168 + 70);
  EXPECT_EQ(notWithin[2].x, 168 + 70 + 28);
  EXPECT_EQ(notWithin[2].colour, TextColour::Black);
  for (const PlacedSegment& s : notWithin) {
    EXPECT_EQ(s.y, 8);
  }

  const std::vector<PlacedSegment> within = PlacePrompt(kWithinWeight, 0, 0, 16, SevenPerChar);
  ASSERT_EQ(within.size(), 3u);
  EXPECT_EQ(within[1].colour, TextColour::Blue);
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
