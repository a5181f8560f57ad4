#include "roster/core/dialog_layout.h"

#include <algorithm>

namespace roster {

RosterSummaryLayout LayoutRosterSummary(const shell::LayoutGrid& g, const SummaryShape& shape) {
  const int pitch = g.Y + g.QY;
  const int buttonHeight = 7 * g.QY;
  RosterSummaryLayout layout;

  // Two columns of figures, each label column as wide as its longest label.
  const int rowsLeft = 2 * g.X;
  const int rowLabels = std::max(18 * g.X, shape.rowLabelWidth + g.QX);
  const int valueWidth = 6 * g.X;
  const int verdictsLeft = rowsLeft + rowLabels + valueWidth + 5 * g.X;
  const int verdictLabels = std::max(22 * g.X, shape.verdictLabelWidth + g.QX);
  const int width = std::max(62 * g.X, verdictsLeft + verdictLabels + valueWidth + 3 * g.X);
  const int inner = width - 2 * g.X;  // the lists, from X to X before the right edge

  const int nameTop = 3 * g.QY;
  layout.captions.push_back({"Roster:", {g.X, nameTop, 8 * g.X, g.Y}});
  layout.name = {9 * g.X, nameTop, inner - 8 * g.X, g.Y};

  const int figuresTop = nameTop + g.Y + 3 * g.QY;
  for (int k = 0; k < shape.rows + shape.verdicts; ++k) {
    const bool first = k < shape.rows;
    const int top = figuresTop + (first ? k : k - shape.rows) * pitch;
    const int left = first ? rowsLeft : verdictsLeft;
    const int labelWidth = first ? rowLabels : verdictLabels;
    layout.figures.push_back({"", {left, top, labelWidth, g.Y}});
    layout.figures.push_back({"", {left + labelWidth, top, valueWidth, g.Y}, true});
  }
  int top = figuresTop + std::max(shape.rows, shape.verdicts) * pitch + g.QY;

  // A list under its caption: `rows` rows high.
  const auto list = [&](const char* caption, int rows) {
    layout.captions.push_back({caption, {g.X, top, 30 * g.X, g.Y}});
    const shell::Box box = {g.X, top + g.Y + g.QY, inner, rows * g.Y + g.QY};
    top = box.top + box.height + 2 * g.QY;
    return box;
  };
  if (shape.notes) {
    layout.notes = list("Notes:", 3);
  }
  layout.refused = list("Refused rows:", 8);

  // A caption and its box on one row.
  const auto labelled = [&](const char* caption, int boxWidth) {
    top += g.QY;
    layout.captions.push_back({caption, {g.X, top + g.QY / 2, 10 * g.X, g.Y}});
    const shell::Box box = {11 * g.X, top, boxWidth, g.Y + g.QY};
    top = box.top + box.height;
    return box;
  };
  layout.results = labelled("Results:", inner - 10 * g.X);
  layout.date = labelled("Test date:", 16 * g.X);

  const int buttonsTop = top + 3 * g.QY;
  const int buttonsLeft = (width - 42 * g.X) / 2;
  layout.openResults = {"&Open Results", kRosterOpenResultsId, buttonsLeft, buttonsTop,
                        14 * g.X,        buttonHeight};
  layout.printReports = {
      "&Print Reports", kRosterPrintReportsId, buttonsLeft + 16 * g.X, buttonsTop,
      14 * g.X,         buttonHeight};
  layout.close = {"&Close",   kRosterCloseId, buttonsLeft + 32 * g.X,
                  buttonsTop, 10 * g.X,       buttonHeight};
  layout.client = {width, buttonsTop + buttonHeight + 3 * g.QY};
  return layout;
}

RosterProgressLayout LayoutRosterProgress(const shell::LayoutGrid& g, int statusRows) {
  RosterProgressLayout layout;
  layout.status = {g.X, g.Y, 50 * g.X, std::max(statusRows, 2) * g.Y};
  layout.progress = {g.X, layout.status.top + layout.status.height + 2 * g.QY, 50 * g.X, g.Y};
  const int buttonsTop = layout.progress.top + layout.progress.height + g.Y;
  layout.cancel = {"&Cancel", kRosterCloseId, 21 * g.X, buttonsTop, 10 * g.X, 7 * g.QY};
  layout.client = {52 * g.X, buttonsTop + 7 * g.QY + 3 * g.QY};
  return layout;
}

int BarPosition(long long done, long long whole, int steps) {
  if (whole <= 0 || done <= 0) {
    return 0;
  }
  return static_cast<int>(std::min(done, whole) * steps / whole);
}

std::vector<std::string> StatusRows(std::string_view text, const shell::RowFits& fits) {
  std::vector<std::string> rows = shell::WrapRows(text, fits);
  if (rows.size() > kMostStatusRows) {
    const std::size_t kept = kMostStatusRows - 1;
    const std::size_t head = kept / 2;
    rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(head),
               rows.end() - static_cast<std::ptrdiff_t>(kept - head));
    rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(head), "...");
  }
  return rows;
}

}  // namespace roster
