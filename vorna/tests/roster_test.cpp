// vorna-roster gives the figures the window gives: for generated soldiers,
// each result column equals what Calculate paints for the same field texts,
// computed here straight from the evaluation.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <random>
#include <string>

#include "roster/core/console.h"
#include "roster/core/run.h"
#include "roster/tests/expect_rows.h"
#include "roster/tests/generated_roster.h"
#include "roster/tests/run_digest.h"
#include "vorna/core/evaluation.h"
#include "vorna/core/window_model.h"
#include "vorna/roster/roster_program.h"

namespace vorna {
namespace {

struct Soldier {
  std::string csv;  // age,sex,pushups,situps,run
  std::array<std::string, kEntryFieldCount> texts;
};

Soldier Generate(std::mt19937& random) {
  const auto pick = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  Soldier s;
  s.texts[kAge] = std::to_string(pick(15, 72));
  s.texts[kSex] = pick(0, 1) == 0 ? "M" : "F";
  s.texts[kPushups] = pick(0, 15) == 0 ? "" : std::to_string(pick(0, 120));
  s.texts[kSitups] = pick(0, 15) == 0 ? "" : std::to_string(pick(0, 120));
  const int minutes = pick(10, 30);
  const int seconds = pick(0, 40) == 0 ? pick(60, 99) : pick(0, 59);
  char run[8];
  std::snprintf(run, sizeof run, pick(0, 1) == 0 ? "%d:%02d" : "%d%02d", minutes, seconds);
  const bool ran = pick(0, 15) != 0;
  s.texts[kRunMinutes] = ran ? std::to_string(minutes) : "";
  s.texts[kRunSeconds] = ran ? std::string(run).substr(std::string(run).size() - 2) : "";
  s.csv = s.texts[kAge] + "," + s.texts[kSex] + "," + s.texts[kPushups] + "," + s.texts[kSitups] +
          "," + (ran ? run : "");
  return s;
}

// What the window paints for the soldier, in the roster's result columns;
// `refused` tells whether a message refused the figures.
roster::Shown WindowShows(const Soldier& s, bool& refused) {
  WindowModel model;
  model.fields.LoadAll(s.texts);
  const shell::RequestList requests = model.Command(kCalculateCommand);
  roster::Shown shown;
  refused = false;
  const char* boxes[] = {"pushup_points", "situp_points", "run_points", "total", "scaled"};
  for (const shell::Request& request : requests) {
    if (request.kind == shell::RequestKind::ShowMessage) {
      // A refusal, or the verdict in words.
      refused = refused || request.target < kFailedMessage;
      shown["message"] = FitnessMessageText(request.target);
    }
    if (request.kind == shell::RequestKind::PaintResult) {
      shown[boxes[request.target]] = request.c_str();
    }
  }
  if (!shown.contains("pushup_points") && !shown.contains("situp_points") &&
      !shown.contains("run_points")) {
    return {{"message",
             refused ? shown["message"] : "Nothing to score: pushups, situps and run are empty."}};
  }
  if (shown.contains("total")) {
    // Red total: failed; blue scaled total: maxed.
    shown["verdict"] = model.state.totalColour == kRed ? "failed"
                       : shown.contains("scaled")      ? "maxed"
                                                       : "passed";
  }
  return shown;
}

TEST(VornaRoster, GivesTheFiguresTheWindowShows) {
  std::mt19937 random(20261207);
  std::vector<Soldier> soldiers;
  std::string csv = "age,sex,pushups,situps,run\n";
  for (int i = 0; i < 400; ++i) {
    soldiers.push_back(Generate(random));
    csv += soldiers.back().csv + "\n";
  }
  std::vector<roster::Shown> shown;
  int refused = 0;
  for (const Soldier& soldier : soldiers) {
    bool refusedRow = false;
    shown.push_back(WindowShows(soldier, refusedRow));
    refused += refusedRow ? 1 : 0;
  }
  std::string results;
  const roster::RosterSummary summary = ScoreRosterText(RosterProgram(), csv, results);
  roster::ExpectRows(summary, results, 5, shown,
                     {"pushups_to_pass", "situps_to_pass", "run_to_pass"});
  EXPECT_EQ(summary.refused, refused);
  EXPECT_GT(refused, 20);
  EXPECT_GT(summary.tallies[0] + summary.tallies[2], 30);
}

// A roster saved where the list separator is a semicolon, or as tabs, with
// and without the sep= line a spreadsheet writes: the same scores, written
// back in the roster's own dialect.
TEST(VornaRoster, ScoresEveryDialectAlike) {
  const std::vector<std::vector<std::string>> rows = {
      {"last", "age", "sex", "pushups", "situps", "run"},
      {"Le, Jr.", "44", "M", "30", "40", "19:30"},
      {"Hale", "25", "M", "75", "80", "0:13:00"},
      {"Pratt", "16", "F", "20", "30", "21:00"},
  };
  std::vector<std::vector<std::string>> scored;
  for (const char separator : {',', ';', '\t'}) {
    for (bool sepLine : {false, true}) {
      std::string roster = sepLine ? std::string("sep=") + separator + "\r\n" : "";
      for (const std::vector<std::string>& row : rows) {
        for (const std::string& cell : row) {
          roster += (&cell == &row.front() ? "" : std::string(1, separator)) +
                    (cell.find(',') != std::string::npos ? "\"" + cell + "\"" : cell);
        }
        roster += "\n";
      }
      std::string results;
      const roster::RosterSummary summary = ScoreRosterText(RosterProgram(), roster, results);
      EXPECT_EQ(summary.separator, separator);
      EXPECT_EQ(results.starts_with("sep="), sepLine) << roster;
      const std::size_t header = results.find("last");
      const roster::CsvTable table = roster::ParseCsv(results.substr(header), separator);
      ASSERT_EQ(table.records.size(), 4u) << roster;
      std::vector<std::string> cells;
      for (const roster::CsvRecord& record : table.records) {
        cells.insert(cells.end(), record.cells.begin(), record.cells.end());
      }
      scored.push_back(cells);
      EXPECT_EQ(scored.back(), scored.front()) << roster;
    }
  }
  EXPECT_EQ(scored.front()[16], "Le, Jr.");
  EXPECT_EQ(scored.front()[22], "60");  // his push-up points
}

// Seconds past 59 leave the run unscored, as in the window; the events
// that were scored keep their points (and what they lack of 60), and the row
// is refused, without a total or a verdict.
TEST(VornaRoster, RefusedSecondsKeepTheOtherEventsPoints) {
  const struct {
    const char* row;
    const char* results;  // pushup_points to run_to_pass
  } cases[] = {
      {"25,M,30,40,16:60", "49,47,,,,,40,50,"},
      {"25,M,30,40,1675", "49,47,,,,,40,50,"},
      {"25,M,,40,16:99", ",47,,,,,,50,"},
      {"25,M,,,16:60", ",,,,,,,,"},
  };
  for (const auto& c : cases) {
    std::string results;
    const roster::RosterSummary summary = ScoreRosterText(
        RosterProgram(), std::string("age,sex,pushups,situps,run\n") + c.row, results);
    EXPECT_EQ(summary.refused, 1) << c.row;
    EXPECT_EQ(results.substr(results.find("\r\n") + 2),
              c.row + std::string(",") + c.results + ",Seconds must be between 0 and 59.\r\n");
  }
}

// A figure cell written back after an apostrophe (a spreadsheet would run
// +25 as a formula) is read without it when the results are scored again:
// the message quotes what the clerk typed, and nothing changes.
TEST(VornaRoster, ReadsANeutralisedCellAsTheClerkTypedIt) {
  std::string results;
  ScoreRosterText(RosterProgram(), "age,sex,pushups,situps,run\n+25,M,30,40,13:00\n", results);
  const std::string row =
      "'+25,M,30,40,13:00,,,,,,,,,,\"Column \"\"age\"\" holds \"\"+25\"\": expected a whole number "
      "of one or two digits.\"\r\n";
  EXPECT_TRUE(results.ends_with(row)) << results;
  std::string again;
  ScoreRosterText(RosterProgram(), results, again);
  EXPECT_EQ(again, results);
}

TEST(VornaRoster, NamesWhatTheHeaderLacks) {
  std::string results;
  const roster::RosterSummary summary = ScoreRosterText(
      RosterProgram(), "Age;Sex;Push-ups;Sit_ups;Run time\n25;M;75;80;13:00\n", results);
  EXPECT_EQ(summary.error, "line 1: the header has no column \"run\" (its columns split at \";\")");
  EXPECT_EQ(
      summary.warnings,
      std::vector<std::string>{"line 1: column \"Run time\" is not read; the run column is run"});
}

// The points Calculate gives one event of a soldier, as the window shows them.
int PointsShown(int age, char sex, int event, const std::string& raw) {
  std::array<std::string, kEntryFieldCount> texts{std::to_string(age), std::string(1, sex)};
  if (event == kRunEvent) {
    texts[kRunMinutes] = raw.substr(0, raw.find(':'));
    texts[kRunSeconds] = raw.substr(raw.find(':') + 1);
  } else {
    texts[event == kPushupEvent ? kPushups : kSitups] = raw;
  }
  WindowModel model;
  model.fields.LoadAll(texts);
  model.Command(kCalculateCommand);
  return model.state.events[static_cast<std::size_t>(event)].points;
}

// One step short of a raw score: a repetition fewer, a second slower.
std::string Short(int event, const std::string& raw) {
  if (event != kRunEvent) {
    return std::to_string(std::stoi(raw) - 1);
  }
  const int seconds =
      std::stoi(raw.substr(0, raw.find(':'))) * 60 + std::stoi(raw.substr(raw.find(':') + 1)) + 1;
  char text[24];
  std::snprintf(text, sizeof text, "%d:%02d", seconds / 60, seconds % 60);
  return text;
}

// In every age group, for both sexes and every event, what the roster says
// reaches 60 points scores 60 or more in the window, and one step short of
// it does not; a soldier who reached 60 is told nothing.
TEST(VornaRoster, SaysWhatReachesSixtyPointsInEachEvent) {
  std::string csv = "age,sex,pushups,situps,run\n";
  for (int age = 17; age <= 70; age += 5) {
    for (char sex : {'M', 'F'}) {
      csv += std::to_string(age) + "," + sex + ",0,0,26:30\n";
    }
  }
  std::string results;
  roster::ScoreRosterText(RosterProgram(), csv, results);
  const roster::CsvTable table = roster::ParseCsv(results);
  ASSERT_EQ(table.records.size(), 23u);
  for (std::size_t r = 1; r < table.records.size(); ++r) {
    const std::vector<std::string>& row = table.records[r].cells;
    const int age = std::stoi(row[0]);
    const char sex = row[1][0];
    std::string reached = std::to_string(age) + "," + sex;
    for (int event = kPushupEvent; event < kEventCount; ++event) {
      const std::string& raw = row[static_cast<std::size_t>(11 + event)];
      ASSERT_FALSE(raw.empty()) << age << sex << event;
      EXPECT_GE(PointsShown(age, sex, event, raw), 60) << age << sex << event << " " << raw;
      EXPECT_LT(PointsShown(age, sex, event, Short(event, raw)), 60) << age << sex << event;
      reached += "," + raw;
    }
    std::string again;
    roster::ScoreRosterText(RosterProgram(), "age,sex,pushups,situps,run\n" + reached, again);
    EXPECT_TRUE(again.ends_with(",passed,,,,Soldier has passed the VORNA\r\n")) << again;
  }
  // The table's own figures for a man of 17: 42 push-ups and 53 sit-ups, and
  // 15:54, which scores the same as anything up to 15:57.
  EXPECT_NE(results.find("\r\n17,M,0,0,26:30,9,9,-62,-44,,failed,42,53,15:57,"), std::string::npos);
}

// A double-clicked program's console is 80 columns wide.
TEST(VornaRoster, ItsHelpFitsAConsole) {
  const std::string help = roster::UsageText(RosterProgram());
  for (std::size_t at = 0, end = 0; at < help.size(); at = end + 1) {
    end = help.find('\n', at);
    EXPECT_LE(end - at, roster::kConsoleColumns) << help.substr(at, end - at);
  }
}

// A long roster of every kind of row gives, byte for byte, the results,
// summary and refusals it gave before the scoring was made fast; under Wine,
// the Windows build gives the same.
TEST(VornaRoster, ALongRosterGivesTheResultsItAlwaysGave) {
  const roster::RunDigest run = roster::DigestOfRun(
      RosterProgram(), roster::generated::Roster(roster::generated::Program::Vorna, 100000));
  EXPECT_EQ(run.summary,
            "100000 rows read: 96834 scored, 3166 refused; 17986 passed, "
            "56519 failed, 4079 maxed, 18250 without a verdict.");
  EXPECT_EQ(run.results, "c481ca23f939523cf47b6f933fc9c5918813888eb44cb92fed20094783e12694");
  EXPECT_EQ(run.refused, "5eae36f14d50f6510f785366337add383705681d03cb07303e36485779e0c16a");
}

}  // namespace
}  // namespace vorna
