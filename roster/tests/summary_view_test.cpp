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
  ASSERT_EQ(view.notes.size(), 103u);
  EXPECT_EQ(view.notes[0], "Warning: line 1: column \"Score 2\" is not read");
  EXPECT_EQ(view.notes[1],
            "Removed C:\\Unit\\A Co-results.csv.tmp-AbC123, left behind by a run that was cut "
            "short.");
  EXPECT_EQ(view.notes[2], "Line 2: Enter a score.");
  EXPECT_EQ(view.notes[3], "Line 3 (Doe, John): Enter a score.");
  EXPECT_EQ(view.notes.back(),
            "And 2 more refused rows: the results' message column tells each one.");
}

TEST(SummaryView, SaysHowThePrintingWent) {
  const shell::Report page;
  EXPECT_EQ(PrintingText({12, 150, 14, "Hale, Jordan", "", page}),
            "Printing 12 of 150: Hale, Jordan");
  EXPECT_EQ(PrintingText({3, 5, 9, "", "", page}), "Printing 3 of 5: line 9");
  const struct {
    PrintedReports run;
    const char* text;
  } ends[] = {
      {{5, 5, 0, false, ""}, "5 reports printed."},
      {{1, 1, 1, false, ""},
       "1 report printed. 1 report holds only the SSN digits its boxes take."},
      {{1, 5, 0, true, ""}, "Cancelled: 1 of 5 reports printed."},
      {{0, 5, 0, false,
        "the report of line 2 (Hale, Jordan) was not printed: out of paper; 0 of 5 "
        "reports printed."},
       "The report of line 2 (Hale, Jordan) was not printed: out of paper; 0 of 5 reports "
       "printed."},
  };
  for (const auto& end : ends) {
    EXPECT_EQ(PrintingEndText(end.run), end.text);
  }
}

}  // namespace
}  // namespace roster
