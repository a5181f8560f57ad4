#include "shell/win32/report_page.h"

#include <algorithm>
#include <string_view>

#include "shell/core/print_setup.h"
#include "shell/win32/app.h"
#include "shell/win32/beeper.h"
#include "shell/win32/gdi.h"
#include "shell/win32/print_job.h"

namespace shell {

namespace {

int Width(HDC dc, std::string_view text) {
  SIZE size{};
  GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
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

// The printer's own face at another character height; its width follows.
HFONT FaceAt(LOGFONTA face, int characterHeight) {
  face.lfHeight = -characterHeight;
  face.lfWidth = 0;
  return CreateFontIndirectA(&face);
}

// A text's width in the printer's face at a character height; 0 when the
// printer cannot make that font (the job fails when it asks for it).
int WidthIn(HDC dc, const LOGFONTA& face, std::string_view text, int height) {
  OwnedObject<HFONT> font(FaceAt(face, height));
  if (font.get() == nullptr) {
    return 0;
  }
  Selection selected(dc, font.get());
  return Width(dc, text);
}

// Outline fonts are designed on a grid of 2048 units to the em (or a coarser
// one): at that character height their glyph widths are exact.
constexpr int kDesignHeight = 2048;

// A text's width at a character height, as wide as the page will show it. A
// driver may report each glyph's width rounded to whole pixels yet place the
// glyphs at their exact advance (Wine's PostScript driver reports 17 pixels
// for a glyph it advances by 17.46), so the width is never taken below the
// text's width at the design height scaled down.
int PrintedWidth(HDC dc, const LOGFONTA& face, int ownHeight, std::string_view text, int height) {
  const int reported = height == ownHeight ? Width(dc, text) : WidthIn(dc, face, text, height);
  const long long design = WidthIn(dc, face, text, kDesignHeight);
  const long long exact = (design * height + kDesignHeight - 1) / kDesignHeight;
  return static_cast<int>(std::max<long long>(reported, exact));
}

// Draws one line's text at its place, its top at `top` or, for a line in a
// face of its own, its baseline on the page face's `baseline`.
void DrawLine(HDC dc, const ReportLine& line, const PageGeometry& page, int top, int baseline) {
  const bool ownFace = line.characterHeight != 0;
  const UINT horizontal = line.place == LinePlace::Centre ? TA_CENTER : TA_LEFT;
  const int x = line.place == LinePlace::Margin ? page.margin : page.pageWidth / 2;
  const UINT previous = SetTextAlign(dc, horizontal | (ownFace ? TA_BASELINE : TA_TOP));
  TextOutA(dc, x, ownFace ? baseline : top, line.text.c_str(), static_cast<int>(line.text.size()));
  SetTextAlign(dc, previous);
}

}  // namespace

bool RenderReport(HDC dc, const Report& report, const PageGeometry& page) {
  LOGFONTA face{};
  TEXTMETRICA metrics{};
  if (GetObjectA(GetCurrentObject(dc, OBJ_FONT), sizeof face, &face) == 0 ||
      GetTextMetricsA(dc, &metrics) == 0) {
    return false;
  }
  // Text cells never blank out a neighbour's text.
  const int previousMode = SetBkMode(dc, TRANSPARENT);
  bool drawn = true;
  for (const ReportLine& line : report.lines) {
    const int top = line.line * page.lineHeight;
    const int baseline = top + metrics.tmAscent;
    if (line.characterHeight == 0) {
      DrawLine(dc, line, page, top, baseline);
      continue;
    }
    // Printed in the page's face would run into the Date: not at all, then.
    OwnedObject<HFONT> font(FaceAt(face, line.characterHeight));
    drawn = drawn && font.get() != nullptr;
    if (font.get() != nullptr) {
      Selection selected(dc, font.get());
      DrawLine(dc, line, page, top, baseline);
    }
  }
  for (const Underline& underline : report.underlines) {
    const int left = page.margin + Width(dc, underline.prefix);
    const int y = (underline.line + 1) * page.lineHeight;
    MoveToEx(dc, left, y, nullptr);
    LineTo(dc, left + Width(dc, underline.word), y);
  }
  if (previousMode != 0) {
    SetBkMode(dc, previousMode);
  }
  return drawn;
}

namespace {

// The pages, in the printer's face made small enough for every line of
// `fit` to fit the page's width: the face first, then the pages (they
// depend on the lines the face leaves room for), then each page's lines and
// drawing. Without `paginate`, `fit` is the one page, printed as fitted (a
// name too long for its line in a smaller face of its own). False when the
// printer refused any part.
bool PrintPages(PrintJob& job, const Report& fit, const Paginate& paginate,
                const DrawOnPage& draw) {
  LOGFONTA face{};
  TEXTMETRICA metrics{};
  if (!job || GetObjectA(GetCurrentObject(job.dc(), OBJ_FONT), sizeof face, &face) == 0 ||
      GetTextMetricsA(job.dc(), &metrics) == 0) {
    return false;
  }
  HDC dc = job.dc();
  // The margin is five screen character widths, taken as printer pixels.
  PageGeometry page{0, GetDeviceCaps(dc, HORZRES), 5 * App().grid.X};
  const int ownHeight = metrics.tmHeight - metrics.tmInternalLeading;
  const FittedReport fitted =
      FitReport(fit, page, ownHeight, [&](std::string_view text, int height) {
        return PrintedWidth(dc, face, ownHeight, text, height);
      });
  if (fitted.pageHeight != ownHeight && !job.UseFont(FaceAt(face, fitted.pageHeight))) {
    return false;
  }
  if (GetTextMetricsA(dc, &metrics) == 0) {
    return false;
  }
  page.lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
  const std::vector<Report> pages =
      paginate ? paginate(page.lineHeight > 0 ? GetDeviceCaps(dc, VERTRES) / page.lineHeight : 0)
               : std::vector<Report>(1, fitted.report);
  if (pages.empty() || !job.StartPage(pages[0].documentName.c_str())) {
    return false;
  }
  for (std::size_t k = 0; k < pages.size(); ++k) {
    if ((k > 0 && !job.NextPage()) || !RenderReport(dc, pages[k], page) ||
        (draw && !draw(dc, k, page))) {
      return false;
    }
  }
  return job.Finish();
}

const char* WhyNotPrinted(HDC printer) {
  return printer == nullptr ? "no default printer could be opened"
                            : "the default printer did not take the page";
}

}  // namespace

bool PrintDocument(std::string_view widest, const Paginate& paginate, const DrawOnPage& draw,
                   std::string* why) {
  HDC printer = OpenDefaultPrinter();
  PrintJob job(printer);
  Report widestLine;
  AddLine(widestLine, 1, std::string(widest));
  const bool printed = PrintPages(job, widestLine, paginate, draw);
  if (!printed) {
    Alert();
    if (why != nullptr) {
      *why = WhyNotPrinted(printer);
    }
  }
  return printed;
}

bool PrintReport(const Report& report, std::string* why) {
  HDC printer = OpenDefaultPrinter();
  const bool printed = PrintReportOn(printer, report);
  if (!printed && why != nullptr) {
    *why = WhyNotPrinted(printer);
  }
  return printed;
}

bool PrintReportOn(HDC printer, const Report& report) {
  PrintJob job(printer);
  const bool printed = PrintPages(job, report, nullptr, nullptr);
  if (!printed) {
    Alert();
  }
  return printed;
}

}  // namespace shell
