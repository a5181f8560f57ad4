#include "shell/core/report_fit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace shell {
namespace {

// The CUPS "PDF" printer under Wine's PostScript driver, as measured there:
// its default font is DejaVu Sans Mono, 100 pixels high with 14 of internal
// leading (character height 86); the PDF advances every glyph by 1233/2048 of
// the character height (51.78 pixels at 86, 17.46 at 29, which GDI reports
// rounded: 52 and 17); the printable width is 2479 pixels (A4 at 300 dpi).
// The margin is five System-font dialog base units of Wine, 5 x 8.
constexpr int kPrinterHeight = 86;
constexpr PageGeometry kPdfPage{100, 2479, 40};

int PdfWidth(std::string_view text, int height) {
  return static_cast<int>(std::ceil(static_cast<double>(text.size()) * height * 1233 / 2048));
}

// A face whose glyph widths round up and keep a pixel between them: widths
// shrink more slowly than heights, so a proportional guess misses both ways.
int SpacedWidth(std::string_view text, int height) {
  return static_cast<int>(text.size()) * (static_cast<int>(std::ceil(height * 0.55)) + 1);
}

int EndOf(const ReportLine& line, const PageGeometry& page, int height,
          const WidthAtHeight& width) {
  const int start = line.place == LinePlace::Margin ? page.margin : page.pageWidth / 2;
  const int text = width(line.text, height);
  return line.place == LinePlace::Centre ? page.pageWidth / 2 + (text + 1) / 2 : start + text;
}

// What a reader sees: every line ends inside the page, and the name ends at
// least one blank before the date begins.
bool Readable(const Report& report, const PageGeometry& page, int height,
              const WidthAtHeight& width) {
  for (const ReportLine& line : report.lines) {
    if (EndOf(line, page, height, width) > page.pageWidth) {
      return false;
    }
  }
  const int nameEnd = EndOf(report.lines[1], page, height, width) + width(" ", height);
  return nameEnd <= page.pageWidth / 2;
}

TEST(FittedCharacterHeight, NameAndDateReadableAtTheLargestHeightThatAllows) {
  const std::string full(29, 'W');
  struct Case {
    const char* what;
    PersonalData person;
    WidthAtHeight width;
    int expected;  // the printer's own 86 when it fits as it is
  };
  const Case cases[] = {
      {"short name", {"Doe", "John", "Q", "", {}, "07 Dec 2026"}, PdfWidth, kPrinterHeight},
      {"25-character name", {"Johnson", "Michael", "A", "", {}, "07 Dec 2026"}, PdfWidth, 76},
      // 97 characters and a blank in the 1199 pixels before the middle.
      {"every name field full", {full, full, full, "", {}, "07 Dec 2026"}, PdfWidth, 20},
      {"date field full", {"Doe", "John", "Q", "", {}, full}, PdfWidth, 58},
      {"spaced glyphs", {full, full, full, "", {}, "07 Dec 2026"}, SpacedWidth, 20},
  };
  for (const Case& c : cases) {
    const Report report =
        ReportWithHeader("Body Fat Content Report", "Weight Control", c.person, 25, 'M');
    const int height = FittedCharacterHeight(report, kPdfPage, kPrinterHeight, c.width);
    EXPECT_EQ(height, c.expected) << c.what;
    EXPECT_TRUE(Readable(report, kPdfPage, height, c.width)) << c.what;
    if (height < kPrinterHeight) {
      EXPECT_FALSE(Readable(report, kPdfPage, height + 1, c.width)) << c.what;
    }
  }
}

}  // namespace
}  // namespace shell
