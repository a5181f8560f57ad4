// HEFTRAK's whole window as the core models it, driven as a clerk drives
// the window: typing, clicking into fields, Check, Calculate, Clear, Clear
// Calc. and "Male Only", each read as the lines the window carries out.
#include "heftrak/core/window_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/tests/clerk.h"

namespace heftrak {
namespace {

using requests::Join;
using requests::Lines;

Lines Set(int first, int last, const char* text = "") {
  Lines lines;
  for (int id = first; id <= last; ++id) {
    lines.push_back("set " + std::to_string(id) + " '" + text + "'");
  }
  return lines;
}

Lines Emptied(int first, int last, const char* how = "") {
  Lines lines;
  for (int id = first; id <= last; ++id) {
    lines.push_back("empty " + std::to_string(id) + how);
  }
  return lines;
}

const Lines kMaleEmptied = Set(kMaleAverageAbdomen, kMaleBodyFat);
const Lines kFemaleEmptied = Set(kFemaleAverageHips, kFemaleBodyFat);

using HeftrakClerk = requests::Clerk<WindowModel>;

void Screen(HeftrakClerk& clerk, const char* age, const char* sex, const char* whole,
            const char* hundredths, const char* weight) {
  clerk.Type(kAge, age);
  clerk.Type(kSex, sex);
  clerk.Type(kHeightWhole, whole);
  clerk.Type(kHeightHundredths, hundredths);
  clerk.Type(kWeight, weight);
}

void Reading(HeftrakClerk& clerk, FieldId whole, const char* inches, const char* hundredths) {
  clerk.Type(whole, inches);
  clerk.Type(HundredthsOf(whole), hundredths);
}

// Abdomen 35.00 / 35, neck 15.00, 72 in.: 18.81 % body fat at age 25.
void MaleSoldier(HeftrakClerk& clerk) {
  Screen(clerk, "25", "", "72", "00", "");
  Reading(clerk, MaleReadingWhole(kAbdomen, 0), "35", "00");
  Reading(clerk, MaleReadingWhole(kAbdomen, 1), "35", "");
  Reading(clerk, MaleReadingWhole(kMaleNeck, 0), "15", "00");
}

// 150 lb, 64 in., hips 40, forearm 10 twice, neck 13, wrist 6: 30.65 % at 30.
void FemaleSoldier(HeftrakClerk& clerk) {
  Screen(clerk, "30", "", "64", "00", "150");
  Reading(clerk, FemaleReadingWhole(kHips, 0), "40", "00");
  Reading(clerk, FemaleReadingWhole(kForearm, 0), "10", "00");
  Reading(clerk, FemaleReadingWhole(kForearm, 2), "10", "00");
  Reading(clerk, FemaleReadingWhole(kFemaleNeck, 1), "13", "00");
  Reading(clerk, FemaleReadingWhole(kWrist, 0), "6", "00");
}

class HeftrakModel : public ::testing::Test {
 protected:
  std::vector<std::string> Texts(int first, int last) const {
    std::vector<std::string> texts;
    for (int id = first; id <= last; ++id) {
      texts.push_back(clerk.Text(id));
    }
    return texts;
  }

  WindowModel model;
  HeftrakClerk clerk{model};
};

// What typing "4" into a field takes down, after what the clerk did before:
// the lines of moving into the field (a calculator's prompt) and of the edit.
TEST_F(HeftrakModel, EditsTakeDownTheResultsTheyNoLongerMatch) {
  struct Case {
    const char* name;
    void (*before)(HeftrakClerk& c);
    int edited;
    Lines effects;
  };
  const auto check = [](HeftrakClerk& c) {
    Screen(c, "25", "M", "72", "00", "180");
    c.Press(kCheckCommand);
  };
  const auto male = [](HeftrakClerk& c) {
    MaleSoldier(c);
    c.Press(kCalculateCommand);
  };
  const auto female = [](HeftrakClerk& c) {
    FemaleSoldier(c);
    c.Press(kCalculateCommand);
  };
  const auto checkThenMale = [](HeftrakClerk& c) {
    MaleSoldier(c);
    c.Type(kWeight, "180");
    c.Type(kSex, "M");
    c.Press(kCheckCommand);
    c.Press(kCalculateCommand);
  };
  const Case cases[] = {
      {"Age after Check", check, kAge, {"no print", "message 8 black"}},
      {"Weight after Check", check, kWeight, {"no print", "message 8 black"}},
      {"a reading after Check keeps the verdict and Print",
       check,
       MaleReadingWhole(kAbdomen, 2),
       {"message 15 black"}},
      {"a male reading after Calculate", male, MaleReadingWhole(kMaleNeck, 1),
       Join({{"message 15 black", "no print"}, kMaleEmptied})},
      // The other calculator's old figures go; the shown result stays guarded.
      {"a female reading after a male Calculate", male, FemaleReadingWhole(kWrist, 2),
       Join({{"message 16 black", "no print"}, kFemaleEmptied})},
      {"a female reading after Calculate", female, FemaleReadingWhole(kWrist, 2),
       Join({{"message 16 black", "no print"}, kFemaleEmptied})},
      {"height after Calculate", female, kHeightWhole,
       Join({{"no print", "message 8 black"}, kMaleEmptied, kFemaleEmptied})},
      // Even with a screening verdict still standing, the report would print
      // a body fat that no longer matches the readings.
      {"a reading with a screening verdict still up", checkThenMale, MaleReadingWhole(kAbdomen, 2),
       Join({{"message 15 black", "no print"}, kMaleEmptied})},
  };
  for (const Case& c : cases) {
    WindowModel fresh;
    HeftrakClerk freshClerk(fresh);
    c.before(freshClerk);
    EXPECT_EQ(freshClerk.Type(c.edited, "4"), c.effects) << c.name;
    EXPECT_EQ(fresh.fields.focusTarget(), c.edited) << c.name << ": the field typed into";
  }
}

TEST_F(HeftrakModel, TheShownResultStillComesDownAfterAnEditOfTheOtherCalculator) {
  MaleSoldier(clerk);
  clerk.Press(kCalculateCommand);
  clerk.Type(FemaleReadingWhole(kHips, 0), "4");
  EXPECT_TRUE(model.state.bodyFatShown);
  EXPECT_EQ(clerk.Type(MaleReadingWhole(kAbdomen, 0), "3"),
            Join({{"message 15 black", "no print"}, kMaleEmptied}));
  EXPECT_FALSE(model.state.bodyFatShown);
}

// The second run rewrites the readings' "00" as edits of theirs: the old
// result comes down before the new one goes up, and the new one stands.
TEST_F(HeftrakModel, CalculatingAgainPutsTheResultBackUp) {
  MaleSoldier(clerk);
  const Lines first = clerk.Press(kCalculateCommand);
  ASSERT_EQ(Lines(first.begin(), first.begin() + 3),
            (Lines{"clear", "set 3 '00'", "set 6 '00' edit"}));
  // The same, but for the old result taken down by the first reading's "00".
  EXPECT_EQ(clerk.Press(kCalculateCommand), Join({Lines(first.begin(), first.begin() + 3),
                                                  {"no print"},
                                                  kMaleEmptied,
                                                  Lines(first.begin() + 3, first.end())}));
  EXPECT_TRUE(model.state.bodyFatShown);
}

TEST_F(HeftrakModel, ClearEmptiesTheWeightScreenAndTheResults) {
  MaleSoldier(clerk);
  clerk.Press(kCalculateCommand);
  clerk.Type(kWeight, "180");
  clerk.Press(kCheckCommand);
  // Emptying Age takes the verdict down, with the start prompt.
  EXPECT_EQ(clerk.Press(kClearCommand),
            Join({{"no print", "empty 0", "no print", "message 8 black"},
                  Emptied(1, 4),
                  kMaleEmptied,
                  kFemaleEmptied,
                  {"focus 1"}}));
  EXPECT_EQ(Texts(kAge, kWeight), (std::vector<std::string>(5, "")));
  EXPECT_EQ(clerk.Text(MaleReadingWhole(kAbdomen, 0)), "35") << "the readings are not touched";
  EXPECT_FALSE(model.state.screeningShown || model.state.bodyFatShown ||
               model.state.ageSexValidated);
  EXPECT_EQ(model.state.weight, 0);

  // After a validation message the message stands.
  Screen(clerk, "", "M", "72", "00", "");
  clerk.Press(kCheckCommand);
  EXPECT_EQ(clerk.Press(kClearCommand),
            Join({{"no print"}, Emptied(0, 4), kMaleEmptied, kFemaleEmptied, {"focus 1"}}));
}

TEST_F(HeftrakModel, ClearCalcEmptiesBothCalculatorsOnly) {
  FemaleSoldier(clerk);
  clerk.Type(MaleReadingWhole(kAbdomen, 2), "36");
  clerk.Press(kCalculateCommand);  // an abdomen without a neck: the female calculator runs
  clerk.Click(FemaleReadingWhole(kHips, 0));
  EXPECT_EQ(clerk.Press(kClearCalcCommand),
            Join({{"no print"},
                  Emptied(kMaleReadingsFirst, kMaleAverageAbdomen - 1),
                  kMaleEmptied,
                  Emptied(kFemaleReadingsFirst, kFemaleAverageHips - 1),
                  kFemaleEmptied,
                  {"focus 1"}}));
  EXPECT_EQ(Texts(kAge, kWeight), (std::vector<std::string>{"30", "F", "64", "00", "150"}));
  EXPECT_EQ(Texts(kMaleReadingsFirst, kFemaleBodyFat),
            std::vector<std::string>(kFemaleBodyFat - kMaleReadingsFirst + 1, ""));
  EXPECT_FALSE(model.state.bodyFatShown);
}

TEST_F(HeftrakModel, MaleOnlyPutsMIntoSexAndOnlyTheClerksSexSwitchesItOff) {
  Screen(clerk, "25", "F", "72", "00", "");
  EXPECT_EQ(clerk.Press(kMaleOnlyCommand),
            (Lines{"male only", "select 1", "focus 1", "set 1 'M' keep", "frame 1"}));
  EXPECT_EQ(model.state.sex, 'M');

  // Clear empties Sex and puts "M" back without switching the option off.
  EXPECT_EQ(clerk.Press(kClearCommand), Join({{"no print"},
                                              Emptied(0, 4, " keep"),
                                              {"set 1 'M' keep"},
                                              kMaleEmptied,
                                              kFemaleEmptied,
                                              {"focus 1"}}));
  EXPECT_TRUE(model.state.maleOnly);
  EXPECT_EQ(clerk.Text(kSex), "M");

  // The clerk's own sex does switch it off.
  EXPECT_EQ(clerk.Type(kSex, "F"), Lines{"no male only"});
  EXPECT_FALSE(model.state.maleOnly);

  // On over an "M" nothing is written; off again leaves the "M".
  clerk.Type(kSex, "M");
  EXPECT_EQ(clerk.Press(kMaleOnlyCommand), Lines{"male only"});
  EXPECT_EQ(clerk.Press(kMaleOnlyCommand), Lines{"no male only"});
  EXPECT_EQ(clerk.Text(kSex), "M");
}

TEST_F(HeftrakModel, AWomansCalculationSwitchesMaleOnlyOff) {
  clerk.Press(kMaleOnlyCommand);
  FemaleSoldier(clerk);  // emptying Sex switched it off
  EXPECT_FALSE(model.state.maleOnly);
  clerk.Press(kMaleOnlyCommand);
  const Lines effects = clerk.Press(kCalculateCommand);
  EXPECT_FALSE(model.state.maleOnly);
  EXPECT_EQ(clerk.Text(kSex), "F");
  const Lines end(effects.end() - 8, effects.end());
  EXPECT_EQ(end, (Lines{"set 1 'F'", "print", "no male only", "message 14 black",
                        "extra 'Max percent body fat: 34.0%.'", "alert", "focus 1", "focus 1"}));
}

// The prompts follow the clerk's own moves into each calculator and back;
// the window's own moves leave a verdict standing.
TEST_F(HeftrakModel, TheClerksFocusMovesBringTheCalculatorsPrompts) {
  EXPECT_EQ(clerk.Click(kAge), Lines{}) << "within the Weight Screen";
  EXPECT_EQ(clerk.Click(MaleReadingWhole(kAbdomen, 0)), Lines{"message 15 black"});
  EXPECT_EQ(clerk.Click(MaleReadingWhole(kMaleNeck, 2)), Lines{});
  EXPECT_EQ(clerk.Click(FemaleReadingWhole(kHips, 0)), Lines{"message 16 black"});
  EXPECT_EQ(clerk.Click(kWeight), Lines{"message 8 black"});
  // Into a calculator's result and back: the Weight Screen's prompt.
  clerk.Click(MaleReadingWhole(kAbdomen, 0));
  EXPECT_EQ(clerk.Click(kMaleBodyFat), Lines{});
  EXPECT_EQ(clerk.Click(kSex), Lines{"message 8 black"});

  Screen(clerk, "25", "M", "72", "00", "196");
  const Lines check = clerk.Press(kCheckCommand);
  EXPECT_EQ(Lines(check.end() - 3, check.end()), (Lines{"alert", "focus 5", "focus 5"}))
      << "Check's move into the calculator brings no prompt";
  EXPECT_EQ(clerk.Click(MaleReadingWhole(kAbdomen, 1)), Lines{});
}

// A click can put the caret into a result, but the window must not bring it
// back there after a restore or a dialog.
TEST_F(HeftrakModel, OnlyEntryFieldsBecomeTheFocusTarget) {
  MaleSoldier(clerk);
  clerk.Press(kCalculateCommand);
  for (int result : {static_cast<int>(kMaleAbdomenNeckFactor), static_cast<int>(kFemaleBodyFat)}) {
    clerk.Click(result);
    EXPECT_EQ(model.fields.focusTarget(), kSex) << result;
  }
}

TEST_F(HeftrakModel, EditingAgeOrSexMakesCheckReadThemAgain) {
  Screen(clerk, "25", "M", "72", "00", "180");
  clerk.Press(kCheckCommand);
  clerk.Type(kAge, "9");
  EXPECT_EQ(clerk.Press(kCheckCommand),
            (Lines{"clear", "message 1 black", "alert", "focus 0", "focus 0"}));
}

}  // namespace
}  // namespace heftrak
