#include "roster/win32/summary_print.h"

#include <utility>
#include <vector>

#include "roster/core/summary_chart.h"
#include "roster/core/summary_paper.h"
#include "roster/win32/summary_drawing.h"
#include "roster/win32/text.h"
#include "shell/win32/report_page.h"

namespace roster {

bool PrintSummaryPage(const SummaryPage& page, std::string& why) {
  std::vector<int> chartLines;
  const auto paginate = [&](int linesPerPage) {
    PaperSheets sheets = SummaryPaper(page, linesPerPage);
    // The names as the printer's code page has them, as on the reports.
    for (shell::Report& report : sheets.reports) {
      for (shell::ReportLine& line : report.lines) {
        line.text = PrinterText(line.text);
      }
    }
    chartLines = std::move(sheets.chartLines);
    return std::move(sheets.reports);
  };
  const auto draw = [&](HDC dc, std::size_t index, const shell::PageGeometry& geometry) {
    const int first = chartLines[index];
    if (first == 0) {
      return true;
    }
    const shell::Box area = {geometry.margin, first * geometry.lineHeight,
                             geometry.pageWidth - 2 * geometry.margin,
                             (kChartLines - 1) * geometry.lineHeight};
    DrawChart(dc, LayoutChart(page.chart, area, RowHeightOn(dc), WidthOn(dc)));
    return true;
  };
  return shell::PrintDocument(PrinterText(WidestPaperLine(page)), paginate, draw, &why);
}

}  // namespace roster
