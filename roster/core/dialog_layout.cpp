#include "roster/core/dialog_layout.h"

#include <algorithm>

namespace roster {

RosterSummaryLayout LayoutRosterSummary(const shell::LayoutGrid& g, int rows, int verdicts) {
  const int pitch = g.Y + g.QY;
  const int buttonHeight = 7 * g.QY;
  RosterSummaryLayout layout;
  const int nameTop = 3 * g.QY;
  layout.captions.push_back({"Roster:", {g.X, nameTop, 8 * g.X, g.Y}});
  layout.name = {9 * g.X, nameTop, 52 * g.X, g.Y};

  const int figuresTop = nameTop + g.Y + 3 * g.QY;
  for (int k = 0; k < rows + verdicts; ++k) {
    const bool first = k < rows;
    const int top = figuresTop + (first ? k : k - rows) * pitch;
    const int left = first ? 2 * g.X : 31 * g.X;
    const int labelWidth = first ? 18 * g.X : 22 * g.X;
    layout.figures.push_back({"", {left, top, labelWidth, g.Y}});
    layout.figures.push_back({"", {left + labelWidth, top, 6 * g.X, g.Y}, true});
  }

  const int notesCaptionTop = figuresTop + std::max(rows, verdicts) * pitch + g.QY;
  layout.captions.push_back({"Refused rows:", {g.X, notesCaptionTop, 30 * g.X, g.Y}});
  layout.notes = {g.X, notesCaptionTop + g.Y + g.QY, 60 * g.X, 8 * g.Y + g.QY};

  const int resultsTop = layout.notes.top + layout.notes.height + 3 * g.QY;
  layout.captions.push_back({"Results:", {g.X, resultsTop + g.QY / 2, 8 * g.X, g.Y}});
  layout.results = {9 * g.X, resultsTop, 52 * g.X, g.Y + g.QY};

  const int buttonsTop = resultsTop + g.Y + 4 * g.QY;
  layout.openResults = {"&Open Results", kRosterOpenResultsId, 10 * g.X, buttonsTop,
                        14 * g.X,        buttonHeight};
  layout.printReports = {"&Print Reports", kRosterPrintReportsId, 26 * g.X, buttonsTop,
                         14 * g.X,         buttonHeight};
  layout.close = {"&Close", kRosterCloseId, 42 * g.X, buttonsTop, 10 * g.X, buttonHeight};
  layout.client = {62 * g.X, buttonsTop + buttonHeight + 3 * g.QY};
  return layout;
}

RosterPrintingLayout LayoutRosterPrinting(const shell::LayoutGrid& g) {
  RosterPrintingLayout layout;
  layout.status = {g.X, g.Y, 50 * g.X, 2 * g.Y};
  layout.progress = {g.X, 3 * g.Y + 2 * g.QY, 50 * g.X, g.Y};
  const int buttonsTop = 5 * g.Y + 2 * g.QY;
  layout.cancel = {"&Cancel", kRosterCloseId, 21 * g.X, buttonsTop, 10 * g.X, 7 * g.QY};
  layout.client = {52 * g.X, buttonsTop + 7 * g.QY + 3 * g.QY};
  return layout;
}

}  // namespace roster
