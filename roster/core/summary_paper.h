// The summary page on paper: the text page's lines on the report page's
// numbered lines, the chart as a picture on lines kept for it, and lists
// too long for the page going on to further pages, each starting with its
// caption and column captions again; pages numbered "Page 2 of 3".
#pragma once

#include <string>
#include <vector>

#include "roster/core/summary_page.h"
#include "shell/core/report.h"

namespace roster {

// The print spooler's name of the summary, and so the PDF's.
inline constexpr const char* kSummaryDocumentName = "Roster Summary";

// The lines the chart's picture takes on paper.
inline constexpr int kChartLines = 15;

// No page takes fewer lines than this, whatever the printer says.
inline constexpr int kFewestPaperLines = kChartLines + 10;

struct PaperSheets {
  // Each with the title on line 1 and, when there are several, its number
  // on its last line.
  std::vector<shell::Report> reports;
  std::vector<int> chartLines;  // each one's first line of the chart; 0: none
};

// The page on sheets of `linesPerPage` lines each (line k's top at k line
// heights, line 0 left free as the reports leave it).
PaperSheets SummaryPaper(const SummaryPage& page, int linesPerPage);

// The widest line the sheets print, for the face to fit the page's width.
std::string WidestPaperLine(const SummaryPage& page);

}  // namespace roster
