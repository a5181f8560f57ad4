// What a window shows of a scored roster and of its reports printing.
#include "roster/core/summary_view.h"

#include <gtest/gtest.h>

#include "roster/tests/test_program.h"

namespace roster {
namespace {

TEST(SummaryView, ListsTheCountsAndWhatTheClerkMustCorrect) {
  ScoredFile run;
  run.output = "C:\\Unit\\A Co-results.csv";
  run.removed = {"C:\\Unit\\A Co-results.csv.tmp-AbC123"};
  run.summary.read = 110;
  run.summary.scored = 8;
  run.summary.refused = 102;
  run.summary.withoutVerdict = 1;
  run.summary.counts = {3, 8};
  run.summary.warnings = {"line 1: column \"Score 2\" is not read"};
  for (int line = 2; line < 102; ++line) {
    run.summary.refusedRows.push_back({line, line == 2 ? "" : "Doe, John", "Enter a score."});
  }
  const SummaryView view = ViewOfScoredFile(kTestProgram, "C:\\Unit\\A Co.csv", run);
  EXPECT_EQ(view.roster, "A Co.csv");
  EXPECT_EQ(view.results, "C:\\Unit\\A Co-results.csv");
  const auto texts = [](const std::vector<Figure>& figures) {
    std::vector<std::string> lines;
    for (const Figure& f : figures) {
      lines.push_back(f.label + " " + f.value);
    }
    return lines;
  };
  EXPECT_EQ(texts(view.rows), (std::vector<std::string>{"Rows read 110", "Scored 8", "Refused 102",
                                                        "Without a verdict 1"}));
  EXPECT_EQ(texts(view.verdicts), (std::vector<std::string>{"Doubled to 4 3", "Tripled 8"}));
  // Warnings and notes apart from the rows to correct.
  EXPECT_EQ(view.notes,
            (std::vector<std::string>{"Warning: line 1: column \"Score 2\" is not read",
                                      "Removed C:\\Unit\\A Co-results.csv.tmp-AbC123, left "
                                      "behind by a run that was cut short."}));
  ASSERT_EQ(view.refused.size(), 101u);
  EXPECT_EQ(view.refused[0], "Line 2: Enter a score.");
  EXPECT_EQ(view.refused[1], "Line 3 (Doe, John): Enter a score.");
  EXPECT_EQ(view.refused.back(),
            "And 2 more refused rows: the results' message column tells each one.");
}

TEST(SummaryView, SaysHowThePrintingWent) {
  const shell::Report page;
  EXPECT_EQ(PrintingText({12, 150, 14, "Hale, Jordan", "", page}),
            "Printing 12 of 150: Hale, Jordan");
  EXPECT_EQ(PrintingText({3, 5, 9, "", "", page}), "Printing 3 of 5: line 9");
  // The soldiers whose SSN was cut: the first ten named, by their line when
  // the roster names none.
  std::vector<std::string> named;
  for (int line = 2; line < 14; ++line) {
    NoteShortSsn(named, {line, 20, line, line == 3 ? "" : "Doe, John", "cut", page});
    NoteShortSsn(named, {line, 20, line, "Roe, Jane", "", page});
  }
  ASSERT_EQ(named.size(), kNamedShortSsns);
  EXPECT_EQ(named[1], "line 3");
  const struct {
    PrintedReports run;
    std::vector<std::string> named;
    const char* text;
  } ends[] = {
      {{5, 5, 0, false, ""}, {}, "5 reports printed."},
      {{1, 1, 1, false, ""},
       {"Doe, John"},
       "1 report printed.\n1 report holds only the SSN digits its boxes take: Doe, John."},
      {{20, 20, 12, false, ""},
       named,
       "20 reports printed.\n12 reports hold only the SSN digits their boxes take: Doe, John; "
       "line 3; Doe, John; Doe, John; Doe, John; Doe, John; Doe, John; Doe, John; Doe, John; "
       "Doe, John; and 2 more."},
      {{1, 5, 0, true, ""}, {}, "Cancelled: 1 of 5 reports printed."},
      {{0, 5, 0, false,
        "the report of line 2 (Hale, Jordan) was not printed: out of paper; 0 of 5 "
        "reports printed."},
       {},
       "The report of line 2 (Hale, Jordan) was not printed: out of paper; 0 of 5 reports "
       "printed."},
  };
  for (const auto& end : ends) {
    EXPECT_EQ(PrintingEndText(end.run, end.named), end.text);
  }
}

TEST(SummaryView, AsksAndTellsInPlainWords) {
  const struct {
    std::string text;
    const char* expected;
  } texts[] = {
      {ScoringText("C:\\Unit\\A Co.csv", 1200), "Scoring A Co.csv: 1200 rows read."},
      {ScoringCancelledText("C:\\A-results.csv", true),
       "Scoring cancelled: C:\\A-results.csv is as it was."},
      {ScoringCancelledText("C:\\A-results.csv", false),
       "Scoring cancelled: no results were written."},
      {ConfirmPrintingText(51, "07 Dec 2026"),
       "Print 51 reports dated 07 Dec 2026 on the default printer, one print job each?"},
      // Windows' own words, however they end; never a reason that is none.
      {OpenFailedText("C:\\A-results.csv",
                      "No application is associated with the specified file for this operation."),
       "C:\\A-results.csv could not be opened: No application is associated with the specified "
       "file for this operation. Open the folder that holds it instead?"},
      {OpenFailedText("A-results.csv", ""),
       "A-results.csv could not be opened: Windows gave no reason. Open the folder that holds it "
       "instead?"},
      {OpenFailedText("C:\\Unit", "Access is denied.", false),
       "C:\\Unit could not be opened: Access is denied."},
      {OpenFailedText("C:\\A-results.csv", "Bad EXE format for %1."),
       "C:\\A-results.csv could not be opened: Bad EXE format for A-results.csv. Open the folder "
       "that holds it instead?"},
      {FolderOf("C:\\Unit\\A-results.csv"), "C:\\Unit"},
      {FolderOf("C:\\A-results.csv"), "C:\\"},
      {FolderOf("\\\\server\\share\\A-results.csv"), "\\\\server\\share"},
      {ReportsDate(" 04 Jul 2027 ", "07 Dec 2026"), "04 Jul 2027"},
      {ReportsDate("  ", "07 Dec 2026"), "07 Dec 2026"},
  };
  for (const auto& t : texts) {
    EXPECT_EQ(t.text, t.expected);
  }
}

}  // namespace
}  // namespace roster
