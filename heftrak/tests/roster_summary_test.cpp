// HEFTRAK's summary page: every figure and both lists worked out again here
// from the results file of a generated roster. (The example roster's page
// is checked whole by the example's test, natively and under Wine.)
#include <gtest/gtest.h>

#include <string>

#include "heftrak/roster/roster_program.h"
#include "heftrak/roster/roster_summary.h"
#include "roster/core/summary_page.h"
#include "roster/tests/generated_roster.h"
#include "roster/tests/results_reading.h"

namespace heftrak {
namespace {

TEST(HeftrakSummary, EveryFigureAndBothListsAreThoseOfTheResultsFile) {
  const std::string roster = roster::generated::Roster(roster::generated::Program::Heftrak, 3000);
  const roster::CountedRun run = roster::ScoreCounted(RosterProgram(), roster);
  const roster::ResultsFile results(run.results);

  std::vector<long long> expected(kPageFigures);
  std::vector<roster::ExpectedSoldier> over;
  std::vector<roster::ExpectedSoldier> toTape;
  for (const roster::CsvRecord& row : results.rows()) {
    // Every soldier, the age group (ages 17 to 70 as typed), the sex.
    std::vector<int> columns = {kAllColumn};
    const std::string age = results(row, "age");
    if (age.size() <= 2 && age.find_first_not_of("0123456789") == std::string::npos &&
        !age.empty() && std::stoi(age) >= 17 && std::stoi(age) <= 70) {
      const int years = std::stoi(age);
      columns.push_back(kFirstAgeGroupColumn + (years < 21   ? 0
                                                : years < 28 ? 1
                                                : years < 40 ? 2
                                                             : 3));
    }
    const std::string sex = roster::Upper(results(row, "sex"));
    if (sex == "M" || sex == "F") {
      columns.push_back(sex == "M" ? kMenColumn : kWomenColumn);
    }
    const auto count = [&](PageRow counted) {
      for (int column : columns) {
        ++expected[PageFigureOf(counted, column)];
      }
    };
    count(kReadRow);
    if (results.Refused(row)) {
      count(kRefusedRow);
      continue;
    }
    count(kScoredRow);
    const std::string within = results(row, "weight_within");
    const std::string bodyFat = results(row, "body_fat");
    if (!within.empty()) {
      count(kScreenedRow);
      count(within == "yes" ? kWithinWeightRow : kNotWithinWeightRow);
    }
    if (within == "no" && bodyFat.empty()) {
      count(kToBeTapedRow);
      toTape.push_back(roster::ExpectedSoldier::Of(
          results, row,
          {results(row, "weight"), results(row, "max_weight"), results(row, "lbs_over")}));
    }
    if (!bodyFat.empty()) {
      count(kTapedRow);
      count(results(row, "body_fat_within") == "yes" ? kWithinBodyFatRow : kNotWithinBodyFatRow);
    }
    if (results(row, "body_fat_within") == "no") {
      over.push_back(
          roster::ExpectedSoldier::Of(results, row,
                                      {bodyFat, results(row, "body_fat_limit"),
                                       results(row, "body_fat_over"), results(row, "lbs_over")}));
    }
  }
  EXPECT_EQ(expected[PageFigureOf(kReadRow, kAllColumn)], run.summary.read);
  EXPECT_EQ(expected[PageFigureOf(kRefusedRow, kAllColumn)], run.summary.refused);
  EXPECT_EQ(run.tally.figures, expected);
  ASSERT_GT(over.size(), roster::kListedSoldiers);
  ASSERT_FALSE(toTape.empty());
  roster::ExpectListed(run.tally.lists[kOverBodyFatList], over, "not within body fat");
  roster::ExpectListed(run.tally.lists[kToBeTapedList], toTape, "to be taped");
}

}  // namespace
}  // namespace heftrak
