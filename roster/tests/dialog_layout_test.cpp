// The roster dialogs' places: every control inside the dialog, none over
// another, for the grids Windows gives and both programs' counts.
#include "roster/core/dialog_layout.h"

#include <gtest/gtest.h>

namespace roster {
namespace {

using shell::Box;
using shell::ButtonPlace;
using shell::GridFromBaseUnits;
using shell::LayoutGrid;
using shell::Size;

Box BoxOf(const ButtonPlace& b) {
  return {b.left, b.top, b.width, b.height};
}

bool Overlap(const Box& a, const Box& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

void ExpectApart(const std::vector<Box>& boxes, const Size& client) {
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    const Box& a = boxes[i];
    EXPECT_TRUE(a.left >= 0 && a.top >= 0 && a.left + a.width <= client.width &&
                a.top + a.height <= client.height)
        << "control " << i << " leaves the dialog";
    for (std::size_t j = i + 1; j < boxes.size(); ++j) {
      EXPECT_FALSE(Overlap(a, boxes[j])) << "controls " << i << " and " << j;
    }
  }
}

TEST(RosterDialogLayout, EveryControlInsideAndApart) {
  for (const LayoutGrid grid :
       {GridFromBaseUnits(8, 16), GridFromBaseUnits(7, 15), GridFromBaseUnits(10, 20)}) {
    // VORNA's and HEFTRAK's counts; labels of today's width and much wider;
    // with and without notes.
    // And the charts' least sizes, of today's and of a roster of millions.
    for (const SummaryShape& shape :
         {SummaryShape{4, 3, 0, 0, false, {}}, SummaryShape{4, 6, 130, 230, true, {300, 170}},
          SummaryShape{4, 6, 40 * grid.X, 45 * grid.X, true, {90 * grid.X, 30 * grid.Y}}}) {
      SCOPED_TRACE(testing::Message() << grid.X << "x" << grid.Y << ", " << shape.verdicts << ", "
                                      << shape.verdictLabelWidth);
      const RosterSummaryLayout summary = LayoutRosterSummary(grid, shape);
      ASSERT_EQ(summary.figures.size(),
                static_cast<std::size_t>(2 * (shape.rows + shape.verdicts)));
      std::vector<Box> boxes = {summary.name,
                                summary.refused,
                                summary.results,
                                summary.date,
                                BoxOf(summary.openResults),
                                BoxOf(summary.printReports),
                                BoxOf(summary.printSummary),
                                BoxOf(summary.close),
                                summary.chart};
      EXPECT_GE(summary.chart.width, shape.chart.width);
      EXPECT_GE(summary.chart.height, shape.chart.height);
      if (shape.notes) {
        boxes.push_back(summary.notes);
      }
      EXPECT_EQ(summary.notes.height > 0, shape.notes);
      for (const TextPlace& text : summary.captions) {
        boxes.push_back(text.box);
      }
      for (std::size_t k = 0; k < summary.figures.size(); k += 2) {
        const int wanted = k / 2 < static_cast<std::size_t>(shape.rows) ? shape.rowLabelWidth
                                                                        : shape.verdictLabelWidth;
        EXPECT_GE(summary.figures[k].box.width, wanted) << "the label of figure " << k / 2;
        boxes.push_back(summary.figures[k].box);
        boxes.push_back(summary.figures[k + 1].box);
      }
      ExpectApart(boxes, summary.client);
    }
    for (int rows : {2, 5, static_cast<int>(kMostStatusRows)}) {
      const RosterProgressLayout progress = LayoutRosterProgress(grid, rows);
      EXPECT_GE(progress.status.height, rows * grid.Y);
      ExpectApart({progress.status, progress.progress, BoxOf(progress.cancel)}, progress.client);
    }
  }
}

TEST(RosterDialogLayout, ABarStaysWithinItsSteps) {
  EXPECT_EQ(BarPosition(0, 0, 1000), 0);
  EXPECT_EQ(BarPosition(512, 1024, 1000), 500);
  EXPECT_EQ(BarPosition(1LL << 30, 1LL << 30, 1000), 1000);
  EXPECT_EQ(BarPosition(3000, 1024, 1000), 1000);
}

// However long the text, the progress dialog's rows stop at the most it
// shows, and the end of the text (the count) is always among them.
TEST(RosterDialogLayout, AStatusTooLongKeepsItsStartAndItsCount) {
  const auto fits = [](std::string_view row) { return row.size() <= 50; };
  std::string name(2000, 'x');
  for (std::size_t at = 7; at < name.size(); at += 8) {
    name[at] = ' ';
  }
  const std::string text =
      "The report of line 2 (" + name + ") was not printed: out of paper; 0 of 2 reports printed.";
  const std::vector<std::string> rows = StatusRows(text, fits);
  ASSERT_EQ(rows.size(), kMostStatusRows);
  EXPECT_EQ(rows.front(), "The report of line 2 (xxxxxxx xxxxxxx xxxxxxx");
  EXPECT_EQ(rows[kMostStatusRows / 2 - 1], "...");
  std::string end;
  for (std::size_t row = kMostStatusRows / 2; row < rows.size(); ++row) {
    end += rows[row] + " ";
  }
  EXPECT_TRUE(end.ends_with("; 0 of 2 reports printed. ")) << end;
  EXPECT_EQ(StatusRows("5 reports printed.", fits), std::vector<std::string>{"5 reports printed."});
}

}  // namespace
}  // namespace roster
