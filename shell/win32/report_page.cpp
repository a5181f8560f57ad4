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

// How far right the report's longest line reaches in the current font.
int RightmostEnd(HDC dc, const Report& report, const PageGeometry& page) {
  int rightmost = 0;
  for (const ReportLine& line : report.lines) {
    const int width = Width(dc, line.text);
    int end = page.margin + width;
    if (line.place == LinePlace::Centre) {
      end = page.pageWidth / 2 + (width + 1) / 2;
    } else if (line.place == LinePlace::Middle) {
      end = page.pageWidth / 2 + width;
    }
    rightmost = end > rightmost ? end : rightmost;
  }
  return rightmost;
}

// A printer whose default font is too large for the page (Wine's PostScript
// driver: 100-pixel lines at 300 dpi) would cut the ends of the longer lines
// off. Then the same face is used at the size that fits; line numbers and
// columns stay as they are.
HFONT FittingFont(HDC dc, const Report& report, const PageGeometry& page) {
  const int rightmost = RightmostEnd(dc, report, page);
  if (rightmost <= page.pageWidth || rightmost <= 0) {
    return nullptr;
  }
  LOGFONTA font{};
  if (GetObjectA(GetCurrentObject(dc, OBJ_FONT), sizeof font, &font) == 0) {
    return nullptr;
  }
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  const long long height = metrics.tmHeight - metrics.tmInternalLeading;
  font.lfHeight = -static_cast<LONG>(height * (page.pageWidth - 1) / rightmost);
  font.lfWidth = 0;
  return CreateFontIndirectA(&font);
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

// The margin is five screen character widths, taken as printer pixels.
bool PrintReport(const Report& report) {
  HDC printer = OpenDefaultPrinter();
  if (printer == nullptr) {
    Alert();
    return false;
  }
  PageGeometry page{0, GetDeviceCaps(printer, HORZRES), 5 * App().grid.X};
  HFONT fitting = FittingFont(printer, report, page);
  HGDIOBJ defaultFont = fitting != nullptr ? SelectObject(printer, fitting) : nullptr;
  TEXTMETRICA metrics{};
  GetTextMetricsA(printer, &metrics);
  page.lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
  DOCINFOA document{};
  document.cbSize = sizeof document;
  document.lpszDocName = report.documentName.c_str();
  StartDocA(printer, &document);
  StartPage(printer);
  RenderReport(printer, report, page);
  EndPage(printer);
  EndDoc(printer);
  if (fitting != nullptr) {
    SelectObject(printer, defaultFont);
    DeleteObject(fitting);
  }
  DeleteDC(printer);
  return true;
}

}  // namespace shell
