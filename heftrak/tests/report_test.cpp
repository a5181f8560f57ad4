#include "heftrak/core/report.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "heftrak/tests/field_texts.h"
#include "shell/tests/report_lines.h"

namespace heftrak {
namespace {

using shell::Underline;

using report_lines::BodyOf;
using report_lines::Lines;

enum class Run { Check, Calculate, CheckThenCalculate };

// The state a window is left with, its fields holding `fields`.
WeightControlState Evaluated(const Fields& fields, Run run) {
  WindowModel model;
  fields.LoadInto(model);
  if (run != Run::Calculate) {
    model.Command(kCheckCommand);
  }
  if (run != Run::Check) {
    model.Command(kCalculateCommand);
  }
  return model.state;
}

const Lines kMaleBody = {
    {9, "Height (in.): 72.00"},
    {10, "Weight (lbs.):"},
    {14, "Measurements:  1st    2nd    3rd    Average"},
    {15, "Abdomen:      35.00  35.00  00.00    35.00"},
    {16, "Neck:         15.00  00.00  00.00    15.00"},
    {18, "                       Difference:   20.00"},
    {19, "              Abdomen-Neck Factor:   99.48"},
    {20, "                    Height Factor:   80.67"},
    {21, "                 Percent Body Fat:   18.81%"},
    {23, "Max Allowable Percent Body Fat:   22.0%"},
    {24, "Soldier is in compliance with Army standards."},
};

const Lines kFemaleBody = {
    {9, "Height (in.): 64.00"},
    {10, "Weight (lbs.): 150"},
    {11, "Max Allowable Weight:  141"},
    {12, "Soldier is not within weight limit."},
    {14, "Measurements:  1st    2nd    3rd    Average"},
    {15, "Hips:         40.00   0.00   0.00    40.00"},
    {16, "Forearm:      10.00   0.00  10.00     10.00"},
    {17, "Neck:          0.00  13.00   0.00    13.00"},
    {18, "Wrist:         6.00   0.00   0.00     6.00 "},
    {20, "               A. Weight Factor:    157.44"},
    {21, "               B. Hip Factor:        17.58"},
    {22, "               C. Total (A+B):      175.02"},
    {23, "               D. Height Factor:     83.75"},
    {24, "               E. Forearm Factor:    39.97"},
    {25, "               F. Neck Factor:       17.60"},
    {26, "               G. Wrist Factor:       3.05"},
    {27, "               H. Total (D+E+F+G):  144.37"},
    {28, "               I. Percent Body Fat:  30.65%"},
    {30, "Max Allowable Percent Body Fat:   34.0%"},
    {31, "Soldier is in compliance with Army standards."},
};

struct ReportCase {
  const char* name;
  Fields fields;
  Run run;
  const char* sexLine;
  Lines body;
  std::vector<Underline> underlines;
};

TEST(BodyFatReport, PrintsTheLinesOfWhatWasEvaluated) {
  const ReportCase cases[] = {
      {"check only, within",
       Fields().Screen("25", "m", "72", "00", "195"),
       Run::Check,
       "Sex: M",
       {{9, "Height (in.): 72.00"},
        {10, "Weight (lbs.): 195"},
        {11, "Max Allowable Weight:  195"},
        {12, "Soldier is within weight limit."}},
       {{12, "Soldier ", "is"}}},
      {".50 screens a whole inch taller",
       Fields().Screen("30", "M", "69", "50", "190"),
       Run::Check,
       "Sex: M",
       {{9, "Height (in.): 69.50"},
        {10, "Weight (lbs.): 190"},
        {11, "Max Allowable Weight:  189"},
        {12, "Soldier is not within weight limit."}},
       {{12, "Soldier is ", "not"}}},
      {"a woman is screened on the female table",
       Fields().Screen("45", "F", "81", "00", "233"),
       Run::Check,
       "Sex: F",
       {{9, "Height (in.): 81.00"},
        {10, "Weight (lbs.): 233"},
        {11, "Max Allowable Weight:  233"},
        {12, "Soldier is within weight limit."}},
       {{12, "Soldier ", "is"}}},
      {"no weight, no screening lines",
       Fields().Screen("25", "M", "72", "00", ""),
       Run::Check,
       "Sex: M",
       {{9, "Height (in.): 72.00"}, {10, "Weight (lbs.):"}},
       {}},
      {"male result with empty readings",
       MaleSoldier(),
       Run::Calculate,
       "Sex: M",
       kMaleBody,
       {{24, "Soldier ", "is"}}},
      {"female result after a failed screen",
       FemaleSoldier().Set(kSex, "F"),
       Run::CheckThenCalculate,
       "Sex: F",
       kFemaleBody,
       {{12, "Soldier is ", "not"}, {31, "Soldier ", "is"}}},
      // The weight a female Calculate reads is screened on the report as a
      // Check would have screened it.
      {"female result without a Check",
       FemaleSoldier(),
       Run::Calculate,
       "Sex: F",
       kFemaleBody,
       {{12, "Soldier is ", "not"}, {31, "Soldier ", "is"}}},
      {"readings that give a body fat below zero print no result",
       Fields()
           .Screen("25", "M", "70", "00", "180")
           .Male(kAbdomen, 0, "15", "00")
           .Male(kMaleNeck, 0, "16", "00"),
       Run::CheckThenCalculate,
       "Sex: M",
       {{9, "Height (in.): 70.00"},
        {10, "Weight (lbs.): 180"},
        {11, "Max Allowable Weight:  185"},
        {12, "Soldier is within weight limit."}},
       {{12, "Soldier ", "is"}}},
  };
  shell::PersonalData person;
  person.rank = "SGT";
  for (const ReportCase& c : cases) {
    SCOPED_TRACE(c.name);
    const WeightControlState state = Evaluated(c.fields, c.run);
    const shell::Report report = BodyFatReport(state, person);
    EXPECT_EQ(report.documentName, "Weight Control");
    ASSERT_GE(report.lines.size(), 7u);
    EXPECT_EQ(report.lines[0].text, "Body Fat Content Report");
    // The clerk's personal data, and the age and sex the figures were judged by.
    EXPECT_EQ(report.lines[3].text, "Rank: SGT");
    EXPECT_EQ(report.lines[5].text, "Age: " + std::string(c.fields.texts[kAge]));
    EXPECT_EQ(report.lines[6].text, c.sexLine);
    EXPECT_EQ(BodyOf(report), c.body);
    EXPECT_EQ(report.underlines, c.underlines);
  }
}

TEST(BodyFatReport, PrintsTheLimitOfTheAgeGroupAndTheFailedVerdict) {
  // At 20 the male limit is 20 %: 18.81 is within. 37.00 - 15.00 = 22.00
  // gives 102.64 - 80.67 = 21.97 %, which is not.
  struct Case {
    const char* abdomen;
    const char* percentLine;
    const char* limitLine;
    const char* verdictLine;
    Underline underline;
  };
  const Case cases[] = {
      {"35",
       "                 Percent Body Fat:   18.81%",
       "Max Allowable Percent Body Fat:   20.0%",
       "Soldier is in compliance with Army standards.",
       {24, "Soldier ", "is"}},
      {"37",
       "                 Percent Body Fat:   21.97%",
       "Max Allowable Percent Body Fat:   20.0%",
       "Soldier is not in compliance with Army standards.",
       {24, "Soldier is ", "not"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.abdomen);
    Fields fields;
    fields.Screen("20", "", "72", "00", "")
        .Male(kAbdomen, 0, c.abdomen, "00")
        .Male(kMaleNeck, 0, "15", "00");
    const WeightControlState state = Evaluated(fields, Run::Calculate);
    const Lines body = BodyOf(BodyFatReport(state, {}));
    ASSERT_EQ(body.size(), kMaleBody.size());
    EXPECT_EQ(body[8], (std::pair<int, std::string>{21, c.percentLine}));
    EXPECT_EQ(body[9], (std::pair<int, std::string>{23, c.limitLine}));
    EXPECT_EQ(body[10], (std::pair<int, std::string>{24, c.verdictLine}));
    EXPECT_EQ(BodyFatReport(state, {}).underlines, std::vector<Underline>{c.underline});
  }
}

TEST(BodyFatReport, FiguresOutOfRangeStillGiveBoundedLines) {
  WeightControlState state;
  state.age = -2147483647 - 1;
  state.heightWhole = 2147483647;
  state.heightHundredths = 99;
  state.weight = -2147483647 - 1;
  state.sex = 'M';
  state.bodyFatShown = true;
  for (auto& site : state.maleReadings) {
    for (CircumferenceReading& reading : site) {
      reading.whole = -2147483647 - 1;
      reading.hundredths = -2147483647 - 1;
    }
  }
  state.maleAverages = {1.0e30f, -1.0e30f};
  const Lines body = BodyOf(BodyFatReport(state, {}));
  ASSERT_EQ(body.size(), 13u);  // with the screening lines of a weight
  EXPECT_EQ(body[0].second, "Height (in.): 2147483647.99");
  EXPECT_EQ(body[1].second, "Weight (lbs.): -2147483648");
  const std::string reading = "-2147483648.-2147483648";
  const std::string readings =
      "Abdomen:      " + reading + "  " + reading + "  " + reading + "    ";
  ASSERT_EQ(body[5].first, 15);
  EXPECT_EQ(body[5].second.substr(0, readings.size()), readings);
}

}  // namespace
}  // namespace heftrak
