// Score a Roster in the fitness test window under Wine, through the real
// system menu and dialogs; print_roster_reports.sh around it counts and
// reads the PDFs the reports printed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "roster/tests/window_checks.h"
#include "vorna/resources/vorna_ids.h"
#include "vorna/win32/program.h"

namespace vorna {
namespace {

std::string Example(const std::string& rank) {
  return "Last,First,MI,Rank,SSN,Age,Sex,Pushups,Situps,Run\n"
         "Hale,Jordan,Q," +
         rank +
         ",123-45-6789,25,M,75,80,13:00\n"
         "Ibarra,Marisol,T," +
         rank +
         ",234-56-7890,30,F,42,53,17:54\n"
         "Kowalski,Ben,," +
         rank +
         ",,20,M,80,90,1200\n"
         "\"Le, Jr.\",An,V," +
         rank +
         ",345-67-8901,44,M,30,40,19:30\n"
         "Okafor,Chidi,A," +
         rank +
         ",456-78-9012,36,M,55,60,\n"
         "Pratt,Lee,," +
         rank +
         ",567-89-0123,16,F,20,30,21:00\n"
         // A last name the report must wrap, and an SSN too long for its boxes.
         "Abcdefghijklmnopqrstuvwxyzabc,,," +
         rank + ",123-45-678901,30,M,60,60,14:00\n";
}

// Soldiers in four bands of total points: 43 failed under 180 (enough for
// the failed to go on to a second page), 1 failed at 181, 4 passed at 241,
// 6 maxed.
std::string Bands(const std::string& rank) {
  return "Last,First,Rank,Age,Sex,Pushups,Situps,Run\n" +
         harness::Soldiers(43, "Under", rank, "25,M,10,10,25:00") +
         harness::Soldiers(1, "Low", rank, "44,M,30,40,19:30") +
         harness::Soldiers(4, "Pass", rank, "30,F,42,53,17:54") +
         harness::Soldiers(6, "Max", rank, "25,M,75,80,13:00");
}

class VornaScoreRoster : public harness::ProgramSuite<&Program> {};

TEST_F(VornaScoreRoster, TheSystemMenuHasItAboveAbout) {
  harness::ExpectEntryAboveAbout();
}

TEST_F(VornaScoreRoster, ItsDialogsAreBareFrames) {
  harness::ExpectBareRosterDialogs();
}

TEST_F(VornaScoreRoster, ScoresEachRosterAsTheConsoleProgramDoes) {
  harness::FocusField(kSitups);
  harness::Type("53");  // a figure the clerk has typed stays
  harness::ScoreEachRoster(
      "vorna-roster.exe",
      {
          {"example.csv",
           Example("SGT"),
           {"Rows read: 7", "Scored: 6", "Refused: 1", "Without a verdict: 1", "Passed: 2",
            "Failed: 1", "Maxed: 2"},
           {"Line 7 (Pratt, Lee): Age must be between 17 and 70."}},
          // Tab-separated, with run times as a spreadsheet writes durations.
          {"tabs.csv",
           "Last\tAge\tSex\tPush-ups\tSit-ups\tRun\r\nDoe\t25\tm\t75\t80\t0:13:00\r\n"
           "Roe\t30\tf\t10\t10\t25:00\r\n",
           {"Rows read: 2", "Scored: 2", "Refused: 0", "Without a verdict: 0", "Passed: 0",
            "Failed: 1", "Maxed: 1"},
           {}},
          {"unicode.csv",
           std::string("\xFF\xFEL\0a\0s\0t\0", 10),
           {},
           {},
           {},
           "the file is UTF-16 text"},
      });
}

TEST_F(VornaScoreRoster, OpensTheResultsWithTheProgramForCsvFiles) {
  harness::OpenResultsFromSummary(Example("SGT"));
}

TEST_F(VornaScoreRoster, ShowsProgressAndKeepsTheSummaryFromKeysTypedAhead) {
  harness::KeysTypedAheadLeaveTheSummaryUp(600000);
}

TEST_F(VornaScoreRoster, CancelledScoringLeavesTheResultsAsTheyWere) {
  harness::CancelledScoringLeavesTheResults(600000);
}

TEST_F(VornaScoreRoster, AsksBeforeMoreThanFiftyPrintJobs) {
  harness::AsksBeforeManyPrintJobs();
}

TEST_F(VornaScoreRoster, APrintersFailureShowsWholeWithTheLongestNames) {
  harness::PrintFailureShowsWhole(
      "Last,First,Age,Sex,Pushups,Situps,Run\n"
      "Featherstonehaugh-Cholmondely,Maximiliana-Josephine-Annabel,25,F,40,50,18:00\n"
      "Doe,John,25,M,40,50,15:00\n",
      "Featherstonehaugh-Cholmondely, Maximiliana-Josephine-Annabel");
}

TEST_F(VornaScoreRoster, OffersTheFolderWhenNoProgramOpensCsvFiles) {
  harness::OpenResultsWithoutAProgram(Example("SGT"));
}

TEST_F(VornaScoreRoster, ChartsTheTotalsAndPrintsTheSummaryPage) {
  constexpr COLORREF kPassed = 0x000000FF;
  constexpr COLORREF kFailed = 0x00FF0000;
  harness::PrintSummaryWithItsChart(&Bands,
                                    {{kFailed, 43}, {kFailed, 1}, {kPassed, 4}, {kPassed, 6}});
}

TEST_F(VornaScoreRoster, PrintsEveryScoredSoldiersReport) {
  harness::PrintFromSummary(&Example, 6, "Hale, Jordan", "Abcdefghijklmnopqrstuvwxyzabc");
}

}  // namespace
}  // namespace vorna
