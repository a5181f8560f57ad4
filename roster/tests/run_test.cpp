// Scoring whole rosters with a made-up calculator: what the results keep of
// the clerk's columns and cells, a results file scored again, formulas,
// dialects, and rosters no spreadsheet should give but a file can.
#include "roster/core/run.h"

#include <gtest/gtest.h>

#include "roster/tests/test_program.h"

namespace roster {
namespace {

std::string Scored(std::string_view roster, RosterSummary* summary = nullptr) {
  std::string results;
  const RosterSummary made = ScoreRosterText(kTestProgram, roster, results);
  EXPECT_EQ(made.error, "") << roster;
  if (summary != nullptr) {
    *summary = made;
  }
  return results;
}

// Every cell the clerk gave comes back, and a results file scored again
// gives itself: its own result columns are replaced, nothing piles up.
TEST(RosterRun, KeepsEveryCellAndScoresItsOwnResultsAlike) {
  const struct {
    const char* name;
    std::string_view roster;
    std::string_view results;
  } cases[] = {
      {"the clerk's own result names", "Score,Message,Total,Double\n2,hello,999,x\n",
       "Score,Message,Total,Double,double_2,triple,message_2\r\n2,hello,999,x,4,6,\r\n"},
      {"cells beyond the header, on a refused row", "Score,Note\n2,a\n3,b,,x\n",
       "Score,Note,double,triple,message\r\n2,a,4,6,\r\n3,b,,,The row has 2 cells more than the "
       "header has columns; they follow the message.,,x\r\n"},
      {"formulas made text",
       "Score,Note\n2,\"=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\"\n2,=cmd|' /C "
       "calc'!A0\n2,+1\n2,@SUM(A1)\n"
       "2,\"\tx\"\n2,\"\rx\"\n2,-5\n2,-12.5\n2,'=1+1\n",
       "Score,Note,double,triple,message\r\n2,\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\",4,6,\r\n"
       "2,'=cmd|' /C calc'!A0,4,6,\r\n2,'+1,4,6,\r\n2,'@SUM(A1),4,6,\r\n2,'\tx,4,6,\r\n"
       "2,\"'\rx\",4,6,\r\n2,-5,4,6,\r\n2,-12.5,4,6,\r\n2,'=1+1,4,6,\r\n"},
      {"a formula as a column's name", "Score,=1+2\n2,a\n",
       "Score,'=1+2,double,triple,message\r\n2,a,4,6,\r\n"},
      {"an earlier release's results, without a newer column", "score,double,message\n2,4,\n",
       "score,double,triple,message\r\n2,4,6,\r\n"},
      {"a roster whose last columns only look like results", "score,message,double\n2,hi,7\n",
       "score,message,double,double_2,triple,message_2\r\n2,hi,7,4,6,\r\n"},
  };
  for (const auto& c : cases) {
    const std::string results = Scored(c.roster);
    EXPECT_EQ(results, c.results) << c.name;
    EXPECT_EQ(Scored(results), results) << c.name;
  }
}

TEST(RosterRun, WritesInTheRostersOwnDialect) {
  const struct {
    std::string_view roster;
    std::string_view results;
  } cases[] = {
      {"sep=;\r\nLast;Score\r\n\"Doe; J\";2\r\n",
       "sep=;\r\nLast;Score;double;triple;message\r\n\"Doe; J\";2;4;6;\r\n"},
      {"SEP=,\nScore\n2\n", "sep=,\r\nScore,double,triple,message\r\n2,4,6,\r\n"},
      {"Last;Score\nDoe, J;2\n", "Last;Score;double;triple;message\r\nDoe, J;2;4;6;\r\n"},
      {"Last\tScore\n\"Doe\tJ\"\t2\n",
       "Last\tScore\tdouble\ttriple\tmessage\r\n\"Doe\tJ\"\t2\t4\t6\t\r\n"},
      {"\xEF\xBB\xBFsep=\t\nScore\n2\n",
       "\xEF\xBB\xBFsep=\t\r\nScore\tdouble\ttriple\tmessage\r\n2\t4\t6\t\r\n"},
      // The line kept as a cell by a sheet, and quoted for its separator.
      {"\"sep=;\";;\r\nLast;Score\r\nDoe;2\r\n",
       "sep=;\r\nLast;Score;double;triple;message\r\nDoe;2;4;6;\r\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Scored(c.roster), c.results) << c.roster;
    EXPECT_EQ(Scored(c.results), c.results) << c.roster;
  }
}

TEST(RosterRun, SaysWhichColumnsAreMissingAndHowTheHeaderWasSplit) {
  const struct {
    std::string_view roster;
    std::string error;
    std::size_t warnings;  // only a header split into columns is worth any
  } cases[] = {
      {"Name,Mark\nDoe,2\n",
       "line 1: the header has no column \"score\" (tried \",\", \";\" and tab as the separator)",
       0},
      {"Name|Scores\nDoe|2\n",
       "line 1: the header has no column \"score\" (tried \",\", \";\" and tab as the separator)",
       0},
      {"Last;Scores x;Name\nDoe;2\n",
       "line 1: the header has no column \"score\" (its columns split at \";\")", 1},
      {"\n\nLast;First;Mark\n",
       "line 3: the header has no column \"score\" (its columns split at "
       "\";\")",
       0},
      {"sep=;\nLast,Score\n",
       "line 2: the header has no column \"score\" (its columns split at \";\", as its sep= line "
       "says)",
       0},
      {"Score,SCORES\n2,2\n",
       "line 1: the header names the column \"score\" twice (\"Score\" and \"SCORES\")", 0},
  };
  for (const auto& c : cases) {
    std::string results;
    const RosterSummary summary = ScoreRosterText(kTestProgram, c.roster, results);
    EXPECT_EQ(summary.failure, RosterFailure::Unusable) << c.roster;
    EXPECT_TRUE(summary.error.starts_with(c.error)) << summary.error;
    EXPECT_EQ(summary.warnings.size(), c.warnings) << c.roster;
    EXPECT_EQ(results, "");
  }
}

// Memory holds a row, not the file: blank lines and block boundaries change
// nothing, and a line no roster has is refused with its number.
TEST(RosterRun, ReadsARowAtATime) {
  std::string blankLines =
      "score\n" + std::string(1 << 20, '\n') + "2\n" + std::string(1 << 15, ',') + "\n";
  blankLines += blankLines.substr(6, 100000);
  RosterSummary summary;
  EXPECT_EQ(Scored(blankLines, &summary), "score,double,triple,message\r\n2,4,6,\r\n");
  EXPECT_EQ(summary.read, 1);

  const std::string roster = "Last,Score\r\n\"Doe,\r\nJ\",2\r\n\r\nRoe,\"1\"\r\n";
  const std::string whole = Scored(roster);
  for (std::size_t block : {1u, 2u, 3u, 5u}) {
    std::string results;
    const ByteWriter writer = TextWriter(results);
    ScoreRoster(kTestProgram, TextReader(roster, block), &writer, {});
    EXPECT_EQ(results, whole) << block;
  }

  const struct {
    std::string roster;
    std::string error;
  } tooLong[] = {
      {"score\n2\n\n" + std::string(kMaxRowBytes + 1, ','),
       "line 4: the row is longer than 64 KiB; no roster row comes near that"},
      {"score\n2\n\"" + std::string(kMaxRowBytes, '\n'),
       "line 3: a quoted field is not closed within 64 KiB"},
  };
  for (const auto& c : tooLong) {
    std::string results;
    EXPECT_EQ(ScoreRosterText(kTestProgram, c.roster, results).error, c.error);
  }
}

// What old tools add at the end of a file, and the line ends, are no part
// of any row: a row of the longest length reads alike with LF and CRLF.
TEST(RosterRun, TakesNoRowForTheEndOfFileMarkOrTheLineEnd) {
  const std::string scored = "score,double,triple,message\r\n2,4,6,\r\n";
  for (const char* roster : {"score\r\n2\r\n\x1A", "score\n2\x1A"}) {
    RosterSummary summary;
    EXPECT_EQ(Scored(roster, &summary), scored);
    EXPECT_EQ(summary.refused, 0);
  }
  for (const char* end : {"\n", "\r\n"}) {
    const std::string longest =
        "score" + std::string(end) + "2" + std::string(kMaxRowBytes - 1, ' ') + end;
    RosterSummary summary;
    Scored(longest, &summary);
    EXPECT_EQ(summary.scored, 1) << summary.error;
    const std::string longer = "score" + std::string(end) + "2" + std::string(kMaxRowBytes, ' ');
    std::string results;
    EXPECT_EQ(ScoreRosterText(kTestProgram, longer + end, results).error,
              "line 2: the row is longer than 64 KiB; no roster row comes near that");
  }
}

TEST(RosterRun, CountsEveryRowAndListsTheFirstRefused) {
  std::string roster = "last,score\n";
  for (int i = 0; i < 150; ++i) {
    roster += "R" + std::to_string(i) + ",0\nP,2\nF,1\nN,9\n";
  }
  RosterSummary summary;
  Scored(roster, &summary);
  EXPECT_EQ(SummaryText(kTestProgram, summary),
            "600 rows read: 450 scored, 150 refused; 150 passed, 150 failed, 150 without a "
            "verdict.");
  // A window's counts: by a result's value, or any result at all.
  EXPECT_EQ(summary.counts, (std::vector<int>{150, 450}));
  ASSERT_EQ(summary.refusedRows.size(), kListedRefusedRows);
  EXPECT_EQ(summary.refusedRows[1].line, 6);
  EXPECT_EQ(summary.refusedRows[1].soldier, "R1");
  EXPECT_EQ(summary.refusedRows[1].message, "Enter a score.");
}

}  // namespace
}  // namespace roster
