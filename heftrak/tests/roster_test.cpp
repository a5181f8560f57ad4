// heftrak-roster gives the figures the window gives: for generated soldiers,
// each result column equals what Check and Calculate show for the same field
// texts, computed here straight from the evaluations.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>

#include "heftrak/core/evaluation.h"
#include "heftrak/core/messages.h"
#include "heftrak/core/roster_program.h"
#include "roster/core/csv.h"
#include "roster/core/run.h"
#include "roster/tests/expect_rows.h"

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

// What the window shows for the soldier, in the roster's result columns.
roster::Shown WindowShows(const Soldier& s) {
  roster::Shown shown;
  FieldTexts fields{};
  for (std::size_t i = 0; i < fields.size(); ++i) {
    fields[i] = s.texts[i];
  }
  WeightControlState state;
  shell::RequestList check;
  CheckScreening(state, fields, check);
  if (!Verdict(MessageOf(check))) {
    return {{"message", Joined(MessageOf(check))}};
  }
  shown["max_weight"] = ExtraFigure(check);
  if (MessageOf(check) != kNoMessage) {
    shown["weight_within"] = MessageOf(check) == kWithinWeight ? "yes" : "no";
  }
  shown["message"] = Joined(MessageOf(check));
  if (!s.readings) {
    return shown;
  }
  shell::RequestList calculate;
  CalculateBodyFat(state, fields, calculate);
  if (!Verdict(MessageOf(calculate))) {
    return {{"message", Joined(MessageOf(calculate))}};
  }
  const bool male = state.sex == 'M';
  shown["abdomen_avg"] = male ? Shown(calculate, kMaleAverageAbdomen) : "";
  shown["neck_avg"] = Shown(calculate, male ? kMaleAverageNeck : kFemaleAverageNeck);
  shown["hips_avg"] = Shown(calculate, kFemaleAverageHips);
  shown["forearm_avg"] = Shown(calculate, kFemaleAverageForearm);
  shown["wrist_avg"] = Shown(calculate, kFemaleAverageWrist);
  shown["body_fat"] = Shown(calculate, male ? kMaleBodyFat : kFemaleBodyFat);
  shown["body_fat_limit"] = ExtraFigure(calculate);
  shown["body_fat_within"] = MessageOf(calculate) == kWithinBodyFat ? "yes" : "no";
  shown["message"].append(shown["message"].empty() ? "" : " ").append(Joined(MessageOf(calculate)));
  return shown;
}

TEST(HeftrakRoster, GivesTheFiguresTheWindowShows) {
  std::mt19937 random(20261207);
  std::vector<Soldier> soldiers;
  std::string csv = "age,sex,height,weight";
  for (const char* site : kSiteNames) {
    for (int k = 1; k <= 3; ++k) {
      csv += std::string(",") + site + std::to_string(k);
    }
  }
  csv += "\n";
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
  for (const Soldier& soldier : soldiers) {
    shown.push_back(WindowShows(soldier));
    refused += shown.back().size() == 1 ? 1 : 0;
  }
  const roster::RosterRun run = ScoreRoster(RosterProgram(), csv, {});
  roster::ExpectRows(run, 19, shown);
  EXPECT_EQ(run.summary.refused, refused);
  EXPECT_GT(refused, 20);  // the generator gives each kind of row
  EXPECT_GT(run.summary.tallies[0], 50);
}

// Rows the window would answer with silence, or that no field could hold.
TEST(HeftrakRoster, RefusesRowsItCannotScoreWithAMessage) {
  const struct {
    const char* row;  // age,sex,height,weight,abdomen1,neck1,hips1
    const char* message;
  } cases[] = {
      {"25,M,,180,,,", "Nothing to score: the height is empty."},
      {"25,F,64,150,,13,40",
       "Calculate needs a reading of every site: abdomen and neck for men; hips, forearm, neck "
       "and wrist for women."},
      {"25,M,70,180,36,15,40",
       "Column \"hips1\" holds a reading, but the hip is measured for women only."},
      {"25,F,64,150,36,,",
       "Column \"abdomen1\" holds a reading, but the abdomen is measured for "
       "men only."},
      {"25,M,70,1800,,,",
       "Column \"weight\" holds \"1800\": expected a whole number of up to "
       "three digits."},
      {"25,,70,180,36,15,", "Enter sex: F or M (f or m)."},
  };
  for (const auto& c : cases) {
    const std::string csv = std::string("age,sex,height,weight,abdomen1,neck1,hips1\n") + c.row;
    const roster::RosterRun run = ScoreRoster(RosterProgram(), csv, {});
    const roster::CsvTable results = roster::ParseCsv(run.resultsCsv);
    ASSERT_EQ(results.records.size(), 2u);
    EXPECT_EQ(run.summary.refused, 1) << c.row;
    EXPECT_EQ(results.records[1].cells.back(), c.message);
  }
}

}  // namespace
}  // namespace heftrak
