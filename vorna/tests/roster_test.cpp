// vorna-roster gives the figures the window gives: for generated soldiers,
// each result column equals what Calculate paints for the same field texts,
// computed here straight from the evaluation.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>

#include "roster/core/run.h"
#include "roster/tests/expect_rows.h"
#include "vorna/core/evaluation.h"
#include "vorna/core/roster_program.h"

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

// What the window paints for the soldier, in the roster's result columns.
roster::Shown WindowShows(const Soldier& s) {
  EntryTexts entries{};
  for (std::size_t i = 0; i < entries.size(); ++i) {
    entries[i] = s.texts[i];
  }
  TestState state;
  shell::RequestList requests;
  EvaluateScores(state, entries, requests);
  roster::Shown shown;
  const char* boxes[] = {"pushup_points", "situp_points", "run_points", "total", "scaled"};
  for (const shell::Request& request : requests) {
    if (request.kind == shell::RequestKind::ShowMessage) {
      if (request.target < kFailedMessage) {
        return {{"message", FitnessMessageText(request.target)}};  // refused: no results
      }
      shown["message"] = FitnessMessageText(request.target);  // the verdict in words
    }
    if (request.kind == shell::RequestKind::PaintResult) {
      shown[boxes[request.target]] = request.c_str();
    }
  }
  if (!shown.contains("pushup_points") && !shown.contains("situp_points") &&
      !shown.contains("run_points")) {
    return {{"message", "Nothing to score: pushups, situps and run are empty."}};
  }
  if (shown.contains("total")) {
    // Red total: failed; blue scaled total: maxed.
    shown["verdict"] = state.totalColour == kRed  ? "failed"
                       : shown.contains("scaled") ? "maxed"
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
    shown.push_back(WindowShows(soldier));
    refused += shown.back().size() == 1 && shown.back().contains("message") ? 1 : 0;
  }
  const roster::RosterRun run = ScoreRoster(RosterProgram(), csv, {});
  roster::ExpectRows(run, 5, shown);
  EXPECT_EQ(run.summary.refused, refused);
  EXPECT_GT(refused, 20);
  EXPECT_GT(run.summary.tallies[0] + run.summary.tallies[2], 30);
}

}  // namespace
}  // namespace vorna
