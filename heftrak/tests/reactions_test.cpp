// The rules the weight control window follows on edits and focus moves, the
// chart age, and where a message's segments land.
#include "heftrak/core/reactions.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "heftrak/core/prompt_layout.h"
#include "shell/tests/request_text.h"

namespace heftrak {
namespace {

using requests::Render;
using Lines = std::vector<std::string>;

// The state a reaction meets: what is on the window.
WeightControlState Shown(bool screening, bool bodyFat, bool fromMale = false,
                         bool maleOnly = false) {
  WeightControlState state;
  state.screeningShown = screening;
  state.bodyFatShown = bodyFat;
  state.bodyFatFromMale = fromMale;
  state.maleOnly = maleOnly;
  state.ageSexValidated = true;
  return state;
}

const Lines kMaleEmptied = {"set 17 ''", "set 18 ''", "set 19 ''",
                            "set 20 ''", "set 21 ''", "set 22 ''"};
const Lines kFemaleEmptied = {"set 47 ''", "set 48 ''", "set 49 ''", "set 50 ''", "set 51 ''",
                              "set 52 ''", "set 53 ''", "set 54 ''", "set 55 ''", "set 56 ''",
                              "set 57 ''", "set 58 ''", "set 59 ''"};

using requests::Join;

struct ChangeCase {
  const char* name;
  int field;
  ChangeBy by;
  WeightControlState state;
  Lines effects;
  bool screeningAfter, bodyFatAfter, ageSexAfter, maleOnlyAfter;
};

// What an edit takes down, in the order the clerk sees it.
TEST(FieldChanged, TakesDownWhatNoLongerMatchesTheEntries) {
  const ChangeBy clerk = ChangeBy::Clerk;
  const ChangeCase cases[] = {
      {"a rewrite by the window is no edit",
       kSex,
       ChangeBy::Rewrite,
       Shown(true, true, true, true),
       {},
       true,
       true,
       true,
       true},
      {"typing in Sex switches Male Only off",
       kSex,
       clerk,
       Shown(false, false, false, true),
       {"no male only"},
       false,
       false,
       false,
       false},
      {"Male Only's own M stays",
       kSex,
       ChangeBy::KeepMaleOnly,
       Shown(false, false, false, true),
       {},
       false,
       false,
       false,
       true},
      {"height edited under a screening verdict",
       kHeightWhole,
       clerk,
       Shown(true, false),
       {"no print", "message 8 black"},
       false,
       false,
       true,
       false},
      {"Age edited under both", kAge, clerk, Shown(true, true),
       Join({{"no print", "message 8 black"}, kMaleEmptied, kFemaleEmptied}), false, false, false,
       false},
      {"1st abdomen under a male result", 5, clerk, Shown(true, true, true),
       Join({{"no print"}, kMaleEmptied}), true, false, true, false},
      {"last wrist field under a female result", 46, clerk, Shown(false, true),
       Join({{"no print"}, kFemaleEmptied}), false, false, true, false},
      // The other calculator's old figures go; the shown result stays guarded.
      {"hips under a male result", 23, clerk, Shown(false, true, true),
       Join({{"no print"}, kFemaleEmptied}), false, true, true, false},
      {"a reading under a screening verdict only",
       5,
       clerk,
       Shown(true, false),
       {},
       true,
       false,
       true,
       false},
      {"a result field", 20, clerk, Shown(true, true), {}, true, true, true, false},
  };
  for (const ChangeCase& c : cases) {
    WeightControlState state = c.state;
    shell::RequestList list;
    FieldChanged(state, c.field, c.by, list);
    EXPECT_EQ(Render(list), c.effects) << c.name;
    EXPECT_EQ(state.screeningShown, c.screeningAfter) << c.name;
    EXPECT_EQ(state.bodyFatShown, c.bodyFatAfter) << c.name;
    EXPECT_EQ(state.ageSexValidated, c.ageSexAfter) << c.name;
    EXPECT_EQ(state.maleOnly, c.maleOnlyAfter) << c.name;
    // Only an entry field becomes where the caret comes back to.
    EXPECT_EQ(state.focusTarget, IsResultField(c.field) ? kSex : c.field) << c.name;
  }
}

struct CommandCase {
  const char* name;
  void (*command)(WeightControlState&, shell::RequestList&);
  bool maleOnly;
  Lines effects;
};

Lines Emptied(int first, int last, const char* suffix = " edit") {
  Lines lines;
  for (int id = first; id <= last; ++id) {
    lines.push_back("empty " + std::to_string(id) +
                    (std::string(suffix) == " keep" ? " keep" : ""));
  }
  return lines;
}

// The Clears and Male Only, in the order of their effects.
TEST(Commands, ClearsAndMaleOnlyInOrder) {
  const auto maleOnlyWithF = [](WeightControlState& s, shell::RequestList& r) {
    ToggleMaleOnly(s, 'F', r);
  };
  const auto maleOnlyWithM = [](WeightControlState& s, shell::RequestList& r) {
    ToggleMaleOnly(s, 'M', r);
  };
  const CommandCase cases[] = {
      {"Clear", &ClearWeightScreen, false,
       Join({{"no print"},
             Emptied(0, 4),
             kMaleEmptied,
             kFemaleEmptied,
             {"program 3 0", "focus 1"}})},
      {"Clear keeps M in Sex under Male Only", &ClearWeightScreen, true,
       Join({{"no print"},
             Emptied(0, 4, " keep"),
             {"set 1 'M' keep"},
             kMaleEmptied,
             kFemaleEmptied,
             {"program 3 0", "focus 1"}})},
      {"Clear Calc.", &ClearCalculators, false,
       Join({{"no print"},
             Emptied(5, 16),
             kMaleEmptied,
             Emptied(23, 46),
             kFemaleEmptied,
             {"focus 1"}})},
      {"Male Only on over an F",
       maleOnlyWithF,
       false,
       {"male only", "select 1", "focus 1", "set 1 'M' keep", "program 4 0"}},
      {"Male Only on over an M", maleOnlyWithM, false, {"male only"}},
      {"Male Only off", maleOnlyWithF, true, {"no male only"}},
  };
  for (const CommandCase& c : cases) {
    WeightControlState state = Shown(true, true);
    state.maleOnly = c.maleOnly;
    shell::RequestList list;
    c.command(state, list);
    EXPECT_EQ(Render(list), c.effects) << c.name;
    EXPECT_FALSE(list.overflowed()) << c.name;
  }
}

// The marks a window applies as it replays: a result counts as shown only
// once its writes are on the window.
TEST(ApplyToState, MarksWhatIsShown) {
  WeightControlState state;
  shell::RequestList list;
  list.Program(kMarkBodyFatShown, 1);
  list.Program(kMarkScreeningShown);
  for (const shell::Request& r : list) {
    ApplyToState(state, r);
  }
  EXPECT_TRUE(state.bodyFatShown && state.bodyFatFromMale && state.screeningShown);
  shell::RequestList clear;
  clear.Program(kMarkNothingShown);
  ApplyToState(state, *clear.begin());
  EXPECT_FALSE(state.bodyFatShown || state.screeningShown || state.ageSexValidated);
}

TEST(FieldFocused, PromptsAnswerOnlyTheClerksMoves) {
  WeightControlState state;
  shell::RequestList clerk;
  FieldFocused(state, kWeight, 5, false, clerk);
  EXPECT_EQ(Render(clerk), Lines{"message 15 black"});
  shell::RequestList window;
  FieldFocused(state, kWeight, 23, true, window);
  EXPECT_EQ(Render(window), Lines{});
  EXPECT_EQ(state.focusTarget, 23);
  FieldFocused(state, 23, kMaleAbdomenNeckFactor, false, window);
  EXPECT_EQ(state.focusTarget, 23);  // a result never becomes the focus target
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
