// VORNA's summary page: every figure and the list of failed soldiers, worked
// out again here from the results file of a generated roster; and the text
// page of small rosters as a leader reads it.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "roster/core/summary_page.h"
#include "roster/tests/generated_roster.h"
#include "roster/tests/results_reading.h"
#include "vorna/roster/roster_program.h"
#include "vorna/roster/roster_summary.h"

namespace vorna {
namespace {

TEST(VornaSummary, EveryFigureAndTheFailedAreThoseOfTheResultsFile) {
  const std::string roster = roster::generated::Roster(roster::generated::Program::Vorna, 3000);
  const roster::CountedRun run = roster::ScoreCounted(RosterProgram(), roster);
  const roster::ResultsFile results(run.results);

  const char* points[] = {"pushup_points", "situp_points", "run_points"};
  const char* toPass[] = {"pushups_to_pass", "situps_to_pass", "run_to_pass"};
  std::vector<long long> expected(kPageFigures);
  long long refused = 0;
  std::vector<roster::ExpectedSoldier> failed;
  for (const roster::CsvRecord& row : results.rows()) {
    if (results.Refused(row)) {
      ++refused;
      continue;
    }
    for (int event = 0; event < kEventCount; ++event) {
      const std::string cell = results(row, points[event]);
      if (!cell.empty()) {
        expected[EventFigureOf(event, kEventSoldiers)] += 1;
        expected[EventFigureOf(event, kEventPoints)] += std::stoi(cell);
        expected[EventFigureOf(event, kEventUnder60)] += std::stoi(cell) < 60 ? 1 : 0;
      }
    }
    if (results(row, "total").empty()) {
      continue;
    }
    const long long total = std::stoi(results(row, "total"));
    const bool first = expected[kTotalSoldiersFigure]++ == 0;
    expected[kTotalPointsFigure] += total;
    expected[kLowestTotalFigure] = first ? total : std::min(expected[kLowestTotalFigure], total);
    expected[kHighestTotalFigure] = first ? total : std::max(expected[kHighestTotalFigure], total);
    const int band = total < 180 ? 0 : total < 240 ? 1 : total < 270 ? 2 : total < 300 ? 3 : 4;
    const bool woman = roster::Upper(results(row, "sex")) == "F";
    const bool fail = results(row, "verdict") == "failed";
    ++expected[BandFigureOf(band, woman, fail)];
    if (fail) {
      std::vector<std::string> cells = {results(row, "total")};
      for (int event = 0; event < kEventCount; ++event) {
        cells.push_back(results(row, points[event]));
        cells.push_back(results(row, toPass[event]));
      }
      failed.push_back(roster::ExpectedSoldier::Of(results, row, cells));
    }
  }
  EXPECT_EQ(refused, run.summary.refused);
  EXPECT_EQ(run.tally.figures, expected);
  ASSERT_GT(failed.size(), roster::kListedSoldiers);  // the list is capped
  roster::ExpectListed(run.tally.lists[kFailedList], failed, "failed");

  // The page names the soldiers, and never gives an SSN.
  roster::ScoredFile file;
  file.summary = run.summary;
  file.page = run.tally;
  const std::string page =
      roster::PageText(roster::PageOfScoredFile(RosterProgram(), file, "r.csv"));
  for (const roster::CsvRecord& row : results.rows()) {
    const std::string ssn = results(row, "ssn");
    ASSERT_TRUE(ssn.size() < 9 || page.find(ssn) == std::string::npos) << ssn;
  }
  EXPECT_NE(page.find("and " + roster::CountText(static_cast<long long>(failed.size()) - 200) +
                      " more: see the results file\r\n"),
            std::string::npos);
}

// The text page: each roster's page holds these lines (trailing blanks
// aside), and none is wider than 79 columns.
TEST(VornaSummary, TheTextPageOfSmallRosters) {
  const std::string header = "last,first,mi,rank,ssn,age,sex,pushups,situps,run\n";
  const struct {
    const char* name;
    std::string roster;
    std::vector<std::string> lines;
  } cases[] = {
      {"clean",
       header + "Hale,Jordan,q,sgt,123-45-6789,25,M,75,80,13:00\n"
                "Ibarra,Marisol,,SPC,,30,F,42,53,17:54\n"
                "Le,An,V,cpl,,44,M,30,40,19:30\n",
       {"Rows read                  3", "      passed               1  33.3%",
        "Push-ups           3            83.3         0",
        "2-mile run         3            78.3         1",
        "All three events         3    240.7     181      300",
        "180-239              1      0    1       0       1",
        "300 and over         1      0    1       1       0",
        "Name       Rank  Total  Push-ups  Sit-ups       2-mile run",
        "Le, An V.  CPL     181                     53, needs 18:45"}},
      {"refused rows",
       header + "Hale,Jordan,,,,16,M,75,80,13:00\nRoe,,,,,25,M,40,40,13:75\n"
                "Poe,,,,,25,M,40,40,18:00\n",
       {"  refused                  2", "  scored                   1",
        "Push-ups           1            60.0         0",
        "Poe           151            47, needs 50  44, needs 16:39"}},
      {"no verdicts",
       header + "Hale,Jordan,,,,25,M,75,,13:00\n",
       {"    without a verdict      1", "      passed               0      -",
        "All three events         0        -       -        -"}},
      {"one soldier",
       header + ",,,,,25,F,1,1,25:00\n",
       {"      failed               1  100.0%",
        "Under 180            0      1    1       0       1", "(line 2)           70  43, needs 17",
        "             ===="}},
      // A roster saved in a code page: what is no UTF-8 shows as "?".
      {"a name not in UTF-8", header + "M\xFCller,,,,,25,F,1,1,25:00\n", {"M?ller   "}},
      {"none",
       header,
       {"Rows read                  0", "Event       Soldiers  Average points  Under 60",
        "Push-ups           0               -         0", "None."}},
  };
  for (const auto& c : cases) {
    const roster::CountedRun run = roster::ScoreCounted(RosterProgram(), c.roster);
    roster::ScoredFile file;
    file.output = "/unit/r-results.csv";
    file.summary = run.summary;
    file.page = run.tally;
    file.settings.date = "07 Dec 2026";
    const std::vector<std::string> lines =
        roster::PageLines(roster::PageOfScoredFile(RosterProgram(), file, "/unit/r.csv"));
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 5),
              (std::vector<std::string>{"Physical Fitness Roster Summary",
                                        "===============================", "Roster:  r.csv",
                                        "Results: r-results.csv", "Date:    07 Dec 2026"}));
    for (const std::string& expected : c.lines) {
      EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                              [&](const std::string& line) { return line.starts_with(expected); }))
          << c.name << ": no line " << expected;
    }
    for (const std::string& line : lines) {
      EXPECT_LE(roster::PageWidth(line), roster::kPageColumns) << c.name << ": " << line;
    }
  }
}

}  // namespace
}  // namespace vorna
