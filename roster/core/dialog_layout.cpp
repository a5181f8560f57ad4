#include "roster/core/dialog_layout.h"

#include <algorithm>

namespace roster {

RosterSummaryLayout LayoutRosterSummary(const shell::LayoutGrid& g, const SummaryShape& shape) {
  const int pitch = g.Y + g.QY;
  const int buttonHeight = 7 * g.QY;
  RosterSummaryLayout layout;

  // The figures in a column as wide as its longest label, the chart beside.
  const int figuresLeft = 2 * g.X;
  const int labels =
      std::max({18 * g.X, shape.rowLabelWidth + g.QX, shape.verdictLabelWidth + g.QX});
  const int valueWidth = 6 * g.X;
  const int chartLeft = figuresLeft + labels + valueWidth + 3 * g.X;
  const int chartWidth = std::max(36 * g.X, shape.chart.width);
  // Four buttons of 14, 14, 14 and 10 X, 2 X apart.
  const int buttonsWidth = 58 * g.X;
  const int width = std::max({62 * g.X, chartLeft + chartWidth + 2 * g.X, buttonsWidth + 4 * g.X});
  const int inner = width - 2 * g.X;  // the lists, from X to X before the right edge

  const int nameTop = 3 * g.QY;
  layout.captions.push_back({"Roster:", {g.X, nameTop, 8 * g.X, g.Y}});
  layout.name = {9 * g.X, nameTop, inner - 8 * g.X, g.Y};

  const int figuresTop = nameTop + g.Y + 3 * g.QY;
  for (int k = 0; k < shape.rows + shape.verdicts; ++k) {
    // Half a row between the rows' figures and the verdicts'.
    const int top = figuresTop + k * pitch + (k < shape.rows ? 0 : pitch / 2);
    layout.figures.push_back({"", {figuresLeft, top, labels, g.Y}});
    layout.figures.push_back({"", {figuresLeft + labels, top, valueWidth, g.Y}, true});
  }
  const int figuresHeight =
      (shape.rows + shape.verdicts) * pitch + (shape.verdicts > 0 ? pitch / 2 : 0);
  layout.chart = {chartLeft, figuresTop, width - 2 * g.X - chartLeft,
                  std::max({figuresHeight, shape.chart.height, 12 * g.Y})};
  int top = figuresTop + layout.chart.height + g.Y;

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
  int left = (width - buttonsWidth) / 2;
  const auto button = [&](const char* caption, int id, int buttonWidth) {
    const shell::ButtonPlace place = {caption,           id,          left, buttonsTop,
                                      buttonWidth * g.X, buttonHeight};
    left += (buttonWidth + 2) * g.X;
    return place;
  };
  layout.openResults = button("&Open Results", kRosterOpenResultsId, 14);
  layout.printReports = button("&Print Reports", kRosterPrintReportsId, 14);
  layout.printSummary = button("Print &Summary", kRosterPrintSummaryId, 14);
  layout.close = button("&Close", kRosterCloseId, 10);
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
