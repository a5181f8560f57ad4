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
    for (const auto& [rows, verdicts] : {std::pair{4, 3}, std::pair{4, 5}}) {
      SCOPED_TRACE(testing::Message() << grid.X << "x" << grid.Y << ", " << verdicts);
      const RosterSummaryLayout summary = LayoutRosterSummary(grid, rows, verdicts);
      ASSERT_EQ(summary.figures.size(), static_cast<std::size_t>(2 * (rows + verdicts)));
      std::vector<Box> boxes = {summary.name,
                                summary.notes,
                                summary.results,
                                BoxOf(summary.openResults),
                                BoxOf(summary.printReports),
                                BoxOf(summary.close)};
      for (const TextPlace& text : summary.captions) {
        boxes.push_back(text.box);
      }
      for (const TextPlace& text : summary.figures) {
        boxes.push_back(text.box);
      }
      ExpectApart(boxes, summary.client);
    }
    const RosterPrintingLayout printing = LayoutRosterPrinting(grid);
    ExpectApart({printing.status, printing.progress, BoxOf(printing.cancel)}, printing.client);
  }
}

}  // namespace
}  // namespace roster
