#include "vorna/core/evaluation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <set>
#include <string>
#include <utility>
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
};

// Calculate in a window whose fields hold `entries`, the caret in Sex:
// what the window does, in order (a chart its focus move brings included),
// and the state it leaves.
Outcome Calculate(const EntryTexts& entries, const TestState& state = {}) {
  WindowModel model;
  model.state = state;
  requests::Clerk<WindowModel> clerk(model, &ChartLine);
  model.fields.LoadAll(entries);
  std::vector<std::string> log = clerk.Press(kCalculateCommand);
  return {model.state, log};
}

// The three events scored and shown, in order, as "result" lines.
std::vector<std::string> ScoredEvents(const char* pushups, const char* situps, const char* run) {
  return {"label 0 black", std::string("result 0 ") + pushups,
          "label 1 black", std::string("result 1 ") + situps,
          "label 2 black", std::string("result 2 ") + run};
}

// A Calculate that scores all three events: the old scores cleared, each
// event painted, Print, then what follows (totals, verdict, focus).
std::vector<std::string> ScoredAll(const char* pushups, const char* situps, const char* run,
                                   const std::vector<std::string>& after) {
  return requests::Join({{"clear"}, ScoredEvents(pushups, situps, run), {"print"}, after});
}

// A Calculate refused: the message, the alert, the caret to the field at fault.
std::vector<std::string> Refused(int message, int field) {
  const std::string focus = "focus " + std::to_string(field);
  return {"clear", "alert", "message " + std::to_string(message) + " black", focus, focus};
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
       ScoredAll("'100' black", "'100' black", "'100' black",
                 {"result 3 '300' black", "label 3 black", "result 4 '300' blue", "label 4 black",
                  "message 12 black", "focus 1"}),
       Verdict::Maxed},
      {"one event short of 100 passes without a scaled total",
       Entries("25", "M", "74", "80", "13", "00"),
       ScoredAll("'99' black", "'100' black", "'100' black",
                 {"result 3 '299' black", "label 3 black", "message 11 black", "focus 1"}),
       Verdict::Passed},
      {"points beyond 100 are shown as 100", Entries("20", "M", "80", "90", "12", "00"),
       ScoredAll("'100' black", "'100' black", "'100' black",
                 {"result 3 '300' black", "label 3 black", "result 4 '331' blue", "label 4 black",
                  "message 12 black", "focus 1"}),
       Verdict::Maxed},
      {"a 59 fails however high the rest", Entries("20", "M", "41", "99", "12", "00"),
       ScoredAll("'59' red", "'100' black", "'100' black",
                 {"result 3 '259' red", "label 3 black", "message 10 red", "focus 1"}),
       Verdict::Failed},
      {"exactly 60 everywhere passes", Entries("20", "M", "42", "53", "15", "54"),
       ScoredAll("'60' black", "'60' black", "'60' black",
                 {"result 3 '180' black", "label 3 black", "message 11 black", "focus 1"}),
       Verdict::Passed},
      {"a very slow run is shown negative, in red", Entries("20", "m", "71", "78", "30", "00"),
       ScoredAll("'100' black", "'100' black", "'-62' red",
                 {"result 3 '138' red", "label 3 black", "message 10 red", "focus 1"}),
       Verdict::Failed},
      {"women are scored by the female columns", Entries("23", "f", "9", "50", "15", "36"),
       ScoredAll("'49' red", "'60' black", "'100' black",
                 {"result 3 '209' red", "label 3 black", "message 10 red", "focus 1"}),
       Verdict::Failed},
      {"age below 17", Entries("16", "M", "40", "", "", ""), Refused(kAgeOutOfRange, kAge),
       Verdict::NotScored},
      {"age above 70", Entries("71", "F", "40", "", "", ""), Refused(kAgeOutOfRange, kAge),
       Verdict::NotScored},
      {"age and sex empty: only the age is asked for", Entries("", "", "40", "", "", ""),
       Refused(kEnterAge, kAge), Verdict::NotScored},
      {"sex empty", Entries("30", "", "", "40", "", ""), Refused(kEnterSex, kSex),
       Verdict::NotScored},
      {"sex empty is asked for before a wrong age", Entries("99", "", "", "40", "", ""),
       Refused(kEnterSex, kSex), Verdict::NotScored},
      {"a pasted sex letter other than M or F is no sex", Entries("30", "x", "", "40", "", ""),
       Refused(kEnterSex, kSex), Verdict::NotScored},
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
       requests::Join(
           {{"clear", "set 4 '00'", "set 5 '00'"},
            ScoredEvents("'100' black", "'100' black", "'100' black"),
            {"print", "result 3 '300' black", "label 3 black", "result 4 '999' blue",
             "label 4 black", "message 12 black", "focus 5", "chart Time-Points 17-21, Male"}}),
       Verdict::Maxed},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const Outcome outcome = Calculate(c.entries);
    EXPECT_EQ(outcome.log, c.log);
    EXPECT_EQ(VerdictOf(outcome.state), c.verdict);
  }
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
       ScoredAll("'100' black", "'100' black", "'100' black",
                 {"result 3 '300' black", "label 3 black", "result 4 '300' blue", "label 4 black",
                  "message 12 black", "focus 1"})},
      {"letters in the number fields read as no digits",
       Entries("25", "M", "abc", "", "", ""),
       {"clear", "label 0 black", "result 0 '20' red", "print", "focus 1"}},
      {"letters in the age", Entries("xy", "M", "40", "", "", ""), Refused(kAgeOutOfRange, kAge)},
      {"500 letters everywhere",
       Entries(longJunk, longJunk, longJunk, longJunk, longJunk, longJunk),
       Refused(kEnterSex, kSex)},
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

// The whole numbers and the single letters standing alone in a text.
std::vector<int> NumbersIn(const std::string& text) {
  std::vector<int> numbers;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (std::isdigit(static_cast<unsigned char>(text[i])) != 0 &&
        (i == 0 || std::isdigit(static_cast<unsigned char>(text[i - 1])) == 0)) {
      numbers.push_back(std::atoi(text.c_str() + i));
    }
  }
  return numbers;
}
std::string LettersIn(const std::string& text) {
  std::string letters;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto alpha = [&](std::size_t k) {
      return k < text.size() && std::isalpha(static_cast<unsigned char>(text[k])) != 0;
    };
    if (alpha(i) && !alpha(i + 1) && (i == 0 || !alpha(i - 1))) {
      letters += text[i];
    }
  }
  return letters;
}

// Each message says what Calculate does: the ages it names are the ones
// accepted, the seconds the ones scored, the letters the ones Sex takes;
// each worded verdict names its verdict. Every message has words of its
// own; a code of no message paints nothing.
TEST(FitnessMessages, SayWhatCalculateDoes) {
  const std::vector<int> ages = NumbersIn(FitnessMessageText(kAgeOutOfRange));
  ASSERT_EQ(ages.size(), 2u);
  for (int age = ages[0] - 1; age <= ages[1] + 1; ++age) {
    TestState state;
    const std::string text = std::to_string(age);
    EXPECT_EQ(AcceptAgeAndSex(state, Entries(text, "M", "", "", "", "")),
              ages[0] <= age && age <= ages[1])
        << age;
  }
  const std::vector<int> seconds = NumbersIn(FitnessMessageText(kSecondsOutOfRange));
  ASSERT_EQ(seconds.size(), 2u);
  for (const int second : {seconds[1], seconds[1] + 1}) {
    const std::string text = std::to_string(second);
    const std::vector<std::string> log = Calculate(Entries("20", "M", "", "", "14", text)).log;
    EXPECT_EQ(std::find(log.begin(), log.end(), "message 3 black") == log.end(),
              second <= seconds[1])
        << second;
  }
  const std::string letters = LettersIn(FitnessMessageText(kEnterSex));
  ASSERT_EQ(letters.size(), 4u);
  for (const char letter : letters) {
    TestState state;
    EXPECT_TRUE(AcceptAgeAndSex(state, Entries("25", std::string(1, letter), "", "", "", "")))
        << letter;
  }

  std::set<std::string> texts = {FitnessMessageText(kAgeOutOfRange),
                                 FitnessMessageText(kSecondsOutOfRange),
                                 FitnessMessageText(kEnterAge), FitnessMessageText(kEnterSex)};
  const std::pair<Verdict, const char*> verdicts[] = {
      {Verdict::Failed, "failed"}, {Verdict::Passed, "passed"}, {Verdict::Maxed, "maxed"}};
  for (const auto& [verdict, word] : verdicts) {
    const std::string text = FitnessMessageText(VerdictMessage(verdict));
    EXPECT_NE(text.find(word), std::string::npos) << text;
    texts.insert(text);
  }
  EXPECT_EQ(texts.size(), 7u) << "a message's words are its own";
  EXPECT_EQ(texts.count(""), 0u);
  EXPECT_EQ(VerdictMessage(Verdict::NotScored), kNoFitnessMessage);
  for (int code : {0, 2, 6, -1}) {
    EXPECT_STREQ(FitnessMessageText(code), "") << code;
  }
}

}  // namespace
}  // namespace vorna
