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
  std::vector<PaperPage> sheets;
  const auto paginate = [&](int linesPerPage) {
    sheets = SummaryPaper(page, linesPerPage);
    std::vector<shell::Report> reports;
    for (PaperPage& sheet : sheets) {
      // The sheet keeps only where its chart goes.
      reports.push_back(std::move(sheet.report));
      // The names as the printer's code page has them, as on the reports.
      for (shell::ReportLine& line : reports.back().lines) {
        line.text = PrinterText(line.text);
      }
    }
    return reports;
  };
  const auto draw = [&](HDC dc, std::size_t index, const shell::PageGeometry& geometry) {
    const int first = sheets[index].chartLine;
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
