// heftrak-roster gives the figures the window gives: for generated soldiers,
// each result column equals what Check and Calculate show for the same field
// texts, read here from what the window model tells the window to show.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <random>
#include <string>

#include "heftrak/core/evaluation.h"
#include "heftrak/core/messages.h"
#include "heftrak/core/screening_table.h"
#include "heftrak/core/window_model.h"
#include "heftrak/roster/roster_program.h"
#include "heftrak/tests/body_fat_over.h"
#include "roster/core/console.h"
#include "roster/core/csv.h"
#include "roster/core/run.h"
#include "roster/tests/expect_rows.h"
#include "roster/tests/generated_roster.h"
#include "roster/tests/run_digest.h"

namespace heftrak {
namespace {

constexpr const char* kSiteNames[] = {"abdomen", "neck", "hips", "forearm", "wrist"};

struct Soldier {
  std::map<std::string, std::string> cells;  // by column
  std::array<std::string, kMainFieldCount> texts;
  bool readings = false;
};

void Put(Soldier& s, FieldId whole, const std::string& column, int inches, int hundredths) {
  char cell[16];
  std::snprintf(cell, sizeof cell, "%d.%02d", inches, hundredths);
  s.cells[column] = cell;
  s.texts[whole] = std::to_string(inches);
  s.texts[HundredthsOf(whole)] = std::string(cell).substr(std::string(cell).find('.') + 1);
}

// Mostly sound figures, now and then one the window refuses.
Soldier Generate(std::mt19937& random) {
  const auto pick = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  Soldier s;
  const bool male = pick(0, 1) == 0;
  const int age = pick(15, 72);
  const int whole = pick(58, 80);
  const int hundredths = pick(0, 20) == 0 ? 10 : 25 * pick(0, 3);
  const int weight = pick(0, 10) == 0 ? 0 : pick(90, 260);
  s.texts[kAge] = std::to_string(age);
  s.texts[kSex] = std::string(1, male ? 'M' : 'F');
  s.texts[kWeight] = weight == 0 ? std::string() : std::to_string(weight);
  s.cells["age"] = s.texts[kAge];
  s.cells["sex"] = s.texts[kSex];
  s.cells["weight"] = s.texts[kWeight];
  Put(s, kHeightWhole, "height", whole, hundredths);
  const int bases[] = {pick(28, 50), pick(12, 20), pick(34, 50), pick(8, 13), pick(5, 7)};
  const int taped = pick(0, 5) == 0 ? 0 : 3;  // some rows are only screened
  for (int site = 0; site < 5; ++site) {
    if ((site == 0 && !male) || (site >= 2 && male)) {
      continue;
    }
    const int readings = std::min(taped, pick(1, 3));
    for (int k = 0; k < readings; ++k) {
      const int quarters = 4 * bases[site] + pick(0, 1) + (pick(0, 30) == 0 ? 2 : 0);
      const FieldId field =
          male ? MaleReadingWhole(site, k)
               : FemaleReadingWhole(site == 1 ? kFemaleNeck : (site == 4 ? kWrist : site - 2), k);
      Put(s, field, std::string(kSiteNames[site]).append(std::to_string(k + 1)), quarters / 4,
          25 * (quarters % 4));
      s.readings = true;
    }
  }
  return s;
}

std::string Joined(MessageCode code) {
  std::string text;
  const Message& message = MessageFor(code);
  for (std::size_t i = 0; i < message.lineCount; ++i) {
    text += i == 0 ? "" : " ";
    for (std::size_t s = 0; s < message.lines[i].segmentCount; ++s) {
      text += message.lines[i].segments[s].text;
    }
  }
  return text;
}

// The text an evaluation puts into a field, without the format's padding.
std::string Shown(const shell::RequestList& requests, FieldId field) {
  for (const shell::Request& request : requests) {
    if (request.kind == shell::RequestKind::SetText && request.target == field) {
      std::string text = request.c_str();
      text.erase(0, text.find_first_not_of(' '));
      return text.substr(0, text.find_last_not_of(' ') + 1);
    }
  }
  return "";
}

// The number in the prompt box's extra line, "Max allowable weight: 195 lbs.".
std::string ExtraFigure(const shell::RequestList& requests) {
  for (const shell::Request& request : requests) {
    if (request.kind == shell::RequestKind::ExtraLine) {
      const std::string line = request.c_str();
      const std::size_t colon = line.find(": ");
      return line.substr(colon + 2, line.find_first_of(" %", colon + 2) - colon - 2);
    }
  }
  return "";
}

MessageCode MessageOf(const shell::RequestList& requests) {
  MessageCode message = kNoMessage;
  for (const shell::Request& request : requests) {
    if (request.kind == shell::RequestKind::ShowMessage) {
      message = static_cast<MessageCode>(request.target);
    }
  }
  return message;
}

bool Verdict(MessageCode code) {
  return code == kNoMessage || code == kNotWithinWeight || code == kWithinWeight ||
         code == kNotWithinBodyFat || code == kWithinBodyFat;
}

// What the window shows for the soldier, in the roster's result columns;
// `refused` tells whether it ends on a message that refuses the figures.
roster::Shown WindowShows(const Soldier& s, bool& refused) {
  roster::Shown shown;
  WindowModel model;
  model.fields.LoadAll(s.texts);
  const shell::RequestList check = model.Command(kCheckCommand);
  refused = !Verdict(MessageOf(check));
  if (refused) {
    return {{"message", Joined(MessageOf(check))}};
  }
  shown["max_weight"] = ExtraFigure(check);
  if (MessageOf(check) != kNoMessage) {
    shown["weight_within"] = MessageOf(check) == kWithinWeight ? "yes" : "no";
  }
  if (MessageOf(check) == kNotWithinWeight) {
    shown["lbs_over"] =
        std::to_string(std::stoi(s.texts[kWeight]) - std::stoi(shown["max_weight"]));
  }
  shown["message"] = Joined(MessageOf(check));
  if (!s.readings) {
    return shown;
  }
  const shell::RequestList calculate = model.Command(kCalculateCommand);
  shown["message"].append(shown["message"].empty() ? "" : " ").append(Joined(MessageOf(calculate)));
  refused = !Verdict(MessageOf(calculate));
  if (refused) {
    return shown;  // the Check's results stay beside the refusal
  }
  const bool male = model.state.sex == 'M';
  shown["abdomen_avg"] = male ? Shown(calculate, kMaleAverageAbdomen) : "";
  shown["neck_avg"] = Shown(calculate, male ? kMaleAverageNeck : kFemaleAverageNeck);
  shown["hips_avg"] = Shown(calculate, kFemaleAverageHips);
  shown["forearm_avg"] = Shown(calculate, kFemaleAverageForearm);
  shown["wrist_avg"] = Shown(calculate, kFemaleAverageWrist);
  shown["body_fat"] = Shown(calculate, male ? kMaleBodyFat : kFemaleBodyFat);
  shown["body_fat_limit"] = ExtraFigure(calculate);
  shown["body_fat_within"] = MessageOf(calculate) == kWithinBodyFat ? "yes" : "no";
  if (MessageOf(calculate) == kNotWithinBodyFat) {
    shown["body_fat_over"] = BodyFatOver(shown["body_fat"], shown["body_fat_limit"]);
  }
  return shown;
}

std::string Header() {
  std::string header = "age,sex,height,weight";
  for (const char* site : kSiteNames) {
    for (int k = 1; k <= 3; ++k) {
      header += std::string(",") + site + std::to_string(k);
    }
  }
  return header;
}

TEST(HeftrakRoster, GivesTheFiguresTheWindowShows) {
  std::mt19937 random(20261207);
  std::vector<Soldier> soldiers;
  std::string csv = Header() + "\n";
  for (int i = 0; i < 400; ++i) {
    soldiers.push_back(Generate(random));
    const Soldier& s = soldiers.back();
    csv += s.cells.at("age") + "," + s.cells.at("sex") + "," + s.cells.at("height") + "," +
           s.cells.at("weight");
    for (const char* site : kSiteNames) {
      for (int k = 1; k <= 3; ++k) {
        const auto cell = s.cells.find(site + std::to_string(k));
        csv += "," + (cell == s.cells.end() ? std::string() : cell->second);
      }
    }
    csv += "\n";
  }
  std::vector<roster::Shown> shown;
  int refused = 0;
  int overs[2] = {0, 0};  // rows over the weight, over the body fat
  int toBeTaped = 0;      // over the weight, with no readings to calculate
  for (const Soldier& soldier : soldiers) {
    bool refusedRow = false;
    shown.push_back(WindowShows(soldier, refusedRow));
    refused += refusedRow ? 1 : 0;
    toBeTaped +=
        !refusedRow && shown.back().contains("lbs_over") && !shown.back().contains("body_fat");
    overs[0] += shown.back().contains("lbs_over") ? 1 : 0;
    overs[1] += shown.back().contains("body_fat_over") ? 1 : 0;
  }
  std::string results;
  const roster::RosterSummary summary = ScoreRosterText(RosterProgram(), csv, results);
  roster::ExpectRows(summary, results, 19, shown);
  EXPECT_EQ(summary.refused, refused);
  EXPECT_GT(refused, 20);  // the generator gives each kind of row
  EXPECT_GT(summary.tallies[0], 50);
  EXPECT_GT(overs[0], 50);
  EXPECT_GT(overs[1], 20);
  // The window's summary counts those who must be taped as the console does.
  EXPECT_GT(toBeTaped, 20);
  EXPECT_EQ(std::string(RosterProgram().counts[2].label), "Must be taped (no readings)");
  EXPECT_EQ(summary.counts[2], toBeTaped);
  EXPECT_NE(
      SummaryText(RosterProgram(), summary).find(std::to_string(toBeTaped) + " must be taped"),
      std::string::npos);
}

// Rows the window would answer with silence, or that no field could hold;
// and a Calculate refused after a Check, whose results stay.
TEST(HeftrakRoster, RefusesRowsItCannotScoreWithAMessage) {
  const struct {
    const char* row;  // age,sex,height,weight,abdomen1,abdomen2,neck1,hips1
    const char* message;
    const char* maxWeight;
  } cases[] = {
      {"25,M,,180,,,,", "Nothing to score: the height is empty.", ""},
      {"25,F,64,150,,,13,40",
       "Soldier is not within weight limit. Soldier must be taped. Calculate needs a reading of "
       "every site: abdomen and neck for men; hips, forearm, neck and wrist for women.",
       "137"},
      {"25,M,70,180,36,,15,40",
       "Column \"hips1\" holds a reading, but the hip is measured for women only.", ""},
      {"25,F,64,150,36,,,",
       "Column \"abdomen1\" holds a reading, but the abdomen is measured for men only.", ""},
      {"25,M,70,1800,,,,",
       "Column \"weight\" holds \"1800\": expected a whole number of up to three digits.", ""},
      {"25,,70,180,36,,15,", "Enter sex: F or M (f or m).", ""},
      {"20,M,70,200,36,36.75,15,",
       "Soldier is not within weight limit. Soldier must be taped. Difference in measurments "
       "must be no more than 0.25 inch.",
       "180"},
  };
  for (const auto& c : cases) {
    const std::string csv =
        std::string("age,sex,height,weight,abdomen1,abdomen2,neck1,hips1\n") + c.row;
    std::string results;
    const roster::RosterSummary summary = ScoreRosterText(RosterProgram(), csv, results);
    const roster::CsvTable table = roster::ParseCsv(results);
    ASSERT_EQ(table.records.size(), 2u);
    EXPECT_EQ(summary.refused, 1) << c.row;
    EXPECT_EQ(table.records[1].cells.back(), c.message);
    EXPECT_EQ(table.records[1].cells[8], c.maxWeight) << c.row;  // max_weight
  }
}

// At the edges of every age group, for both sexes: a soldier at the
// screening maximum is within it, one pound more is a pound over; a body fat
// over its group's limit is over by the difference, and only then.
TEST(HeftrakRoster, SaysHowFarOverTheLimits) {
  std::string csv = Header() + "\n";
  std::mt19937 random(7);
  const auto pick = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  for (int age : {17, 20, 21, 27, 28, 39, 40, 70}) {
    for (char sex : {'M', 'F'}) {
      for (int height : {58, 60, 70, 80, 82}) {
        const int most = sex == 'M' ? MaleMaxWeight(age, height) : FemaleMaxWeight(age, height);
        for (int weight : {most, most + 1}) {
          csv += std::to_string(age) + "," + sex + "," + std::to_string(height) + "," +
                 std::to_string(weight) + ",,,,,,,,,,,,,,,\n";
        }
      }
      for (int i = 0; i < 20; ++i) {
        const std::string neck = std::to_string(pick(13, 16));
        csv += std::to_string(age) + "," + sex + ",68,150," +
               (sex == 'M' ? std::to_string(pick(32, 48)) + ",,," + neck + ",,,,,,,,,,,\n"
                           : ",,," + neck + ",,," + std::to_string(pick(34, 50)) + ",,," +
                                 std::to_string(pick(9, 12)) + ",,," + std::to_string(pick(5, 7)) +
                                 ",,\n");
      }
    }
  }
  std::string results;
  const roster::RosterSummary summary = ScoreRosterText(RosterProgram(), csv, results);
  ASSERT_EQ(summary.refused, 0) << summary.refusedRows[0].message;
  const roster::CsvTable table = roster::ParseCsv(results);
  const std::vector<std::string>& names = table.records[0].cells;
  const auto column = [&](const char* name) {
    return static_cast<std::size_t>(std::find(names.begin(), names.end(), name) - names.begin());
  };
  int over[2] = {0, 0};
  for (std::size_t r = 1; r < table.records.size(); ++r) {
    const std::vector<std::string>& row = table.records[r].cells;
    const std::string& within = row[column("weight_within")];
    const std::string& lbsOver = row[column("lbs_over")];
    const int weight = std::stoi(row[column("weight")]);
    EXPECT_EQ(within == "yes", weight <= std::stoi(row[column("max_weight")])) << r;
    EXPECT_EQ(lbsOver, within == "yes" ? "" : "1") << r;
    const std::string& bodyFat = row[column("body_fat")];
    if (!bodyFat.empty()) {
      const std::string& fatOver = row[column("body_fat_over")];
      const bool fatWithin = row[column("body_fat_within")] == "yes";
      EXPECT_EQ(fatOver, fatWithin ? "" : BodyFatOver(bodyFat, row[column("body_fat_limit")])) << r;
      ++over[fatWithin ? 0 : 1];
    }
  }
  EXPECT_GT(over[0], 20);
  EXPECT_GT(over[1], 20);
}

// A body fat a hair over its limit as computed (30.0000076) is 30.00 as
// shown, and so within it: the verdict goes by the figure shown.
TEST(HeftrakRoster, JudgesTheBodyFatAsShown) {
  std::string results;
  ScoreRosterText(RosterProgram(),
                  "age,sex,height,weight,hips1,forearm1,neck1,wrist1\n20,F,65,90,52.25,7,8,6.25\n",
                  results);
  EXPECT_TRUE(
      results.ends_with(",30.00,30.0,yes,,Soldier is within weight limit. Soldier is within "
                        "percent body fat limit.\r\n"))
      << results;
}

// The results after the roster's own columns, a row per line.
std::vector<std::vector<std::string>> ResultsOf(const std::string& results, std::size_t columns) {
  std::vector<std::vector<std::string>> rows;
  for (const roster::CsvRecord& record : roster::ParseCsv(results).records) {
    rows.emplace_back(record.cells.begin() + static_cast<std::ptrdiff_t>(columns),
                      record.cells.end());
  }
  return rows;
}

TEST(HeftrakRoster, TakesAColumnsObviousSpellingsAndWarnsOfTheRest) {
  const std::string rows = "\n25,M,72,210,40,40.25,15,,,\n30,F,64,150,,,13.5,40,10,6.25\n";
  std::string expected;
  ScoreRosterText(RosterProgram(),
                  "age,sex,height,weight,abdomen1,abdomen2,neck1,hips1,forearm1,wrist1" + rows,
                  expected);
  const struct {
    const char* header;
    std::vector<std::string> warnings;
  } cases[] = {
      {"Age,SEX,Height,Weight,Abdomen,Abdomen 2,Neck_1,Hip,Forearm-1,wrist1", {}},
      {"age,sex,height,weight,ABDOMEN1,abdomen_2,neck,hips1,forearms1,Wrists", {}},
      {"Age,Sex,Height,Weight,Abdomen,Abdomen 2,neck1,Hips,Forearm,Wrist,Abdomen 4,Neck "
       "circumference,Unit",
       {"line 1: column \"Abdomen 4\" is not read; the abdomen columns are abdomen1, abdomen2 and "
        "abdomen3",
        "line 1: column \"Neck circumference\" is not read; the neck columns are neck1, neck2 and "
        "neck3"}},
  };
  for (const auto& c : cases) {
    std::string results;
    const roster::RosterSummary summary =
        ScoreRosterText(RosterProgram(), std::string(c.header) + rows, results);
    EXPECT_EQ(summary.warnings, c.warnings) << c.header;
    const std::size_t columns = roster::ParseCsv(c.header).records[0].cells.size();
    EXPECT_EQ(ResultsOf(results, columns), ResultsOf(expected, 10)) << c.header;
  }
}

// A double-clicked program's console is 80 columns wide.
TEST(HeftrakRoster, ItsHelpFitsAConsole) {
  const std::string help = roster::UsageText(RosterProgram());
  for (std::size_t at = 0, end = 0; at < help.size(); at = end + 1) {
    end = help.find('\n', at);
    EXPECT_LE(end - at, roster::kConsoleColumns) << help.substr(at, end - at);
  }
}

// A long roster of every kind of row gives, byte for byte, the results,
// summary and refusals it gave before the scoring was made fast; under Wine,
// the Windows build gives the same.
TEST(HeftrakRoster, ALongRosterGivesTheResultsItAlwaysGave) {
  const roster::RunDigest run = roster::DigestOfRun(
      RosterProgram(), roster::generated::Roster(roster::generated::Program::Heftrak, 100000));
  EXPECT_EQ(run.summary,
            "100000 rows read: 88849 scored, 11151 refused; 42396 within,"
            " 34855 over, 10957 must be taped, 641 without a verdict.");
  EXPECT_EQ(run.results, "bba20e1f8f4c675559ec265f1e00c0ebeb6a33ab2c635501386b783c35cb31a6");
  EXPECT_EQ(run.refused, "4d9b506c71dae0e1f0c1fc141f754aa1ca1fdcfbbaaf62cc6218d83fae294c90");
}

}  // namespace
}  // namespace heftrak
