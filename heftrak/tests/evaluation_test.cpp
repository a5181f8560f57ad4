#include "heftrak/core/evaluation.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "heftrak/core/reactions.h"
#include "heftrak/core/report.h"
#include "heftrak/tests/field_texts.h"
#include "shell/tests/request_text.h"

namespace heftrak {
namespace {

using Writes = std::vector<std::pair<int, std::string>>;
enum class WriteKind { Rewrite, Edit, Result };

// What a command did, read back from the requests the window model answers.
struct Outcome {
  bool evaluated = false;  // the prompt box was cleared
  MessageCode message = kNoMessage;
  bool alert = false;
  std::optional<int> focus;  // the field a validation message sends the clerk to
  bool printEnabled = false;
  bool switchMaleOnlyOff = false;
  std::string extraLine;
  std::vector<std::pair<WriteKind, std::pair<int, std::string>>> writes;
  std::vector<std::string> effects;  // every request, in order
};

Outcome Read(const shell::RequestList& list) {
  Outcome outcome;
  EXPECT_FALSE(list.overflowed());
  for (const shell::Request& r : list) {
    switch (r.kind) {
      case shell::RequestKind::ClearMessage:
        outcome.evaluated = true;
        break;
      case shell::RequestKind::ShowMessage:
        outcome.message = static_cast<MessageCode>(r.target);
        break;
      case shell::RequestKind::Alert:
        outcome.alert = true;
        break;
      case shell::RequestKind::Focus:
        if (outcome.alert && !outcome.focus) {
          outcome.focus = r.target;
        }
        break;
      case shell::RequestKind::EnablePrint:
        outcome.printEnabled = r.target != 0;
        break;
      case shell::RequestKind::MaleOnly:
        outcome.switchMaleOnlyOff = r.target == 0;
        break;
      case shell::RequestKind::ExtraLine:
        outcome.extraLine = r.c_str();
        break;
      case shell::RequestKind::SetText: {
        const WriteKind kind = IsResultField(r.target)         ? WriteKind::Result
                               : r.write == shell::Write::Edit ? WriteKind::Edit
                                                               : WriteKind::Rewrite;
        outcome.writes.push_back({kind, {r.target, r.c_str()}});
        break;
      }
      default:
        break;
    }
  }
  outcome.effects = requests::Render(list);
  return outcome;
}

// Check or Calculate with the window's fields holding `fields`.
Outcome Check(WindowModel& model, const Fields& fields) {
  fields.LoadInto(model);
  return Read(model.Command(kCheckCommand));
}

Outcome Calculate(WindowModel& model, const Fields& fields) {
  fields.LoadInto(model);
  return Read(model.Command(kCalculateCommand));
}

Writes WritesOf(const Outcome& outcome, WriteKind kind) {
  Writes writes;
  for (const auto& [writeKind, write] : outcome.writes) {
    if (writeKind == kind) {
      writes.push_back(write);
    }
  }
  return writes;
}

// ---- The order of effects ---------------------------------------------

// What the clerk sees, in order: the prompt box cleared, the fields written
// (the Sex rewrite last, so Sex becomes the focus target), Print, the
// message with its line below, the alert, and the focus.
TEST(Evaluations, EffectsComeInTheOrderTheClerkSeesThem) {
  const Fields male = MaleSoldier();
  const struct {
    const char* name;
    bool calculate;
    Fields fields;
    std::vector<std::string> effects;
  } cases[] = {
      {"Check: must be taped",
       false,
       Fields().Screen("25", "M", "72", "", "196"),
       {"clear", "set 3 '00'", "print", "message 6 black", "extra 'Max allowable weight: 195 lbs.'",
        "alert", "focus 5", "focus 5"}},
      {"Check without a weight: the maximum alone",
       false,
       Fields().Screen("25", "M", "72", "5", ""),
       {"clear", "set 3 '50'", "print", "extra 'Max allowable weight: 200 lbs.'", "focus 3"}},
      {"Check without a height: nothing",
       false,
       Fields().Screen("25", "M", "", "5", ""),
       {"focus 1"}},
      {"Check without an age",
       false,
       Fields().Screen("", "M", "72", "5", "180"),
       {"clear", "message 4 black", "alert", "focus 0", "focus 0"}},
      {"Calculate: a man within",
       true,
       male,
       {"clear", "set 3 '00'", "set 6 '00' edit", "set 12 '00' edit", "set 8 '00' edit",
        "set 17 '35.00'", "set 18 '15.00'", "set 19 '20.00'", "set 20 ' 99.48'", "set 21 '80.67'",
        "set 22 '18.81'", "set 1 'M'", "print", "message 14 black",
        "extra 'Max percent body fat: 22.0%.'", "alert", "focus 1", "focus 1"}},
      {"Calculate: readings apart, printable all the same",
       true,
       Fields(male).Male(kAbdomen, 1, "35", "50"),
       {"clear", "set 3 '00'", "set 6 '00' edit", "set 12 '00' edit", "print", "message 10 black",
        "alert", "focus 5", "focus 5"}},
  };
  for (const auto& c : cases) {
    WindowModel model;
    const Outcome outcome = c.calculate ? Calculate(model, c.fields) : Check(model, c.fields);
    EXPECT_EQ(outcome.effects, c.effects) << c.name;
  }
}

// ---- Check -------------------------------------------------------------

struct CheckCase {
  const char* name;
  Fields fields;
  MessageCode message;
  std::optional<FieldId> focus;
  const char* extraLine;  // "" when none
  bool printEnabled;
};

TEST(CheckScreening, ValidatesInOrderAndGivesTheVerdict) {
  const CheckCase cases[] = {
      {"within at the maximum", Fields().Screen("25", "M", "72", "", "195"), kWithinWeight, kSex,
       "Max allowable weight: 195 lbs.", true},
      {"one pound over must be taped", Fields().Screen("25", "M", "72", "00", "196"),
       kNotWithinWeight, MaleReadingWhole(kAbdomen, 0), "Max allowable weight: 195 lbs.", true},
      {"a woman over is taped at the hips", Fields().Screen("45", "F", "81", "00", "300"),
       kNotWithinWeight, FemaleReadingWhole(kHips, 0), "Max allowable weight: 233 lbs.", true},
      {"no weight shows only the maximum", Fields().Screen("25", "M", "72", "00", ""), kNoMessage,
       std::nullopt, "Max allowable weight: 195 lbs.", true},
      {".50 screens one inch taller", Fields().Screen("30", "M", "69", "50", "189"), kWithinWeight,
       kSex, "Max allowable weight: 189 lbs.", true},
      {".25 screens as the whole inch", Fields().Screen("30", "M", "70", "25", "190"),
       kNotWithinWeight, MaleReadingWhole(kAbdomen, 0), "Max allowable weight: 189 lbs.", true},
      {"age and sex empty: age first", Fields().Screen("", "", "72", "00", "195"), kEnterAge, kAge,
       "", false},
      {"sex empty", Fields().Screen("25", "", "72", "00", "195"), kEnterSex, kSex, "", false},
      {"sex before the age range", Fields().Screen("16", "", "72", "00", "195"), kEnterSex, kSex,
       "", false},
      {"a pasted letter is no sex", Fields().Screen("25", "X", "72", "00", "195"), kEnterSex, kSex,
       "", false},
      {"age 16", Fields().Screen("16", "M", "72", "00", "195"), kAgeOutOfRange, kAge, "", false},
      {"age 71", Fields().Screen("71", "F", "72", "00", "195"), kAgeOutOfRange, kAge, "", false},
      {"hundredths 05", Fields().Screen("25", "M", "72", "05", "195"), kHeightNotQuarter,
       kHeightHundredths, "", false},
      {"hundredths 30", Fields().Screen("25", "M", "72", "30", "195"), kHeightNotQuarter,
       kHeightHundredths, "", false},
  };
  for (const CheckCase& c : cases) {
    WindowModel model;
    const Outcome result = Check(model, c.fields);
    EXPECT_TRUE(result.evaluated) << c.name;
    EXPECT_EQ(result.message, c.message) << c.name;
    EXPECT_EQ(result.alert, c.message != kNoMessage) << c.name;
    EXPECT_EQ(result.focus, c.focus) << c.name;
    EXPECT_EQ(result.extraLine, c.extraLine) << c.name;
    EXPECT_EQ(result.printEnabled, c.printEnabled) << c.name;
    EXPECT_EQ(model.state.screeningShown, c.printEnabled) << c.name;
  }
}

TEST(CheckScreening, RewritesTheHeightHundredthsWithoutCountingAnEdit) {
  const std::pair<const char*, const char*> cases[] = {{"", "00"}, {"0", "00"}, {"5", "50"}};
  for (const auto& [typed, shown] : cases) {
    WindowModel model;
    const Outcome result = Check(model, Fields().Screen("25", "M", "70", typed, ""));
    EXPECT_EQ(WritesOf(result, WriteKind::Rewrite), (Writes{{kHeightHundredths, shown}})) << typed;
    EXPECT_TRUE(WritesOf(result, WriteKind::Edit).empty());
  }
  WindowModel model;
  const Outcome result = Check(model, Fields().Screen("25", "M", "70", "75", ""));
  EXPECT_TRUE(result.writes.empty());
  EXPECT_EQ(model.state.height, 70.75f);
}

// ---- Calculate ---------------------------------------------------------

TEST(CalculateBodyFat, FemaleResultFieldsAndVerdict) {
  WindowModel model;
  model.state.maleOnly = true;  // a woman's result switches it off
  const Outcome result = Calculate(model, FemaleSoldier());
  EXPECT_EQ(result.message, kWithinBodyFat);
  EXPECT_EQ(result.focus, kSex);
  EXPECT_TRUE(result.switchMaleOnlyOff);
  EXPECT_FALSE(model.state.maleOnly);
  EXPECT_EQ(result.extraLine, "Max percent body fat: 34.0%.");
  EXPECT_EQ(WritesOf(result, WriteKind::Result), (Writes{{47, "40.00"},
                                                         {48, "10.00"},
                                                         {49, "13.00"},
                                                         {50, " 6.00"},
                                                         {51, "157.44"},
                                                         {52, "17.58"},
                                                         {53, "83.75"},
                                                         {54, "39.97"},
                                                         {55, "17.60"},
                                                         {56, "3.05 "},
                                                         {57, "175.02"},
                                                         {58, "144.37"},
                                                         {59, "30.65"}}));
  EXPECT_EQ(model.state.sex, 'F');
}

struct CalculateCase {
  const char* name;
  Fields fields;
  MessageCode message;
  FieldId focus;
  bool printEnabled;
};

TEST(CalculateBodyFat, ValidatesInOrder) {
  const CalculateCase cases[] = {
      {"age empty", MaleSoldier().Set(kAge, ""), kEnterAge, kAge, false},
      {"age 16", MaleSoldier().Set(kAge, "16"), kAgeOutOfRange, kAge, false},
      {"age 71", FemaleSoldier().Set(kAge, "71"), kAgeOutOfRange, kAge, false},
      {"height empty", MaleSoldier().Set(kHeightWhole, ""), kEnterHeight, kHeightWhole, false},
      {"female weight empty", FemaleSoldier().Set(kWeight, ""), kEnterWeight, kWeight, false},
      {"height hundredths 05", MaleSoldier().Set(kHeightHundredths, "05"), kHeightNotQuarter,
       kHeightHundredths, false},
      {"reading hundredths 05", MaleSoldier().Male(kAbdomen, 1, "35", "05"), kReadingNotQuarter,
       static_cast<FieldId>(MaleReadingWhole(kAbdomen, 1) + 1), false},
      // Reading by reading, then site by site: the neck's 1st reading comes
      // before the abdomen's 2nd.
      {"first offender wins",
       MaleSoldier().Male(kAbdomen, 1, "35", "10").Male(kMaleNeck, 0, "15", "33"),
       kReadingNotQuarter, static_cast<FieldId>(MaleReadingWhole(kMaleNeck, 0) + 1), false},
      {"female offender", FemaleSoldier().Female(kWrist, 0, "6", "60"), kReadingNotQuarter,
       static_cast<FieldId>(FemaleReadingWhole(kWrist, 0) + 1), false},
      // No tape reading is under an inch: averaged in, a 0 would halve its site.
      {"a reading of 0 inches", MaleSoldier().Male(kAbdomen, 1, "0", ""), kReadingNotQuarter,
       MaleReadingWhole(kAbdomen, 1), false},
      {"0 inches and 50 hundredths", FemaleSoldier().Female(kHips, 1, "00", "50"),
       kReadingNotQuarter, FemaleReadingWhole(kHips, 1), false},
      {"a 0 is found in the same order as bad hundredths",
       MaleSoldier().Male(kAbdomen, 1, "35", "10").Male(kMaleNeck, 0, "0", "00"),
       kReadingNotQuarter, MaleReadingWhole(kMaleNeck, 0), false},
      // Swapped or mistaken readings must neither pass the soldier nor print.
      {"abdomen smaller than the neck",
       Fields()
           .Screen("25", "M", "70", "00", "180")
           .Male(kAbdomen, 0, "15", "00")
           .Male(kMaleNeck, 0, "16", "00"),
       kBodyFatBelowZero, MaleReadingWhole(kAbdomen, 0), false},
      {"female readings no body gives",
       Fields()
           .Screen("30", "F", "80", "00", "90")
           .Female(kHips, 1, "30", "00")
           .Female(kForearm, 0, "15", "00")
           .Female(kFemaleNeck, 0, "15", "00")
           .Female(kWrist, 0, "15", "00"),
       kBodyFatBelowZero, FemaleReadingWhole(kHips, 1), false},
      {"readings half an inch apart", MaleSoldier().Male(kAbdomen, 1, "35", "50"),
       kReadingsDisagree, MaleReadingWhole(kAbdomen, 0), true},
      {"3rd against 1st", MaleSoldier().Male(kAbdomen, 1, "35", "25").Male(kAbdomen, 2, "35", "50"),
       kReadingsDisagree, MaleReadingWhole(kAbdomen, 0), true},
      {"disagreement names the first reading with a value",
       FemaleSoldier()
           .Female(kFemaleNeck, 0, "", "")
           .Female(kFemaleNeck, 1, "13", "00")
           .Female(kFemaleNeck, 2, "14", "00"),
       kReadingsDisagree, FemaleReadingWhole(kFemaleNeck, 1), true},
  };
  for (const CalculateCase& c : cases) {
    WindowModel model;
    const Outcome result = Calculate(model, c.fields);
    EXPECT_EQ(result.message, c.message) << c.name;
    EXPECT_TRUE(result.alert) << c.name;
    EXPECT_EQ(result.focus, c.focus) << c.name;
    EXPECT_EQ(result.printEnabled, c.printEnabled) << c.name;
    EXPECT_TRUE(WritesOf(result, WriteKind::Result).empty()) << c.name;
    EXPECT_FALSE(model.state.bodyFatShown) << c.name;
  }
}

// The figure the window shows beside a verdict, as printf shows it.
double Shown(float figure) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", static_cast<double>(figure));
  return std::strtod(text, nullptr);
}

// A verdict agrees with the figure shown beside it: below zero only when the
// body fat shows below 0.00 (a float just above -0.005 shows 0.00, never
// "-0.00"), within the limit whenever the figure shown does not exceed it (a
// single-precision sum a hair above an exact 30 shows, and is, 30.00).
// Every float near each boundary, against the C library's own rounding.
TEST(BodyFatVerdicts, AgreeWithTheFigureShown) {
#if defined(_WIN32)
  GTEST_SKIP() << "compared against glibc's printf in the native build";
#endif
  // The first float in [from, to] where `agrees` does not hold, or NaN.
  const auto firstDisagreeing = [](float from, float to, const auto& agrees) {
    for (float f = from; f <= to; f = std::nextafter(f, to + 1.0f)) {
      if (!agrees(f)) {
        return f;
      }
    }
    return std::nanf("");
  };
  EXPECT_TRUE(std::isnan(firstDisagreeing(
      -0.0051f, -0.0049f, [](float f) { return BodyFatBelowZero(f) == (Shown(f) < 0.0); })));
  for (const float limit : {20.0f, 22.0f, 24.0f, 26.0f, 30.0f, 32.0f, 34.0f, 36.0f}) {
    EXPECT_TRUE(std::isnan(firstDisagreeing(limit - 0.02f, limit + 0.02f, [limit](float f) {
      return WithinBodyFatLimit(f, limit) == (Shown(f) <= limit);
    }))) << limit;
  }
}

// The same boundary through both calculators, with readings that give such
// figures: a result that shows 0.00 is shown (never "-0.00"), judged and
// printed; one that shows -0.01 is refused.
TEST(CalculateBodyFat, AResultThatShowsZeroIsAResult) {
  const auto female = [](const char* weight, const char* hips, const char* hipsHundredths,
                         const char* neck, const char* neckHundredths) {
    return Fields()
        .Screen("25", "F", "66", "00", weight)
        .Female(kHips, 0, hips, hipsHundredths)
        .Female(kForearm, 0, "11", "25")
        .Female(kFemaleNeck, 0, neck, neckHundredths)
        .Female(kWrist, 0, "6", "00");
  };
  const auto male = [](const char* height, const char* hundredths, const char* abdomen,
                       const char* abdomenHundredths) {
    return Fields()
        .Screen("25", "M", height, hundredths, "")
        .Male(kAbdomen, 0, abdomen, abdomenHundredths)
        .Male(kMaleNeck, 0, "17", "00");
  };
  const struct {
    const char* name;
    Fields fields;
    MessageCode message;
    std::string shown;  // in the body fat field; "": nothing shown
  } cases[] = {
      {"male exactly 0", male("83", "75", "30", "00"), kWithinBodyFat, "0.00 "},
      {"male -0.0100021", male("82", "00", "29", "75"), kBodyFatBelowZero, ""},
      {"female exactly 0", female("93", "35", "75", "12", "50"), kWithinBodyFat, "0.00 "},
      {"female -0.0000153", female("95", "32", "00", "12", "00"), kWithinBodyFat, "0.00 "},
      {"female -0.0099945", female("92", "32", "25", "11", "00"), kBodyFatBelowZero, ""},
  };
  for (const auto& c : cases) {
    WindowModel model;
    const WeightControlState& state = model.state;
    const Outcome result = Calculate(model, c.fields);
    EXPECT_EQ(result.message, c.message) << c.name;
    EXPECT_EQ(state.bodyFatShown, !c.shown.empty()) << c.name;
    std::string shown;
    for (const auto& [id, text] : WritesOf(result, WriteKind::Result)) {
      shown = id == kMaleBodyFat || id == kFemaleBodyFat ? text : shown;
    }
    EXPECT_EQ(shown, c.shown) << c.name;
    // The report prints the verdict exactly when the window gives it.
    bool printed = false;
    for (const shell::ReportLine& line : BodyFatReport(state, {}).lines) {
      printed = printed || line.text.find("compliance") != std::string::npos;
    }
    EXPECT_EQ(printed, !c.shown.empty()) << c.name;
  }
}

TEST(CalculateBodyFat, ChoosesItsCalculatorFromTheEnteredReadings) {
  WindowModel model;
  // One abdomen reading and no neck, no female readings: nothing at all.
  Outcome result =
      Calculate(model, Fields().Screen("25", "M", "72", "00", "").Male(0, 0, "35", ""));
  EXPECT_FALSE(result.evaluated);
  EXPECT_EQ(result.message, kNoMessage);

  // Three of the four female sites: nothing either.
  result = Calculate(model, FemaleSoldier().Female(kWrist, 0, "", ""));
  EXPECT_FALSE(result.evaluated);

  // Both calculators filled in: the male one runs.
  Fields both = FemaleSoldier();
  both.Male(kAbdomen, 0, "35", "00").Male(kMaleNeck, 0, "15", "00").Set(kAge, "25");
  both.Set(kHeightWhole, "72");
  result = Calculate(model, both);
  EXPECT_EQ(model.state.sex, 'M');
  EXPECT_EQ(result.message, kWithinBodyFat);
}

TEST(CalculateBodyFat, AveragesAndRoundsEachSite) {
  WindowModel model;
  const Fields fields = MaleSoldier()
                            .Male(kAbdomen, 0, "36", "50")
                            .Male(kAbdomen, 1, "36", "75")
                            .Male(kMaleNeck, 0, "15", "5")
                            .Male(kMaleNeck, 1, "15", "25")
                            .Set(kHeightHundredths, "5");
  const Outcome result = Calculate(model, fields);
  EXPECT_EQ(result.message, kWithinBodyFat);
  // Readings a quarter apart agree; 36.625 and 15.375 round up to the quarter;
  // the height factor is 72.50's, not the screening height's.
  const Writes shown = WritesOf(result, WriteKind::Result);
  ASSERT_EQ(shown.size(), 6u);
  EXPECT_EQ(shown[0], (std::pair<int, std::string>{kMaleAverageAbdomen, "36.75"}));
  EXPECT_EQ(shown[1], (std::pair<int, std::string>{kMaleAverageNeck, "15.50"}));
  EXPECT_EQ(shown[4], (std::pair<int, std::string>{kMaleHeightFactor, "80.87"}));
  EXPECT_EQ(WritesOf(result, WriteKind::Rewrite).front(),
            std::make_pair(int{kHeightHundredths}, std::string("50")));
  EXPECT_EQ(WritesOf(result, WriteKind::Edit),
            (Writes{{MaleReadingWhole(kMaleNeck, 0) + 1, "50"}}));
}

TEST(CalculateBodyFat, NotWithinAboveTheLimit) {
  WindowModel model;
  // At age 20 the male limit is 20 %; abdomen 37.00 - neck 15.00 = 22.00
  // gives 102.64 - 80.67 = 21.97 %.
  const Outcome result = Calculate(
      model,
      MaleSoldier().Set(kAge, "20").Male(kAbdomen, 0, "37", "00").Male(kAbdomen, 1, "37", "00"));
  EXPECT_EQ(result.message, kNotWithinBodyFat);
  EXPECT_FALSE(model.state.bodyFatWithin);
  EXPECT_EQ(result.extraLine, "Max percent body fat: 20.0%.");
}

TEST(CalculateBodyFat, AShownLimitFigureIsWithin) {
  // These factors add up to exactly 30.00 in two decimals; in single
  // precision the sum lands a hair above 30. The window shows 30.00 beside the
  // verdict, so the verdict is "within".
  WindowModel model;
  const Fields fields = Fields()
                            .Screen("20", "", "65", "00", "90")
                            .Female(kHips, 0, "52", "25")
                            .Female(kForearm, 0, "7", "00")
                            .Female(kFemaleNeck, 0, "8", "00")
                            .Female(kWrist, 0, "6", "25");
  const Outcome result = Calculate(model, fields);
  // Four units in the last place above 30, in both builds: any wider
  // intermediate precision (x87) would give other bits.
  EXPECT_EQ(std::bit_cast<std::uint32_t>(model.state.female.bodyFat), 0x41F00004u);
  EXPECT_EQ(WritesOf(result, WriteKind::Result).back(), std::make_pair(59, std::string("30.00")));
  EXPECT_EQ(result.message, kWithinBodyFat);
  EXPECT_TRUE(model.state.bodyFatWithin);
}

}  // namespace
}  // namespace heftrak
