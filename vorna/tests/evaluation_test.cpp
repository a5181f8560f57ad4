#include "vorna/core/evaluation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/tests/clerk.h"
#include "vorna/core/window_model.h"
#include "vorna/tests/program_lines.h"

namespace vorna {
namespace {

EntryTexts Entries(std::string_view age, std::string_view sex, std::string_view pushups,
                   std::string_view situps, std::string_view minutes, std::string_view seconds) {
  return {age, sex, pushups, situps, minutes, seconds};
}

struct Outcome {
  TestState state;
  std::vector<std::string> log;
  int focusTarget;
};

// Calculate in a window whose fields hold `entries`, the caret in
// `caret`: what the window does, in order (a chart its focus move brings
// included), and the state and focus target it leaves.
Outcome Calculate(const EntryTexts& entries, const TestState& state = {}, int caret = kSex) {
  WindowModel model;
  model.state = state;
  requests::Clerk<WindowModel> clerk(model, &ChartLine);
  clerk.Click(caret);
  model.fields.LoadAll(entries);
  std::vector<std::string> log = clerk.Press(kCalculateCommand);
  return {model.state, log, model.fields.focusTarget()};
}

// The three events scored and shown, in order, as "result" lines.
std::vector<std::string> ScoredEvents(const char* pushups, const char* situps, const char* run) {
  return {"label 0 black", std::string("result 0 ") + pushups,
          "label 1 black", std::string("result 1 ") + situps,
          "label 2 black", std::string("result 2 ") + run};
}

std::vector<std::string> Join(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

struct Case {
  const char* name;
  EntryTexts entries;
  std::vector<std::string> log;
  Verdict verdict;
};

TEST(EvaluateScoresTest, RequestSequences) {
  const Case kCases[] = {
      {"every event at exactly 100 is maxed", Entries("25", "M", "75", "80", "13", "00"),
       Join(Join(Join({"clear"}, ScoredEvents("'100' black", "'100' black", "'100' black")),
                 {"print"}),
            {"result 3 '300' black", "label 3 black", "result 4 '300' blue", "label 4 black",
             "message 12 black", "focus 1"}),
       Verdict::Maxed},
      {"one event short of 100 passes without a scaled total",
       Entries("25", "M", "74", "80", "13", "00"),
       Join(Join(Join({"clear"}, ScoredEvents("'99' black", "'100' black", "'100' black")),
                 {"print"}),
            {"result 3 '299' black", "label 3 black", "message 11 black", "focus 1"}),
       Verdict::Passed},
      {"points beyond 100 are shown as 100", Entries("20", "M", "80", "90", "12", "00"),
       Join(Join(Join({"clear"}, ScoredEvents("'100' black", "'100' black", "'100' black")),
                 {"print"}),
            {"result 3 '300' black", "label 3 black", "result 4 '331' blue", "label 4 black",
             "message 12 black", "focus 1"}),
       Verdict::Maxed},
      {"a 59 fails however high the rest", Entries("20", "M", "41", "99", "12", "00"),
       Join(
           Join(Join({"clear"}, ScoredEvents("'59' red", "'100' black", "'100' black")), {"print"}),
           {"result 3 '259' red", "label 3 black", "message 10 red", "focus 1"}),
       Verdict::Failed},
      {"exactly 60 everywhere passes", Entries("20", "M", "42", "53", "15", "54"),
       Join(
           Join(Join({"clear"}, ScoredEvents("'60' black", "'60' black", "'60' black")), {"print"}),
           {"result 3 '180' black", "label 3 black", "message 11 black", "focus 1"}),
       Verdict::Passed},
      {"a very slow run is shown negative, in red", Entries("20", "m", "71", "78", "30", "00"),
       Join(Join(Join({"clear"}, ScoredEvents("'100' black", "'100' black", "'-62' red")),
                 {"print"}),
            {"result 3 '138' red", "label 3 black", "message 10 red", "focus 1"}),
       Verdict::Failed},
      {"women are scored by the female columns", Entries("23", "f", "9", "50", "15", "36"),
       Join(Join(Join({"clear"}, ScoredEvents("'49' red", "'60' black", "'100' black")), {"print"}),
            {"result 3 '209' red", "label 3 black", "message 10 red", "focus 1"}),
       Verdict::Failed},
      {"age below 17",
       Entries("16", "M", "40", "", "", ""),
       {"clear", "alert", "message 1 black", "focus 0", "focus 0"},
       Verdict::NotScored},
      {"age above 70",
       Entries("71", "F", "40", "", "", ""),
       {"clear", "alert", "message 1 black", "focus 0", "focus 0"},
       Verdict::NotScored},
      {"age and sex empty: only the age is asked for",
       Entries("", "", "40", "", "", ""),
       {"clear", "alert", "message 4 black", "focus 0", "focus 0"},
       Verdict::NotScored},
      {"sex empty",
       Entries("30", "", "", "40", "", ""),
       {"clear", "alert", "message 5 black", "focus 1", "focus 1"},
       Verdict::NotScored},
      {"sex empty is asked for before a wrong age",
       Entries("99", "", "", "40", "", ""),
       {"clear", "alert", "message 5 black", "focus 1", "focus 1"},
       Verdict::NotScored},
      {"a pasted sex letter other than M or F is no sex",
       Entries("30", "x", "", "40", "", ""),
       {"clear", "alert", "message 5 black", "focus 1", "focus 1"},
       Verdict::NotScored},
      {"one minutes digit and no seconds are completed",
       Entries("20", "M", "", "", "9", ""),
       {"clear", "set 4 '09'", "set 5 '00'", "label 2 black", "result 2 '100' black", "print",
        "focus 5", "chart Time-Points 17-21, Male"},
       Verdict::NotScored},
      {"only the minutes digit is completed",
       Entries("20", "M", "", "", "9", "30"),
       {"clear", "set 4 '09'", "label 2 black", "result 2 '100' black", "print", "focus 4",
        "chart Time-Points 17-21, Male"},
       Verdict::NotScored},
      {"one seconds digit gets its leading zero",
       Entries("20", "M", "", "", "15", "4"),
       {"clear", "set 5 '04'", "label 2 black", "result 2 '71' black", "print", "focus 5",
        "chart Time-Points 17-21, Male"},
       Verdict::NotScored},
      {"the run is completed even when the age is missing",
       Entries("", "M", "", "", "9", ""),
       {"clear", "set 4 '09'", "set 5 '00'", "alert", "message 4 black", "focus 0", "focus 0"},
       Verdict::NotScored},
      {"seconds above 59 leave the run unscored",
       Entries("20", "M", "42", "53", "14", "75"),
       {"clear", "label 0 black", "result 0 '60' black", "label 1 black", "result 1 '60' black",
        "message 3 black", "alert", "focus 5", "chart Time-Points 17-21, Male", "print", "focus 5"},
       Verdict::NotScored},
      {"60 seconds are too many: with nothing scored there is nothing to print",
       Entries("20", "M", "", "", "14", "60"),
       {"clear", "message 3 black", "alert", "focus 5", "chart Time-Points 17-21, Male", "focus 5"},
       Verdict::NotScored},
      {"59 seconds are the most",
       Entries("20", "M", "", "", "14", "59"),
       {"clear", "label 2 black", "result 2 '72' black", "print", "focus 1"},
       Verdict::NotScored},
      {"seconds alone score nothing and say nothing",
       Entries("", "", "", "", "", "30"),
       {"clear", "focus 1"},
       Verdict::NotScored},
      {"huge raw scores: scaled total capped at 999", Entries("20", "M", "999", "999", "0", ""),
       Join(Join({"clear", "set 4 '00'", "set 5 '00'"},
                 ScoredEvents("'100' black", "'100' black", "'100' black")),
            {"print", "result 3 '300' black", "label 3 black", "result 4 '999' blue",
             "label 4 black", "message 12 black", "focus 5", "chart Time-Points 17-21, Male"}),
       Verdict::Maxed},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const Outcome outcome = Calculate(c.entries);
    EXPECT_EQ(outcome.log, c.log);
    EXPECT_EQ(VerdictOf(outcome.state), c.verdict);
  }
}

TEST(EvaluateScoresTest, KeepsCappedAndExtendedPoints) {
  const Outcome outcome = Calculate(Entries("20", "M", "999", "999", "0", "0"));
  const TestState& s = outcome.state;
  EXPECT_TRUE(s.accepted);
  EXPECT_TRUE(s.resultsShown);
  EXPECT_EQ(s.age, 20);
  EXPECT_EQ(s.sex, 'M');
  EXPECT_EQ(s.pushups, 999);
  EXPECT_EQ(s.situps, 999);
  EXPECT_EQ(s.runMinutes, 0);
  EXPECT_EQ(s.runSeconds, 0);
  const int extended[] = {1028, 1021, 230};
  for (int e = 0; e < kEventCount; ++e) {
    EXPECT_EQ(s.events[static_cast<std::size_t>(e)].points, 100);
    EXPECT_EQ(s.events[static_cast<std::size_t>(e)].extendedPoints, extended[e]);
  }
  EXPECT_EQ(s.total, 300);
  EXPECT_STREQ(s.totalText.c_str(), "300");
  EXPECT_EQ(s.scaledTotal, 999);
  EXPECT_STREQ(s.scaledText.c_str(), "999");
}

TEST(EvaluateScoresTest, RunTimeIsKeptAsScored) {
  const Outcome outcome = Calculate(Entries("20", "M", "", "", "9", ""));
  EXPECT_EQ(outcome.state.runMinutes, 9);
  EXPECT_EQ(outcome.state.runSeconds, 0);
  EXPECT_EQ(outcome.state.events[kRunEvent].extendedPoints, 140);
  EXPECT_EQ(outcome.focusTarget, kRunSeconds);
}

TEST(EvaluateScoresTest, ValidationFailureLeavesStateUnaccepted) {
  const Outcome outcome = Calculate(Entries("16", "F", "40", "", "", ""));
  EXPECT_FALSE(outcome.state.accepted);
  EXPECT_FALSE(outcome.state.resultsShown);
  EXPECT_EQ(outcome.focusTarget, kAge);
  EXPECT_TRUE(outcome.state.events[kPushupEvent].pointsText.empty());
}

TEST(EvaluateScoresTest, AcceptedAgeAndSexAreNotCheckedAgain) {
  TestState accepted;
  accepted.accepted = true;
  accepted.age = 35;
  accepted.sex = 'F';
  const Outcome outcome = Calculate(Entries("", "", "45", "", "", ""), accepted, kPushups);
  EXPECT_EQ(outcome.log, (std::vector<std::string>{"clear", "label 0 black", "result 0 '100' black",
                                                   "print", "focus 2"}));
  EXPECT_EQ(outcome.state.age, 35);
  EXPECT_EQ(outcome.state.sex, 'F');
}

TEST(EvaluateScoresTest, ANewCalculateWipesEarlierResults) {
  const Outcome first = Calculate(Entries("25", "M", "75", "80", "13", "00"));
  ASSERT_EQ(VerdictOf(first.state), Verdict::Maxed);
  const Outcome second = Calculate(Entries("25", "M", "", "80", "13", "00"), first.state);
  const TestState& s = second.state;
  EXPECT_TRUE(s.events[kPushupEvent].pointsText.empty());
  EXPECT_EQ(s.events[kPushupEvent].extendedPoints, 0);
  EXPECT_FALSE(s.events[kSitupEvent].pointsText.empty());
  EXPECT_TRUE(s.totalText.empty());
  EXPECT_TRUE(s.scaledText.empty());
  EXPECT_EQ(VerdictOf(s), Verdict::NotScored);
}

TEST(EvaluateScoresTest, PastedJunkIsReadOnlyAsFarAsEachFieldReaches) {
  const std::string longDigits(500, '7');
  const std::string longJunk(500, 'z');
  struct JunkCase {
    const char* name;
    EntryTexts entries;
    std::vector<std::string> log;
  };
  const std::string pushups = "075" + longDigits;
  const std::string age = "25" + longJunk;
  const std::string sex = "mF" + longJunk;
  const std::string minutes = "13" + longDigits;
  const std::string seconds = "00" + longDigits;
  const std::string situps = "80x";
  const JunkCase kCases[] = {
      {"long texts: only the first characters count",
       Entries(age, sex, pushups, situps, minutes, seconds),
       Join(Join(Join({"clear"}, ScoredEvents("'100' black", "'100' black", "'100' black")),
                 {"print"}),
            {"result 3 '300' black", "label 3 black", "result 4 '300' blue", "label 4 black",
             "message 12 black", "focus 1"})},
      {"letters in the number fields read as no digits",
       Entries("25", "M", "abc", "", "", ""),
       {"clear", "label 0 black", "result 0 '20' red", "print", "focus 1"}},
      {"letters in the age",
       Entries("xy", "M", "40", "", "", ""),
       {"clear", "alert", "message 1 black", "focus 0", "focus 0"}},
      {"500 letters everywhere",
       Entries(longJunk, longJunk, longJunk, longJunk, longJunk, longJunk),
       {"clear", "alert", "message 5 black", "focus 1", "focus 1"}},
      {"a single letter in the run fields is not padded",
       Entries("25", "M", "", "", "z", "q"),
       {"clear", "label 2 black", "result 2 '100' black", "print", "focus 1"}},
  };
  for (const JunkCase& c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Calculate(c.entries).log, c.log);
  }
}

TEST(AcceptAgeAndSexTest, AcceptsOnlyAValidPair) {
  struct AcceptCase {
    const char* age;
    const char* sex;
    bool accepted;
    int expectedAge;
    char expectedSex;
  };
  constexpr AcceptCase kCases[] = {
      {"25", "m", true, 25, 'M'}, {"17", "F", true, 17, 'F'}, {"70", "f", true, 70, 'F'},
      {"16", "M", false, 0, 'M'}, {"71", "M", false, 0, 'M'}, {"", "M", false, 0, 'M'},
      {"25", "", false, 0, 'M'},  {"25", "q", false, 0, 'M'}, {"2", "F", false, 0, 'M'},
  };
  for (const AcceptCase& c : kCases) {
    SCOPED_TRACE(testing::Message() << "'" << c.age << "' '" << c.sex << "'");
    TestState state;
    EXPECT_EQ(AcceptAgeAndSex(state, Entries(c.age, c.sex, "", "", "", "")), c.accepted);
    EXPECT_EQ(state.accepted, c.accepted);
    EXPECT_EQ(state.age, c.expectedAge);
    EXPECT_EQ(state.sex, c.expectedSex);
  }
}

TEST(AcceptAgeAndSexTest, KeepsWhatIsAlreadyAccepted) {
  TestState state;
  state.accepted = true;
  state.age = 40;
  state.sex = 'F';
  EXPECT_TRUE(AcceptAgeAndSex(state, Entries("25", "M", "", "", "", "")));
  EXPECT_EQ(state.age, 40);
  EXPECT_EQ(state.sex, 'F');
}

TEST(FitnessMessageTextTest, TextsByCode) {
  EXPECT_STREQ(FitnessMessageText(kAgeOutOfRange), "Age must be between 17 and 70.");
  EXPECT_STREQ(FitnessMessageText(kSecondsOutOfRange), "Seconds must be between 0 and 59.");
  EXPECT_STREQ(FitnessMessageText(kEnterAge), "Enter Age.");
  EXPECT_STREQ(FitnessMessageText(kEnterSex), "Enter Sex: F or M (f or m).");
  EXPECT_STREQ(FitnessMessageText(VerdictMessage(Verdict::Failed)), "Soldier has failed the VORNA");
  EXPECT_STREQ(FitnessMessageText(VerdictMessage(Verdict::Passed)), "Soldier has passed the VORNA");
  EXPECT_STREQ(FitnessMessageText(VerdictMessage(Verdict::Maxed)), "Soldier has maxed the VORNA");
  EXPECT_EQ(VerdictMessage(Verdict::NotScored), kNoFitnessMessage);
  for (int code : {0, 2, 6, -1}) {
    EXPECT_STREQ(FitnessMessageText(code), "") << code;
  }
}

}  // namespace
}  // namespace vorna
