// VORNA's decisions besides Calculate, as the order of their effects: what
// an edit wipes, Clear, and "Male Only".
#include "vorna/core/reactions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/tests/request_text.h"
#include "vorna/core/evaluation.h"

namespace vorna {
namespace {

using Lines = std::vector<std::string>;

// A soldier scored in every event, maxed (all three at 100 or more).
TestState Maxed() {
  TestState state;
  shell::RequestList ignored;
  EvaluateScores(state, {"20", "M", "80", "90", "12", "00"}, ignored);
  return state;
}

// Only push-ups scored.
TestState PushupsOnly() {
  TestState state;
  shell::RequestList ignored;
  EvaluateScores(state, {"20", "M", "80", "", "", ""}, ignored);
  return state;
}

const Lines kTotalWiped = {"result 3 '' black", "label 3 grey", "result 4 '' black", "label 4 grey",
                           "clear"};

using requests::Join;

TEST(VornaFieldChanged, WipesWhatNoLongerMatchesTheEntries) {
  const struct {
    const char* name;
    int field;
    ChangeBy by;
    TestState state;
    Lines effects;
    bool acceptedAfter, resultsAfter;
  } cases[] = {
      {"Calculate completing the run is no edit",
       kRunMinutes,
       ChangeBy::Rewrite,
       Maxed(),
       {},
       true,
       true},
      {"sit-ups: the sit-ups, the total, the scaled total and the worded verdict", kSitups,
       ChangeBy::Clerk, Maxed(), Join({kTotalWiped, {"result 1 '' black", "label 1 grey"}}), true,
       true},
      {"a run field always takes the run",
       kRunSeconds,
       ChangeBy::Clerk,
       PushupsOnly(),
       {"result 2 '' black", "label 2 grey"},
       true,
       true},
      {"the age: every event, Print, and the acceptance", kAge, ChangeBy::Clerk, Maxed(),
       Join({kTotalWiped,
             {"no print", "result 0 '' black", "label 0 grey", "result 1 '' black", "label 1 grey",
              "result 2 '' black", "label 2 grey", "no print"}}),
       false, false},
      {"emptying the only scored event leaves nothing to print",
       kPushups,
       ChangeBy::Clerk,
       PushupsOnly(),
       {"result 0 '' black", "label 0 grey", "no print"},
       true,
       false},
  };
  for (const auto& c : cases) {
    TestState state = c.state;
    shell::RequestList list;
    FieldChanged(state, c.field, c.by, list);
    EXPECT_EQ(requests::Render(list), c.effects) << c.name;
    EXPECT_EQ(state.accepted, c.acceptedAfter) << c.name;
    EXPECT_EQ(state.resultsShown, c.resultsAfter) << c.name;
    EXPECT_EQ(state.currentField, c.field) << c.name;
  }
}

TEST(VornaFieldChanged, TheClerksSexEndsMaleOnlyButTheProgramsMDoesNot) {
  for (const ChangeBy by : {ChangeBy::Clerk, ChangeBy::KeepMaleOnly}) {
    TestState state;
    state.maleOnly = true;
    shell::RequestList list;
    FieldChanged(state, kSex, by, list);
    EXPECT_EQ(state.maleOnly, by == ChangeBy::KeepMaleOnly);
    const Lines expected =
        by == ChangeBy::Clerk ? Lines{"no male only", "no print"} : Lines{"no print"};
    EXPECT_EQ(requests::Render(list), expected);
  }
}

TEST(VornaCommands, ClearAndMaleOnlyInOrder) {
  const auto clear = [](TestState& s, shell::RequestList& r) { ClearTest(s, r); };
  const auto maleOnlyOverF = [](TestState& s, shell::RequestList& r) { ToggleMaleOnly(s, 'F', r); };
  const auto maleOnlyOverM = [](TestState& s, shell::RequestList& r) { ToggleMaleOnly(s, 'M', r); };
  const Lines emptied = {"empty 0", "empty 1", "empty 2", "empty 3", "empty 4", "empty 5"};
  const Lines kept = {"empty 0 keep", "empty 1 keep", "empty 2 keep",
                      "empty 3 keep", "empty 4 keep", "empty 5 keep"};
  const struct {
    const char* name;
    void (*command)(TestState&, shell::RequestList&);
    bool maleOnly;
    Lines effects;
  } cases[] = {
      {"Clear", clear, false,
       Join({{"program 1 0"}, emptied, {"clear", "label 0 grey", "focus 1"}})},
      {"Clear keeps M in Sex under Male Only", clear, true,
       Join({{"program 1 0"}, kept, {"set 1 'M' keep", "clear", "label 0 grey", "focus 1"}})},
      {"Male Only on over an F, with a chart up",
       maleOnlyOverF,
       false,
       {"male only", "select 1", "focus 1", "set 1 'M' keep", "program 3 0", "program 2 0"}},
      {"Male Only on over an M takes down what was scored",
       maleOnlyOverM,
       false,
       {"male only", "result 0 '' black", "label 0 grey", "result 1 '' black", "label 1 grey",
        "result 2 '' black", "label 2 grey", "result 3 '' black", "label 3 grey",
        "result 4 '' black", "label 4 grey", "no print", "clear"}},
      {"Male Only off", maleOnlyOverF, true, {"no male only"}},
  };
  for (const auto& c : cases) {
    TestState state = Maxed();
    state.maleOnly = c.maleOnly;
    shell::RequestList list;
    c.command(state, list);
    EXPECT_EQ(requests::Render(list), c.effects) << c.name;
    EXPECT_FALSE(list.overflowed()) << c.name;
  }
}

}  // namespace
}  // namespace vorna
