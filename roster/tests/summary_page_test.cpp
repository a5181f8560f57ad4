// The summary page's parts any program's page is made of: the capped lists
// of soldiers, the figures' texts, and the text page within its width.
#include "roster/core/summary_page.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace roster
