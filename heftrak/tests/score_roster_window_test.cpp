// Score a Roster in the weight control window under Wine, through the real
// system menu and dialogs; print_roster_reports.sh around it counts and
// reads the PDFs the reports printed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "heftrak/resources/heftrak_ids.h"
#include "heftrak/win32/program.h"
#include "roster/tests/window_checks.h"

namespace heftrak {
namespace {

constexpr const char* kExample =
    "Last,First,MI,Rank,SSN,Age,Sex,Height,Weight,Abdomen1,Abdomen2,Neck1,Neck2,Hips1,Forearm1,"
    "Wrist1,Unit\n"
    "Hale,Jordan,q,%RANK%,123-45-6789,25,M,72,210,40,40.25,15,15.25,,,,1st Plt\n"
    "Ibarra,Marisol,T,%RANK%,234567890,30,F,64,150,,,13.5,,40,10,6.25,1st Plt\n"
    "Kowalski,Ben,,%RANK%,,21,M,69.5,170,,,,,,,,2nd Plt\n"
    "Mills,Dana,,%RANK%,678-90-1234,23,f,63,160,,,,,,,,3rd Plt\n"
    "\"Le, Jr.\",An,V,%RANK%,345-67-8901,44,F,62.5,,,,,,,,,\"2nd Plt, HQ\"\n"
    "Okafor,Chidi,A,%RANK%,456-78-9012,20,M,70,200,36,36.75,15,,,,,2nd Plt\n"
    "Pratt,Lee,,%RANK%,567-89-0123,19,M,5ft 9,160,,,,,,,,3rd Plt\n"
    // A last name the report must wrap, and an SSN too long for its boxes.
    "Abcdefghijklmnopqrstuvwxyzabc,,,%RANK%,123-45-678901,30,M,70,170,,,,,,,,1st Plt\n";

std::string Example(const std::string& rank) {
  std::string roster = kExample;
  for (std::size_t at = roster.find("%RANK%"); at != std::string::npos;
       at = roster.find("%RANK%")) {
    roster.replace(at, 6, rank);
  }
  return roster;
}

// Soldiers taped in each age group: 2 of 17-20 and 40 of 21-27 not within
// the body fat limit (enough for the list to go on to a second page), 3 of
// 28-39 and 5 of 40 and over within it.
std::string AgeGroups(const std::string& rank) {
  return "Last,First,Rank,Age,Sex,Height,Weight,Abdomen1,Neck1,Hips1,Forearm1,Wrist1\n" +
         harness::Soldiers(2, "Young", rank, "19,M,72,210,40.25,15.25,,,") +
         harness::Soldiers(40, "Over", rank, "25,M,72,210,40.25,15.25,,,") +
         harness::Soldiers(3, "Within", rank, "30,F,64,150,,13.5,40,10,6.25") +
         harness::Soldiers(5, "Older", rank, "45,F,64,150,,13.5,40,10,6.25");
}

class HeftrakScoreRoster : public harness::ProgramSuite<&Program> {};

TEST_F(HeftrakScoreRoster, TheSystemMenuHasItAboveAbout) {
  harness::ExpectEntryAboveAbout();
}

TEST_F(HeftrakScoreRoster, ItsDialogsAreBareFrames) {
  harness::ExpectBareRosterDialogs();
}

TEST_F(HeftrakScoreRoster, ScoresEachRosterAsTheConsoleProgramDoes) {
  harness::FocusField(kWeight);
  harness::Type("210");  // a figure the clerk has typed stays
  harness::ScoreEachRoster(
      "heftrak-roster.exe",
      {
          {"example.csv",
           Example("SGT"),
           {"Rows read: 8", "Scored: 6", "Refused: 2", "Without a verdict: 1", "Within weight: 2",
            "Not within weight: 3", "Must be taped (no readings): 1", "Taped: 2",
            "Within body fat: 1", "Not within body fat: 1"},
           {"Line 7 (Okafor, Chidi): Soldier is not within weight limit. Soldier must be "
            "taped. Difference in measurments must be no more than 0.25 inch.",
            "Line 8 (Pratt, Lee): Column \"height\" holds \"5ft 9\""}},
          // Excel's way with a semicolon list separator, a column misnamed and
          // a cell a spreadsheet would run.
          {"semicolons.csv",
           "\xEF\xBB\xBFsep=;\r\nLast;Age;Sex;Height;Weight;Abdomen 4;Unit\r\n"
           "=HYPERLINK(\"x\");21;M;69;170;;1st\r\n;40;F;64;;;\r\n",
           {"Rows read: 2", "Scored: 2", "Refused: 0", "Without a verdict: 1", "Within weight: 1",
            "Not within weight: 0", "Must be taped (no readings): 0", "Taped: 0",
            "Within body fat: 0", "Not within body fat: 0"},
           {},
           {"Warning: line 2: column \"Abdomen 4\" is not read"}},
          {"no-figures.csv",
           "Name,Unit\nDoe,1st\n",
           {},
           {},
           {},
           "line 1: the header has no columns"},
      });
}

TEST_F(HeftrakScoreRoster, OpensTheResultsWithTheProgramForCsvFiles) {
  harness::OpenResultsFromSummary(Example("SGT"));
}

TEST_F(HeftrakScoreRoster, APrintersFailureShowsWholeWithTheLongestNames) {
  harness::PrintFailureShowsWhole(
      "Last,First,Age,Sex,Height,Weight\n"
      "Featherstonehaugh-Cholmondely,Maximiliana-Josephine-Annabel,25,F,64,120\n"
      "Doe,John,25,M,70,150\n",
      "Featherstonehaugh-Cholmondely, Maximiliana-Josephine-Annabel");
}

TEST_F(HeftrakScoreRoster, ChartsTheBodyFatAndPrintsTheSummaryPage) {
  constexpr COLORREF kWithin = 0x000000FF;
  constexpr COLORREF kNotWithin = 0x00FF0000;
  harness::PrintSummaryWithItsChart(
      &AgeGroups, {{kNotWithin, 2}, {kNotWithin, 40}, {kWithin, 3}, {kWithin, 5}});
}

TEST_F(HeftrakScoreRoster, PrintsEveryScoredSoldiersReport) {
  harness::PrintFromSummary(&Example, 6, "Hale, Jordan", "Abcdefghijklmnopqrstuvwxyzabc");
}

}  // namespace
}  // namespace heftrak
