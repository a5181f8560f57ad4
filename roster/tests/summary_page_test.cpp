// The summary page's parts any program's page is made of: the capped lists
// of soldiers, the figures' texts, and the text page within its width.
#include "roster/core/summary_page.h"

#include <gtest/gtest.h>

#include "roster/core/summary_chart.h"
#include "roster/core/summary_paper.h"

#include <string>
#include <vector>

namespace roster {
namespace {

std::vector<std::string> Names(const SoldierList& list) {
  std::vector<std::string> names;
  for (const ListedSoldier& soldier : list.Sorted()) {
    names.push_back(soldier.name.empty() ? "line " + std::to_string(soldier.line) : soldier.name);
  }
  return names;
}

// However the roster orders them, the first by name are kept and every one
// is counted; case does not count, a row without a name comes last.
TEST(SoldierList, KeepsTheFirstByNameAndCountsTheRest) {
  SoldierList list(3);
  const std::string_view cells[] = {"x"};
  list.Add({"", "", "", ""}, 2, cells);
  for (int i = 999; i >= 0; --i) {
    const std::string last = "Z" + std::to_string(1000 + i);
    list.Add({last, "", "", ""}, 10 + i, cells);
  }
  list.Add({"ab", "x", "", ""}, 5, cells);
  list.Add({"Ab", "", "", ""}, 6, cells);
  list.Add({"AB", "", "", ""}, 4, cells);
  EXPECT_EQ(list.count(), 1004);
  EXPECT_EQ(Names(list), (std::vector<std::string>{"AB", "Ab", "ab, x"}));

  SoldierList few;
  few.Add({"", "", "", "sgt"}, 7, cells);
  few.Add({"Doe", "Jane", "q", "spc"}, 3, cells);
  few.Add({"Doe", "", "", ""}, 9, cells);
  EXPECT_EQ(Names(few), (std::vector<std::string>{"Doe", "Doe, Jane Q.", "line 7"}));
  EXPECT_EQ(few.Sorted()[1].rank, "SPC");
}

// A name keeps at most kKeptNameBytes, whole characters, on one line.
TEST(SoldierList, KeepsANameShortAndOnOneLine) {
  SoldierList list;
  const std::string long_last = "\xC3\xA9" + std::string(200, 'e');
  list.Add({long_last, "", "", "a\r\nb"}, 2, {});
  list.Add({"Doe", "Jo\nhn", "", ""}, 3, {});
  const std::vector<ListedSoldier> kept = list.Sorted();
  EXPECT_EQ(kept[0].name, "Doe, Jo hn");
  EXPECT_EQ(kept[1].name, "\xC3\xA9" + std::string(kKeptNameBytes - 2, 'e'));
  EXPECT_EQ(kept[1].rank, "A  B");
}

TEST(PageFigures, CountsAveragesAndShares) {
  EXPECT_EQ(CountText(0), "0");
  EXPECT_EQ(CountText(1234567), "1,234,567");
  EXPECT_EQ(CountText(-1000), "-1,000");
  EXPECT_EQ(AverageText(1, 8), "0.1");  // 0.125
  EXPECT_EQ(AverageText(3, 8), "0.4");  // 0.375, half away from zero
  EXPECT_EQ(AverageText(-3, 8), "-0.4");
  EXPECT_EQ(AverageText(-1, 100), "0.0");
  EXPECT_EQ(AverageText(2400000, 1000), "2,400.0");
  EXPECT_EQ(AverageText(5, 0), "-");
  EXPECT_EQ(ShareText(1, 3), "33.3%");
  EXPECT_EQ(ShareText(2, 3), "66.7%");
  EXPECT_EQ(ShareText(0, 0), "-");
}

// A cell counts only when it is a whole number and nothing else.
TEST(PageFigures, ReadsOnlyWholeNumbers) {
  const struct {
    std::string_view cell;
    bool whole;
    long long value;
  } cases[] = {{"300", true, 300},
               {"-12", true, -12},
               {"0", true, 0},
               {"", false, 0},
               {"-", false, 0},
               {"+5", false, 0},
               {"12a", false, 0},
               {" 12", false, 0},
               {"26.2", false, 0},
               {"999999999999999999", true, 999999999999999999},
               {"9999999999999999999", false, 0}};
  for (const auto& c : cases) {
    long long value = 0;
    EXPECT_EQ(ReadWhole(c.cell, value), c.whole) << c.cell;
    EXPECT_EQ(value, c.value) << c.cell;
  }
}

// A table wider than the page goes on below with its labels again; a long
// name is cut; every line fits.
TEST(PageText, EveryLineFitsThePage) {
  SummaryPage page;
  page.title = "Title";
  page.roster = std::string(100, 'r') + ".csv";
  PageTable wide{
      "Soldiers", {}, {{"Rows read"}}, {std::string(50, 'n') + " " + std::string(50, 'n')}};
  for (int column = 0; column < 12; ++column) {
    wide.columns.push_back("Column " + std::to_string(column));
    wide.rows[0].push_back(CountText(1000000));
  }
  page.tables.push_back(wide);
  page.chart = {"Chart", {"a", "b"}, {{"one", {5, 0}}, {"two", {1000000, 1}}}};
  SoldierList soldiers;
  const std::string_view cells[] = {"26.22", "22.0"};
  soldiers.Add({std::string(40, 'L'), std::string(40, 'F'), "", "SGT"}, 2, cells);
  soldiers.Add({"=HYPERLINK(1)", "", "", ""}, 3, cells);
  page.lists.push_back({"Over", {{"Body fat"}, {"Limit"}}, soldiers.Sorted(), 1234});

  const std::vector<std::string> lines = PageLines(page);
  for (const std::string& line : lines) {
    EXPECT_LE(PageWidth(line), kPageColumns) << line;
  }
  const auto has = [&](const std::string& start) {
    return std::count_if(lines.begin(), lines.end(),
                         [&](const std::string& line) { return line.starts_with(start); });
  };
  EXPECT_EQ(has("Soldiers    Column 0"), 1);
  EXPECT_EQ(has("Soldiers    Column 6"), 1);  // the second block
  EXPECT_EQ(has("Rows read  1,000,000"), 2);
  EXPECT_EQ(has("Roster:  rrr"), 1);
  EXPECT_EQ(has("one # 5"), 1);  // five of a million still show
  EXPECT_EQ(has("    = 1"), 1);
  EXPECT_EQ(has("LLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLL, FFFFFF"), 1);
  EXPECT_EQ(has("'=HYPERLINK(1)"), 1);  // as the results write it
  EXPECT_EQ(has("and 1,234 more: see the results file"), 1);
}

// On paper: the chart's lines kept free on the first sheet, a list that
// goes on carries its captions again, every line on its sheet, each sheet
// numbered.
TEST(SummaryPaper, ListsGoOnToNumberedPages) {
  SummaryPage page;
  page.title = "Title";
  page.tables.push_back({"Soldiers", {"Count"}, {{"Rows read", "250"}}, {}});
  page.chart = {"Chart", {"a", "b"}, {{"one", {1, 2}}}};
  SoldierList soldiers;
  for (int line = 2; line < 252; ++line) {
    soldiers.Add({"Doe", std::to_string(1000 + line), "", ""}, line, {});
  }
  page.lists.push_back({"Failed", {}, soldiers.Sorted(), 50});
  const PaperSheets sheets = SummaryPaper(page, 60);
  ASSERT_EQ(sheets.reports.size(), 5u);
  ASSERT_EQ(sheets.chartLines.size(), 5u);
  std::vector<std::string> rows;
  for (std::size_t k = 0; k < sheets.reports.size(); ++k) {
    const std::vector<shell::ReportLine>& lines = sheets.reports[k].lines;
    const int chartLine = sheets.chartLines[k];
    EXPECT_EQ(sheets.reports[k].documentName, kSummaryDocumentName);
    EXPECT_EQ(lines.front().text, "Title");
    EXPECT_EQ(lines.back().text, "Page " + std::to_string(k + 1) + " of 5");
    EXPECT_EQ(lines.back().line, 59);
    EXPECT_EQ(chartLine > 0, k == 0);
    for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
      EXPECT_GT(lines[i].line, lines[i - 1].line);
      EXPECT_LT(lines[i].line, 58);
      EXPECT_FALSE(chartLine > 0 && lines[i].line >= chartLine &&
                   lines[i].line < chartLine + kChartLines)
          << lines[i].text;
      if (lines[i].text.starts_with("Doe, ") || lines[i].text.starts_with("and ")) {
        rows.push_back(lines[i].text.substr(0, 10));
      }
    }
    if (k > 0) {
      EXPECT_EQ(lines[1].text, "Failed");
      EXPECT_TRUE(lines[2].text.starts_with("Name")) << lines[2].text;
    }
  }
  ASSERT_EQ(rows.size(), 201u);
  EXPECT_EQ(rows.front(), "Doe, 1002");
  EXPECT_EQ(rows[199], "Doe, 1201");
  EXPECT_EQ(rows.back(), "and 50 mor");
}

bool Overlap(const shell::Box& a, const shell::Box& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

bool Inside(const shell::Box& inner, const shell::Box& outer) {
  return inner.left >= outer.left && inner.top >= outer.top &&
         inner.left + inner.width <= outer.left + outer.width &&
         inner.top + inner.height <= outer.top + outer.height;
}

// In the least room it takes and in more: every bar as tall as its share of
// the tallest (to the pixel), every count on or over its own bar and as
// wide as it, no two bars or counts on each other, all inside the chart.
TEST(SummaryChart, BarsInProportionWithTheirCountsOnThem) {
  const TextWidth width = [](std::string_view text) { return 7 * static_cast<int>(text.size()); };
  const PageChart charts[] = {
      {"Soldiers by total points",
       {"passed or maxed", "failed"},
       {{"Under 180", {0, 12}},
        {"180-239", {3, 7}},
        {"240-269", {25, 0}},
        {"270-299", {1, 0}},
        {"300 and over", {6, 0}}}},
      {"Body fat by age group",
       {"within", "not within"},
       {{"17-20", {999999, 1}}, {"40+", {0, 0}}}},
  };
  for (const PageChart& chart : charts) {
    const shell::Size least = ChartSize(chart, 16, width);
    for (const shell::Box area : {shell::Box{10, 20, least.width, least.height},
                                  shell::Box{0, 0, 3 * least.width, 2 * least.height}}) {
      SCOPED_TRACE(chart.caption + " in " + std::to_string(area.width));
      const ChartShapes shapes = LayoutChart(chart, area, 16, width);
      ASSERT_EQ(shapes.bars.size(), 2 * chart.bars.size());
      ASSERT_EQ(shapes.counts.size(), shapes.bars.size());
      int tallest = 0;
      long long most = 0;
      for (const ChartBar& bar : shapes.bars) {
        tallest = std::max(tallest, bar.box.height);
        most = std::max(most, bar.count);
      }
      for (std::size_t k = 0; k < shapes.bars.size(); ++k) {
        const ChartBar& bar = shapes.bars[k];
        EXPECT_EQ(bar.count, chart.bars[k / 2].counts[k % 2]);
        EXPECT_NEAR(bar.box.height,
                    static_cast<double>(bar.count) * tallest / static_cast<double>(most), 1.0)
            << k;
        EXPECT_EQ(bar.box.height > 0, bar.count > 0);
        EXPECT_EQ(bar.box.top + bar.box.height, shapes.baseline);
        EXPECT_TRUE(Inside(shapes.counts[k].box, area)) << k;
        EXPECT_LE(width(shapes.counts[k].text), bar.box.width);
        EXPECT_EQ(shapes.counts[k].onBar, Inside(shapes.counts[k].box, bar.box)) << k;
        for (std::size_t j = k + 1; j < shapes.bars.size(); ++j) {
          EXPECT_FALSE(Overlap(bar.box, shapes.bars[j].box)) << k << " " << j;
          EXPECT_FALSE(Overlap(shapes.counts[k].box, shapes.counts[j].box)) << k << " " << j;
        }
      }
      for (const ChartText& label : shapes.labels) {
        EXPECT_TRUE(Inside(label.box, area)) << label.text;
        EXPECT_GT(label.box.top, shapes.baseline);
        EXPECT_LE(width(label.text), label.box.width) << label.text;
      }
      EXPECT_TRUE(Inside(shapes.series[1].box, area));
    }
  }
}

}  // namespace
}  // namespace roster
