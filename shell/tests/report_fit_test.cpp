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

int HeightOf(const ReportLine& line, const FittedReport& fitted) {
  return line.characterHeight != 0 ? line.characterHeight : fitted.pageHeight;
}

int EndOf(const ReportLine& line, const PageGeometry& page, int height,
          const WidthAtHeight& width) {
  const int start = line.place == LinePlace::Margin ? page.margin : page.pageWidth / 2;
  const int text = width(line.text, height);
  return line.place == LinePlace::Centre ? page.pageWidth / 2 + (text + 1) / 2 : start + text;
}

// The name's rows read back as one text: a row after the first continues
// the one before, after a blank unless that row ended in a hyphen.
std::string Rejoined(const FittedReport& fitted, int nameLine, int rows) {
  std::string name;
  for (int row = 0; row < rows; ++row) {
    for (const ReportLine& line : fitted.report.lines) {
      if (line.line != nameLine + row || line.place != LinePlace::Margin) {
        continue;
      }
      std::string text = line.text;
      if (row > 0) {
        EXPECT_EQ(text.rfind(kNameRowIndent, 0), 0u) << text;
        text.erase(0, kNameRowIndent.size());
        name += name.back() == '-' ? "" : " ";
      }
      name += text;
    }
  }
  return name;
}

// What a reader sees of the page the clerk printed: every other line in the
// page's face, as it would stand with a short name; the name whole, in one
// face no smaller than the floor, ending a blank before the Date on its line
// and inside the page on the rows below; nothing off the page.
TEST(FitReport, OnlyTheNameGivesWayAndItStaysLegibleAndWhole) {
  const std::string full(29, 'W');
  const PersonalData doe{"Doe", "John", "Q", "", {}, "07 Dec 2026"};
  const PersonalData johnson{"Johnson", "Michael", "A", "", {}, "07 Dec 2026"};
  const PersonalData longest{full, full, full, "", {}, "07 Dec 2026"};  // what the dialog allows
  const PersonalData longDate{"Doe", "John", "Q", "", {}, full};
  const PersonalData lastOnly{"Abcdefghijklmnopqrstuvwxyzabc", "", "", "", {}, "07 Dec 2026"};
  const struct {
    const char* what;
    const PersonalData& person;
    bool longBodyLine;  // the report's longest, which the page must hold
    WidthAtHeight width;
    int pageHeight;  // every line but the name
    int nameHeight;  // the printer's own 86 when it fits as it is
    int rows;        // the name's
  } cases[] = {
      {"short name", doe, false, PdfWidth, 86, 86, 1},
      {"25-character name", johnson, false, PdfWidth, 86, 76, 1},
      {"the longest name", longest, false, PdfWidth, 86, 52, 2},
      {"a long body line shrinks the page", johnson, true, PdfWidth, 82, 76, 1},
      {"a long Date shrinks the page", longDate, false, PdfWidth, 58, 58, 1},
      {"spaced glyphs, the longest name", longest, false, SpacedWidth, 86, 52, 2},
      {"a last name alone, its full stop kept on its row", lastOnly, false, PdfWidth, 86, 52, 2},
  };
  for (const auto& c : cases) {
    Report report =
        ReportWithHeader("Body Fat Content Report", "Weight Control", c.person, 25, 'M');
    if (c.longBodyLine) {
      AddLine(report, 24, "Soldier is not in compliance with Army standards.");
      AddUnderline(report, 24, "Soldier is ", "not");
    }
    const FittedReport fitted = FitReport(report, kPdfPage, kPrinterHeight, c.width);
    EXPECT_EQ(fitted.pageHeight, c.pageHeight) << c.what;
    const int added = c.rows - 1;
    const int middle = kPdfPage.pageWidth / 2;
    ASSERT_EQ(fitted.report.lines.size(), report.lines.size() + static_cast<std::size_t>(added))
        << c.what;
    for (std::size_t i = 0; i < fitted.report.lines.size(); ++i) {
      const ReportLine& line = fitted.report.lines[i];
      const int height = HeightOf(line, fitted);
      EXPECT_LE(EndOf(line, kPdfPage, height, c.width), kPdfPage.pageWidth) << c.what << i;
      if (i != 1 && i < report.lines.size()) {
        // Every other line as it was, in the page's face, moved down below the name.
        EXPECT_EQ(line.text, report.lines[i].text) << c.what;
        EXPECT_EQ(line.characterHeight, 0) << c.what << " " << line.text;
        EXPECT_EQ(line.line, report.lines[i].line + (report.lines[i].line > 3 ? added : 0));
        continue;
      }
      EXPECT_EQ(height, c.nameHeight) << c.what;
      EXPECT_NE(line.text.find_first_not_of(" ,."), std::string::npos) << c.what;
      EXPECT_GE(height * 100, fitted.pageHeight * kNameFloorPercent) << c.what;
      if (line.line == 3) {
        EXPECT_LE(EndOf(line, kPdfPage, height, c.width) + c.width(" ", height), middle) << c.what;
      }
    }
    EXPECT_EQ(Rejoined(fitted, 3, c.rows), report.lines[1].text) << c.what;
    if (c.longBodyLine) {
      EXPECT_EQ(fitted.report.underlines[0].line, 24 + added) << c.what;
    }
    // The largest face that allows it: one pixel more and the name would
    // reach the Date.
    const int larger = c.nameHeight + 1;
    if (c.rows == 1 && larger <= fitted.pageHeight) {
      EXPECT_GT(EndOf(fitted.report.lines[1], kPdfPage, larger, c.width) + c.width(" ", larger),
                middle)
          << c.what;
    }
  }
}

}  // namespace
}  // namespace shell
