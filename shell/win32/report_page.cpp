#include "shell/win32/report_page.h"

#include "shell/core/print_setup.h"
#include "shell/win32/app.h"
#include "shell/win32/beeper.h"

namespace shell {

namespace {

int Width(HDC dc, const std::string& text) {
  SIZE size{};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

HDC OpenDefaultPrinter() {
  char entry[80];
  GetProfileStringA("windows", "device", ",,,", entry, sizeof entry);
  const std::optional<PrinterName> printer = ParsePrinterDevice(entry);
  if (!printer) {
    return nullptr;
  }
  return CreateDCA(printer->driver.c_str(), printer->device.c_str(), printer->port.c_str(),
                   nullptr);
}

}  // namespace

void RenderReport(HDC dc, const Report& report, const PageGeometry& page) {
  for (const ReportLine& line : report.lines) {
    const int y = line.line * page.lineHeight;
    const int length = static_cast<int>(line.text.size());
    switch (line.place) {
      case LinePlace::Centre: {
        const UINT previous = SetTextAlign(dc, TA_CENTER | TA_TOP);
        TextOutA(dc, page.pageWidth / 2, y, line.text.c_str(), length);
        SetTextAlign(dc, previous);
        break;
      }
      case LinePlace::Middle:
        TextOutA(dc, page.pageWidth / 2, y, line.text.c_str(), length);
        break;
      case LinePlace::Margin:
        TextOutA(dc, page.margin, y, line.text.c_str(), length);
        break;
    }
  }
  for (const Underline& underline : report.underlines) {
    const int left = page.margin + Width(dc, underline.prefix);
    const int y = (underline.line + 1) * page.lineHeight;
    MoveToEx(dc, left, y, nullptr);
    LineTo(dc, left + Width(dc, underline.word), y);
  }
}

bool PrintReport(const Report& report) {
  HDC printer = OpenDefaultPrinter();
  if (printer == nullptr) {
    Alert();
    return false;
  }
  TEXTMETRICA metrics{};
  GetTextMetricsA(printer, &metrics);
  DOCINFOA document{};
  document.cbSize = sizeof document;
  document.lpszDocName = report.documentName.c_str();
  StartDocA(printer, &document);
  StartPage(printer);
  // The margin is five screen character widths, in printer pixels.
  const PageGeometry page{metrics.tmHeight + metrics.tmExternalLeading,
                          GetDeviceCaps(printer, HORZRES), 5 * App().grid.X};
  RenderReport(printer, report, page);
  EndPage(printer);
  EndDoc(printer);
  DeleteDC(printer);
  return true;
}

}  // namespace shell
