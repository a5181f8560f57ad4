#include "vorna/core/report.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "shell/tests/report_lines.h"
#include "vorna/core/evaluation.h"

namespace vorna {
namespace {

using report_lines::BodyOf;
using report_lines::Lines;
using shell::Underline;

TestState Calculated(std::string_view age, std::string_view sex, std::string_view pushups,
                     std::string_view situps, std::string_view minutes, std::string_view seconds) {
  TestState state;
  shell::RequestList log;
  EvaluateScores(state, {age, sex, pushups, situps, minutes, seconds}, log);
  return state;
}

constexpr const char* kHeading = "         Raw Score     Points";

struct ScoreCase {
  const char* name;
  TestState state;
  Lines body;
  std::vector<Underline> underlines;
};

TEST(ScoreReport, PrintsScoresTotalsAndVerdict) {
  const ScoreCase cases[] = {
      {"exactly 60 everywhere passes",
       Calculated("20", "M", "42", "53", "15", "54"),
       {{10, kHeading},
        {11, "Pushups:     42          60"},
        {12, "Situps:      53          60"},
        {13, "Run:       15:54         60"},
        {15, "Total Points:           180"},
        {18, "Soldier has passed the VORNA"}},
       {{18, "Soldier has ", "passed"}}},
      {"maxed prints capped points and the scaled total",
       Calculated("20", "M", "80", "90", "12", "00"),
       {{10, kHeading},
        {11, "Pushups:     80         100"},
        {12, "Situps:      90         100"},
        {13, "Run:       12:00        100"},
        {15, "Total Points:           300"},
        {16, "Scaled Total Points:    331"},
        {18, "Soldier has maxed the VORNA"}},
       {{18, "Soldier has ", "maxed"}}},
      {"a 59 fails however high the rest",
       Calculated("20", "M", "41", "99", "12", "00"),
       {{10, kHeading},
        {11, "Pushups:     41          59"},
        {12, "Situps:      99         100"},
        {13, "Run:       12:00        100"},
        {15, "Total Points:           259"},
        {18, "Soldier has failed the VORNA"}},
       {{18, "Soldier has ", "failed"}}},
      {"partly scored: no total, no verdict",
       Calculated("20", "M", "42", "53", "", ""),
       {{10, kHeading},
        {11, "Pushups:     42          60"},
        {12, "Situps:      53          60"},
        {13, "Run:"},
        {15, "Total Points:"}},
       {}},
      {"before any Calculate only the labels",
       TestState{},
       {{10, kHeading}, {11, "Pushups:"}, {12, "Situps:"}, {13, "Run:"}, {15, "Total Points:"}},
       {}},
      {"a very slow run prints its negative points",
       Calculated("20", "M", "71", "78", "30", "00"),
       {{10, kHeading},
        {11, "Pushups:     71         100"},
        {12, "Situps:      78         100"},
        {13, "Run:       30:00        -62"},
        {15, "Total Points:           138"},
        {18, "Soldier has failed the VORNA"}},
       {{18, "Soldier has ", "failed"}}},
  };
  for (const ScoreCase& c : cases) {
    SCOPED_TRACE(c.name);
    const shell::Report report = ScoreReport(c.state, shell::PersonalData{});
    EXPECT_EQ(report.documentName, "VORNA");
    ASSERT_FALSE(report.lines.empty());
    EXPECT_EQ(report.lines[0].text, "Physical Fitness Score Report");
    EXPECT_EQ(BodyOf(report), c.body);
    EXPECT_EQ(report.underlines, c.underlines);
  }
}

TEST(ScoreReport, RunLineKeepsItsColumns) {
  struct Case {
    const char* minutes;
    const char* seconds;
    int points;  // the run points, set directly to reach any column width
    const char* line;
  };
  const Case cases[] = {
      {"9", "5", 100, "Run:        9:05        100"},
      {"14", "", -12, "Run:       14:00        -12"},
      {"20", "30", 7, "Run:       20:30          7"},
  };
  for (const Case& c : cases) {
    TestState state = Calculated("20", "M", "", "", c.minutes, c.seconds);
    state.events[kRunEvent].points = c.points;
    const Lines body = BodyOf(ScoreReport(state, {}));
    ASSERT_GE(body.size(), 4u);
    EXPECT_EQ(body[3], (std::pair<int, std::string>{13, c.line}));
  }
}

TEST(ScoreReport, HeaderCarriesTheStateAgeAndSex) {
  const TestState state = Calculated("45", "f", "30", "", "", "");
  shell::PersonalData person;
  person.rank = "SGT";
  const shell::Report report = ScoreReport(state, person);
  ASSERT_GE(report.lines.size(), 7u);
  EXPECT_EQ(report.lines[3].text, "Rank: SGT");
  EXPECT_EQ(report.lines[5].text, "Age: 45");
  EXPECT_EQ(report.lines[6].text, "Sex: F");
}

}  // namespace
}  // namespace vorna
