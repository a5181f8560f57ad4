// VORNA's whole window as the core models it, driven as a clerk drives the
// window: typing, moving between fields, Calculate, Clear and "Male Only",
// each read as the lines the window carries out, the scoring chart's among
// them.
#include "vorna/core/window_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/tests/clerk.h"
#include "vorna/tests/program_lines.h"

namespace vorna {
namespace {

using requests::Join;
using requests::Lines;
using VornaClerk = requests::Clerk<WindowModel>;

// Types each given text into its field over what it held; nullptr leaves a
// field alone.
void Enter(VornaClerk& clerk, const char* age, const char* sex, const char* pushups,
           const char* situps, const char* minutes, const char* seconds) {
  const char* texts[kEntryFieldCount] = {age, sex, pushups, situps, minutes, seconds};
  for (int id = 0; id < kEntryFieldCount; ++id) {
    if (texts[id] != nullptr) {
      clerk.Type(id, texts[id]);
    }
  }
}

// Age 20, male, every event above 100 points: maxed, scaled total 331.
void Maxed(VornaClerk& clerk) {
  Enter(clerk, "20", "M", "80", "90", "12", "00");
  clerk.Press(kCalculateCommand);
}

void PushupsOnly(VornaClerk& clerk) {
  Enter(clerk, "20", "M", "80", nullptr, nullptr, nullptr);
  clerk.Press(kCalculateCommand);
}

const Lines kTotalWiped = {"result 3 '' black", "label 3 grey", "result 4 '' black", "label 4 grey",
                           "clear"};

Lines Wiped(int first, int last) {
  Lines lines;
  for (int box = first; box <= last; ++box) {
    lines.push_back("result " + std::to_string(box) + " '' black");
    lines.push_back("label " + std::to_string(box) + " grey");
  }
  return lines;
}

class VornaModel : public ::testing::Test {
 protected:
  WindowModel model;
  VornaClerk clerk{model, &ChartLine};
};

// What an edit wipes, after the move into the field (which brings its chart).
TEST_F(VornaModel, AnEditWipesWhatNoLongerMatchesTheEntries) {
  const struct {
    const char* name;
    void (*before)(VornaClerk& c);
    int field;
    const char* typed;
    Lines effects;
    bool acceptedAfter, resultsAfter;
  } cases[] = {
      {"sit-ups: the sit-ups, the total, the scaled total and the worded verdict", &Maxed, kSitups,
       "4", Join({{"chart Situps-Points 17-21, Male"}, kTotalWiped, Wiped(1, 1)}), true, true},
      {"a run field always takes the run", &PushupsOnly, kRunSeconds, "4",
       Join({{"chart Time-Points 17-21, Male"}, Wiped(2, 2)}), true, true},
      {"the age: every event, Print, and the acceptance", &Maxed, kAge, "4",
       Join({{"chart emptied"}, kTotalWiped, {"no print"}, Wiped(0, 2), {"no print"}}), false,
       false},
      {"emptying the only scored event leaves nothing to print", &PushupsOnly, kPushups, "",
       Join({Wiped(0, 0), {"no print"}}), true, false},
  };
  for (const auto& c : cases) {
    WindowModel fresh;
    VornaClerk freshClerk(fresh, &ChartLine);
    c.before(freshClerk);
    EXPECT_EQ(freshClerk.Type(c.field, c.typed), c.effects) << c.name;
    EXPECT_EQ(fresh.state.accepted, c.acceptedAfter) << c.name;
    EXPECT_EQ(fresh.state.resultsShown, c.resultsAfter) << c.name;
    EXPECT_EQ(fresh.fields.focusTarget(), c.field) << c.name;
  }
}

// An edit after a validation message leaves the message; the next
// Calculate validates again.
TEST_F(VornaModel, AnAgePutRightIsValidatedAgain) {
  Enter(clerk, "16", "M", "40", nullptr, nullptr, nullptr);
  EXPECT_EQ(clerk.Press(kCalculateCommand),
            (Lines{"clear", "alert", "message 1 black", "focus 0", "focus 0"}));
  EXPECT_EQ(clerk.Type(kSitups, "5"), Lines{"no print"}) << "no chart, the message stays";
  clerk.Type(kAge, "30");
  EXPECT_EQ(clerk.Press(kCalculateCommand),
            (Lines{"clear", "label 0 black", "result 0 '61' black", "label 1 black",
                   "result 1 '34' red", "print", "focus 0"}));
}

TEST_F(VornaModel, TheChartFollowsTheCaretIntoEachEvent) {
  Enter(clerk, "20", "M", nullptr, nullptr, nullptr, nullptr);
  EXPECT_EQ(clerk.Click(kPushups), Lines{"chart Pushups-Points 17-21, Male"});
  EXPECT_TRUE(model.state.accepted) << "silently";
  EXPECT_EQ(clerk.Click(kSitups), Lines{"chart Situps-Points 17-21, Male"});
  EXPECT_EQ(clerk.Click(kRunMinutes), Lines{"chart Time-Points 17-21, Male"});
  EXPECT_EQ(clerk.Click(kRunSeconds), Lines{"chart Time-Points 17-21, Male"});
  // Into Age or Sex the chart of an age and sex about to change goes.
  EXPECT_EQ(clerk.Click(kSex), Lines{"chart emptied"});
  EXPECT_EQ(clerk.Click(kAge), Lines{"chart emptied"});
}

TEST_F(VornaModel, NothingIsChartedWithoutAnAcceptableAgeAndSex) {
  const struct {
    const char* age;
    const char* sex;
  } cases[] = {{"", "M"}, {"30", ""}, {"16", "M"}, {"71", "F"}};
  for (const auto& c : cases) {
    WindowModel fresh;
    VornaClerk freshClerk(fresh, &ChartLine);
    Enter(freshClerk, c.age, c.sex, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(freshClerk.Click(kPushups), Lines{}) << c.age << c.sex;
    EXPECT_FALSE(fresh.state.accepted) << c.age << c.sex;
  }
}

TEST_F(VornaModel, ClearEmptiesEveryFieldWithTheChartAndTheResults) {
  Maxed(clerk);
  clerk.Click(kPushups);
  EXPECT_EQ(clerk.Press(kClearCommand), Join({{"chart emptied", "empty 0"},
                                              kTotalWiped,
                                              {"no print"},
                                              Wiped(0, 2),
                                              {"no print", "empty 1", "no print", "empty 2",
                                               "no print", "empty 3", "no print", "empty 4"},
                                              Wiped(2, 2),
                                              {"no print", "empty 5"},
                                              Wiped(2, 2),
                                              {"no print", "clear", "label 0 grey", "focus 1"}}));
  for (int id = 0; id < kEntryFieldCount; ++id) {
    EXPECT_EQ(clerk.Text(id), "") << id;
  }
  EXPECT_FALSE(model.state.accepted);
}

TEST_F(VornaModel, MaleOnlyForcesMaleAndOnlyTheClerksSexEndsIt) {
  // On over an empty Sex: "M" written as the program's own, which wipes
  // nothing scored and keeps the option on.
  EXPECT_EQ(clerk.Press(kMaleOnlyCommand),
            (Lines{"male only", "select 1", "focus 1", "set 1 'M' keep", "no print", "frame 1"}));
  EXPECT_TRUE(model.state.maleOnly);
  // Clear keeps "M" in Sex.
  clerk.Type(kAge, "25");
  const Lines cleared = clerk.Press(kClearCommand);
  EXPECT_EQ(Lines(cleared.begin(), cleared.begin() + 3),
            (Lines{"empty 0 keep", "no print", "empty 1 keep"}));
  EXPECT_EQ(clerk.Text(kSex), "M");
  EXPECT_TRUE(model.state.maleOnly);
  // The clerk's own sex ends it.
  EXPECT_EQ(clerk.Type(kSex, "F"), (Lines{"no male only", "no print"}));
  EXPECT_FALSE(model.state.maleOnly);
}

TEST_F(VornaModel, MaleOnlyOverAWomansScoresTakesThemAndTheChartDown) {
  Enter(clerk, "20", "F", "40", "60", "16", "00");
  clerk.Press(kCalculateCommand);  // a total, no scaled total
  clerk.Click(kPushups);
  EXPECT_EQ(clerk.Press(kMaleOnlyCommand),
            Join({{"male only", "select 1", "focus 1", "chart emptied", "set 1 'M' keep",
                   "result 3 '' black", "label 3 grey", "clear", "no print"},
                  Wiped(0, 2),
                  {"no print", "frame 1", "chart title wiped"}}));
  EXPECT_EQ(clerk.Text(kSex), "M");
  EXPECT_EQ(model.state.sex, 'M');
}

TEST_F(VornaModel, MaleOnlyOverAnMTakesDownWhatWasScored) {
  Maxed(clerk);
  EXPECT_EQ(clerk.Press(kMaleOnlyCommand),
            Join({{"male only"}, Wiped(0, 4), {"no print", "clear"}}));
  EXPECT_EQ(clerk.Press(kMaleOnlyCommand), Lines{"no male only"});
}

}  // namespace
}  // namespace vorna
